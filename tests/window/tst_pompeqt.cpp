#include "PosteFenetre.h"
#include "window/PompeQt.h"

#include <QLineEdit>
#include <QTimer>
#include <QtTest>

// Ending the program stops every event loop of the process, so these run in their own.
class TstPompeQt : public QObject {
    Q_OBJECT
private slots:
    // What a handler changed is on screen, and pending events ran, before it goes on.
    void laisserPasserRepeintEtTraite() {
        PosteFenetre f;
        PompeQt pompe;
        pompe.attacher(&f.fenetre);
        bool evenementTraite = false;
        QTimer::singleShot(0, &f.fenetre, [&] { evenementTraite = true; });
        QString texteVu;
        f.fenetre.executer([&] {
            f.ed().Ctl.Text2 = QStringLiteral("42");
            pompe.laisserPasser();
            texteVu = f.controle<QLineEdit>("Text2")->text();
        });
        QCOMPARE(texteVu, QStringLiteral("42"));
        QVERIFY(evenementTraite);
    }

    // After the end, the window goes away and neither events nor handlers run any more.
    void terminer() {
        PosteFenetre f;
        PompeQt pompe;
        pompe.attacher(&f.fenetre);
        pompe.terminer();
        QVERIFY(pompe.termine());
        QVERIFY(!f.fenetre.isVisible());
        bool evenementTraite = false;
        QTimer::singleShot(0, &f.fenetre, [&] { evenementTraite = true; });
        pompe.laisserPasser();
        QVERIFY(!evenementTraite);
        f.fenetre.executer([&] { f.ed().CLICK(); });
        QCOMPARE(int(f.ed().EnrCours), 0);
    }
};

QTEST_MAIN(TstPompeQt)
#include "tst_pompeqt.moc"
