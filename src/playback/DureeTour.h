#pragma once

#include "editor/Format.h"

#include <array>
#include <span>

// What the status bar and the overview say about the sequence as a whole.

using LignesEnregistrement = std::array<qint16, DerniereLigne + 1>;

// The records made: 0..N-1, N being the navigator's maximum, within the store given.
int nombreEnregistrements(std::span<const LignesEnregistrement> magasin, int maximum);

// How long one run through the records made lasts, in seconds: the sum of their periods at
// the base period given. A code without a multiplier (0, 7, 8 or any other) counts 0.
double dureeTour(std::span<const LignesEnregistrement> magasin, int maximum, double periodeBase);
