#pragma once

class FenetrePrincipale;
class LT840;
class QAction;
class QMenuBar;

// The items of the "&Édition" menu, named as the handlers they run.
struct MenuEdition {
    QAction* Annuler = nullptr;
    QAction* Retablir = nullptr;
    QAction* Couper = nullptr;
    QAction* Copier = nullptr;
    QAction* Coller = nullptr;
    QAction* Inserer = nullptr;
    QAction* Dupliquer = nullptr;
};

MenuEdition construireMenuEdition(QMenuBar* barre);
void cablerMenuEdition(const MenuEdition& m, FenetrePrincipale& fenetre, LT840& ed);
// Greys the items that cannot act.
void rendreMenuEdition(const MenuEdition& m, const LT840& ed);
