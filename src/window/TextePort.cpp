#include "window/TextePort.h"

#include "board/NomPort.h"

// An index below 0 can only come from a hand-edited configuration; it leads to no device.
QString textePort(int portCom) {
    const int numero = portCom + 1;
    const QString appareil =
        numero >= 1 ? nomPeripherique(numero) : QStringLiteral("aucun périphérique");
    return QStringLiteral("COM %1 (%2)").arg(numero).arg(appareil);
}
