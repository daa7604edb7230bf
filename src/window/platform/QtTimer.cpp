#include "window/platform/QtTimer.h"

#include <QTimer>

QtTimer::QtTimer(QObject* parent) : QObject(parent), m_timer(new QTimer(this)) {
    m_timer->setTimerType(Qt::PreciseTimer);
    connect(m_timer, &QTimer::timeout, this, &QtTimer::ticked);
}

void QtTimer::configure(int intervalMs, bool enabled) {
    if (!enabled || intervalMs <= 0) {
        m_timer->stop();
        return;
    }
    if (m_timer->isActive() && m_timer->interval() == intervalMs)
        return;
    m_timer->start(intervalMs);
}

bool QtTimer::isTicking() const {
    return m_timer->isActive();
}
