#include "serial/ComDevice.h"

QString comDevice(int number) {
    const QString chosen =
        qEnvironmentVariable(qPrintable(QStringLiteral("LT840_COM%1").arg(number)));
    if (!chosen.isEmpty())
        return chosen;
#ifdef Q_OS_WIN
    return QStringLiteral("COM%1").arg(number);
#else
    return QStringLiteral("/dev/ttyS%1").arg(number - 1);
#endif
}
