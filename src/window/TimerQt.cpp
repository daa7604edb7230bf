#include "window/TimerQt.h"

#include <QTimer>

TimerQt::TimerQt(std::function<void()> surTick, QObject* parent)
    : QObject(parent), m_timer(new QTimer(this)), m_surTick(std::move(surTick)) {
    m_timer->setTimerType(Qt::PreciseTimer);
    connect(m_timer, &QTimer::timeout, this, [this] {
        if (m_surTick)
            m_surTick();
    });
}

void TimerQt::configurer(int intervalleMs, bool actif) {
    if (!actif || intervalleMs <= 0) {
        m_timer->stop();
        return;
    }
    if (m_timer->isActive() && m_timer->interval() == intervalleMs)
        return;
    m_timer->start(intervalleMs);
}
