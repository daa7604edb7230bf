#pragma once

#include "editing/Platform.h"

#include <QObject>

class QTimer;

// The periodic timer of the user-interface thread. An interval of 0 delivers no tick at all;
// settings that do not change leave the running period alone.
class QtTimer : public QObject, public ITimer {
    Q_OBJECT

public:
    explicit QtTimer(QObject* parent = nullptr);
    void configure(int intervalMs, bool enabled) override;
    bool isTicking() const;

signals:
    void ticked();

private:
    QTimer* m_timer;
};
