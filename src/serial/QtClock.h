#pragma once

#include "serial/SerialLine.h"

#include <QElapsedTimer>

// The system's clocks: the time of day, and a monotonic count that ignores midnight; alarms
// on the event loop's timers.
class QtClock : public IClock {
public:
    QtClock() { m_start.start(); }
    double timeOfDay() override;
    qint64 monotonicMs() override { return m_start.elapsed(); }
    std::unique_ptr<IAlarm> makeAlarm() override;

private:
    QElapsedTimer m_start;
};
