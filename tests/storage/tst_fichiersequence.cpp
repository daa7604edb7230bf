#include "storage/FichierSequence.h"

#include <QtTest>

namespace {

// A record written as in the file: the code, then lamps 0..7, one digit each.
CellulesEnr enr(const char* ligne) {
    CellulesEnr c{};
    c[8] = qint16(ligne[0] - '0');
    for (int i = 0; i < 8; ++i)
        c[i] = qint16(ligne[i + 1] - '0');
    return c;
}

QStringList lignes(const QList<CellulesEnr>& enregistrements) {
    QStringList l;
    for (const CellulesEnr& c : enregistrements) {
        QString s = QString::number(c[8]);
        for (int i = 0; i < 8; ++i)
            s += QString::number(c[i]);
        l << s;
    }
    return l;
}

const QByteArray Exemple = "LT840  V1.02\r\n 2 \r\n210000000\r\n201000000\r\n200000000\r\n";

} // namespace

class TstFichierSequence : public QObject {
    Q_OBJECT
private slots:
    void ecriture_data() {
        QTest::addColumn<int>("nombre");
        QTest::addColumn<QList<CellulesEnr>>("enregistrements");
        QTest::addColumn<QByteArray>("octets");
        QTest::newRow("exemple") << 2 << QList{enr("210000000"), enr("201000000"), enr("200000000")}
                                 << Exemple;
        QTest::newRow("N = 0") << 0 << QList{enr("100000000")}
                               << QByteArray("LT840  V1.02\r\n 0 \r\n100000000\r\n");
        CellulesEnr large = enr("000000000");
        large[8] = 12;
        large[0] = -1;
        large[7] = 300;
        QTest::newRow("cellules larges")
            << 0 << QList{large} << QByteArray("LT840  V1.02\r\n 0 \r\n12-1000000300\r\n");
        QTest::newRow("compte negatif")
            << -3 << QList<CellulesEnr>{} << QByteArray("LT840  V1.02\r\n-3 \r\n");
    }
    void ecriture() {
        QFETCH(int, nombre);
        QFETCH(QList<CellulesEnr>, enregistrements);
        QFETCH(QByteArray, octets);
        QCOMPARE(ecrireSequence(qint16(nombre), enregistrements), octets);
    }

    // nombre -1: the file is refused.
    void lecture_data() {
        QTest::addColumn<QByteArray>("octets");
        QTest::addColumn<int>("nombre");
        QTest::addColumn<QStringList>("enregistrements");
        const QByteArray h = "LT840  V1.02\r\n";
        QTest::newRow("exemple") << Exemple << 2 << QStringList{"210000000", "201000000"};
        QTest::newRow("N = 0") << h + " 0 \r\n100000000\r\n" << 0 << QStringList{};
        QTest::newRow("ligne courte") << h + " 1 \r\n2101\r\n" << 1 << QStringList{"210100000"};
        QTest::newRow("colonnes non chiffres") << h + " 1 \r\n2x1 1a\r\n"
                                               << 1 << QStringList{"201010000"};
        QTest::newRow("ligne vide") << h + " 1 \r\n\r\n" << 1 << QStringList{"000000000"};
        QTest::newRow("compte entre blancs")
            << h + "   3   \r\n1\r\n2\r\n3\r\n"
            << 3 << QStringList{"100000000", "200000000", "300000000"};
        QTest::newRow("compte suivi de texte") << h + "+1abc\r\n4\r\n"
                                               << 1 << QStringList{"400000000"};
        QTest::newRow("compte arrondi au pair") << h + "2.5\r\n1\r\n2\r\n3\r\n"
                                                << 2 << QStringList{"100000000", "200000000"};
        QTest::newRow("texte avant LT840")
            << QByteArray("xxLT840 autre\r\n 1 \r\n1\r\n") << 1 << QStringList{"100000000"};
        QTest::newRow("virgules") << h + " 2 \r\n21,  3\r\n"
                                  << 2 << QStringList{"210000000", "300000000"};
        QTest::newRow("fins de ligne LF")
            << QByteArray("LT840\n 1 \n211\n") << 1 << QStringList{"211000000"};
        QTest::newRow("fins de ligne CR")
            << QByteArray("LT840\r 1 \r211\r") << 1 << QStringList{"211000000"};
        QTest::newRow("derniere ligne sans fin") << h + " 1 \r\n3" << 1 << QStringList{"300000000"};
        QTest::newRow("1024") << h + "1024\r\n" + QByteArray("5\r\n").repeated(1024) << 1024
                              << QStringList(1024, "500000000");
        QTest::newRow("entete en minuscules")
            << QByteArray("lt840  v1.02\r\n 0 \r\n") << -1 << QStringList{};
        QTest::newRow("LT840 apres une virgule")
            << QByteArray("x,LT840\r\n 0 \r\n") << -1 << QStringList{};
        QTest::newRow("fichier vide") << QByteArray() << -1 << QStringList{};
        QTest::newRow("sans compte") << h << -1 << QStringList{};
        QTest::newRow("compte sans chiffres") << h + "abc\r\n" << -1 << QStringList{};
        QTest::newRow("compte vide") << h + "  \r\n" << -1 << QStringList{};
        QTest::newRow("compte negatif") << h + "-1\r\n" << -1 << QStringList{};
        QTest::newRow("compte 1025")
            << h + "1025\r\n" + QByteArray("5\r\n").repeated(1025) << -1 << QStringList{};
        QTest::newRow("compte 99999") << h + "99999\r\n" << -1 << QStringList{};
        QTest::newRow("fin avant N enregistrements") << h + " 3 \r\n210000000\r\n201000000\r\n"
                                                     << -1 << QStringList{};
    }
    void lecture() {
        QFETCH(QByteArray, octets);
        QFETCH(int, nombre);
        QFETCH(QStringList, enregistrements);
        const auto lue = lireSequence(octets);
        QCOMPARE(lue.has_value(), nombre >= 0);
        if (!lue)
            return;
        QCOMPARE(int(lue->nombre), nombre);
        QCOMPARE(lignes(lue->enregistrements), enregistrements);
    }

    // The writer writes one record more than the reader takes back.
    void allerRetour() {
        const QList<CellulesEnr> ecrits{enr("210010001"), enr("611111111"), enr("000000000"),
                                        enr("399999999")};
        const auto lue = lireSequence(ecrireSequence(3, ecrits));
        QVERIFY(lue);
        QCOMPARE(lue->nombre, qint16(3));
        QCOMPARE(lue->enregistrements, ecrits.first(3));
    }
};

QTEST_GUILESS_MAIN(TstFichierSequence)
#include "tst_fichiersequence.moc"
