#include "window/widgets/Twips.h"

#include <QFont>

namespace {

constexpr double DesignPoints = 8;
constexpr double UsualDesktopPoints = 9;
double s_scale = 1;

} // namespace

namespace twips {

double scale() {
    return s_scale;
}

QFont fitToDesktopFont(const QFont& desktopFont) {
    const double points = desktopFont.pointSizeF();
    s_scale = points > UsualDesktopPoints ? points / UsualDesktopPoints : 1.0;
    QFont font = desktopFont;
    font.setPointSizeF(DesignPoints * s_scale);
    return font;
}

} // namespace twips
