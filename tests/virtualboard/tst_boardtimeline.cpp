#include "BoardTimeline.h"

#include <QTest>

using namespace vboard;
using namespace std::chrono_literals;

namespace {

// Any fixed instant will do: the line model only looks at differences.
const TimePoint t0 = TimePoint{} + 1h;

qint64 micros(Clock::duration offset) {
    return std::chrono::duration_cast<std::chrono::microseconds>(offset + 500ns).count();
}

// A burst handed to the editor `byteTimes` byte times plus `pause` after t0.
QString burst(int byteTimes, std::chrono::milliseconds pause, const QByteArray& bytes) {
    return QStringLiteral("%1us %2").arg(micros(byteTimes * kByteTime + pause)).arg(bytes);
}

// Runs the board to quiet, waking at every deadline it asks for.
QStringList bursts(BoardTimeline& board) {
    QStringList seen;
    while (const auto deadline = board.nextDeadline()) {
        for (const QByteArray& bytes : board.advance(*deadline).bursts)
            seen << QStringLiteral("%1us %2").arg(micros(*deadline - t0)).arg(bytes);
    }
    return seen;
}

} // namespace

class TestBoardTimeline : public QObject {
    Q_OBJECT

private slots:
    void pacing_data();
    void pacing();
    void replies_data();
    void replies();
    void lateWakeUpDoesNotDelayTheReply();
    void hangupInTheMiddleOfTheFirstBlock_data();
    void hangupInTheMiddleOfTheFirstBlock();
};

void TestBoardTimeline::pacing_data() {
    QTest::addColumn<QList<qint64>>("writtenAtNs");
    QTest::addColumn<QList<qint64>>("completeAtNs");

    const qint64 byte = kByteTime.count();
    QTest::newRow("back to back") << QList<qint64>{0, 0, 0}
                                  << QList<qint64>{byte, 2 * byte, 3 * byte};
    QTest::newRow("idle line starts afresh")
        << QList<qint64>{0, 5'000'000} << QList<qint64>{byte, 5'000'000 + byte};
    QTest::newRow("written while the line is busy")
        << QList<qint64>{0, byte / 2, byte * 3 / 2} << QList<qint64>{byte, 2 * byte, 3 * byte};
}

void TestBoardTimeline::pacing() {
    QFETCH(QList<qint64>, writtenAtNs);
    QFETCH(QList<qint64>, completeAtNs);

    LinePacer line;
    QList<qint64> got;
    for (qint64 at : writtenAtNs)
        got << (line.schedule(t0 + std::chrono::nanoseconds(at)) - t0).count();
    QCOMPARE(got, completeAtNs);
}

void TestBoardTimeline::replies_data() {
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QStringList>("expected");

    const QByteArray ident = BoardProtocol::defaultIdent();
    // "?" takes one byte time to arrive, the 12-byte answer twelve more.
    QTest::newRow("identification in one burst")
        << Fault::None << QByteArray("?") << QStringList{burst(13, 0ms, ident)};
    QTest::newRow("FR in one burst")
        << Fault::None << QByteArray("F") << QStringList{burst(3, 0ms, "FR")};
    QTest::newRow("second reply queues behind the first")
        << Fault::None << QByteArray("??")
        << QStringList{burst(13, 0ms, ident), burst(25, 0ms, ident)};
    QTest::newRow("silent") << Fault::Silent << QByteArray("?PF") << QStringList{};
    QTest::newRow("late") << Fault::Late << QByteArray("P") << QStringList{burst(2, 2200ms, "B")};
    QTest::newRow("bytewise") << Fault::Bytewise << QByteArray("F")
                              << QStringList{burst(2, 0ms, "F"), burst(3, 0ms, "R")};
    QTest::newRow("split") << Fault::Split << QByteArray("?")
                           << QStringList{burst(2, 0ms, "L"), burst(13, 300ms, ident.sliced(1))};
    QTest::newRow("split leaves one byte whole")
        << Fault::Split << QByteArray("P") << QStringList{burst(2, 0ms, "B")};
    QTest::newRow("gapfr splits FR")
        << Fault::GapFR << QByteArray("F") << QStringList{burst(2, 0ms, "F"), burst(3, 300ms, "R")};
    QTest::newRow("gapfr leaves other replies whole")
        << Fault::GapFR << QByteArray("?") << QStringList{burst(13, 0ms, ident)};
}

void TestBoardTimeline::replies() {
    QFETCH(Fault, fault);
    QFETCH(QByteArray, input);
    QFETCH(QStringList, expected);

    BoardTimeline board(BoardProtocol::defaultIdent(), fault);
    board.receive(input, t0);
    QCOMPARE(bursts(board), expected);
}

// The board's loop may wake up late; the reply must still leave when the line says so.
void TestBoardTimeline::lateWakeUpDoesNotDelayTheReply() {
    BoardTimeline board;
    board.receive("?", t0);
    QVERIFY(board.advance(t0 + 5ms).bursts.isEmpty());
    QCOMPARE(board.nextDeadline(), std::optional(t0 + 13 * kByteTime));
    QCOMPARE(board.advance(t0 + 20ms).bursts, QList<QByteArray>{BoardProtocol::defaultIdent()});
}

void TestBoardTimeline::hangupInTheMiddleOfTheFirstBlock_data() {
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<bool>("hangsUp");

    QTest::newRow("hangup") << Fault::Hangup << true;
    QTest::newRow("sound board") << Fault::None << false;
}

void TestBoardTimeline::hangupInTheMiddleOfTheFirstBlock() {
    QFETCH(Fault, fault);
    QFETCH(bool, hangsUp);

    BoardTimeline board(BoardProtocol::defaultIdent(), fault);
    board.receive(QByteArray("P") + kStartByte + QByteArray(31, '\1'), t0);
    // "P" and the first 15 bytes of the block.
    QVERIFY(!board.advance(t0 + 16 * kByteTime).hangup);
    QCOMPARE(board.advance(t0 + 17 * kByteTime).hangup, hangsUp);
    QCOMPARE(board.advance(t0 + 1s).hangup, false);
}

QTEST_GUILESS_MAIN(TestBoardTimeline)
#include "tst_boardtimeline.moc"
