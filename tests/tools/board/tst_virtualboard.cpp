#include "board/BoardTimeline.h"
#include "board/ReceivedStream.h"

#include <QTest>

using namespace virtualboard;
using namespace std::chrono_literals;
using namespace boardformat;

namespace {

const QByteArray id = Identification;
const Instant t0 = Instant{} + 1h; // the line model only looks at differences
// A full upload stream; no block starts with the 0 of the end block.
const QByteArray full = QByteArray(1, StartByte) + QByteArray(StreamSize - 1, '\1');

QByteArray blocks(const QByteArray& stream, int count) {
    QByteArray bytes;
    for (int b = 0; b < count; ++b)
        bytes += 'P' + stream.mid(b * BlockSize, BlockSize);
    return bytes;
}

// `input` written at t0: the replies, each burst "@<byte times after t0>" when `timed`.
struct Case {
    const char* name;
    Fault fault;
    bool timed;
    QByteArray input, replies;
    QByteArray streams{}; // one a line
};

} // namespace

class TestVirtualBoard : public QObject {
    Q_OBJECT

private slots:
    void exchange_data() {
        QTest::addColumn<Case>("c");
        QByteArray other = full;
        other[5] = 'x';
        using enum Fault;
        const Case cases[] = {
            {"**, unknown bytes, R unanswered; R drops the program", None, false,
             blocks(full, 1) + QByteArray("**Z\0R*F", 7), "B?FR"},
            {"32-byte end block, then F hands nothing out", None, false,
             blocks(full, 1) + 'P' + QByteArray(31, '\0') + "?F", "B?B?FR", full.first(BlockSize)},
            {"last block of 24 bytes, bytes past the stream dropped", None, false,
             blocks(full, 16) + 'P' + full.mid(BlockSize, BlockSize) + 'F',
             QByteArray("B?").repeated(17) + "FR", full},
            {"an upload after an aborted one starts over", None, false,
             blocks(full, 2) + blocks(other, 1) + 'P' + QByteArray(32, '\0'),
             QByteArray("B?").repeated(4), other.first(BlockSize)},
            {"asterisks: silent until 32 have come", Asterisks, false,
             "?" + QByteArray(31, '*') + "?*?", id},
            // A "?" takes one byte time to arrive, its answer twelve more; 300 ms is 288.
            {"replies queue", None, true, "??", id + "@13 " + id + "@25"},
            {"split, a one-byte reply whole", Split, true, "?P", "L@2 T840:V1.02 @301 B@302"},
            {"hangup halfway through a block", HangUp, true,
             "P" + QByteArray(1, StartByte) + QByteArray(31, '\1'), "B@2 hangup@17"}};
        for (const Case& c : cases)
            QTest::newRow(c.name) << c;
    }
    // Woken half a byte time late, as on a loaded machine, replies keep the line's times.
    void exchange() {
        QFETCH(Case, c);
        BoardTimeline board(id, c.fault);
        board.receive(c.input, t0);
        QByteArrayList bursts, streams;
        while (const auto deadline = board.nextDeadline()) {
            const TimelineOutput output = board.advance(*deadline + ByteTime / 2);
            const double byteTimes = std::chrono::duration<double>(*deadline - t0) / ByteTime;
            const QByteArray when = c.timed ? "@" + QByteArray::number(byteTimes) : QByteArray();
            streams += output.streams;
            for (const QByteArray& bytes : output.bursts)
                bursts << bytes + when;
            if (output.hangUp) {
                bursts << "hangup" + when;
                break;
            }
        }
        QCOMPARE(bursts.join(c.timed ? " " : ""), c.replies);
        QCOMPARE(streams.join('\n'), c.streams);
    }

    // A stream that ends inside a record is refused; a whole one is decoded.
    void streamLayout() { QVERIFY(!decodeStream(full.chopped(1)) && decodeStream(full)); }
};

QTEST_GUILESS_MAIN(TestVirtualBoard)
#include "tst_virtualboard.moc"
