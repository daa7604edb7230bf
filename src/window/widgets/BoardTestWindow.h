#pragma once

#include <QDialog>

class QLineEdit;

// The modeless "TEST CARTE" window that shows the board's reply to the test. It opens beside
// the main window (then where the user last left it); OK, Escape and its close button hide it.
class BoardTestWindow : public QDialog {
    Q_OBJECT

public:
    explicit BoardTestWindow(QWidget* mainWindow);

    // Shows the reply from its start, and the window if it was hidden.
    void showAnswer(const QString& text);
    QLineEdit* answerField() const { return m_answer; }

private:
    QLineEdit* m_answer;
};
