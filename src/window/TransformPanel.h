#pragma once

#include <QGroupBox>

class PressRouter;
class QPushButton;
class SequenceEditor;

// The transformation panel: mirror, shift and rotate, each with a "<" and a ">" button on
// either side of its caption, then "Inverse" and "CLEAR". They act on a mouse press only:
// the editor decides what the left and the middle button do; CLEAR clears with either.
class TransformPanel : public QGroupBox {
    Q_OBJECT

public:
    TransformPanel(SequenceEditor& editor, PressRouter& presses, QWidget* background);

    QPushButton* mirrorLeftButton() const { return m_mirrorLeft; }
    QPushButton* mirrorRightButton() const { return m_mirrorRight; }
    QPushButton* shiftLeftButton() const { return m_shiftLeft; }
    QPushButton* shiftRightButton() const { return m_shiftRight; }
    QPushButton* rotateLeftButton() const { return m_rotateLeft; }
    QPushButton* rotateRightButton() const { return m_rotateRight; }
    QPushButton* invertButton() const { return m_invert; }
    QPushButton* clearButton() const { return m_clear; }

private:
    void build();
    void bind(SequenceEditor& editor, PressRouter& presses);

    QPushButton* m_mirrorLeft = nullptr;
    QPushButton* m_mirrorRight = nullptr;
    QPushButton* m_shiftLeft = nullptr;
    QPushButton* m_shiftRight = nullptr;
    QPushButton* m_rotateLeft = nullptr;
    QPushButton* m_rotateRight = nullptr;
    QPushButton* m_invert = nullptr;
    QPushButton* m_clear = nullptr;
};
