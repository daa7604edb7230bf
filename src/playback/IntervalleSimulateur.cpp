#include "playback/IntervalleSimulateur.h"

#include "editor/Format.h"
#include "editor/ValeurNumerique.h"

#include <cmath>
#include <limits>

namespace {

// A timer interval is an int: hold the product within it before converting.
int versEntier(double ms) {
    return int(qBound(0.0, ms, double(std::numeric_limits<int>::max())));
}

} // namespace

int facteurDuCode(int code) {
    return code >= 0 && code < int(TabVitesse.size()) ? TabVitesse[code] : 0;
}

int intervalleDepartMs(double periode, int facteur) {
    return versEntier(arrondiPair(periode * facteur * 1000));
}

int intervalleEtapeMs(double periode, int facteur) {
    return versEntier(std::trunc(periode * facteur * 1000));
}
