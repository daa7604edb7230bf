#include "storage/FichiersRecents.h"

#include <QtTest>

class TstFichiersRecents : public QObject {
    Q_OBJECT
private slots:
    // "list | path opened | files gone | list afterwards", lists as paths between blanks.
    void regles_data() {
        QTest::addColumn<QString>("cas");
        QTest::newRow("premier") << "|/a||/a";
        QTest::newRow("remonte sans doublon") << "/a /b /c|/c||/c /a /b";
        QTest::newRow("même fichier autrement écrit") << "/d/a.dat /b|/d/./x/../a.dat||/d/a.dat /b";
        QTest::newRow("six au plus") << "/1 /2 /3 /4 /5 /6|/7||/7 /1 /2 /3 /4 /5";
        QTest::newRow("absents retirés") << "/a /b /c /b||/b|/a /c";
    }
    void regles() {
        QFETCH(QString, cas);
        const QStringList c = cas.split(u'|');
        const auto existe = [&c](const QString& p) { return !c[2].split(u' ').contains(p); };
        const QStringList liste = c[0].split(u' ', Qt::SkipEmptyParts);
        QCOMPARE(fichiersRecents(liste, c[1], existe).join(u' '), c[3]);
    }
};

QTEST_GUILESS_MAIN(TstFichiersRecents)
#include "tst_fichiersrecents.moc"
