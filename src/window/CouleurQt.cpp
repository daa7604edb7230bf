#include "window/CouleurQt.h"

QColor couleurQt(Couleur c, const QPalette& palette) {
    switch (c) {
    case CouleurSysteme::FondInfo:
        return palette.color(QPalette::ToolTipBase);
    case CouleurSysteme::FaceBouton:
        return palette.color(QPalette::Button);
    case CouleurSysteme::FondFenetre:
        return palette.color(QPalette::Base);
    default:
        break;
    }
    if (CouleurSysteme::estSysteme(c))
        return palette.color(QPalette::Window); // a theme colour this program never sets
    return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
}
