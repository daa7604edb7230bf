#pragma once

#include "Banc.h"
#include "window/FenetrePrincipale.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QtTest>

// A point of `w` on its own surface, not on one of its controls.
inline QPoint pointLibre(QWidget* w) {
    for (int y = w->height() - 4; y > 0; y -= 3)
        for (int x = 4; x < w->width(); x += 3)
            if (!w->childAt(x, y))
                return {x, y};
    return {};
}

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
    QString texte(const QString& nom) { return controle<QLineEdit>(nom)->text(); }

    // By default a button or field is pressed in its middle, a container on a free spot.
    void presser(const QString& nom, Qt::MouseButton b, QPoint p = {}) {
        QWidget* w = controle(nom);
        if (p.isNull())
            p = qobject_cast<QGroupBox*>(w) || nom == u"fond" ? pointLibre(w) : w->rect().center();
        QTest::mousePress(w, b, {}, p);
        QTest::mouseRelease(w, b, {}, p);
    }
};
