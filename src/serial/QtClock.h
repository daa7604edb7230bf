#pragma once

#include "serial/SerialLine.h"

#include <QElapsedTimer>

// The system's clocks: the time of day, and a monotonic count that ignores midnight.
class QtClock : public IClock {
public:
    QtClock() { m_start.start(); }
    double timeOfDay() override;
    qint64 monotonicMs() override { return m_start.elapsed(); }

private:
    QElapsedTimer m_start;
};
