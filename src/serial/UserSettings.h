#pragma once

#include <QSettings>
#include <QString>

// The user's settings between runs, one file for the editor and the command line: the recent
// files and the device chosen by name (~/.config/lt840/lt840.conf on Linux).
QSettings userSettings();
// The folder that holds that file, where the installed editor keeps lt840.cfg too.
QString userSettingsFolder();
