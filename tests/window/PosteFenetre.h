#pragma once

#include "Banc.h"
#include "window/FenetrePrincipale.h"

#include <QGroupBox>
#include <QLineEdit>
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
        QWidget* fond = fenetre.centralWidget();
        return qobject_cast<W*>(nom == u"fond" ? fond : fond->findChild<W*>(nom));
    }
    QString texte(const QString& nom) { return controle<QLineEdit>(nom)->text(); }

    // By default a button or field is pressed in its middle, a container on a spot of its
    // own surface, off its controls.
    void presser(const QString& nom, Qt::MouseButton b, QPoint p = {}) {
        QWidget* w = controle(nom);
        for (int y = w->height() - 4; p.isNull() && y > 0; y -= 3)
            for (int x = 4; x < w->width() && p.isNull(); x += 3)
                if (!qobject_cast<QGroupBox*>(w) && nom != u"fond")
                    p = w->rect().center();
                else if (!w->childAt(x, y))
                    p = {x, y};
        QTest::mousePress(w, b, {}, p);
        QTest::mouseRelease(w, b, {}, p);
    }
};
