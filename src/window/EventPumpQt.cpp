#include "window/EventPumpQt.h"

#include "window/FenetrePrincipale.h"

#include <QCoreApplication>

void EventPumpQt::attacher(FenetrePrincipale* fenetre) {
    m_fenetre = fenetre;
}

void EventPumpQt::laisserPasser() {
    if (m_termine)
        return;
    repeindre();
    QCoreApplication::processEvents();
}

void EventPumpQt::repeindre() {
    if (!m_fenetre)
        return;
    m_fenetre->rafraichir();
    m_fenetre->repaint();
}

// Every event loop stops; the window refuses any further handler in the meantime, since
// the one that asked to end may still be returning through nested loops.
void EventPumpQt::terminer() {
    m_termine = true;
    if (m_fenetre)
        m_fenetre->arreter();
    QCoreApplication::exit(0);
}
