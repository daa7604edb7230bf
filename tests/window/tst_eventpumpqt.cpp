#include "PosteFenetre.h"
#include "window/EventPumpQt.h"

#include <QTimer>
#include <QtTest>

// Ending the program stops every event loop of the process, so this runs on its own.
class TstEventPumpQt : public QObject {
    Q_OBJECT
private slots:
    // What a handler changed is on screen, and pending events ran, before it goes on; after
    // the end the window goes away and neither events nor handlers run any more.
    void laisserPasserPuisTerminer() {
        PosteFenetre f;
        EventPumpQt pompe;
        pompe.attacher(&f.fenetre);
        int evenements = 0;
        QTimer::singleShot(0, &f.fenetre, [&] { ++evenements; });
        f.fenetre.executer([&] {
            f.ed().Ctl.Text2 = QStringLiteral("42");
            pompe.laisserPasser();
            QCOMPARE(f.texte("Text2") + QString::number(evenements), u"421");
        });
        pompe.terminer();
        QVERIFY(!f.fenetre.isVisible());
        QTimer::singleShot(0, &f.fenetre, [&] { ++evenements; });
        pompe.laisserPasser();
        f.fenetre.executer([&] { f.ed().CLICK(); });
        QCOMPARE(QString::number(evenements) + QString::number(f.ed().EnrCours), u"10");
    }
};

QTEST_MAIN(TstEventPumpQt)
#include "tst_eventpumpqt.moc"
