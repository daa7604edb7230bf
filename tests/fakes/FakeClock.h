#pragma once

#include "serial/SerialLine.h"

#include <cmath>

// A clock that moves only when told: the time of day (10:00:00 to begin with) and the
// monotonic count move together, the time of day wrapping at midnight.
struct FakeClock : IClock {
    double timeOfDaySeconds = 36000.0;
    qint64 monotonic = 1000;

    double timeOfDay() override { return timeOfDaySeconds; }
    qint64 monotonicMs() override { return monotonic; }
    void advance(qint64 ms) {
        monotonic += ms;
        timeOfDaySeconds = std::fmod(timeOfDaySeconds + double(ms) / 1000.0, 86400.0);
    }
};
