#pragma once

#include <QDialog>
#include <functional>

class QLineEdit;

// The modeless "TEST CARTE" window that shows the board's reply to the test. It hides only
// through the editor: OK and closing it both ask the editor, which decides what shows.
class DialogueTest : public QDialog {
public:
    DialogueTest(QWidget* parent, std::function<void()> surOK);
    QLineEdit* texte() const { return m_texte; }

    void reject() override;

private:
    QLineEdit* m_texte;
    std::function<void()> m_surOK;
};
