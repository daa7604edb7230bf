#include "board/PortChoice.h"

#include "serial/ComDevice.h"
#include "serial/SerialLine.h"

#include <QCoreApplication>

#include <limits>

namespace {

constexpr int NotOpened = -1;

// Computed wide: an index from a configuration may be anything an int holds.
qint64 comNumber(int comIndex) {
    return qint64(comIndex) + 1;
}

bool reachable(qint64 number) {
    return number >= 1 && number <= std::numeric_limits<int>::max();
}

} // namespace

PortInForce PortChoice::inForce() const {
    if (!device.isEmpty())
        return {device, device, true};
    const qint64 number = comNumber(comIndex);
    return {QStringLiteral("COM%1").arg(number),
            reachable(number) ? comDevice(int(number)) : QString(), false};
}

int PortChoice::open(ISerialLine& line) const {
    if (!device.isEmpty())
        return line.openDevice(device);
    const qint64 number = comNumber(comIndex);
    return reachable(number) ? line.open(int(number)) : NotOpened;
}

QString portUnavailableMessage(const QString& portName) {
    return portName + QCoreApplication::translate("PortChoice",
                                                  ": n'est pas disponible. Changez dans la "
                                                  "propriété Option pour un autre port.");
}
