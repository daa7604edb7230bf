#include "window/Twips.h"

#include <QFont>

namespace {

constexpr double PointsDessin = 8;
constexpr double PointsBureauUsuels = 9;
double s_echelle = 1;

} // namespace

namespace twips {

double echelle() {
    return s_echelle;
}

QFont adapterALaPolice(const QFont& policeBureau) {
    const double points = policeBureau.pointSizeF();
    s_echelle = points > PointsBureauUsuels ? points / PointsBureauUsuels : 1.0;
    QFont police = policeBureau;
    police.setPointSizeF(PointsDessin * s_echelle);
    return police;
}

} // namespace twips
