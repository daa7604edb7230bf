#include "playback/DureeTour.h"

#include <QtTest>

class TstDureeTour : public QObject {
    Q_OBJECT
private slots:
    // The codes fill records 0 onwards; the rest of the store holds code 6, which must count
    // only where the count reaches it.
    void dureeEtNombre_data() {
        QTest::addColumn<QList<int>>("codes");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<double>("base");
        QTest::addColumn<int>("nombre");
        QTest::addColumn<double>("secondes");
        QTest::newRow("aucun enregistrement") << QList<int>{} << 0 << 0.4 << 0 << 0.0;
        QTest::newRow("codes hors table")
            << QList<int>{0, 7, 8, -1, 300, 1} << 6 << 0.1 << 6 << 0.1;
        QTest::newRow("un de chaque") << QList<int>{1, 2, 3, 4, 5, 6} << 6 << 0.35 << 6 << 18.55;
        QTest::newRow("251 en x20 à 0.4") << QList<int>(251, 6) << 251 << 0.4 << 251 << 2008.0;
        QTest::newRow("maximum négatif") << QList<int>{} << -3 << 0.4 << 0 << 0.0;
        QTest::newRow("maximum hors magasin") << QList<int>{} << 5000 << 0.01 << 1025 << 205.0;
    }
    void dureeEtNombre() {
        QFETCH(QList<int>, codes);
        QFETCH(int, maximum);
        QFETCH(double, base);
        static std::array<LignesEnregistrement, DernierEnr + 1> magasin;
        for (int r = 0; r < int(magasin.size()); ++r)
            magasin[r][LigneCode] = qint16(r < codes.size() ? codes[r] : 6);
        QTEST(nombreEnregistrements(magasin, maximum), "nombre");
        QTEST(dureeTour(magasin, maximum, base), "secondes");
    }
};

QTEST_GUILESS_MAIN(TstDureeTour)
#include "tst_dureetour.moc"
