#pragma once

#include <QtGlobal>
#include <array>

// A colour as 0x00BBGGRR, red in the low byte. Values with the top bit set name a colour of
// the desktop's theme instead; the core compares them as plain numbers and only the view
// resolves them, so a lamp's colour always reads back exactly as it was set.
using Couleur = quint32;

// The colour table: a lit and an unlit colour for each LED colour scheme.
using TableCouleurs = std::array<Couleur, 6>;

namespace CouleurSysteme {
inline constexpr Couleur FondInfo = 0x80000018;    // tooltip background
inline constexpr Couleur FaceBouton = 0x8000000F;  // button face
inline constexpr Couleur FondFenetre = 0x80000005; // text field background
inline bool estSysteme(Couleur c) {
    return (c & 0x80000000u) != 0;
}
} // namespace CouleurSysteme

namespace CouleurFixe {
inline constexpr Couleur Rouge = 0x000000FF;
inline constexpr Couleur Jaune = 0x0000FFFF;
inline constexpr Couleur GrisClair = 0x00E0E0E0;
} // namespace CouleurFixe
