#pragma once

#include <QString>

#include <optional>

// The number a text begins with: leading blanks skipped, an optional sign, digits and a point
// as the decimal separator whatever the locale; reading stops at the first other character.
// Nothing when the text does not begin with a number; a number too large for a double reads
// as an infinity of its sign.
std::optional<double> leadingNumber(const QString& text);

// The same, 0 for a text that does not begin with a number.
double numericValue(const QString& text);

// Nearest whole number, an exact half going to the even neighbour.
double roundHalfEven(double value);

// The whole-number value of a text as a 16-bit integer, or nothing when it does not fit.
std::optional<qint16> toInt16(const QString& text);

// An address as the user types it ("Départ", "En cours"): its numeric value rounded, held
// within -1..Sequence::Capacity, which every address outside the store reaches alike.
int typedAddress(const QString& text);

// A record count as the user types it ("Maximum"): nothing when the text does not begin with
// a number, else its rounded value held within the store's records.
std::optional<int> typedLength(const QString& text);
