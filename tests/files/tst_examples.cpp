#include "files/SequenceFile.h"

#include <QDir>
#include <QtTest>

// The example sequences shipped with the program: each one a sequence the board takes, which
// the editor opens and saves back unchanged.
class TstExamples : public QObject {
    Q_OBJECT
private slots:
    void examples_data() {
        QTest::addColumn<QString>("path");
        const QDir folder(QStringLiteral(LT840_EXAMPLES));
        const QFileInfoList files = folder.entryInfoList({QStringLiteral("*.dat")}, QDir::Files);
        QVERIFY(files.size() >= 8);
        for (const QFileInfo& file : files)
            QTest::newRow(qPrintable(file.fileName())) << file.absoluteFilePath();
    }
    void examples() {
        QFETCH(QString, path);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        const std::optional<QList<Frame>> records = readSequenceFile(bytes);
        QVERIFY(records);
        QVERIFY(!records->isEmpty() && records->size() <= Sequence::BoardCapacity);
        QCOMPARE(writeSequenceFile(Sequence::loaded(*records)), bytes);
    }
};

QTEST_APPLESS_MAIN(TstExamples)
#include "tst_examples.moc"
