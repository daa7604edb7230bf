#include "BoardProtocol.h"

#include <QTest>

using namespace vboard;

namespace {

// A full upload stream whose every block starts with a non-zero byte, so none reads as the end.
QByteArray fullStream() {
    QByteArray stream(kStreamSize, '\0');
    stream[0] = kStartByte;
    stream[1] = 12;
    for (int at = 2; at < kStreamSize; at += 2) {
        stream[at] = 1 + at % 5;
        stream[at + 1] = char(at);
    }
    return stream;
}

// "P" and one block of the stream for each of the first `count` blocks.
QByteArray blocks(const QByteArray& stream, int count) {
    QByteArray bytes;
    for (int b = 0; b < count; ++b)
        bytes += 'P' + stream.mid(b * kBlockSize, kBlockSize);
    return bytes;
}

QByteArray zeros(int count) {
    return QByteArray(count, '\0');
}

} // namespace

class TestBoardProtocol : public QObject {
    Q_OBJECT

private slots:
    void dialogue_data();
    void dialogue();
};

void TestBoardProtocol::dialogue_data() {
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QByteArray>("replies");
    QTest::addColumn<QByteArrayList>("programs");

    const QByteArray ident = BoardProtocol::defaultIdent();
    const QByteArray stream = fullStream();
    const QByteArray block0 = stream.first(kBlockSize);
    QByteArray otherStream = stream;
    otherStream[5] = 'x';

    QTest::newRow("identification") << Fault::None << QByteArray("?") << ident << QByteArrayList();
    QTest::newRow("asterisks and unknown bytes stay unanswered")
        << Fault::None << QByteArray("**Z*") + zeros(2) << QByteArray() << QByteArrayList();
    QTest::newRow("P announces a block")
        << Fault::None << QByteArray("P") << QByteArray("B") << QByteArrayList();
    QTest::newRow("31 bytes are not yet a block")
        << Fault::None << QByteArray("P") + block0.first(31) << QByteArray("B") << QByteArrayList();
    QTest::newRow("a block is read whole, whatever its bytes")
        << Fault::None << QByteArray("P") + "?***PFR" + block0.sliced(7) + "?"
        << QByteArray("B?") + ident << QByteArrayList();
    QTest::newRow("end block completes the program")
        << Fault::None << blocks(stream, 1) + 'P' + zeros(32) << QByteArray("B?B?")
        << QByteArrayList{block0};
    QTest::newRow("end block is 32 bytes long") << Fault::None << QByteArray("P") + zeros(31) + "?"
                                                << QByteArray("B?") << QByteArrayList{""};
    QTest::newRow("sixteen blocks, the last of 24 bytes, then F")
        << Fault::None << blocks(stream, 16) + 'F' << QByteArray("B?").repeated(16) + "FR"
        << QByteArrayList{stream};
    QTest::newRow("bytes past the end of the stream are dropped")
        << Fault::None << blocks(stream, 16) + 'P' + stream.mid(kBlockSize, kBlockSize) + 'F'
        << QByteArray("B?").repeated(17) + "FR" << QByteArrayList{stream};
    QTest::newRow("F ends a programming cut short")
        << Fault::None << blocks(stream, 2) + 'F' << QByteArray("B?B?FR")
        << QByteArrayList{stream.first(64)};
    QTest::newRow("F without a programming hands nothing out")
        << Fault::None << blocks(stream, 1) + 'P' + zeros(32) + 'F' << QByteArray("B?B?FR")
        << QByteArrayList{block0};
    QTest::newRow("R discards the programming")
        << Fault::None << blocks(stream, 1) + "RF" << QByteArray("B?FR") << QByteArrayList();
    QTest::newRow("an upload after an aborted one starts over")
        << Fault::None << blocks(stream, 2) + blocks(otherStream, 1) + 'P' + zeros(32)
        << QByteArray("B?").repeated(4) << QByteArrayList{otherStream.first(kBlockSize)};

    QTest::newRow("wrongack refuses the block")
        << Fault::WrongAck << QByteArray("P?F") << QByteArray("X") + ident + "FR"
        << QByteArrayList();
    QTest::newRow("asterisks: 31 are not enough")
        << Fault::Asterisks << QByteArray("?") + QByteArray(31, '*') + "?" << QByteArray()
        << QByteArrayList();
    QTest::newRow("asterisks: answers after 32")
        << Fault::Asterisks << QByteArray("?") + QByteArray(32, '*') + "??" << ident + ident
        << QByteArrayList();
    QTest::newRow("stale: stray bytes ahead of the first identification only")
        << Fault::Stale << QByteArray("??") << "xy" + ident + ident << QByteArrayList();
}

void TestBoardProtocol::dialogue() {
    QFETCH(Fault, fault);
    QFETCH(QByteArray, input);
    QFETCH(QByteArray, replies);
    QFETCH(QByteArrayList, programs);

    BoardProtocol board(BoardProtocol::defaultIdent(), fault);
    QByteArray gotReplies;
    QByteArrayList gotPrograms;
    for (char byte : input) {
        const BoardStep step = board.feed(byte);
        gotReplies += step.reply;
        if (step.program)
            gotPrograms << *step.program;
    }
    QCOMPARE(gotReplies, replies);
    QCOMPARE(gotPrograms, programs);
}

QTEST_GUILESS_MAIN(TestBoardProtocol)
#include "tst_boardprotocol.moc"
