#pragma once

#include "Banc.h"
#include "window/FenetrePrincipale.h"

#include <QGroupBox>
#include <QtTest>

// The real main window over an editor wired to fakes, shown offscreen.
struct PosteFenetre {
    Banc banc;
    FenetrePrincipale fenetre{*banc};

    PosteFenetre() {
        fenetre.show();
        if (!QTest::qWaitForWindowExposed(&fenetre))
            qWarning("the window was not exposed");
    }
    LT840& ed() { return *banc; }

    // A control of the client area by its designed name (the test window has a Text1 too).
    template <class W = QWidget> W* controle(const QString& nom) {
        if (nom == u"fond")
            return qobject_cast<W*>(fenetre.centralWidget());
        return fenetre.centralWidget()->findChild<W*>(nom);
    }
};

// A point of `w` on its own surface, not on one of its controls.
inline QPoint pointLibre(QWidget* w) {
    for (int y = w->height() - 4; y > 0; y -= 3)
        for (int x = 4; x < w->width(); x += 3)
            if (!w->childAt(x, y))
                return {x, y};
    return {};
}

// Where to press a control: the middle of a button or field, a free spot of a container.
inline QPoint pointDePression(QWidget* w) {
    const bool conteneur = qobject_cast<QGroupBox*>(w) || w->objectName() == u"fond";
    return conteneur ? pointLibre(w) : w->rect().center();
}
