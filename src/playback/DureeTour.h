#pragma once

#include "editor/LT840.h"

// How long one pass over the first `nombre` records lasts at the base period `periode` (in
// seconds): each record stays on for the period times the multiplier of its code. A count
// beyond the store is taken as the whole store, a negative one as none.
double dureeTour(const decltype(LT840::TabTrames)& tabTrames, int nombre, double periode);
