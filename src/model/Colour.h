#pragma once

#include <QtGlobal>

// A colour as 0x00BBGGRR, red in the low byte. A value with the top bit set names a colour of
// the desktop's theme instead, which only the window resolves.
using Colour = quint32;

namespace SystemColour {
inline constexpr Colour InfoBackground = 0x80000018; // tooltip background
inline constexpr Colour ButtonFace = 0x8000000F;
inline constexpr Colour TextBackground = 0x80000005; // a text field's background
inline constexpr bool isSystem(Colour c) {
    return (c & 0x80000000u) != 0;
}
} // namespace SystemColour

namespace FixedColour {
inline constexpr Colour Red = 0x000000FF;
inline constexpr Colour Yellow = 0x0000FFFF;
inline constexpr Colour LightGrey = 0x00E0E0E0;
} // namespace FixedColour

// The LED colour schemes of the lamps on screen: a lit and an unlit colour each.
enum class LedColour { Red, Yellow, Green };

struct LampColours {
    Colour lit = 0x000000FF;
    Colour unlit = 0x008080FF;
    bool operator==(const LampColours&) const = default;
};

constexpr LampColours lampColours(LedColour scheme) {
    switch (scheme) {
    case LedColour::Yellow:
        return {0x0000FFFF, SystemColour::InfoBackground};
    case LedColour::Green:
        return {0x0000C000, 0x00C0FFC0};
    case LedColour::Red:
        break;
    }
    return {0x000000FF, 0x008080FF};
}
