#include "board/NomPort.h"

#include <QTest>

class TestNomPort : public QObject {
    Q_OBJECT

private slots:
    void cleanup();
    void nom_data();
    void nom();
};

void TestNomPort::cleanup() {
    for (int n = 1; n <= 5; ++n)
        qunsetenv(qPrintable(QStringLiteral("LT840_COM%1").arg(n)));
}

void TestNomPort::nom_data() {
    QTest::addColumn<int>("numero");
    QTest::addColumn<QString>("variable"); // the value of LT840_COM<numero>, "" when unset
    QTest::addColumn<QString>("nom");
#ifdef Q_OS_WIN
    QTest::newRow("COM 1 du système") << 1 << ""
                                      << "COM1";
    QTest::newRow("COM 4 du système") << 4 << ""
                                      << "COM4";
#else
    QTest::newRow("COM 1 du système") << 1 << ""
                                      << "/dev/ttyS0";
    QTest::newRow("COM 4 du système") << 4 << ""
                                      << "/dev/ttyS3";
    QTest::newRow("COM 5 essayé comme les autres") << 5 << ""
                                                   << "/dev/ttyS4";
#endif
    QTest::newRow("COM 1 désigné") << 1 << "/dev/pts/7"
                                   << "/dev/pts/7";
    QTest::newRow("COM 3 désigné") << 3 << "/dev/ttyUSB0"
                                   << "/dev/ttyUSB0";
}

void TestNomPort::nom() {
    QFETCH(int, numero);
    QFETCH(QString, variable);
    QFETCH(QString, nom);
    if (!variable.isEmpty())
        qputenv(qPrintable(QStringLiteral("LT840_COM%1").arg(numero)), variable.toLocal8Bit());
    // A variable for another port changes nothing.
    qputenv(qPrintable(QStringLiteral("LT840_COM%1").arg(numero % 5 + 1)), "/dev/autre");
    QCOMPARE(nomPeripherique(numero), nom);
}

QTEST_GUILESS_MAIN(TestNomPort)
#include "tst_nomport.moc"
