#include "editor/ValeurNumerique.h"
#include "playback/AffichagePeriode.h"

#include <QtTest>

class TstValeurNumerique : public QObject {
    Q_OBJECT
private slots:
    void valeur_data() {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<double>("attendu");
        QTest::newRow("vide") << "" << 0.0;
        QTest::newRow("lettres") << "abc" << 0.0;
        QTest::newRow("chiffres puis lettres") << "12abc" << 12.0;
        QTest::newRow("blancs autour") << "  7 " << 7.0;
        QTest::newRow("tabulation devant") << "\t9" << 9.0;
        QTest::newRow("point devant") << ".5" << 0.5;
        QTest::newRow("decimal") << "0.35" << 0.35;
        QTest::newRow("second point arrete") << "1.2.3" << 1.2;
        QTest::newRow("virgule arrete") << "2,5" << 2.0;
        QTest::newRow("moins") << "-5" << -5.0;
        QTest::newRow("plus") << "+3" << 3.0;
        QTest::newRow("signe seul") << "-" << 0.0;
        QTest::newRow("signe puis blanc") << "- 5" << 0.0;
        QTest::newRow("blanc interieur arrete") << "1 2" << 1.0;
        QTest::newRow("au-dela de 16 bits") << "99999" << 99999.0;
        QTest::newRow("tres grand") << "123456789012" << 123456789012.0;
        QTest::newRow("hors des doubles") << QString(400, u'9') << qInf();
        QTest::newRow("hors des doubles negatif") << "-" + QString(400, u'9') << -qInf();
    }
    void valeur() {
        QFETCH(QString, texte);
        QFETCH(double, attendu);
        QCOMPARE(valeurNumerique(texte), attendu);
    }

    // A French desktop writes numbers with a comma; the list entries and files use a point.
    void valeurIgnoreLaLangue() {
        QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
        QCOMPARE(valeurNumerique(QStringLiteral("0.35")), 0.35);
        QLocale::setDefault(QLocale::c());
    }

    void entier_data() {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<bool>("tient");
        QTest::addColumn<int>("attendu");
        QTest::newRow("simple") << "42" << true << 42;
        QTest::newRow("demi vers pair bas") << "2.5" << true << 2;
        QTest::newRow("demi vers pair haut") << "3.5" << true << 4;
        QTest::newRow("lettres") << "abc" << true << 0;
        QTest::newRow("max") << "32767" << true << 32767;
        QTest::newRow("min") << "-32768" << true << -32768;
        QTest::newRow("trop grand") << "32768" << false << 0;
        QTest::newRow("trop petit") << "-32769" << false << 0;
        QTest::newRow("enorme") << "99999999999999999999" << false << 0;
        QTest::newRow("hors des doubles") << QString(400, u'9') << false << 0;
    }
    void entier() {
        QFETCH(QString, texte);
        QFETCH(bool, tient);
        QFETCH(int, attendu);
        const auto v = entier16(texte);
        QCOMPARE(v.has_value(), tient);
        if (tient)
            QCOMPARE(int(*v), attendu);
    }

    void periode_data() {
        QTest::addColumn<double>("base");
        QTest::addColumn<int>("facteur");
        QTest::addColumn<QString>("francais");
        QTest::addColumn<QString>("anglais");
        QTest::newRow("0.4 x20") << 0.4 << 20 << "8"
                                 << "8";
        QTest::newRow("0.35 x15") << 0.35 << 15 << "5,25"
                                  << "5.25";
        QTest::newRow("0.15 x20") << 0.15 << 20 << "3"
                                  << "3";
        QTest::newRow("0.01 x2") << 0.01 << 2 << "0,02"
                                 << "0.02";
        QTest::newRow("0.3 x10") << 0.3 << 10 << "3"
                                 << "3";
        QTest::newRow("0.1 x1") << 0.1 << 1 << "0,1"
                                << "0.1";
        QTest::newRow("sans facteur") << 0.2 << 0 << "0"
                                      << "0";
    }
    void periode() {
        QFETCH(double, base);
        QFETCH(int, facteur);
        QFETCH(QString, francais);
        QFETCH(QString, anglais);
        QCOMPARE(textePeriode(facteur * base, QLocale(QLocale::French, QLocale::France)), francais);
        QCOMPARE(textePeriode(facteur * base, QLocale::c()), anglais);
        QCOMPARE(textePeriode(facteur * base, QLocale(QLocale::English, QLocale::UnitedStates)),
                 anglais);
    }
};

QTEST_GUILESS_MAIN(TstValeurNumerique)
#include "tst_valeurnumerique.moc"
