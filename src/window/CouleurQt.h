#pragma once

#include "editor/Couleur.h"

#include <QColor>
#include <QPalette>

// The on-screen colour of a model colour: 0x00BBGGRR values as they are, the theme's
// colours taken from the palette of the widget that shows them.
QColor couleurQt(Couleur c, const QPalette& palette);
