#pragma once

#include <QRect>

class QFont;

// The window is designed in twips for an 8-point font: at 96 dots per inch a pixel is 15
// twips, and Qt scales pixels for denser screens. A desktop whose font is larger than the
// usual 9 points gets a larger font in the window and the whole design scaled with it, so
// that no text outgrows its control; the scale is set once, before the window is built.
inline constexpr int TwipsParPixel = 15;

namespace twips {
double echelle();
// Takes the scale from the desktop's font and returns the window's font.
QFont adapterALaPolice(const QFont& policeBureau);
} // namespace twips

inline int px(int twips) {
    return int(twips * twips::echelle() / TwipsParPixel);
}

inline QRect rectTwips(int gauche, int haut, int largeur, int hauteur) {
    return {px(gauche), px(haut), px(largeur), px(hauteur)};
}

// A distance on screen, in twips of the design.
inline float enTwips(qreal pixels) {
    return float(pixels * TwipsParPixel / twips::echelle());
}
