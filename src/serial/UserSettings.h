#pragma once

#include <QSettings>
#include <QString>

// The user's settings between runs, one file for the editor and the command line: the recent
// files and the device chosen by name (~/.config/lt840/lt840.conf on Linux).
QSettings userSettings();
// The folder that holds that file, where the installed editor keeps lt840.cfg too.
QString userSettingsFolder();

// The device the user last chose by name, never kept in lt840.cfg; the command line falls
// back on it when given no port. "" when a COM is in force.
QString rememberedDevice();
// "" forgets the device: a COM is in force again.
void rememberDevice(const QString& device);
