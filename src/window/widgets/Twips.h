#pragma once

#include <QRect>

class QFont;

// The window is designed in twips for an 8-point font: at 96 dots per inch a pixel is 15
// twips, and Qt scales pixels for denser screens. A desktop whose font is larger than the
// usual 9 points gets a larger font in the window and the whole design scaled with it, so
// that no text outgrows its control; the scale is set once, before the window is built.
inline constexpr int TwipsPerPixel = 15;

namespace twips {
double scale();
// Takes the scale from the desktop's font and returns the window's font.
QFont fitToDesktopFont(const QFont& desktopFont);
} // namespace twips

// A length of the design, in pixels at the scale in force.
inline int px(int twips) {
    return int(twips * twips::scale() / TwipsPerPixel);
}

inline QRect twipsRect(int left, int top, int width, int height) {
    return {px(left), px(top), px(width), px(height)};
}

// A distance on screen, in twips of the design.
inline float toTwips(qreal pixels) {
    return float(pixels * TwipsPerPixel / twips::scale());
}
