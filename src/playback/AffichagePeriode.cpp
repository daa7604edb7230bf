#include "playback/AffichagePeriode.h"

QString textePeriode(double secondes, const QLocale& locale) {
    QLocale l = locale;
    l.setNumberOptions(QLocale::OmitGroupSeparator);
    return l.toString(secondes, 'g', 15);
}
