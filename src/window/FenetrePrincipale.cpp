#include "window/FenetrePrincipale.h"

#include "editor/LT840.h"

FenetrePrincipale::FenetrePrincipale(LT840& editeur, QWidget* parent)
    : QMainWindow(parent), m_ed(editeur) {
    setObjectName(QStringLiteral("LT840"));
    rafraichir();
}

void FenetrePrincipale::rafraichir() { setWindowTitle(m_ed.Ctl.Caption); }
