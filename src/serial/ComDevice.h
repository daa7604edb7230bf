#pragma once

#include <QString>

// The device behind COM n: the variable LT840_COM<n> of the environment when it is set (a
// USB adapter, a pseudo-terminal), else the system's own name for the port.
QString comDevice(int number);
