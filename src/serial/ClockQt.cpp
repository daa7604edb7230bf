#include "serial/ClockQt.h"

#include <QTime>

double ClockQt::heureDuJour() {
    return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
}
