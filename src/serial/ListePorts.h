#pragma once

#include <QList>
#include <QString>

#include <optional>

// A serial device as the system reports it.
struct InfoPort {
    QString nom;          // "ttyUSB0", "COM7"
    QString peripherique; // what opens it: "/dev/ttyUSB0", "COM7"
    QString description;  // "USB-Serial Controller", often empty for built-in ports
    std::optional<quint16> vendeurUsb;
    std::optional<quint16> produitUsb;
};

// Lists the serial devices present now; tests give a fixed list.
class IEnumerateurPorts {
public:
    virtual ~IEnumerateurPorts() = default;
    virtual QList<InfoPort> ports() = 0;
};

// One item of the port menu under COM 1 to COM 4.
struct EntreePort {
    QString libelle;
    QString peripherique; // what choosing the item makes the port in force
    bool coche = false;
    bool operator==(const EntreePort&) const = default;
};

// "ttyUSB0 — USB-Serial Controller (USB 1a86:7523)"; the parts the system does not know are
// left out.
QString libellePort(const InfoPort& info);

// The devices present, each once, in natural order (ttyS2 before ttyS10), the one in force
// (`choisi`, "" when a COM is) ticked. A chosen device that is not plugged in stays listed,
// ticked and marked absent, so that the user sees what the next command will try.
QList<EntreePort> entreesPeripheriques(const QList<InfoPort>& infos, const QString& choisi);
