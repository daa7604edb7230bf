#include "serial/PortMemorise.h"

#include "serial/UserSettings.h"

namespace portmemorise {

namespace {

const QString Cle = QStringLiteral("port/peripherique");

} // namespace

QString lire() {
    return userSettings().value(Cle).toString();
}

void ecrire(const QString& peripherique) {
    QSettings reglages = userSettings();
    if (peripherique.isEmpty())
        reglages.remove(Cle);
    else
        reglages.setValue(Cle, peripherique);
}

} // namespace portmemorise
