#include "serial/EnumerateurPortsQt.h"

#include <QSerialPortInfo>

QList<InfoPort> EnumerateurPortsQt::ports() {
    QList<InfoPort> infos;
    for (const QSerialPortInfo& p : QSerialPortInfo::availablePorts()) {
        InfoPort info{p.portName(), p.systemLocation(), p.description(), {}, {}};
        if (p.hasVendorIdentifier())
            info.vendeurUsb = p.vendorIdentifier();
        if (p.hasProductIdentifier())
            info.produitUsb = p.productIdentifier();
        infos.append(info);
    }
    return infos;
}
