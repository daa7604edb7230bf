#include "window/PompeQt.h"

#include "window/FenetrePrincipale.h"

#include <QCoreApplication>

void PompeQt::attacher(FenetrePrincipale* fenetre) {
    m_fenetre = fenetre;
}

void PompeQt::laisserPasser() {
    if (m_termine)
        return;
    repeindre();
    QCoreApplication::processEvents();
}

void PompeQt::repeindre() {
    if (!m_fenetre)
        return;
    m_fenetre->rafraichir();
    m_fenetre->repaint();
}

// Every event loop stops; the window refuses any further handler in the meantime, since
// the one that asked to end may still be returning through nested loops.
void PompeQt::terminer() {
    m_termine = true;
    if (m_fenetre)
        m_fenetre->arreter();
    QCoreApplication::exit(0);
}
