#include "serial/QtPortEnumerator.h"

#include <QSerialPortInfo>

QList<PortInfo> QtPortEnumerator::ports() {
    QList<PortInfo> infos;
    for (const QSerialPortInfo& p : QSerialPortInfo::availablePorts()) {
        PortInfo info{p.portName(), p.systemLocation(), p.description(), {}, {}};
        if (p.hasVendorIdentifier())
            info.usbVendor = p.vendorIdentifier();
        if (p.hasProductIdentifier())
            info.usbProduct = p.productIdentifier();
        infos.append(info);
    }
    return infos;
}
