#include "board/FluxTeleversement.h"
#include "editor/ValeurNumerique.h"

#include <algorithm>
#include <cmath>

namespace flux {

namespace {

constexpr double UniteTempsBase = 0.008; // seconds

quint8 octet(double v) {
    return quint8(qBound(0.0, v, 255.0));
}

} // namespace

// In binary floating point 0.344 / 0.008 comes out a hair below 43; a quotient that close to
// a whole number is that number, as the decimal division the user reads gives.
quint8 octetTempsBase(const QString& periodeBase) {
    const double quotient = valeurNumerique(periodeBase) / UniteTempsBase;
    const double entier = std::round(quotient);
    const bool presqueEntier = std::abs(quotient - entier) <= 1e-9 * std::max(1.0, entier);
    return octet(presqueEntier ? entier : std::floor(quotient));
}

quint8 octetDuree(qint16 code) {
    if (code < 0 || code >= qint16(TabVitesse.size()))
        return 0;
    return octet(TabVitesse[code]);
}

quint8 octetLampes(const LT840::Enregistrement& enr) {
    quint8 octet = 0;
    for (int j = 0; j < NombreLampes; ++j) {
        if (enr[j] == 0)
            octet |= quint8(0x80 >> j);
    }
    return octet;
}

QByteArray construire(const Magasin& tabTrames, const QString& periodeBase) {
    QByteArray flux;
    flux.reserve(TailleFlux);
    flux.append(OctetDebut);
    flux.append(char(octetTempsBase(periodeBase)));
    for (int k = 0; k <= DernierEnrCarte; ++k) {
        flux.append(char(octetDuree(tabTrames[k][LigneCode])));
        flux.append(char(octetLampes(tabTrames[k])));
    }
    return flux;
}

QByteArray bloc(const QByteArray& flux, int b) {
    return flux.mid(qsizetype(b) * TailleBloc, TailleBloc);
}

int blocsAEnvoyer(const QByteArray& flux) {
    for (int b = 0; b < NombreBlocs; ++b) {
        if (bloc(flux, b).startsWith('\0'))
            return b + 1;
    }
    return NombreBlocs;
}

} // namespace flux
