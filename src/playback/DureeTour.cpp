#include "playback/DureeTour.h"

#include "playback/IntervalleSimulateur.h"

#include <QtGlobal>

int nombreEnregistrements(std::span<const LignesEnregistrement> magasin, int maximum) {
    return qBound(0, maximum, int(magasin.size()));
}

// The multipliers are summed as integers first, so that 251 records at 0.01 s give 2.51 and
// not a sum of rounded tenths.
double dureeTour(std::span<const LignesEnregistrement> magasin, int maximum, double periodeBase) {
    qint64 facteurs = 0;
    for (const LignesEnregistrement& enr : magasin.first(nombreEnregistrements(magasin, maximum)))
        facteurs += facteurDuCode(enr[LigneCode]);
    return double(facteurs) * periodeBase;
}
