#pragma once

#include "model/Colour.h"

#include <QColor>
#include <QPalette>

// The on-screen colour of a model colour: 0x00BBGGRR values as they are, the theme's colours
// taken from the palette of the widget that shows them.
QColor desktopColour(Colour colour, const QPalette& palette);
