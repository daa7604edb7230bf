#include "serial/ListePorts.h"

#include <QCollator>
#include <QFileInfo>
#include <QSet>

#include <algorithm>

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
    // ttyS2 before ttyS10: runs of digits compare by their value.
    QCollator ordre(QLocale(QLocale::English));
    ordre.setNumericMode(true);
    std::sort(presents.begin(), presents.end(), [&ordre](const InfoPort& a, const InfoPort& b) {
        return ordre.compare(a.peripherique, b.peripherique) < 0;
    });
    QList<EntreePort> entrees;
    for (const InfoPort& info : presents)
        entrees.append({libellePort(info), info.peripherique, info.peripherique == choisi});
    if (!choisi.isEmpty() && !vus.contains(choisi))
        entrees.append({QFileInfo(choisi).fileName() + QStringLiteral(" — absent"), choisi, true});
    return entrees;
}
