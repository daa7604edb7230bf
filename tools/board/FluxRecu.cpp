#include "board/FluxRecu.h"

#include "board/ProtocoleCarte.h"

namespace cartevirtuelle {

namespace {

constexpr int TailleTete = 2;

EnregistrementRecu decoderEnregistrement(quint8 duree, quint8 lampes) {
    EnregistrementRecu enregistrement;
    enregistrement.duree = duree;
    for (int lampe = 0; lampe < NombreLampes; ++lampe)
        enregistrement.allumees[lampe] = (lampes & (0x80 >> lampe)) == 0;
    return enregistrement;
}

QString verifierDisposition(const QByteArray& brut) {
    if (brut.size() < TailleTete)
        return QStringLiteral("stream of %1 bytes is shorter than its head").arg(brut.size());
    if (brut.size() > TailleFlux)
        return QStringLiteral("stream of %1 bytes is longer than %2")
            .arg(brut.size())
            .arg(TailleFlux);
    if (brut.size() % 2 != 0)
        return QStringLiteral("stream of %1 bytes ends inside a record").arg(brut.size());
    if (brut.front() != OctetDebut)
        return QStringLiteral("start byte is 0x%1 instead of 0xA5")
            .arg(quint8(brut.front()), 2, 16, QLatin1Char('0'));
    return {};
}

} // namespace

std::optional<FluxDecode> decoderFlux(const QByteArray& brut, QString* erreur) {
    if (const QString probleme = verifierDisposition(brut); !probleme.isEmpty()) {
        if (erreur)
            *erreur = probleme;
        return std::nullopt;
    }
    FluxDecode flux;
    flux.tempsBase = quint8(brut.at(1));
    for (qsizetype at = TailleTete; at < brut.size(); at += 2)
        flux.enregistrements.append(
            decoderEnregistrement(quint8(brut.at(at)), quint8(brut.at(at + 1))));
    return flux;
}

QString decrireFlux(const FluxDecode& flux) {
    QString texte =
        QStringLiteral("time base %1 (%2 ms)\n").arg(flux.tempsBase).arg(flux.tempsBase * 8);
    for (qsizetype k = 0; k < flux.enregistrements.size(); ++k) {
        const EnregistrementRecu& enregistrement = flux.enregistrements.at(k);
        QString lampes;
        for (bool allumees : enregistrement.allumees)
            lampes += allumees ? QLatin1Char('#') : QLatin1Char('.');
        texte += QStringLiteral("record %1  duration %2  lamps %3\n")
                     .arg(k, 3)
                     .arg(enregistrement.duree, 2)
                     .arg(lampes);
    }
    return texte;
}

} // namespace cartevirtuelle
