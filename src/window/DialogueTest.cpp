#include "window/DialogueTest.h"

#include "editor/Format.h"
#include "window/PlacementFenetre.h"
#include "window/Twips.h"

#include <QLineEdit>
#include <QPushButton>

DialogueTest::DialogueTest(QWidget* parent, std::function<void()> surOK)
    : QDialog(parent), m_texte(new QLineEdit(this)), m_surOK(std::move(surOK)) {
    setObjectName(QStringLiteral("Dialog"));
    setWindowTitle(TitreDialogueTest);
    setModal(false);
    setFixedSize(px(3060), px(1455));
    m_texte->setObjectName(QStringLiteral("Text1"));
    m_texte->setGeometry(rectTwips(240, 360, 2580, 330));
    m_texte->setAccessibleName(QStringLiteral("Réponse de la carte"));
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setGeometry(rectTwips(960, 840, 1215, 375));
    ok->setAccessibleName(ok->text());
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, [this] { m_surOK(); });
    new PlacementFenetre(this, parent, QStringLiteral("testCarte"));
}

// Escape and the title bar's close button act as OK.
void DialogueTest::reject() {
    m_surOK();
}
