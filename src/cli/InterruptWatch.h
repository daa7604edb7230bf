#pragma once

#include <QObject>

class QSocketNotifier;

// Ctrl+C (SIGINT) told on the event loop while this lives: the signal handler only writes a
// byte into a pipe, and the pipe's notifier emits interrupted(). The handler serves once:
// a second Ctrl+C ends the program at once, as it would have without this.
class InterruptWatch : public QObject {
    Q_OBJECT

public:
    explicit InterruptWatch(QObject* parent = nullptr);
    ~InterruptWatch() override;

signals:
    void interrupted();

private:
    void drain();

    int m_pipe[2] = {-1, -1};
    QSocketNotifier* m_notifier = nullptr;
};
