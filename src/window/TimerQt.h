#pragma once

#include "editor/Plateforme.h"

#include <QObject>
#include <functional>

class QTimer;

// The periodic timer of the user-interface thread. An interval of 0 delivers no tick at
// all; settings that do not change leave the running period alone.
class TimerQt : public QObject, public ITimer {
public:
    explicit TimerQt(std::function<void()> surTick, QObject* parent = nullptr);
    void configurer(int intervalleMs, bool actif) override;

private:
    QTimer* m_timer;
    std::function<void()> m_surTick;
};
