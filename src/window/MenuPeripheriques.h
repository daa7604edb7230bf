#pragma once

#include <QList>
#include <QObject>

class FenetrePrincipale;
class IEnumerateurPorts;
class LT840;
class QAction;
class QMenu;

// The lower part of "Port série": the serial devices present, listed afresh each time the
// menu opens, under COM 1 to COM 4. Choosing one makes it the port in force and remembers it
// for the next run; choosing a COM forgets it.
class MenuPeripheriques : public QObject {
public:
    MenuPeripheriques(FenetrePrincipale& fenetre, LT840& ed, IEnumerateurPorts& enumerateur);

private:
    void remplir();

    FenetrePrincipale& m_fenetre;
    LT840& m_ed;
    IEnumerateurPorts& m_enumerateur;
    QMenu* m_menu;
    QList<QAction*> m_ajoutees;
};
