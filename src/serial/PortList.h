#pragma once

#include <QList>
#include <QString>

#include <optional>

// A serial device as the system reports it.
struct PortInfo {
    QString name;        // "ttyUSB0", "COM7"
    QString device;      // what opens it: "/dev/ttyUSB0", "COM7"
    QString description; // "USB-Serial Controller", often empty for built-in ports
    std::optional<quint16> usbVendor;
    std::optional<quint16> usbProduct;
};

// Lists the serial devices present now; tests give a fixed list.
class IPortEnumerator {
public:
    virtual ~IPortEnumerator() = default;
    virtual QList<PortInfo> ports() = 0;
};

// One item of the port menu under COM 1 to COM 4.
struct PortEntry {
    QString label;
    QString device; // what choosing the item makes the port in force
    bool checked = false;
    bool operator==(const PortEntry&) const = default;
};

// "ttyUSB0 — USB-Serial Controller (USB 1a86:7523)"; the parts the system does not know are
// left out.
QString portLabel(const PortInfo& info);

// The devices present, each once, in natural order (ttyS2 before ttyS10), the one in force
// (`chosen`, "" when a COM is) ticked. A chosen device that is not plugged in stays listed,
// ticked and marked absent, so that the user sees what the next command will try.
QList<PortEntry> deviceEntries(const QList<PortInfo>& infos, const QString& chosen);
