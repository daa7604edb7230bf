#include "storage/FichiersRecents.h"

#include <QDir>

QStringList fichiersRecents(const QStringList& liste, const QString& chemin,
                            const std::function<bool(const QString&)>& existe) {
    QStringList candidats;
    if (!chemin.isEmpty())
        candidats << chemin;
    candidats << liste;
    QStringList resultat;
    for (const QString& c : std::as_const(candidats)) {
        const QString propre = QDir::cleanPath(c);
        if (c.isEmpty() || resultat.contains(propre) || !existe(propre))
            continue;
        resultat << propre;
        if (resultat.size() == NombreFichiersRecents)
            break;
    }
    return resultat;
}
