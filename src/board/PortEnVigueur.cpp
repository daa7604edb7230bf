#include "board/PortEnVigueur.h"

#include "board/NomPort.h"
#include "editor/LT840.h"

PortEnVigueur portEnVigueur(const LT840& ed) {
    if (!ed.PortChoisi.isEmpty())
        return {ed.PortChoisi, ed.PortChoisi};
    const int numero = ed.PortCom + 1;
    return {QStringLiteral("COM%1").arg(numero), numero < 1 ? QString() : nomPeripherique(numero)};
}

QString messagePortIndisponible(const QString& nomPort) {
    return nomPort + QStringLiteral(": n'est pas disponible. Changez dans la propriété Option "
                                    "pour un autre port.");
}
