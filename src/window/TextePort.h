#pragma once

#include <QString>

class LT840;

// The port in force and the device it leads to, as the status bar shows it: "COM 1
// (/dev/ttyS0)", or the device the user chose by its name.
QString textePort(const LT840& ed);
