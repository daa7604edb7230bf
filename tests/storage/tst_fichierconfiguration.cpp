#include "storage/FichierConfiguration.h"

#include <QtTest>

class TstFichierConfiguration : public QObject {
    Q_OBJECT
private slots:
    void ecriture_data() {
        QTest::addColumn<int>("port");
        QTest::addColumn<QString>("texte");
        QTest::addColumn<QByteArray>("octets");
        QTest::newRow("COM2") << 1 << "*.dat" << QByteArray(" 1 \r\n*.dat\r\n");
        QTest::newRow("negatif") << -32768 << "a b" << QByteArray("-32768 \r\na b\r\n");
        QTest::newRow("latin-1") << 3 << QString::fromLatin1("\xe9t\xe9")
                                 << QByteArray(" 3 \r\n\xe9t\xe9\r\n");
    }
    void ecriture() {
        QFETCH(int, port);
        QFETCH(QString, texte);
        QFETCH(QByteArray, octets);
        QCOMPARE(ecrireConfiguration(qint16(port), texte), octets);
    }

    void lecture_data() {
        QTest::addColumn<QByteArray>("octets");
        QTest::addColumn<bool>("portLu");
        QTest::addColumn<int>("port");
        QTest::addColumn<bool>("texteLu");
        QTest::addColumn<QString>("texte");
        auto ligne = [](const char* nom, const QByteArray& octets, bool portLu, int port,
                        bool texteLu, const QString& texte) {
            QTest::newRow(nom) << octets << portLu << port << texteLu << texte;
        };
        ligne("COM2", " 1 \r\n*.dat\r\n", true, 1, true, "*.dat");
        ligne("autre texte", " 3 \r\n  autre texte\r\n", true, 3, true, "autre texte");
        ligne("une seule ligne", " 2 \r\n", true, 2, false, {});
        ligne("vide", "", false, 0, false, {});
        ligne("hors 16 bits", "70000\r\nx\r\n", false, 0, false, {});
        ligne("minimum", "-32768\r\nx", true, -32768, true, "x");
        ligne("pas un nombre", "abc\r\nx\r\n", true, 0, true, "x");
        ligne("nombre fini par un blanc", " 1 2\r\n", true, 1, true, "2");
        ligne("virgule", " 1 ,a,b\r\n", true, 1, true, "a");
        ligne("fins LF", "1\nlf\n", true, 1, true, "lf");
        ligne("deuxieme ligne vide", " 1 \r\n\r\n", true, 1, true, "");
        ligne("latin-1", "0\r\n\xe9\r\n", true, 0, true, QString::fromLatin1("\xe9"));
    }
    void lecture() {
        QFETCH(QByteArray, octets);
        QFETCH(bool, portLu);
        QFETCH(int, port);
        QFETCH(bool, texteLu);
        QFETCH(QString, texte);
        const LectureConfiguration lue = lireConfiguration(octets);
        QCOMPARE(lue.port.has_value(), portLu);
        QCOMPARE(lue.port.value_or(0), qint16(port));
        QCOMPARE(lue.texte.has_value(), texteLu);
        QCOMPARE(lue.texte.value_or(QString()), texte);
    }
};

QTEST_GUILESS_MAIN(TstFichierConfiguration)
#include "tst_fichierconfiguration.moc"
