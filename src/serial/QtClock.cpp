#include "serial/QtClock.h"

#include <QTime>

double QtClock::timeOfDay() {
    return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
}
