#include "OutilsStockage.h"
#include "storage/FichierSequence.h"
#include "storage/FichiersRecents.h"

#include <QtTest>

namespace {

// A sequence as "count:lines", "refused" for a file that is not one.
QString rendu(const std::optional<Sequence>& s) {
    QStringList l;
    for (const CellulesEnr& c : s.value_or(Sequence{}).enregistrements)
        l << ligne(c);
    return s ? QString::number(s->nombre) + u':' + l.join(u' ') : QStringLiteral("refused");
}

} // namespace

class TstFichierSequence : public QObject {
    Q_OBJECT
private slots:
    // The editor's own worked example is checked end to end; these are the edges of the format.
    void ecriture() {
        QCOMPARE(ecrireSequence(0, QList<CellulesEnr>{{0, 1, 0, 0, 0, 0, 0, 1, 3}}),
                 Entete + " 0 \r\n301000001\r\n");
        QCOMPARE(ecrireSequence(-3, {}), Entete + "-3 \r\n");
    }

    void lecture_data() {
        QTest::addColumn<QByteArray>("octets");
        QTest::addColumn<QString>("lue");
        const QByteArray& h = Entete;
        const QByteArray cinq = QByteArray("5\r\n").repeated(1025);
        QTest::newRow("N = 0") << h + " 0 \r\n100000000\r\n"
                               << "0:";
        QTest::newRow("ligne courte, colonnes non chiffres") << h + " 2 \r\n2101\r\n2x1 1a\r\n"
                                                             << "2:210100000 201010000";
        QTest::newRow("compte signe, arrondi au pair, suivi de texte")
            << h + "+2.5abc\r\n1\r\n2\r\n3\r\n"
            << "2:100000000 200000000";
        QTest::newRow("texte avant LT840")
            << QByteArray("xxLT840 autre\r\n 1 \r\n1\r\n") << "1:100000000";
        QTest::newRow("CR seul, LF seul, virgule, pas de fin")
            << QByteArray("LT840\r 2 \n21,  3") << "2:210000000 300000000";
        QTest::newRow("1024") << h + "1024\r\n" + cinq.left(3 * 1024)
                              << "1024:" + QStringList(1024, "500000000").join(u' ');
        QTest::newRow("compte 1025") << h + "1025\r\n" + cinq << "refused";
        QTest::newRow("compte negatif") << h + "-3 \r\n"
                                        << "refused";
        QTest::newRow("compte sans chiffres") << h + "abc\r\n"
                                              << "refused";
        QTest::newRow("entete en minuscules") << QByteArray("lt840  v1.02\r\n 0 \r\n") << "refused";
        QTest::newRow("fin avant N enregistrements") << h + " 3 \r\n210000000\r\n201000000\r\n"
                                                     << "refused";
    }
    void lecture() {
        QFETCH(QByteArray, octets);
        QFETCH(QString, lue);
        QCOMPARE(rendu(lireSequence(octets)), lue);
    }

    // "list | path opened | files gone | list afterwards", lists as paths between blanks.
    void recents_data() {
        QTest::addColumn<QString>("cas");
        QTest::newRow("remonte sans doublon") << "/a /b /c|/c||/c /a /b";
        QTest::newRow("même fichier autrement écrit") << "/d/a.dat /b|/d/./x/../a.dat||/d/a.dat /b";
        QTest::newRow("six au plus") << "/1 /2 /3 /4 /5 /6|/7||/7 /1 /2 /3 /4 /5";
        QTest::newRow("absents retirés") << "/a /b /c /b||/b|/a /c";
    }
    void recents() {
        QFETCH(QString, cas);
        const QStringList c = cas.split(u'|');
        const auto existe = [&c](const QString& p) { return !c[2].split(u' ').contains(p); };
        QCOMPARE(fichiersRecents(c[0].split(u' '), c[1], existe).join(u' '), c[3]);
    }
};

QTEST_GUILESS_MAIN(TstFichierSequence)
#include "tst_fichiersequence.moc"
