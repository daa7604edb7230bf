#include "Banc.h"
#include "Motifs.h"

#include <QtTest>

class TstGrilleLampes : public QObject {
    Q_OBJECT
private slots:
    void pression_data() {
        QTest::addColumn<int>("bouton");
        QTest::addColumn<float>("x");
        QTest::addColumn<float>("y");
        QTest::addColumn<int>("lampe"); // -1: nothing switches
        QTest::addColumn<int>("enrCours");
        QTest::newRow("240,375: lampe 0") << 1 << 240.f << 375.f << 0 << 0;
        QTest::newRow("690,600 exclu") << 1 << 690.f << 600.f << -1 << 0;
        QTest::newRow("4889,825: lampe 7") << 1 << 4889.f << 825.f << 7 << 0;
        QTest::newRow("4890,600 exclu") << 1 << 4890.f << 600.f << -1 << 0;
        QTest::newRow("300,826 sous la bande") << 1 << 300.f << 826.f << -1 << 0;
        QTest::newRow("au-dessus de la bande") << 1 << 300.f << 374.9f << -1 << 0;
        QTest::newRow("avant la lampe 0") << 1 << 239.9f << 600.f << -1 << 0;
        QTest::newRow("entre 0 et 1") << 1 << 800.f << 600.f << -1 << 0;
        QTest::newRow("debut de la lampe 1") << 1 << 855.f << 600.f << 1 << 0;
        QTest::newRow("fin de la lampe 2") << 1 << 1874.9f << 600.f << 2 << 0;
        QTest::newRow("lampe 3") << 1 << 2070.f << 400.f << 3 << 0;
        QTest::newRow("lampe 4") << 1 << 2655.f << 825.f << 4 << 0;
        QTest::newRow("entre 4 et 5") << 1 << 3090.f << 600.f << -1 << 0;
        QTest::newRow("lampe 5") << 1 << 3704.f << 600.f << 5 << 0;
        QTest::newRow("lampe 6") << 1 << 3855.f << 600.f << 6 << 0;
        QTest::newRow("hors du cadre") << 1 << -10.f << -10.f << -1 << 0;
        QTest::newRow("milieu sur une lampe") << 4 << 300.f << 600.f << -1 << 0;
        QTest::newRow("droit: enregistre") << 2 << 300.f << 600.f << -1 << 1;
    }
    void pression() {
        QFETCH(int, bouton);
        QFETCH(float, x);
        QFETCH(float, y);
        QFETCH(int, lampe);
        QFETCH(int, enrCours);
        Banc b;
        b->Frame1_MouseDown(bouton, 0, x, y);
        QCOMPARE(grille(*b), seule(lampe));
        QCOMPARE(enr(*b, 0), seule(lampe));
        QCOMPARE(b->Modifie, lampe < 0 ? QStringLiteral("N") : QStringLiteral("O"));
        QCOMPARE(int(b->EnrCours), enrCours);
    }

    void deuxPressionsRestaurent() {
        Banc b;
        b->Frame1_MouseDown(1, 0, 1500, 600);
        b->Frame1_MouseDown(1, 0, 1500, 600);
        QCOMPARE(grille(*b), seule(-1));
        QCOMPARE(enr(*b, 0), seule(-1));
        QCOMPARE(b->Modifie, QStringLiteral("O"));
    }

    // The test is against the unlit colour: a lamp of another scheme goes out first.
    void couleurEtrangereSEteint() {
        Banc b;
        b->Ctl.Shape1[3].FillColor = 0x0000C000;
        b->TabTrames[0][3] = 1;
        b->Frame1_MouseDown(1, 0, 2100, 600);
        QCOMPARE(b->Ctl.Shape1[3].FillColor, b->CouleurOff);
        QCOMPARE(b->TabTrames[0][3], qint16(0));
    }

    void clear_data() {
        QTest::addColumn<int>("bouton");
        QTest::addColumn<QString>("grilleApres");
        QTest::addColumn<int>("enrCours");
        QTest::newRow("gauche") << 1 << "00000000" << 0;
        QTest::newRow("milieu") << 4 << "00000000" << 0;
        QTest::newRow("droit: enregistre sans effacer") << 2 << "10000001" << 1;
    }
    void clear() {
        QFETCH(int, bouton);
        QFETCH(QString, grilleApres);
        QFETCH(int, enrCours);
        Banc b;
        b->Frame1_MouseDown(1, 0, 300, 600);
        b->Frame1_MouseDown(1, 0, 4500, 600);
        b->Cmd9_MouseDown(bouton);
        QCOMPARE(grille(*b), grilleApres);
        QCOMPARE(int(b->EnrCours), enrCours);
        QCOMPARE(enr(*b, 0), QStringLiteral("10000001")); // the store keeps the record
    }

    // CLEAR does not reach the store: leaving the record and coming back shows it again.
    void clearPuisRetour() {
        Banc b;
        b->Frame1_MouseDown(1, 0, 300, 600);
        b->CLICK();
        b->CLICK();
        b->setHScroll1Value(0);
        b->Cmd9_MouseDown(1);
        QCOMPARE(grille(*b), seule(-1));
        b->setHScroll1Value(1);
        b->setHScroll1Value(0);
        QCOMPARE(grille(*b), seule(0));
    }
};

QTEST_GUILESS_MAIN(TstGrilleLampes)
#include "tst_grillelampes.moc"
