#pragma once

#include "window/BarreEtat.h"

#include <QObject>

class FenetrePrincipale;
class LT840;
class MenuRecents;
class VueEnsemble;
struct ControlesFenetre;
struct MenusFenetre;

// What the main window offers around its designed controls: the overview under them, the
// status bar, the toolbar's buttons, the recent files and the files dropped on the window.
// The designed controls keep their places; the window grows to hold the rest.
class ComplementsFenetre : public QObject {
public:
    ComplementsFenetre(FenetrePrincipale& fenetre, LT840& ed, const ControlesFenetre& c,
                       const MenusFenetre& m);
    // Shows the model again; called after every handler.
    void rafraichir();

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    void placerVue(const ControlesFenetre& c);
    void surPressionVue(int colonne, Qt::MouseButton bouton, Qt::KeyboardModifiers touches);
    void ouvrirRecent(const QString& chemin);
    void rafraichirVue();
    void retenirFichier();

    FenetrePrincipale& m_fenetre;
    LT840& m_ed;
    VueEnsemble* m_vue = nullptr;
    BarreEtat m_etat;
    MenuRecents* m_recents = nullptr;
};
