#include "Banc.h"

#include <QtTest>

namespace {
constexpr Couleur RougeAllume = 0x000000FF;
constexpr Couleur RougeEteint = 0x008080FF;
} // namespace

class TstDemarrage : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void etatInitial() {
        Banc b;
        QCOMPARE(b->Ctl.Text2, QStringLiteral("0"));
        QCOMPARE(b->Text3(), QStringLiteral("0"));
        QCOMPARE(b->Ctl.Text1, QStringLiteral("0"));
        QCOMPARE(b->Modifie, QStringLiteral("N"));
        QCOMPARE(b->Titre, QStringLiteral("* LT840 *"));
        QCOMPARE(b->EnrCours, qint16(0));
        QCOMPARE(b->HScroll1Max(), 0);
        QCOMPARE(b->HScroll1Value(), 0);
        for (int i = 0; i < 8; ++i) {
            QCOMPARE(b->Ctl.Shape1[i].FillColor, RougeEteint);
            QCOMPARE(b->Ctl.Shape1[i].BorderColor, RougeAllume);
            QCOMPARE(b->TabTrames[0][i], qint16(0));
        }
        QCOMPARE(b->TabTrames[0][8], qint16(1));
        QCOMPARE(b->CouleurOn, RougeAllume);
        QCOMPARE(b->CouleurOff, RougeEteint);
        QCOMPARE(b->Couleurs[3], CouleurSysteme::FondInfo);
        QCOMPARE(b->Couleurs[4], Couleur(0x0000C000));
        const std::array<qint16, 9> vitesses{0, 1, 2, 5, 10, 15, 20, 0, 0};
        QCOMPARE(b->TabVitesse, vitesses);
    }

    // The x1 button is shown while the multiplier in force is x2: the period shown and the
    // first recording both follow the multiplier, not the button.
    void baseDeTempsInitiale() {
        Banc b;
        QCOMPARE(b->IndTempo, qint16(1));
        QCOMPARE(b->Ctl.Option1, 0);
        QCOMPARE(b->Ctl.List1Index, 0);
        QCOMPARE(b->Ctl.Cpt2, QStringLiteral("0.02"));
        b->CLICK();
        QCOMPARE(b->TabTrames[0][8], qint16(2));
    }

    void minuterieArreteeA500ms() {
        Banc b;
        QCOMPARE(b->Timer1Interval(), 500);
        QVERIFY(!b->Timer1Enabled());
        QCOMPARE(b.minuterie.intervalle, 500);
        QVERIFY(!b.minuterie.actif);
    }

    void choixDuMultiplicateur_data() {
        QTest::addColumn<int>("liste");
        QTest::addColumn<int>("bouton");
        QTest::addColumn<QString>("periode");
        QTest::newRow("0.4 x20") << 9 << 5 << "8";
        QTest::newRow("0.35 x15") << 8 << 4 << "5.25";
        QTest::newRow("0.15 x20") << 4 << 5 << "3";
        QTest::newRow("0.01 x1") << 0 << 0 << "0.01";
        QTest::newRow("0.05 x10") << 2 << 3 << "0.5";
    }
    void choixDuMultiplicateur() {
        QFETCH(int, liste);
        QFETCH(int, bouton);
        QFETCH(QString, periode);
        Banc b;
        b->Ctl.List1Index = liste;
        b->List1_Click();
        b->Option1_MouseDown(bouton, 1);
        QCOMPARE(b->IndTempo, qint16(bouton));
        QCOMPARE(b->Ctl.Option1, bouton);
        QCOMPARE(b->Ctl.Cpt2, periode);
    }

    void boutonDuMilieuChoisitAussi() {
        Banc b;
        b->Option1_MouseDown(3, 4);
        QCOMPARE(b->IndTempo, qint16(3));
        QCOMPARE(b->Ctl.Cpt2, QStringLiteral("0.1"));
    }

    void clicDroitSurUnMultiplicateurEnregistre() {
        Banc b;
        b->Option1_MouseDown(5, 2);
        QCOMPARE(b->IndTempo, qint16(1));
        QCOMPARE(b->Ctl.Cpt2, QStringLiteral("0.02"));
        QCOMPARE(b->EnrCours, qint16(1));
        QCOMPARE(b->TabTrames[0][8], qint16(2));
    }

    void listeSansSelectionDonneZero() {
        Banc b;
        b->Ctl.List1Index = -1;
        b->List1_Click();
        QCOMPARE(b->Ctl.Cpt2, QStringLiteral("0"));
    }

    void periodeEnFrancais() {
        QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
        Banc b;
        QCOMPARE(b->Ctl.Cpt2, QStringLiteral("0,02"));
        QLocale::setDefault(QLocale::c());
    }
};

QTEST_GUILESS_MAIN(TstDemarrage)
#include "tst_demarrage.moc"
