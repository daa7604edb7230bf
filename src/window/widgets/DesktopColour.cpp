#include "window/widgets/DesktopColour.h"

QColor desktopColour(Colour colour, const QPalette& palette) {
    switch (colour) {
    case SystemColour::InfoBackground:
        return palette.color(QPalette::ToolTipBase);
    case SystemColour::ButtonFace:
        return palette.color(QPalette::Button);
    case SystemColour::TextBackground:
        return palette.color(QPalette::Base);
    default:
        break;
    }
    if (SystemColour::isSystem(colour))
        return palette.color(QPalette::Window); // a theme colour this program never sets
    return QColor(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF));
}
