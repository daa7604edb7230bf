#include "OutilsStockage.h"
#include "storage/FichierSequence.h"

#include <QtTest>

class TstFichierSequence : public QObject {
    Q_OBJECT
private slots:
    // The editor's own worked example is checked end to end; these are the edges of the format.
    void ecriture_data() {
        QTest::addColumn<int>("nombre");
        QTest::addColumn<QList<CellulesEnr>>("enregistrements");
        QTest::addColumn<QByteArray>("octets");
        QTest::newRow("N = 0") << 0 << QList<CellulesEnr>{{0, 1, 0, 0, 0, 0, 0, 1, 3}}
                               << Entete + " 0 \r\n301000001\r\n";
        QTest::newRow("compte negatif") << -3 << QList<CellulesEnr>{} << Entete + "-3 \r\n";
    }
    void ecriture() {
        QFETCH(int, nombre);
        QFETCH(QList<CellulesEnr>, enregistrements);
        QFETCH(QByteArray, octets);
        QCOMPARE(ecrireSequence(qint16(nombre), enregistrements), octets);
    }

    void lecture_data() {
        QTest::addColumn<QByteArray>("octets");
        QTest::addColumn<int>("nombre"); // -1: the file is refused
        QTest::addColumn<QStringList>("lignes");
        auto cas = [](const char* nom, const QByteArray& octets, int nombre,
                      const QStringList& lignes = {}) {
            QTest::newRow(nom) << octets << nombre << lignes;
        };
        const QByteArray& h = Entete;
        cas("N = 0", h + " 0 \r\n100000000\r\n", 0);
        cas("ligne courte, colonnes non chiffres", h + " 2 \r\n2101\r\n2x1 1a\r\n", 2,
            {"210100000", "201010000"});
        cas("compte entre blancs", h + "   1   \r\n1\r\n", 1, {"100000000"});
        cas("compte signe, arrondi au pair, suivi de texte", h + "+2.5abc\r\n1\r\n2\r\n3\r\n", 2,
            {"100000000", "200000000"});
        cas("texte avant LT840", "xxLT840 autre\r\n 1 \r\n1\r\n", 1, {"100000000"});
        cas("CR seul, LF seul, virgule, pas de fin", "LT840\r 2 \n21,  3", 2,
            {"210000000", "300000000"});
        cas("1024", h + "1024\r\n" + QByteArray("5\r\n").repeated(1024), 1024,
            QStringList(1024, "500000000"));
        cas("compte 1025", h + "1025\r\n" + QByteArray("5\r\n").repeated(1025), -1);
        cas("compte negatif", h + "-3 \r\n", -1);
        cas("compte sans chiffres", h + "abc\r\n", -1);
        cas("entete en minuscules", "lt840  v1.02\r\n 0 \r\n", -1);
        cas("fichier vide", "", -1);
        cas("sans compte", h, -1);
        cas("fin avant N enregistrements", h + " 3 \r\n210000000\r\n201000000\r\n", -1);
    }
    void lecture() {
        QFETCH(QByteArray, octets);
        QFETCH(int, nombre);
        QFETCH(QStringList, lignes);
        const auto lue = lireSequence(octets);
        QCOMPARE(lue ? int(lue->nombre) : -1, nombre);
        QStringList lues;
        for (const CellulesEnr& c : lue.value_or(Sequence{}).enregistrements)
            lues << ligne(c);
        QCOMPARE(lues, lignes);
    }
};

QTEST_GUILESS_MAIN(TstFichierSequence)
#include "tst_fichiersequence.moc"
