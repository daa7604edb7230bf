#pragma once

#include <QLocale>
#include <QString>

// A period in seconds as shown to the user: at most 15 significant digits, no trailing
// zeros, no blanks, western digits, and the decimal separator of the given locale.
QString textePeriode(double secondes, const QLocale& locale = QLocale());
