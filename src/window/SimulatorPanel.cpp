#include "window/SimulatorPanel.h"

#include "editing/Player.h"
#include "editing/SequenceEditor.h"
#include "window/DesignedControls.h"
#include "window/PressRouter.h"
#include "window/widgets/DesktopColour.h"
#include "window/widgets/Twips.h"

#include <QApplication>
#include <QPushButton>

SimulatorPanel::SimulatorPanel(Player& player, PressRouter& presses,
                               std::function<void()> beforeStart, QWidget* background)
    : QGroupBox(background),
      m_play(designed::button(this, "playButton", twipsRect(600, 390, 975, 615), tr("PLAY"),
                              tr("Visualise la séquence."))),
      m_stop(designed::button(this, "stopButton", twipsRect(600, 1110, 975, 615), tr("STOP"),
                              tr("Arrête l'animation de la séquence."))) {
    designed::frame(this, "simulatorPanel", twipsRect(1560, 4920, 2055, 1935), tr("Simulateur"),
                    tr("Simulateur"));
    presses.watchContainer(this);
    presses.watch(m_play, [&player, start = std::move(beforeStart)](Press press) {
        if (press != Press::Left)
            return;
        start();
        player.start();
    });
    presses.watch(m_stop, [&player](Press) { player.stop(); });
    connect(&player, &Player::playingChanged, this, [this](bool playing) { showPlaying(playing); });
}

void SimulatorPanel::showPlaying(bool playing) {
    const QPalette desktop = QApplication::palette(m_play);
    const Colour colour = playing ? FixedColour::Red : SystemColour::ButtonFace;
    QPalette palette = m_play->palette();
    palette.setColor(QPalette::Button, desktopColour(colour, desktop));
    m_play->setPalette(palette);
}
