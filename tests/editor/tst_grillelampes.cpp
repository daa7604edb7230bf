#include "Banc.h"
#include "Motifs.h"

#include <QtTest>

class TstGrilleLampes : public QObject {
    Q_OBJECT
private slots:
    // Left presses, in twips from the grid's top left corner.
    void pressionGauche_data() {
        QTest::addColumn<float>("x");
        QTest::addColumn<float>("y");
        QTest::addColumn<int>("lampe"); // -1: nothing switches
        QTest::newRow("240,375: lampe 0") << 240.f << 375.f << 0;
        QTest::newRow("690,600 exclu") << 690.f << 600.f << -1;
        QTest::newRow("4889,825: lampe 7") << 4889.f << 825.f << 7;
        QTest::newRow("4890,600 exclu") << 4890.f << 600.f << -1;
        QTest::newRow("300,826 sous la bande") << 300.f << 826.f << -1;
        QTest::newRow("300,374.9 au-dessus") << 300.f << 374.9f << -1;
        QTest::newRow("840,600 avant la lampe 1") << 840.f << 600.f << -1;
    }
    void pressionGauche() {
        QFETCH(float, x);
        QFETCH(float, y);
        QFETCH(int, lampe);
        Banc b;
        b->Frame1_MouseDown(Souris::Gauche, x, y);
        QCOMPARE(grille(*b), seule(lampe));
        QCOMPARE(enr(*b, 0), seule(lampe));
        QCOMPARE(b->Modifie, lampe >= 0);
    }

    // Lamps 0 and 7 are lit in record 0, then lamp 2 or CLEAR is pressed. A right press
    // records and leaves the grid; CLEAR unlights the grid but not the record.
    void autresPressions_data() {
        QTest::addColumn<bool>("surClear");
        QTest::addColumn<int>("bouton");
        QTest::addColumn<int>("enrApres"); // -1: the record edited lies outside the store
        QTest::addColumn<QString>("grilleApres");
        QTest::newRow("lampe, droit") << false << 2 << 1 << "10000001";
        QTest::newRow("lampe, milieu") << false << 4 << 0 << "10000001";
        QTest::newRow("lampe, hors du stock") << false << 1 << -1 << "10000001";
        QTest::newRow("CLEAR, droit") << true << 2 << 1 << "10000001";
        QTest::newRow("CLEAR, milieu") << true << 4 << 0 << "00000000";
    }
    void autresPressions() {
        QFETCH(bool, surClear);
        QFETCH(int, bouton);
        QFETCH(int, enrApres);
        QFETCH(QString, grilleApres);
        Banc b;
        b->Frame1_MouseDown(Souris::Gauche, 300, 600);
        b->Frame1_MouseDown(Souris::Gauche, 4500, 600);
        if (enrApres < 0)
            b->EnrCours = -1;
        if (surClear)
            b->Cmd9_MouseDown(Souris(bouton));
        else
            b->Frame1_MouseDown(Souris(bouton), 1500, 600);
        QCOMPARE(grille(*b), grilleApres);
        QCOMPARE(int(b->EnrCours), enrApres);
        QCOMPARE(enr(*b, 0), QStringLiteral("10000001"));
    }

    // The test is against the unlit colour: a lamp of another scheme goes out first.
    void couleurEtrangereSEteint() {
        Banc b;
        b->Ctl.Shape1[3].FillColor = 0x0000C000;
        b->TabTrames[0][3] = 1;
        b->Frame1_MouseDown(Souris::Gauche, 2100, 600);
        QCOMPARE(b->Ctl.Shape1[3].FillColor, b->CouleurOff);
        QCOMPARE(b->TabTrames[0][3], qint16(0));
    }
};

QTEST_GUILESS_MAIN(TstGrilleLampes)
#include "tst_grillelampes.moc"
