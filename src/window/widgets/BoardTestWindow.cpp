#include "window/widgets/BoardTestWindow.h"

#include "model/Report.h"
#include "window/widgets/Twips.h"
#include "window/widgets/WindowPlacement.h"

#include <QLineEdit>
#include <QPushButton>

// Escape and the title bar's close button reject the dialog, OK accepts it: each just hides it.
BoardTestWindow::BoardTestWindow(QWidget* mainWindow)
    : QDialog(mainWindow), m_answer(new QLineEdit(this)) {
    setObjectName(QStringLiteral("boardTestWindow"));
    setWindowTitle(titles::TestWindow);
    setModal(false);
    setFixedSize(px(3060), px(1455));
    m_answer->setObjectName(QStringLiteral("boardAnswerField"));
    m_answer->setGeometry(twipsRect(240, 360, 2580, 330));
    m_answer->setAccessibleName(tr("Réponse de la carte"));
    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setGeometry(twipsRect(960, 840, 1215, 375));
    ok->setAccessibleName(ok->text());
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    new WindowPlacement(this, mainWindow, QStringLiteral("testCarte"));
}

void BoardTestWindow::showAnswer(const QString& text) {
    m_answer->setText(text);
    m_answer->setCursorPosition(0);
    show();
}
