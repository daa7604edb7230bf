#include "serial/PortMemorise.h"

#include <QSettings>

namespace portmemorise {

namespace {

const QString Organisation = QStringLiteral("lt840");
const QString Cle = QStringLiteral("port/peripherique");

} // namespace

QString lire() {
    return QSettings(Organisation, Organisation).value(Cle).toString();
}

void ecrire(const QString& peripherique) {
    QSettings reglages(Organisation, Organisation);
    if (peripherique.isEmpty())
        reglages.remove(Cle);
    else
        reglages.setValue(Cle, peripherique);
}

} // namespace portmemorise
