#pragma once

#include "model/Colour.h"
#include "model/Report.h"

#include <optional>

// The question asked before the lamps take `scheme`: yellow and green exist on screen only,
// so choosing them asks first; red asks nothing.
std::optional<Report> colourQuestion(LedColour scheme);
