#pragma once

#include <QRect>

// The window is designed in twips; at 96 dots per inch a pixel is 15 twips, and Qt scales
// pixels for denser screens.
inline constexpr int TwipsParPixel = 15;

constexpr int px(int twips) {
    return twips / TwipsParPixel;
}

constexpr QRect rectTwips(int gauche, int haut, int largeur, int hauteur) {
    return {px(gauche), px(haut), px(largeur), px(hauteur)};
}
