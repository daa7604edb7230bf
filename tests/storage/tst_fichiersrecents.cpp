#include "storage/FichiersRecents.h"

#include <QtTest>

class TstFichiersRecents : public QObject {
    Q_OBJECT
private slots:
    void regles_data() {
        QTest::addColumn<QStringList>("liste");
        QTest::addColumn<QString>("chemin");
        QTest::addColumn<QStringList>("absents");
        QTest::addColumn<QStringList>("attendu");
        const auto l = [](const char* s) { return QString::fromLatin1(s).split(u' '); };
        QTest::newRow("premier") << QStringList{} << "/a" << QStringList{} << l("/a");
        QTest::newRow("remonte sans doublon")
            << l("/a /b /c") << "/c" << QStringList{} << l("/c /a /b");
        QTest::newRow("même fichier autrement écrit")
            << l("/d/a.dat /b") << "/d/./x/../a.dat" << QStringList{} << l("/d/a.dat /b");
        QTest::newRow("six au plus")
            << l("/1 /2 /3 /4 /5 /6") << "/7" << QStringList{} << l("/7 /1 /2 /3 /4 /5");
        QTest::newRow("absents retirés") << l("/a /b /c /b") << "" << l("/b") << l("/a /c");
        QTest::newRow("nouveau absent") << l("/a") << "/n" << l("/n") << l("/a");
    }
    void regles() {
        QFETCH(QStringList, liste);
        QFETCH(QString, chemin);
        QFETCH(QStringList, absents);
        const auto existe = [&absents](const QString& c) { return !absents.contains(c); };
        QTEST(fichiersRecents(liste, chemin, existe), "attendu");
    }
};

QTEST_GUILESS_MAIN(TstFichiersRecents)
#include "tst_fichiersrecents.moc"
