#pragma once

#include "editor/Saisie.h"
#include "window/ControlesFenetre.h"
#include "window/MenusFenetre.h"

#include <QHash>
#include <QMainWindow>
#include <functional>

class ComplementsFenetre;
class DialogueTest;
class LT840;
class QMouseEvent;
class QKeyEvent;
class QFocusEvent;

// The main window: turns widget events into the editor's handlers and paints the editor's
// controls model after each of them. It holds no state of the program.
class FenetrePrincipale : public QMainWindow {
public:
    explicit FenetrePrincipale(LT840& editeur, QWidget* parent = nullptr);

    // Paints every control from the model, without notifying anything back.
    void rafraichir();
    // Runs one handler of the editor, then repaints; does nothing once the program ends.
    void executer(const std::function<void()>& gestionnaire);
    // The program ends: no handler runs any more and the windows go away.
    void arreter();
    // Opens a file named from outside the window's dialog (command line, drop, recent files)
    // as "Ouvrir" opens the one chosen in it.
    void ouvrirFichier(const QString& chemin);

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;
    void closeEvent(QCloseEvent* evenement) override;

private:
    using GestionnairePression = std::function<void(Souris bouton, float x, float y)>;
    struct Pression {
        GestionnairePression gestionnaire;
        bool conteneur; // a frame or the background, under other controls
    };

    void cablerPressions();
    void ecouterPression(QWidget* w, GestionnairePression g, bool conteneur = false);
    void cablerClics();
    void cablerChamps();
    void cablerNavigateur();
    void cablerBaseDeTemps();
    void cablerMenus();
    bool surPression(QObject* objet, QMouseEvent* e);
    bool surTouche(QObject* objet, QKeyEvent* e);
    bool surRaccourci(QKeyEvent* e);
    void surPerteFocus(QObject* objet, QFocusEvent* e);

    void rendreTextes();
    void rendreLampes();
    void rendreNavigateur();
    void rendreBaseDeTemps();
    void rendrePeriode();
    void rendreCarte();
    void rendreMenus();
    void rendreDialogue();

    LT840& m_ed;
    ControlesFenetre m_c;
    MenusFenetre m_m;
    DialogueTest* m_dialogue = nullptr;
    ComplementsFenetre* m_complements = nullptr;
    QHash<QObject*, Pression> m_pressions;
    // The board's version, which the user may type into, is shown again only when the
    // model's text changes.
    QString m_versionsAffiche;
    // The model's count of period computations when the period was last shown.
    int m_calculsVus = -1;
    bool m_arrete = false;
};
