#pragma once

#include <QObject>

class ITimer;
class SequenceEditor;

// The simulator: shows the records from the start address to the end of the sequence, each
// for the period of its own code, then stops. Driven by a periodic timer; once started the
// timer is never stopped, it idles between runs.
class Player : public QObject {
    Q_OBJECT

public:
    // Configures the timer as at start-up: 500 ms, not running.
    Player(SequenceEditor& editor, ITimer& timer, QObject* parent = nullptr);

    void start(); // PLAY (left press); a start while playing begins again
    void stop();  // STOP (any press but the right one)
    void tick();  // the timer's tick
    bool isPlaying() const { return m_playing; }

signals:
    void playingChanged(bool playing); // PLAY shows red while playing

private:
    void setPlaying(bool playing);
    void setTimer(int intervalMs, bool enabled);

    SequenceEditor& m_editor;
    ITimer& m_timer;
    int m_intervalMs = 0;
    bool m_timerEnabled = false;
    bool m_playing = false;
};
