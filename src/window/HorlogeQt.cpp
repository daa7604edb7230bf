#include "window/HorlogeQt.h"

#include <QTime>

double HorlogeQt::heureDuJour() {
    return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
}
