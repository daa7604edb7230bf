#include "playback/DureeTour.h"

#include "playback/IntervalleSimulateur.h"

#include <algorithm>

double dureeTour(const decltype(LT840::TabTrames)& tabTrames, int nombre, double periode) {
    const int fin = std::clamp(nombre, 0, int(tabTrames.size()));
    long long facteurs = 0;
    for (int r = 0; r < fin; ++r)
        facteurs += facteurDuCode(tabTrames[r][LigneCode]);
    return double(facteurs) * periode;
}
