#pragma once

#include "serial/SerialLine.h"

#include <QList>

#include <cmath>
#include <functional>
#include <limits>
#include <map>
#include <utility>

// A clock that moves only when told; the time of day (from 10:00:00) wraps at midnight.
// Alarms and deliveries wait in it until run() or advance() reaches their time.
struct FakeClock : IClock {
    double timeOfDaySeconds = 36000.0;
    qint64 monotonic = 1000;
    QList<int> alarms; // the length of every alarm set, in ms

    double timeOfDay() override { return timeOfDaySeconds; }
    qint64 monotonicMs() override { return monotonic; }
    std::unique_ptr<IAlarm> makeAlarm() override { return std::make_unique<Alarm>(*this); }

    // Runs `action` once the clock reaches `when`; the number cancels it.
    int at(qint64 when, std::function<void()> action) {
        m_due.emplace(when, std::pair(++m_last, std::move(action)));
        return m_last;
    }
    void cancel(int number) {
        std::erase_if(m_due, [number](const auto& due) { return due.second.first == number; });
    }
    // Runs what falls due over the next `ms`, in time order, then ends there.
    void advance(qint64 ms) {
        const qint64 end = monotonic + ms;
        run(end);
        move(end - monotonic);
    }
    // Runs everything due, however far, until nothing is left.
    void run(qint64 until = std::numeric_limits<qint64>::max()) {
        while (!m_due.empty() && m_due.begin()->first <= until) {
            const auto next = m_due.begin();
            auto action = std::move(next->second.second);
            move(std::max(next->first - monotonic, qint64(0)));
            m_due.erase(next);
            action();
        }
    }

private:
    class Alarm : public IAlarm {
    public:
        explicit Alarm(FakeClock& clock) : m_clock(clock) {}
        ~Alarm() override { cancel(); }
        void set(int ms, std::function<void()> ring) override {
            cancel();
            m_clock.alarms.append(ms);
            m_number = m_clock.at(m_clock.monotonic + ms, std::move(ring));
        }
        void cancel() override { m_clock.cancel(std::exchange(m_number, 0)); }

    private:
        FakeClock& m_clock;
        int m_number = 0;
    };

    void move(qint64 ms) {
        monotonic += ms;
        timeOfDaySeconds = std::fmod(timeOfDaySeconds + double(ms) / 1000.0, 86400.0);
    }

    std::multimap<qint64, std::pair<int, std::function<void()>>> m_due;
    int m_last = 0;
};
