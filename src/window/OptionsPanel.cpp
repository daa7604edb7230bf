#include "window/OptionsPanel.h"

#include "board/BoardSession.h"
#include "editing/SequenceEditor.h"
#include "window/DesignedControls.h"
#include "window/PressRouter.h"
#include "window/WindowCommands.h"
#include "window/widgets/DesktopColour.h"
#include "window/widgets/Twips.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

#include <utility>

OptionsPanel::OptionsPanel(SequenceEditor& editor, const BoardSession& board,
                           WindowCommands& commands, PressRouter& presses, QWidget* background)
    : QGroupBox(background) {
    designed::frame(this, "optionsPanel", twipsRect(960, 4020, 5295, 735), QString(),
                    tr("Options"));
    build(background);
    presses.watchContainer(this);
    // "Mode Auto." ticks with its own click; only its right press is the window's.
    presses.watch(m_autoRecord);
    connect(m_autoRecord, &QCheckBox::clicked, &editor, &SequenceEditor::setAutoRecord);
    m_reset->setAutoDefault(true);
    connect(m_reset, &QPushButton::clicked, &commands, &WindowCommands::resetBoard);
    follow(editor, board, commands);
}

void OptionsPanel::build(QWidget* background) {
    m_autoRecord = designed::placed(new QCheckBox(tr("Mode Auto."), this), "autoRecordCheck",
                                    twipsRect(240, 240, 1335, 255));
    m_autoRecord->setAccessibleName(m_autoRecord->text());
    m_board = designed::field(this, "boardField", twipsRect(3480, 240, 1590, 285),
                              QStringLiteral("?"), tr("CARTE"));
    designed::label(this, "boardLabel", twipsRect(2700, 240, 750, 330), tr("CARTE"), m_board);
    m_reset = designed::button(background, "resetButton", twipsRect(2550, 4230, 1035, 405),
                               tr("Reset Carte"));
    m_reset->raise();
}

// The identification, which the user may type into, is shown again only when it changes.
// The yellow stays behind the reset's reports until the user has read them.
void OptionsPanel::follow(SequenceEditor& editor, const BoardSession& board,
                          WindowCommands& commands) {
    connect(&editor, &SequenceEditor::autoRecordChanged, m_autoRecord, &QCheckBox::setChecked);
    connect(&board, &BoardSession::identificationChanged, m_board, [this](const QString& text) {
        m_board->setText(text);
        m_board->setCursorPosition(0);
    });
    connect(&board, &BoardSession::resettingChanged, this, [this](bool resetting) {
        if (resetting)
            showResetting(true);
        m_resetEnded = !resetting;
    });
    connect(&commands, &WindowCommands::boardReportsRead, this, [this] {
        if (std::exchange(m_resetEnded, false))
            showResetting(false);
    });
}

void OptionsPanel::showResetting(bool resetting) {
    const Colour colour = resetting ? FixedColour::Yellow : FixedColour::LightGrey;
    QPalette palette = m_board->palette();
    palette.setColor(QPalette::Base, desktopColour(colour, QApplication::palette(m_board)));
    m_board->setPalette(palette);
}
