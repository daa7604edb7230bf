#include "Banc.h"
#include "Motifs.h"

#include <QtTest>

namespace {

// Records `n` frames from the current one, frame k lighting lamp k % NombreLampes.
void enregistrerSuite(LT840& ed, int n) {
    for (int k = 0; k < n; ++k) {
        peindre(ed, seule(k % NombreLampes));
        ed.CLICK();
    }
}

// The current record, Text2, Text3, the navigator's maximum and position.
QList<int> compteurs(const LT840& ed) {
    return {ed.EnrCours, ed.Ctl.Text2.toInt(), ed.Text3().toInt(), ed.HScroll1Max(),
            ed.HScroll1Value()};
}

QList<int> compteurs(int enCours, int maximum) {
    return {enCours, enCours, maximum, maximum, enCours};
}

} // namespace

class TstMemorisation : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    // Recording at the end extends the sequence: each record takes the x2 in force, the next
    // one inherits it, and the frame stays on the grid without a repaint from the store.
    // Recording inside the sequence overwrites the record and shows the next one.
    void enregistrement() {
        Banc b;
        enregistrerSuite(*b, 5);
        for (int k = 0; k < 5; ++k)
            QCOMPARE(enr(*b, k), seule(k));
        for (int k = 0; k <= 5; ++k)
            QCOMPARE(b->TabTrames[k][LigneCode], qint16(2));
        QCOMPARE(compteurs(*b), compteurs(5, 5));
        QCOMPARE(grille(*b), seule(4));
        b->setHScroll1Value(2);
        QCOMPARE(grille(*b), seule(2));
        peindre(*b, "11111111");
        b->CLICK();
        QCOMPARE(enr(*b, 2), QStringLiteral("11111111"));
        QCOMPARE(grille(*b), seule(3));
        QCOMPARE(compteurs(*b), compteurs(3, 5));
    }

    // Which mouse buttons record on "+", its right-button shortcut and a multiplier button;
    // none of them changes the multiplier.
    void pressions_data() {
        QTest::addColumn<int>("controle");
        QTest::addColumn<int>("souris");
        QTest::addColumn<bool>("enregistre");
        QTest::newRow("+ left") << 0 << 1 << true;
        QTest::newRow("+ right") << 0 << 2 << true;
        QTest::newRow("+ middle") << 0 << 4 << false;
        QTest::newRow("shortcut right") << 1 << 2 << true;
        QTest::newRow("shortcut left") << 1 << 1 << false;
        QTest::newRow("x20 right") << 2 << 2 << true;
    }
    void pressions() {
        QFETCH(int, controle);
        QFETCH(int, souris);
        QFETCH(bool, enregistre);
        Banc b;
        peindre(*b, "11000000");
        if (controle == 0)
            b->Cmd1_MouseDown(Souris(souris));
        else if (controle == 1)
            b->RaccourciDroit_MouseDown(Souris(souris));
        else
            b->Option1_MouseDown(5, Souris(souris));
        QCOMPARE(b->EnrCours, qint16(enregistre));
        QCOMPARE(enr(*b, 0), enregistre ? QStringLiteral("11000000") : seule(-1));
        QCOMPARE(b->TabTrames[0][LigneCode], qint16(1 + enregistre));
        QCOMPARE(b->IndTempo, qint16(1));
        QCOMPARE(b->Modifie, enregistre);
    }

    // Records 0..249 made, then "Maximum" and the navigator set (a typed count or a longer
    // file) before a frame is composed at x20: it is recorded at 250 and stays on the grid.
    void butee250_data() {
        QTest::addColumn<QString>("maximum");
        QTest::addColumn<int>("position");
        QTest::newRow("at 250") << QStringLiteral("250") << 250;
        QTest::newRow("beyond 250") << QStringLiteral("300") << 260;
    }
    void butee250() {
        QFETCH(QString, maximum);
        QFETCH(int, position);
        Banc b;
        enregistrerSuite(*b, 250);
        QCOMPARE(compteurs(*b), compteurs(250, 250));
        b->setText3(maximum);
        b->setHScroll1Value(position);
        b->Option1_MouseDown(5,
                             Souris::Gauche); // record 249 keeps code 2, the new frame asks for x20
        peindre(*b, "10101010");
        b->CLICK();
        QCOMPARE(compteurs(*b), compteurs(250, 250));
        QCOMPARE(enr(*b, 250), QStringLiteral("10101010"));
        QCOMPARE(grille(*b), QStringLiteral("10101010"));
        QCOMPARE((QList<int>{b->IndTempo, b->Ctl.Option1}), (QList<int>{5, 5}));
        QCOMPARE(b->TabTrames[250][LigneCode], b->TabTrames[249][LigneCode]);
        QCOMPARE(b->TabTrames[251][LigneCode], qint16(0));
        b->CLICK();
        QCOMPARE(compteurs(*b), compteurs(250, 250));
    }

    // A record shown without a time base passes "no code" on; the record made before it is
    // given the first multiplier so that it keeps a duration.
    void heritageSansCode() {
        Banc b;
        enregistrerSuite(*b, 2);
        b->TabTrames[1][LigneCode] = 0;
        b->setHScroll1Value(1);
        QCOMPARE(b->IndTempo, qint16(-1));
        b->CLICK();
        QCOMPARE(b->TabTrames[1][LigneCode], qint16(1));
        QCOMPARE(b->TabTrames[2][LigneCode], qint16(0));
    }

    void moins() {
        Banc b;
        b->Cmd2_Click();
        QCOMPARE(compteurs(*b), compteurs(0, 0));
        enregistrerSuite(*b, 2);
        b->Cmd2_Click();
        QCOMPARE(compteurs(*b), compteurs(1, 2));
        QCOMPARE(grille(*b), seule(1));
        b->Cmd2_Click();
        QCOMPARE(compteurs(*b), compteurs(0, 2));
        QCOMPARE(grille(*b), seule(0));
        b->Cmd2_Click();
        QCOMPARE(compteurs(*b), compteurs(0, 2));
    }

    // Codes outside 1..6 and lamp values other than 0 and 1 come only from files. Showing them
    // reads and writes nothing outside the tables and keeps the code as the file had it; only
    // the value 1 shows lit, and the others are written back as 0.
    void codesHorsPlage_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("indTempo");
        QTest::addColumn<int>("bouton");
        QTest::addColumn<QString>("periode");
        QTest::newRow("0") << 0 << -1 << 3 << "0";
        QTest::newRow("1") << 1 << 0 << 0 << "0.01";
        QTest::newRow("6") << 6 << 5 << 5 << "0.2";
        QTest::newRow("7") << 7 << 5 << 5 << "0.2";
        QTest::newRow("32767") << 32767 << 5 << 5 << "0.2";
        QTest::newRow("-32768") << -32768 << -1 << 3 << "0";
    }
    void codesHorsPlage() {
        QFETCH(int, code);
        QFETCH(int, indTempo);
        QFETCH(int, bouton);
        QFETCH(QString, periode);
        Banc b;
        enregistrerSuite(*b, 2);
        b->Option1_MouseDown(3, Souris::Gauche);
        b->TabTrames[0][LigneCode] = qint16(code);
        b->TabTrames[0][1] = 2;
        b->TabTrames[0][5] = -1;
        b->setHScroll1Value(0);
        QCOMPARE(grille(*b), seule(0));
        QCOMPARE(enr(*b, 0), seule(0));
        QCOMPARE(int(b->IndTempo), indTempo);
        QCOMPARE(b->Ctl.Option1, bouton);
        QCOMPARE(b->Ctl.Cpt2, periode);
        QCOMPARE(int(b->TabTrames[0][LigneCode]), code);
    }

    // Setting the navigator where it stands shows nothing; a maximum below it moves it and
    // shows that record; neither goes past the store.
    void navigateur() {
        Banc b;
        enregistrerSuite(*b, 4);
        b->setHScroll1Value(1);
        peindre(*b, "11111111");
        b->setHScroll1Value(1);
        QCOMPARE(grille(*b), QStringLiteral("11111111"));
        b->setHScroll1Value(3);
        b->setText3(QStringLiteral("2"));
        QCOMPARE(compteurs(*b), compteurs(2, 2));
        QCOMPARE(grille(*b), seule(2));
        b->setText3(QStringLiteral("5000"));
        QCOMPARE(b->HScroll1Max(), int(DernierEnr));
        b->setHScroll1Value(5000);
        QCOMPARE(int(b->EnrCours), int(DernierEnr));
    }
};

QTEST_GUILESS_MAIN(TstMemorisation)
#include "tst_memorisation.moc"
