#include "Motifs.h"

#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// On a desktop of language `langue`, list entry `liste` then a press on
// multiplier `bouton`.
auto choisir(const char* langue, int liste, int bouton, Souris souris = Souris::Gauche) {
    return [=](LT840& ed) {
        QLocale::setDefault(QLocale(QString::fromLatin1(langue)));
        ed.Ctl.List1Index = liste;
        ed.List1_Click();
        ed.Option1_MouseDown(bouton, souris);
    };
}

} // namespace

class TstDemarrage : public QObject {
    Q_OBJECT
private slots:
    void init() { QLocale::setDefault(QLocale::c()); }

    // The x1 button is shown while the multiplier in force is x2: the period
    // shown follows the multiplier, not the button (so does the first recording).
    void etatInitial() {
        Banc b;
        QCOMPARE(vue(*b), u"0 0 0 0 0 0 00000000 N 1 0 0.02"_s);
        QCOMPARE(b->Ctl.Caption + ligne(b->TabTrames[0]), u"* LT840 *100000000"_s);
        QCOMPARE((QList<int>{b->Ctl.List1Index, b->Timer1Interval(), b->Timer1Enabled(),
                             b.minuterie.intervalle, b.minuterie.actif}),
                 (QList<int>{0, 500, false, 500, false}));
        QCOMPARE((QList<Couleur>{b->CouleurOn, b->CouleurOff, b->Couleurs[3], b->Couleurs[4]}),
                 (QList<Couleur>{0x000000FF, 0x008080FF, CouleurSysteme::FondInfo, 0x0000C000}));
        for (const Lampe& l : b->Ctl.Shape1)
            QVERIFY(l.FillColor == b->CouleurOff && l.BorderColor == b->CouleurOn);
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

    // The decimal separator is the desktop's, the digits are western everywhere.
    void periode_data() {
        QTest::addColumn<Scenario>("cas");
        scene("fr 0.4 x20", 0, choisir("fr_FR", 9, 5), ". . . . . . . . 5 5 8");
        scene("fr 0.35 x15", 0, choisir("fr_FR", 8, 4), ". . . . . . . . 4 4 5,25");
        scene("fr 0.15 x20", 0, choisir("fr_FR", 4, 5), ". . . . . . . . 5 5 3");
        scene("fr 0.3 x10, middle button", 0, choisir("fr_FR", 7, 3, Souris::Milieu),
              ". . . . . . . . 3 3 3");
        scene("fr 0.3 x1, not 0,29999999999999999", 0, choisir("fr_FR", 7, 0),
              ". . . . . . . . 0 0 0,3");
        scene("fr no entry selected", 0, choisir("fr_FR", -1, 3), ". . . . . . . . 3 3 0");
        scene("C 0.35 x15", 0, choisir("C", 8, 4), ". . . . . . . . 4 4 5.25");
        scene("en 0.01 x2", 0, choisir("en_US", 0, 1), ". . . . . . . . 1 1 0.02");
        scene("ar 0.01 x2", 0, choisir("ar_EG", 0, 1), ". . . . . . . . 1 1 0٫02");
        scene("fa 0.35 x15", 0, choisir("fa_IR", 8, 4), ". . . . . . . . 4 4 5٫25");
        scene("bn 0.4 x20", 0, choisir("bn_BD", 9, 5), ". . . . . . . . 5 5 8");
        scene("bn 0.35 x15", 0, choisir("bn_BD", 8, 4), ". . . . . . . . 4 4 5.25");
        scene("mr 0.01 x2", 0, choisir("mr_IN", 0, 1), ". . . . . . . . 1 1 0.02");
    }
    void periode() { derouler(); }
};

QTEST_GUILESS_MAIN(TstDemarrage)
#include "tst_demarrage.moc"
