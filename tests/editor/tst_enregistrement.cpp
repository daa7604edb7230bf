#include "Banc.h"
#include "Motifs.h"

#include <QtTest>

namespace {

// Records `n` frames from the start, frame k lighting lamp k % 8.
void enregistrerSuite(LT840& ed, int n) {
    for (int k = 0; k < n; ++k) {
        peindre(ed, seule(k % 8));
        ed.CLICK();
    }
}

void verifierCompteurs(const LT840& ed, int enCours, int maximum) {
    QCOMPARE(int(ed.EnrCours), enCours);
    QCOMPARE(ed.Ctl.Text2, QString::number(enCours));
    QCOMPARE(ed.Text3(), QString::number(maximum));
    QCOMPARE(ed.HScroll1Max(), maximum);
    QCOMPARE(ed.HScroll1Value(), enCours);
}

} // namespace

class TstEnregistrement : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void premierEnregistrement() {
        Banc b;
        peindre(*b, "10010000");
        b->Cmd1_MouseDown(1);
        QCOMPARE(enr(*b, 0), QStringLiteral("10010000"));
        QCOMPARE(b->TabTrames[0][8], qint16(2));
        verifierCompteurs(*b, 1, 1);
        QCOMPARE(b->TabTrames[1][8], qint16(2)); // the next record takes the same time base
        QCOMPARE(grille(*b), QStringLiteral("10010000"));
    }

    void boutonsDuPlus_data() {
        QTest::addColumn<int>("bouton");
        QTest::addColumn<bool>("enregistre");
        QTest::newRow("gauche") << 1 << true;
        QTest::newRow("droit") << 2 << true;
        QTest::newRow("milieu") << 4 << false;
    }
    void boutonsDuPlus() {
        QFETCH(int, bouton);
        QFETCH(bool, enregistre);
        Banc b;
        peindre(*b, "11000000");
        b->Cmd1_MouseDown(bouton);
        QCOMPARE(b->EnrCours, qint16(enregistre ? 1 : 0));
        QCOMPARE(enr(*b, 0), enregistre ? QStringLiteral("11000000") : QStringLiteral("00000000"));
    }

    void raccourciDroit_data() { boutonsDuPlus_data(); }
    void raccourciDroit() {
        QFETCH(int, bouton);
        Banc b;
        b->RaccourciDroit_MouseDown(bouton);
        QCOMPARE(b->EnrCours, qint16(bouton == 2 ? 1 : 0));
    }

    void reecritureDansLaSequence() {
        Banc b;
        enregistrerSuite(*b, 5);
        b->setHScroll1Value(2);
        QCOMPARE(grille(*b), QStringLiteral("00100000"));
        peindre(*b, "11111111");
        b->CLICK();
        QCOMPARE(enr(*b, 2), QStringLiteral("11111111"));
        QCOMPARE(grille(*b), QStringLiteral("00010000")); // record 3 is shown
        verifierCompteurs(*b, 3, 5);
    }

    // Recording at the end extends the sequence, without a repaint from the store.
    void enregistrementEnFin() {
        Banc b;
        enregistrerSuite(*b, 3);
        verifierCompteurs(*b, 3, 3);
        QCOMPARE(grille(*b), QStringLiteral("00100000"));
        QCOMPARE(b->TabTrames[3][8], qint16(2));
    }

    void butee250() {
        Banc b;
        enregistrerSuite(*b, 250);
        verifierCompteurs(*b, 250, 250);
        b->Option1_MouseDown(5, 1); // record 249 keeps code 2, the new frame asks for x20
        peindre(*b, "10101010");
        b->CLICK();
        verifierCompteurs(*b, 250, 250);
        QCOMPARE(enr(*b, 250), QStringLiteral("10101010"));
        QCOMPARE(b->TabTrames[250][8], b->TabTrames[249][8]);
        QCOMPARE(b->TabTrames[251][8], qint16(0));
        b->CLICK();
        verifierCompteurs(*b, 250, 250);
    }

    // A record shown without a time base passes "no code" on; the record made before it is
    // given the first multiplier so that it keeps a duration.
    void heritageSansCode() {
        Banc b;
        enregistrerSuite(*b, 2);
        b->TabTrames[1][8] = 0;
        b->setHScroll1Value(1);
        QCOMPARE(b->IndTempo, qint16(-1));
        b->CLICK();
        QCOMPARE(b->TabTrames[1][8], qint16(1));
        QCOMPARE(b->TabTrames[2][8], qint16(0));
    }

    void moins() {
        Banc b;
        b->Cmd2_Click();
        verifierCompteurs(*b, 0, 0);
        enregistrerSuite(*b, 2);
        b->Cmd2_Click();
        verifierCompteurs(*b, 1, 2);
        QCOMPARE(grille(*b), QStringLiteral("01000000"));
        b->Cmd2_Click();
        verifierCompteurs(*b, 0, 2);
        QCOMPARE(grille(*b), QStringLiteral("10000000"));
        b->Cmd2_Click();
        verifierCompteurs(*b, 0, 2);
    }

    void affichageNormaliseLesLampes_data() {
        QTest::addColumn<int>("valeur");
        QTest::newRow("2") << 2;
        QTest::newRow("-1") << -1;
        QTest::newRow("1000") << 1000;
    }
    void affichageNormaliseLesLampes() {
        QFETCH(int, valeur);
        Banc b;
        enregistrerSuite(*b, 2);
        b->TabTrames[0][0] = 1;
        b->TabTrames[0][1] = qint16(valeur);
        b->TabTrames[0][5] = qint16(valeur);
        b->setHScroll1Value(0);
        QCOMPARE(grille(*b), QStringLiteral("10000000"));
        QCOMPARE(enr(*b, 0), QStringLiteral("10000000"));
    }

    // Codes outside 1..6 come only from files: showing them reads and writes nothing outside
    // the tables, and leaves the record's code as the file had it.
    void codesHorsPlage_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("indTempo");
        QTest::addColumn<int>("bouton");
        QTest::addColumn<QString>("periode");
        QTest::newRow("0") << 0 << -1 << 3 << "0";
        QTest::newRow("1") << 1 << 0 << 0 << "0.01";
        QTest::newRow("6") << 6 << 5 << 5 << "0.2";
        QTest::newRow("7") << 7 << 5 << 5 << "0.2";
        QTest::newRow("8") << 8 << 5 << 5 << "0.2";
        QTest::newRow("1000") << 1000 << 5 << 5 << "0.2";
        QTest::newRow("32767") << 32767 << 5 << 5 << "0.2";
        QTest::newRow("-5") << -5 << -1 << 3 << "0";
        QTest::newRow("-32768") << -32768 << -1 << 3 << "0";
    }
    void codesHorsPlage() {
        QFETCH(int, code);
        QFETCH(int, indTempo);
        QFETCH(int, bouton);
        QFETCH(QString, periode);
        Banc b;
        enregistrerSuite(*b, 2);
        b->Option1_MouseDown(3, 1);
        b->TabTrames[0][8] = qint16(code);
        b->setHScroll1Value(0);
        QCOMPARE(int(b->IndTempo), indTempo);
        QCOMPARE(b->Ctl.Option1, bouton);
        QCOMPARE(b->Ctl.Cpt2, periode);
        QCOMPARE(int(b->TabTrames[0][8]), code);
    }

    void navigateurMemePositionNeMontreRien() {
        Banc b;
        enregistrerSuite(*b, 3);
        b->setHScroll1Value(1);
        peindre(*b, "11111111");
        b->setHScroll1Value(1);
        QCOMPARE(grille(*b), QStringLiteral("11111111"));
    }

    void maximumSousLaPositionMontreLEnregistrement() {
        Banc b;
        enregistrerSuite(*b, 4);
        b->setText3(QStringLiteral("2"));
        QCOMPARE(b->HScroll1Value(), 2);
        QCOMPARE(b->EnrCours, qint16(2));
        QCOMPARE(grille(*b), QStringLiteral("00100000"));
    }

    void navigateurNeDepassePasLaMemoire() {
        Banc b;
        b->setText3(QStringLiteral("5000"));
        QCOMPARE(b->HScroll1Max(), int(LT840::DernierEnr));
        b->setHScroll1Value(5000);
        QCOMPARE(int(b->EnrCours), int(LT840::DernierEnr));
    }
};

QTEST_GUILESS_MAIN(TstEnregistrement)
#include "tst_enregistrement.moc"
