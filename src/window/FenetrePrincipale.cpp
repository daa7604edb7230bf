#include "window/FenetrePrincipale.h"

#include "editor/LT840.h"
#include "window/ComplementsFenetre.h"
#include "window/DialogueTest.h"
#include "window/Twips.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QLayout>
#include <QToolBar>

FenetrePrincipale::FenetrePrincipale(LT840& editeur, QWidget* parent)
    : QMainWindow(parent), m_ed(editeur) {
    setObjectName(QStringLiteral("LT840"));
    setContextMenuPolicy(Qt::PreventContextMenu);
    setFont(twips::adapterALaPolice(font()));

    auto* barre = new QToolBar(QStringLiteral("Toolbar1"), this);
    barre->setObjectName(QStringLiteral("Toolbar1"));
    barre->setMovable(false);
    barre->setFloatable(false);
    barre->setFixedHeight(px(630));
    addToolBar(Qt::TopToolBarArea, barre);

    auto* fond = new QWidget(this);
    fond->setObjectName(QStringLiteral("fond"));
    fond->setAccessibleName(TitreApplication);
    setCentralWidget(fond);
    m_c = construireControles(fond);
    m_m = construireMenus(this);
    m_dialogue = new DialogueTest(this, [this] { executer([this] { m_ed.OKButton_Click(); }); });
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    cablerPressions();
    cablerClics();
    cablerChamps();
    cablerNavigateur();
    cablerBaseDeTemps();
    cablerMenus();
    m_complements = new ComplementsFenetre(*this, m_ed, m_c, m_m);
    rafraichir();
}

void FenetrePrincipale::ouvrirFichier(const QString& chemin) {
    const QString complet = chemin.isEmpty() ? chemin : QFileInfo(chemin).absoluteFilePath();
    executer([&] { m_ed.OuvrirFichier(complet); });
}

void FenetrePrincipale::executer(const std::function<void()>& gestionnaire) {
    if (m_arrete)
        return;
    gestionnaire();
    if (!m_arrete)
        rafraichir();
}

// A file saved on the way out is still remembered among the recent files.
void FenetrePrincipale::arreter() {
    m_complements->rafraichir();
    m_arrete = true;
    m_dialogue->hide();
    hide();
}

void FenetrePrincipale::closeEvent(QCloseEvent* evenement) {
    bool fermer = true;
    if (!m_arrete)
        executer([&] { fermer = m_ed.Form_QueryUnload(); });
    if (!fermer) {
        evenement->ignore();
        return;
    }
    evenement->accept();
    arreter();
}
