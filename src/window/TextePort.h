#pragma once

#include <QString>

// The port in force and the device it leads to, as the status bar shows it: "COM 1
// (/dev/ttyUSB0)". `portCom` is the editor's port index, 0 for COM 1.
QString textePort(int portCom);
