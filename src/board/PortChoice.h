#pragma once

#include <QString>

class ISerialLine;

// The port the next board command opens: COM n, or a device the user chose by its name.
struct PortInForce {
    QString name;   // "COM1", or the device's name ("/dev/ttyUSB0")
    QString device; // what is opened for it; "" when nothing can be
    bool byName = false;
};

// What the user chose: a COM by its index, and a device by its name, which stands in for the
// COM while it is chosen.
struct PortChoice {
    int comIndex = 0; // COM comIndex + 1
    QString device;   // "" when the COM is in force

    PortInForce inForce() const;
    // 0 once the line is open on the port in force, else an error code. A COM number of 0 or
    // below can only come from a hand-edited configuration and never reaches the line.
    int open(ISerialLine& line) const;
};

// What the user is told when the port in force does not open.
QString portUnavailableMessage(const QString& portName);
