#include "Banc.h"
#include "Motifs.h"

#include <QtTest>

class TstDemarrage : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    // The x1 button is shown while the multiplier in force is x2: the period shown follows the
    // multiplier, not the button (so does the first recording).
    void etatInitial() {
        QLocale::setDefault(QLocale::c());
        Banc b;
        QCOMPARE((QStringList{b->Ctl.Text1, b->Ctl.Text2, b->Text3(), b->Ctl.Caption}),
                 (QStringList{"0", "0", "0", "* LT840 *"}));
        QVERIFY(!b->Modifie);
        QCOMPARE((QList<int>{b->EnrCours, b->HScroll1Max(), b->HScroll1Value(), b->IndTempo,
                             b->Ctl.Option1, b->Ctl.List1Index}),
                 (QList<int>{0, 0, 0, 1, 0, 0}));
        QCOMPARE((QList<int>{b->Timer1Interval(), b->Timer1Enabled(), b.minuterie.intervalle,
                             b.minuterie.actif}),
                 (QList<int>{500, false, 500, false}));
        QCOMPARE(b->CouleurOn, Couleur(0x000000FF));
        QCOMPARE(b->CouleurOff, Couleur(0x008080FF));
        QCOMPARE(b->Couleurs[3], CouleurSysteme::FondInfo);
        QCOMPARE(b->Couleurs[4], Couleur(0x0000C000));
        for (const Lampe& l : b->Ctl.Shape1)
            QVERIFY(l.FillColor == b->CouleurOff && l.BorderColor == b->CouleurOn);
        QCOMPARE(enr(*b, 0), QStringLiteral("00000000"));
        QCOMPARE(b->TabTrames[0][LigneCode], qint16(1));
        QCOMPARE(b->Ctl.Cpt2, QStringLiteral("0.02"));
    }

    // The fixed format everything else relies on, as the system spells it.
    void format() {
        QCOMPARE(TabVitesse, (std::array<qint16, 9>{0, 1, 2, 5, 10, 15, 20, 0, 0}));
        QCOMPARE((QStringList{TitreFichier, TitreCouleurs, TitreApplication, TitreDialogueTest,
                              PrefixeTitreFichier}),
                 (QStringList{"* LT840  V1.02 *", " * LT840 V1.02 *", "LT840", "TEST CARTE",
                              "FICHIER = "}));
        QCOMPARE(QByteArray(IdentificationCarte), QByteArray("LT840:V1.02 "));
        QVERIFY(QByteArray(IdentificationCarte).startsWith(SignatureCarte));
    }

    // A list entry, then a left or middle press on a multiplier button, on desktops of several
    // languages: the decimal separator is the desktop's, the digits are western everywhere.
    void periode_data() {
        QTest::addColumn<QString>("langue");
        QTest::addColumn<int>("liste");
        QTest::addColumn<int>("bouton");
        QTest::addColumn<int>("souris");
        QTest::addColumn<QString>("attendu");
        QTest::newRow("fr 0.4 x20") << "fr_FR" << 9 << 5 << 1 << "8";
        QTest::newRow("fr 0.35 x15") << "fr_FR" << 8 << 4 << 1 << "5,25";
        QTest::newRow("fr 0.15 x20") << "fr_FR" << 4 << 5 << 1 << "3";
        QTest::newRow("fr 0.3 x10, middle button") << "fr_FR" << 7 << 3 << 4 << "3";
        QTest::newRow("fr 0.3 x1, not 0,29999999999999999") << "fr_FR" << 7 << 0 << 1 << "0,3";
        QTest::newRow("fr no entry selected") << "fr_FR" << -1 << 3 << 1 << "0";
        QTest::newRow("C 0.35 x15") << "C" << 8 << 4 << 1 << "5.25";
        QTest::newRow("en 0.01 x2") << "en_US" << 0 << 1 << 1 << "0.02";
        QTest::newRow("ar 0.01 x2") << "ar_EG" << 0 << 1 << 1 << "0٫02";
        QTest::newRow("fa 0.35 x15") << "fa_IR" << 8 << 4 << 1 << "5٫25";
        QTest::newRow("bn 0.4 x20") << "bn_BD" << 9 << 5 << 1 << "8";
        QTest::newRow("bn 0.35 x15") << "bn_BD" << 8 << 4 << 1 << "5.25";
        QTest::newRow("mr 0.01 x2") << "mr_IN" << 0 << 1 << 1 << "0.02";
    }
    void periode() {
        QFETCH(QString, langue);
        QFETCH(int, liste);
        QFETCH(int, bouton);
        QFETCH(int, souris);
        QFETCH(QString, attendu);
        QLocale::setDefault(QLocale(langue));
        Banc b;
        b->Ctl.List1Index = liste;
        b->List1_Click();
        b->Option1_MouseDown(bouton, Souris(souris));
        QCOMPARE(b->IndTempo, qint16(bouton));
        QCOMPARE(b->Ctl.Option1, bouton);
        QCOMPARE(b->Ctl.Cpt2, attendu);
    }
};

QTEST_GUILESS_MAIN(TstDemarrage)
#include "tst_demarrage.moc"
