#include "playback/AffichagePeriode.h"

// Only the separator is the locale's: a locale with digits of its own (Arabic, Bengali, ...)
// would otherwise show them.
QString textePeriode(double secondes, const QLocale& locale) {
    return QString::number(secondes, 'g', 15).replace(u'.', locale.decimalPoint());
}
