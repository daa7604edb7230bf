#include "serial/ListePorts.h"

#include <QFileInfo>
#include <QSet>

#include <algorithm>

namespace {

// ttyS2 before ttyS10: runs of digits compare by their value, the rest character by character.
bool avantNaturel(const QString& a, const QString& b) {
    qsizetype i = 0;
    qsizetype j = 0;
    while (i < a.size() && j < b.size()) {
        if (a[i].isDigit() && b[j].isDigit()) {
            const qsizetype di = i;
            const qsizetype dj = j;
            while (i < a.size() && a[i].isDigit())
                ++i;
            while (j < b.size() && b[j].isDigit())
                ++j;
            const qulonglong na = a.mid(di, i - di).toULongLong();
            const qulonglong nb = b.mid(dj, j - dj).toULongLong();
            if (na != nb)
                return na < nb;
            continue;
        }
        if (a[i] != b[j])
            return a[i] < b[j];
        ++i;
        ++j;
    }
    return a.size() - i < b.size() - j;
}

} // namespace

QString libellePort(const InfoPort& info) {
    QString libelle = info.nom.isEmpty() ? info.peripherique : info.nom;
    if (!info.description.isEmpty())
        libelle += QStringLiteral(" — ") + info.description;
    if (info.vendeurUsb) {
        libelle += QStringLiteral(" (USB %1").arg(*info.vendeurUsb, 4, 16, QLatin1Char('0'));
        if (info.produitUsb)
            libelle += QStringLiteral(":%1").arg(*info.produitUsb, 4, 16, QLatin1Char('0'));
        libelle += u')';
    }
    return libelle;
}

QList<EntreePort> entreesPeripheriques(const QList<InfoPort>& infos, const QString& choisi) {
    QList<InfoPort> presents;
    QSet<QString> vus;
    for (const InfoPort& info : infos) {
        if (!info.peripherique.isEmpty() && !vus.contains(info.peripherique)) {
            vus.insert(info.peripherique);
            presents.append(info);
        }
    }
    std::sort(presents.begin(), presents.end(), [](const InfoPort& a, const InfoPort& b) {
        return avantNaturel(a.peripherique, b.peripherique);
    });
    QList<EntreePort> entrees;
    for (const InfoPort& info : presents)
        entrees.append({libellePort(info), info.peripherique, info.peripherique == choisi});
    if (!choisi.isEmpty() && !vus.contains(choisi))
        entrees.append({QFileInfo(choisi).fileName() + QStringLiteral(" — absent"), choisi, true});
    return entrees;
}
