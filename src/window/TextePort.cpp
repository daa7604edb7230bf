#include "window/TextePort.h"

#include "board/PortEnVigueur.h"
#include "editor/LT840.h"

// An index below 0 can only come from a hand-edited configuration; it leads to no device.
QString textePort(const LT840& ed) {
    const PortEnVigueur port = portEnVigueur(ed);
    if (!ed.PortChoisi.isEmpty())
        return port.peripherique;
    const QString appareil =
        port.peripherique.isEmpty() ? QStringLiteral("aucun périphérique") : port.peripherique;
    return QStringLiteral("COM %1 (%2)").arg(ed.PortCom + 1).arg(appareil);
}
