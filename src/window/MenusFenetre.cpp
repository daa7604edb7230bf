#include "window/MenusFenetre.h"

#include <QMainWindow>
#include <QMenuBar>

namespace {

QMenu* menu(QWidget* parent, const char* nom, const QString& titre) {
    auto* m = new QMenu(titre, parent);
    m->setObjectName(QLatin1String(nom));
    m->menuAction()->setObjectName(QLatin1String(nom));
    return m;
}

QAction* element(QWidget* menu, const char* nom, const QString& titre,
                 const QKeySequence& raccourci = QKeySequence()) {
    auto* a = new QAction(titre, menu);
    a->setObjectName(QLatin1String(nom));
    a->setShortcut(raccourci);
    menu->addAction(a);
    return a;
}

void construireFichier(QMenuBar* barre, MenusFenetre& m) {
    QMenu* f = menu(barre, "Fichier", QStringLiteral("&Fichier"));
    m.Nouveau =
        element(f, "Nouveau", QStringLiteral("Nouveau"), QKeySequence(QStringLiteral("Ctrl+N")));
    m.Lecture =
        element(f, "Lecture", QStringLiteral("Ouvrir"), QKeySequence(QStringLiteral("Ctrl+O")));
    m.Sauvegarder = element(f, "Sauvegarder", QStringLiteral("Sauvegarder"),
                            QKeySequence(QStringLiteral("Ctrl+S")));
    f->addSeparator()->setObjectName(QStringLiteral("trait"));
    m.Quitter = element(f, "Quitter", QStringLiteral("Quitter"));
    barre->addMenu(f);
}

// The colour menu is greyed, as designed, so that it never opens; its entries still show
// their shortcuts, which stay live through the window itself.
void construireOption(QMainWindow* fenetre, QMenuBar* barre, MenusFenetre& m) {
    QMenu* o = menu(barre, "option", QStringLiteral("&Option"));
    QMenu* choix = menu(o, "Choix", QStringLiteral("Port série"));
    for (int i = 0; i < int(m.COM.size()); ++i) {
        const QString nom = QStringLiteral("COM_%1").arg(i);
        m.COM[i] = element(choix, nom.toLatin1().constData(), QStringLiteral("COM %1").arg(i + 1));
        m.COM[i]->setCheckable(true);
    }
    o->addMenu(choix);
    QMenu* couleur = menu(o, "CouleurLED", QStringLiteral("Couleur LED"));
    m.Jaune =
        element(couleur, "Jaune", QStringLiteral("Jaune"), QKeySequence(QStringLiteral("Ctrl+J")));
    m.Rouge =
        element(couleur, "Rouge", QStringLiteral("Rouge"), QKeySequence(QStringLiteral("Ctrl+R")));
    m.Vert =
        element(couleur, "Vert", QStringLiteral("Vert"), QKeySequence(QStringLiteral("Ctrl+V")));
    o->addMenu(couleur);
    couleur->menuAction()->setEnabled(false);
    fenetre->addActions({m.Jaune, m.Rouge, m.Vert});
    barre->addMenu(o);
}

void construireTransfert(QMenuBar* barre, MenusFenetre& m) {
    QMenu* t = menu(barre, "Transfert", QStringLiteral("&Transfert"));
    m.TestCarte = element(t, "TestCarte", QStringLiteral("&TestCarte"));
    m.transmet = element(t, "transmet", QStringLiteral("&Programmation"));
    barre->addMenu(t);
}

} // namespace

// "?" is an item of the bar itself, with no menu under it.
MenusFenetre construireMenus(QMainWindow* fenetre) {
    MenusFenetre m;
    QMenuBar* barre = fenetre->menuBar();
    construireFichier(barre, m);
    m.Edition = construireMenuEdition(barre);
    construireOption(fenetre, barre, m);
    construireTransfert(barre, m);
    m.Version = element(barre, "Version", QStringLiteral("?"));
    return m;
}
