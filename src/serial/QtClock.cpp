#include "serial/QtClock.h"

#include <QTime>
#include <QTimer>

#include <utility>

namespace {

// A deadline of the board's dialogue: to the millisecond, as the replies are timed.
class QtAlarm : public IAlarm {
public:
    QtAlarm() {
        m_timer.setSingleShot(true);
        m_timer.setTimerType(Qt::PreciseTimer);
        // The alarm may be set again from its own ring: the ring in hand is moved out first.
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            if (const auto ring = std::exchange(m_ring, {}))
                ring();
        });
    }
    void set(int ms, std::function<void()> ring) override {
        m_ring = std::move(ring);
        m_timer.start(qMax(ms, 0));
    }
    void cancel() override { m_timer.stop(); }

private:
    QTimer m_timer;
    std::function<void()> m_ring;
};

} // namespace

double QtClock::timeOfDay() {
    return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
}

std::unique_ptr<IAlarm> QtClock::makeAlarm() {
    return std::make_unique<QtAlarm>();
}
