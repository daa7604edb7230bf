#include "window/MenusFenetre.h"

#include <QMainWindow>
#include <QMenuBar>

QMenu* menuNomme(QWidget* parent, const char* nom, const QString& titre) {
    auto* m = new QMenu(titre, parent);
    m->setObjectName(QLatin1String(nom));
    m->menuAction()->setObjectName(QLatin1String(nom));
    return m;
}

QAction* elementNomme(QWidget* menu, const char* nom, const QString& titre,
                      const QKeySequence& raccourci) {
    auto* a = new QAction(titre, menu);
    a->setObjectName(QLatin1String(nom));
    a->setShortcut(raccourci);
    menu->addAction(a);
    return a;
}

namespace {

void construireFichier(QMenuBar* barre, MenusFenetre& m) {
    QMenu* f = menuNomme(barre, "Fichier", QStringLiteral("&Fichier"));
    m.Nouveau = elementNomme(f, "Nouveau", QStringLiteral("Nouveau"),
                             QKeySequence(QStringLiteral("Ctrl+N")));
    m.Lecture = elementNomme(f, "Lecture", QStringLiteral("Ouvrir"),
                             QKeySequence(QStringLiteral("Ctrl+O")));
    m.Sauvegarder = elementNomme(f, "Sauvegarder", QStringLiteral("Sauvegarder"),
                                 QKeySequence(QStringLiteral("Ctrl+S")));
    f->addSeparator()->setObjectName(QStringLiteral("trait"));
    m.Quitter = elementNomme(f, "Quitter", QStringLiteral("Quitter"));
    barre->addMenu(f);
}

// The colour menu is greyed, as designed, so that it never opens; its entries still show
// their shortcuts, which stay live through the window itself.
void construireOption(QMainWindow* fenetre, QMenuBar* barre, MenusFenetre& m) {
    QMenu* o = menuNomme(barre, "option", QStringLiteral("&Option"));
    QMenu* choix = menuNomme(o, "Choix", QStringLiteral("Port série"));
    for (int i = 0; i < int(m.COM.size()); ++i) {
        const QString nom = QStringLiteral("COM_%1").arg(i);
        m.COM[i] =
            elementNomme(choix, nom.toLatin1().constData(), QStringLiteral("COM %1").arg(i + 1));
        m.COM[i]->setCheckable(true);
    }
    o->addMenu(choix);
    QMenu* couleur = menuNomme(o, "CouleurLED", QStringLiteral("Couleur LED"));
    m.Jaune = elementNomme(couleur, "Jaune", QStringLiteral("Jaune"),
                           QKeySequence(QStringLiteral("Ctrl+J")));
    m.Rouge = elementNomme(couleur, "Rouge", QStringLiteral("Rouge"),
                           QKeySequence(QStringLiteral("Ctrl+R")));
    m.Vert = elementNomme(couleur, "Vert", QStringLiteral("Vert"),
                          QKeySequence(QStringLiteral("Ctrl+V")));
    o->addMenu(couleur);
    couleur->menuAction()->setEnabled(false);
    fenetre->addActions({m.Jaune, m.Rouge, m.Vert});
    barre->addMenu(o);
}

void construireTransfert(QMenuBar* barre, MenusFenetre& m) {
    QMenu* t = menuNomme(barre, "Transfert", QStringLiteral("&Transfert"));
    m.TestCarte = elementNomme(t, "TestCarte", QStringLiteral("&TestCarte"));
    m.transmet = elementNomme(t, "transmet", QStringLiteral("&Programmation"));
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
    m.Version = elementNomme(barre, "Version", QStringLiteral("?"));
    return m;
}
