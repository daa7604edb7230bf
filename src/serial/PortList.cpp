#include "serial/PortList.h"

#include <QCollator>
#include <QCoreApplication>
#include <QFileInfo>
#include <QSet>

#include <algorithm>

namespace {

// Each device once, as first reported.
QList<PortInfo> distinctDevices(const QList<PortInfo>& infos) {
    QList<PortInfo> present;
    QSet<QString> seen;
    for (const PortInfo& info : infos) {
        if (!info.device.isEmpty() && !seen.contains(info.device)) {
            seen.insert(info.device);
            present.append(info);
        }
    }
    return present;
}

// ttyS2 before ttyS10: runs of digits compare by their value.
void sortNaturally(QList<PortInfo>& infos) {
    QCollator order{QLocale(QLocale::English)};
    order.setNumericMode(true);
    std::sort(infos.begin(), infos.end(), [&order](const PortInfo& a, const PortInfo& b) {
        return order.compare(a.device, b.device) < 0;
    });
}

} // namespace

QString portLabel(const PortInfo& info) {
    QString label = info.name.isEmpty() ? info.device : info.name;
    if (!info.description.isEmpty())
        label += QStringLiteral(" — ") + info.description;
    if (info.usbVendor) {
        label += QStringLiteral(" (USB %1").arg(*info.usbVendor, 4, 16, QLatin1Char('0'));
        if (info.usbProduct)
            label += QStringLiteral(":%1").arg(*info.usbProduct, 4, 16, QLatin1Char('0'));
        label += u')';
    }
    return label;
}

QList<PortEntry> deviceEntries(const QList<PortInfo>& infos, const QString& chosen) {
    QList<PortInfo> present = distinctDevices(infos);
    sortNaturally(present);
    QList<PortEntry> entries;
    bool chosenPresent = false;
    for (const PortInfo& info : present) {
        const bool checked = info.device == chosen;
        chosenPresent = chosenPresent || checked;
        entries.append({portLabel(info), info.device, checked});
    }
    if (!chosen.isEmpty() && !chosenPresent)
        entries.append(
            {QFileInfo(chosen).fileName() + QCoreApplication::translate("PortList", " — absent"),
             chosen, true});
    return entries;
}
