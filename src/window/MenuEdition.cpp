#include "window/MenuEdition.h"

#include "editor/Edition.h"
#include "editor/LT840.h"
#include "window/FenetrePrincipale.h"
#include "window/MenusFenetre.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenuBar>

// Ctrl+V stays with the green colour scheme, so pasting records takes Ctrl+Shift+V.
MenuEdition construireMenuEdition(QMenuBar* barre) {
    QMenu* e = menuNomme(barre, "Edition", QStringLiteral("&Édition"));
    const auto element = [e](const char* nom, const QString& titre, const char* touches) {
        return elementNomme(e, nom, titre, QKeySequence(QString::fromLatin1(touches)));
    };
    MenuEdition m;
    m.Annuler = element("Annuler", QStringLiteral("Annuler"), "Ctrl+Z");
    m.Retablir = element("Retablir", QStringLiteral("Rétablir"), "Ctrl+Y");
    m.Retablir->setShortcuts(
        {m.Retablir->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+Z"))});
    e->addSeparator();
    m.Couper = element("Couper", QStringLiteral("Couper"), "Ctrl+X");
    m.Copier = element("Copier", QStringLiteral("Copier"), "Ctrl+C");
    m.Coller = element("Coller", QStringLiteral("Coller"), "Ctrl+Shift+V");
    e->addSeparator();
    m.Inserer = element("Inserer", QStringLiteral("Insérer un enregistrement"), "Ins");
    m.Dupliquer = element("Dupliquer", QStringLiteral("Dupliquer l'enregistrement"), "Ctrl+D");
    barre->addMenu(e);
    return m;
}

// What may be copied follows the addresses as they are typed, and what may be pasted follows
// the desktop's clipboard; neither runs a handler, so both grey the items themselves.
void cablerMenuEdition(const MenuEdition& m, FenetrePrincipale& fenetre, LT840& ed) {
    using Gestionnaire = void (LT840::*)();
    const std::pair<QAction*, Gestionnaire> elements[] = {
        {m.Annuler, &LT840::Annuler_Click},    {m.Retablir, &LT840::Retablir_Click},
        {m.Couper, &LT840::Couper_Click},      {m.Copier, &LT840::Copier_Click},
        {m.Coller, &LT840::Coller_Click},      {m.Inserer, &LT840::Inserer_Click},
        {m.Dupliquer, &LT840::Dupliquer_Click}};
    for (const auto& [action, gestionnaire] : elements)
        QObject::connect(action, &QAction::triggered, &fenetre, [&fenetre, &ed, g = gestionnaire] {
            fenetre.executer([&ed, g] { (ed.*g)(); });
        });
    const auto regriser = [m, &ed] { rendreMenuEdition(m, ed); };
    for (const char* nom : {"Text1", "Text2"})
        QObject::connect(fenetre.centralWidget()->findChild<QLineEdit*>(QLatin1String(nom)),
                         &QLineEdit::textEdited, &fenetre, regriser);
    QObject::connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, &fenetre, regriser);
}

void rendreMenuEdition(const MenuEdition& m, const LT840& ed) {
    const EditionPossible p = editionPossible(ed);
    m.Annuler->setEnabled(p.Annuler);
    m.Retablir->setEnabled(p.Retablir);
    m.Couper->setEnabled(p.Couper);
    m.Copier->setEnabled(p.Copier);
    m.Coller->setEnabled(p.Coller);
    m.Inserer->setEnabled(p.Inserer);
    m.Dupliquer->setEnabled(p.Dupliquer);
}
