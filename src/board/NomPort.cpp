#include "board/NomPort.h"

QString nomPeripherique(int numeroPort) {
    const QString choisi =
        qEnvironmentVariable(qPrintable(QStringLiteral("LT840_COM%1").arg(numeroPort)));
    if (!choisi.isEmpty())
        return choisi;
#ifdef Q_OS_WIN
    return QStringLiteral("COM%1").arg(numeroPort);
#else
    return QStringLiteral("/dev/ttyS%1").arg(numeroPort - 1);
#endif
}
