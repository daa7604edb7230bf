#pragma once

#include <QGroupBox>

#include <functional>

class Player;
class PressRouter;
class QPushButton;

// "Simulateur": PLAY (a left press starts playback; red while it plays) and STOP (any press
// but the right one stops it).
class SimulatorPanel : public QGroupBox {
    Q_OBJECT

public:
    // `beforeStart` runs before each start.
    SimulatorPanel(Player& player, PressRouter& presses, std::function<void()> beforeStart,
                   QWidget* background);

    QPushButton* playButton() const { return m_play; }
    QPushButton* stopButton() const { return m_stop; }

private:
    void showPlaying(bool playing);

    QPushButton* m_play;
    QPushButton* m_stop;
};
