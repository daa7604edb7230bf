#pragma once

#include <QGroupBox>

class BoardSession;
class PressRouter;
class QCheckBox;
class QLineEdit;
class QPushButton;
class SequenceEditor;
class WindowCommands;

// The options frame: "Mode Auto.", the board's identification ("CARTE", which turns yellow
// while the board is reset, then light grey once its reports are read) and "Reset Carte". The
// button lies within the frame's area without belonging to it: it is raised above the frame,
// between the end of "Mode Auto." and the label "CARTE", touching neither.
class OptionsPanel : public QGroupBox {
    Q_OBJECT

public:
    OptionsPanel(SequenceEditor& editor, const BoardSession& board, WindowCommands& commands,
                 PressRouter& presses, QWidget* background);

    QCheckBox* autoRecordCheck() const { return m_autoRecord; }
    QLineEdit* boardField() const { return m_board; }
    QPushButton* resetButton() const { return m_reset; }

private:
    void build(QWidget* background);
    void follow(SequenceEditor& editor, const BoardSession& board, WindowCommands& commands);
    void showResetting(bool resetting);

    QCheckBox* m_autoRecord = nullptr;
    QLineEdit* m_board = nullptr;
    QPushButton* m_reset = nullptr;
    bool m_resetEnded = false; // the board is reset; its reports may still be showing
};
