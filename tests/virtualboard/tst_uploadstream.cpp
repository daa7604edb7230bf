#include "UploadStream.h"

#include <QTest>

using namespace vboard;

namespace {

QByteArray stream(quint8 timeBase, const QByteArray& records) {
    return QByteArray(1, char(0xA5)) + char(timeBase) + records;
}

QString lamps(const UploadRecord& record) {
    QString text;
    for (bool lit : record.lit)
        text += lit ? QLatin1Char('#') : QLatin1Char('.');
    return text;
}

} // namespace

class TestUploadStream : public QObject {
    Q_OBJECT

private slots:
    void lampByte_data();
    void lampByte();
    void layout_data();
    void layout();
    void dump();
};

void TestUploadStream::lampByte_data() {
    QTest::addColumn<quint8>("byte");
    QTest::addColumn<QString>("lit");

    QTest::newRow("0x7F lamp 0 alone") << quint8(0x7F) << "#.......";
    QTest::newRow("0xFE lamp 7 alone") << quint8(0xFE) << ".......#";
    QTest::newRow("0x7E lamps 0 and 7") << quint8(0x7E) << "#......#";
    QTest::newRow("0xFF none") << quint8(0xFF) << "........";
    QTest::newRow("0x00 all") << quint8(0x00) << "########";
    QTest::newRow("0x20 all but lamp 2") << quint8(0x20) << "##.#####";
}

void TestUploadStream::lampByte() {
    QFETCH(quint8, byte);
    QFETCH(QString, lit);

    const auto upload = decodeUpload(stream(12, QByteArray(1, '\5') + char(byte)));
    QVERIFY(upload);
    QCOMPARE(upload->records.size(), 1);
    QCOMPARE(upload->records[0].duration, 5);
    QCOMPARE(lamps(upload->records[0]), lit);
}

void TestUploadStream::layout_data() {
    QTest::addColumn<QByteArray>("raw");
    QTest::addColumn<int>("records"); // -1: rejected
    QTest::addColumn<QString>("error");

    QTest::newRow("full stream") << stream(1, QByteArray(502, '\1')) << 251 << "";
    QTest::newRow("cut short by the end block") << stream(1, QByteArray(30, '\1')) << 15 << "";
    QTest::newRow("head only") << stream(1, {}) << 0 << "";
    QTest::newRow("empty") << QByteArray() << -1 << "shorter than its head";
    QTest::newRow("start byte only") << QByteArray(1, char(0xA5)) << -1 << "shorter than its head";
    QTest::newRow("longer than a stream")
        << stream(1, QByteArray(504, '\1')) << -1 << "longer than 504";
    QTest::newRow("half a record") << stream(1, "\1") << -1 << "ends inside a record";
    QTest::newRow("wrong start byte") << QByteArray("\x5A\1\1\xFF") << -1 << "start byte is 0x5a";
}

void TestUploadStream::layout() {
    QFETCH(QByteArray, raw);
    QFETCH(int, records);
    QFETCH(QString, error);

    QString problem;
    const auto upload = decodeUpload(raw, &problem);
    QCOMPARE(upload ? int(upload->records.size()) : -1, records);
    QVERIFY2(problem.contains(error) && problem.isEmpty() == error.isEmpty(), qPrintable(problem));
}

void TestUploadStream::dump() {
    const auto upload = decodeUpload(stream(25, QByteArray("\1\x7F\x14\0", 4)));
    QVERIFY(upload);
    QCOMPARE(dumpUpload(*upload), QStringLiteral("time base 25 (200 ms)\n"
                                                 "record   0  duration  1  lamps #.......\n"
                                                 "record   1  duration 20  lamps ########\n"));
}

QTEST_GUILESS_MAIN(TestUploadStream)
#include "tst_uploadstream.moc"
