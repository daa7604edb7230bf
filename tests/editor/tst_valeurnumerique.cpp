#include "editor/ValeurNumerique.h"

#include <QtTest>

#include <limits>

namespace {
constexpr int Hors = std::numeric_limits<int>::min(); // entier16() finds no 16-bit integer
}

class TstValeurNumerique : public QObject {
    Q_OBJECT
private slots:
    // A French desktop writes numbers with a comma; list entries and files use a point.
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::French, QLocale::France)); }

    void valeur_data() {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<double>("attendu");
        QTest::addColumn<int>("entier"); // rounded half to even
        QTest::newRow("vide") << "" << 0.0 << 0;
        QTest::newRow("lettres") << "abc" << 0.0 << 0;
        QTest::newRow("chiffres puis lettres") << "12abc" << 12.0 << 12;
        QTest::newRow("blancs autour") << "\t 7 " << 7.0 << 7;
        QTest::newRow("point devant") << ".5" << 0.5 << 0;
        QTest::newRow("second point arrete") << "1.2.3" << 1.2 << 1;
        QTest::newRow("virgule arrete") << "2,5" << 2.0 << 2;
        QTest::newRow("demi vers pair bas") << "2.5" << 2.5 << 2;
        QTest::newRow("demi vers pair haut") << "3.5" << 3.5 << 4;
        QTest::newRow("plus") << "+3" << 3.0 << 3;
        QTest::newRow("signe puis blanc") << "- 5" << 0.0 << 0;
        QTest::newRow("max") << "32767" << 32767.0 << 32767;
        QTest::newRow("min") << "-32768" << -32768.0 << -32768;
        QTest::newRow("trop grand") << "32768" << 32768.0 << Hors;
        QTest::newRow("trop petit") << "-32769" << -32769.0 << Hors;
        QTest::newRow("hors des doubles") << QString(400, u'9') << qInf() << Hors;
        QTest::newRow("hors des doubles negatif") << "-" + QString(400, u'9') << -qInf() << Hors;
    }
    void valeur() {
        QFETCH(QString, texte);
        QFETCH(double, attendu);
        QFETCH(int, entier);
        QCOMPARE(valeurNumerique(texte), attendu);
        const auto v = entier16(texte);
        QCOMPARE(v ? int(*v) : Hors, entier);
    }
};

QTEST_GUILESS_MAIN(TstValeurNumerique)
#include "tst_valeurnumerique.moc"
