#pragma once

#include <QString>
#include <optional>

// The number a text begins with: leading blanks skipped, an optional sign, digits and a
// point as the decimal separator whatever the locale; reading stops at the first other
// character, and a text that does not begin with a number counts 0.
double valeurNumerique(const QString& texte);

// The same number, or nothing when the text does not begin with one, for the callers that
// must tell a typed "0" from no number at all.
std::optional<double> nombreEnTete(const QString& texte);

// Nearest whole number, an exact half going to the even neighbour.
double arrondiPair(double v);

// The whole-number value of a text as a 16-bit integer, or nothing when it does not fit.
std::optional<qint16> entier16(const QString& texte);

// The record a field names, when it names one the store has: a whole number 0..DernierEnr.
std::optional<int> numeroEnregistrement(const QString& texte);
