#include "BoardTimeline.h"
#include "UploadStream.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

using namespace vboard;
using namespace std::chrono_literals;

namespace {

const QByteArray ident = BoardProtocol::defaultIdent();
// Any fixed instant will do: the line model only looks at differences.
const TimePoint t0 = TimePoint{} + 1h;

// A full upload stream; no block starts with the 0 of the end block.
const QByteArray fullStream = QByteArray(1, OctetDebut) + QByteArray(TailleFlux - 1, '\1');

// "P" and one block of the stream for each of the first `count` blocks.
QByteArray blocks(const QByteArray& stream, int count) {
    QByteArray bytes;
    for (int b = 0; b < count; ++b)
        bytes += 'P' + stream.mid(b * TailleBloc, TailleBloc);
    return bytes;
}

// What reaches the editor `offset` after t0.
QString at(Clock::duration offset, const QByteArray& what) {
    return QStringLiteral("%1us %2")
        .arg(std::chrono::round<std::chrono::microseconds>(offset).count())
        .arg(what);
}

struct Run {
    QStringList bursts; // stamped with the time they reach the editor
    QByteArray replies;
    QByteArrayList programs;
};

// Writes `input` at t0 and runs the board to quiet or to a hang-up. The loop wakes half a byte
// time after each deadline, as a loaded machine would: replies must still keep the line's times.
Run run(Fault fault, const QByteArray& input) {
    BoardTimeline board(ident, fault);
    board.receive(input, t0);
    Run seen;
    while (const auto deadline = board.nextDeadline()) {
        const TimelineOutput out = board.advance(*deadline + kByteTime / 2);
        seen.programs += out.programs;
        for (const QByteArray& bytes : out.bursts) {
            seen.bursts << at(*deadline - t0, bytes);
            seen.replies += bytes;
        }
        if (out.hangup) {
            seen.bursts << at(*deadline - t0, "hangup");
            break;
        }
    }
    return seen;
}

} // namespace

class TestVirtualBoard : public QObject {
    Q_OBJECT

private slots:
    void dialogue_data() {
        QTest::addColumn<Fault>("fault");
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QByteArray>("replies");
        QTest::addColumn<QByteArrayList>("programs");

        QByteArray otherStream = fullStream;
        otherStream[5] = 'x';

        QTest::newRow("asterisks, unknown bytes and R unanswered, R discards the programming")
            << Fault::None << blocks(fullStream, 1) + QByteArray("**Z\0R*F", 7)
            << QByteArray("B?FR") << QByteArrayList();
        QTest::newRow("a block is 32 bytes whatever they are, a last ? included")
            << Fault::None << "P?***PFR" + QByteArray(24, '\1') + "??"
            << "B?" + ident << QByteArrayList();
        QTest::newRow("a 32-byte end block completes the program, F then hands nothing out")
            << Fault::None << blocks(fullStream, 1) + 'P' + QByteArray(31, '\0') + "?F"
            << QByteArray("B?B?FR") << QByteArrayList{fullStream.first(TailleBloc)};
        QTest::newRow("the last block is 24 bytes, bytes past the stream are dropped")
            << Fault::None
            << blocks(fullStream, 16) + 'P' + fullStream.mid(TailleBloc, TailleBloc) + 'F'
            << QByteArray("B?").repeated(17) + "FR" << QByteArrayList{fullStream};
        QTest::newRow("an upload after an aborted one starts over")
            << Fault::None
            << blocks(fullStream, 2) + blocks(otherStream, 1) + 'P' + QByteArray(32, '\0')
            << QByteArray("B?").repeated(4) << QByteArrayList{otherStream.first(TailleBloc)};
        QTest::newRow("wrongack refuses the block")
            << Fault::WrongAck << QByteArray("P?F") << "X" + ident + "FR" << QByteArrayList();
        QTest::newRow("asterisks: silent until 32 have come")
            << Fault::Asterisks << "?" + QByteArray(31, '*') + "?*?" << ident << QByteArrayList();
        QTest::newRow("stale: stray bytes ahead of the first identification only")
            << Fault::Stale << QByteArray("??") << "xy" + ident + ident << QByteArrayList();
    }

    void dialogue() {
        QFETCH(Fault, fault);
        QFETCH(QByteArray, input);
        QFETCH(QByteArray, replies);
        QFETCH(QByteArrayList, programs);

        const Run seen = run(fault, input);
        QCOMPARE(seen.replies, replies);
        QCOMPARE(seen.programs, programs);
    }

    void timing_data() {
        QTest::addColumn<Fault>("fault");
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QStringList>("bursts");

        const auto byte = kByteTime;
        // Each "?" takes one byte time to arrive, its 12-byte answer twelve more.
        QTest::newRow("a second reply queues behind the first")
            << Fault::None << QByteArray("??")
            << QStringList{at(13 * byte, ident), at(25 * byte, ident)};
        QTest::newRow("silent") << Fault::Silent << QByteArray("?PF") << QStringList{};
        QTest::newRow("late") << Fault::Late << QByteArray("P")
                              << QStringList{at(2 * byte + 2200ms, "B")};
        QTest::newRow("bytewise") << Fault::Bytewise << QByteArray("F")
                                  << QStringList{at(2 * byte, "F"), at(3 * byte, "R")};
        QTest::newRow("split, and a one-byte reply left whole")
            << Fault::Split << QByteArray("?P")
            << QStringList{at(2 * byte, "L"), at(13 * byte + 300ms, ident.sliced(1)),
                           at(14 * byte + 300ms, "B")};
        QTest::newRow("gapfr splits FR only")
            << Fault::GapFR << QByteArray("F?")
            << QStringList{at(2 * byte, "F"), at(3 * byte + 300ms, "R"),
                           at(15 * byte + 300ms, ident)};
        QTest::newRow("hangup after half the first block")
            << Fault::Hangup << "P" + QByteArray(1, OctetDebut) + QByteArray(31, '\1')
            << QStringList{at(2 * byte, "B"), at(17 * byte, "hangup")};
    }

    void timing() {
        QFETCH(Fault, fault);
        QFETCH(QByteArray, input);
        QFETCH(QStringList, bursts);

        QCOMPARE(run(fault, input).bursts, bursts);
    }

    void uploadLayout_data() {
        QTest::addColumn<QByteArray>("raw");
        QTest::addColumn<QString>("error"); // empty when the stream is accepted

        QTest::newRow("full stream") << fullStream << "";
        QTest::newRow("too long") << fullStream + "\1\1"
                                  << "longer than 504";
        QTest::newRow("start byte only") << fullStream.first(1) << "shorter than its head";
        QTest::newRow("half a record") << fullStream.first(3) << "ends inside a record";
        QTest::newRow("wrong start byte") << QByteArray("\x5A\1\1\xFF") << "start byte is 0x5a";
    }

    void uploadLayout() {
        QFETCH(QByteArray, raw);
        QFETCH(QString, error);

        QString problem;
        QCOMPARE(decodeUpload(raw, &problem).has_value(), error.isEmpty());
        QVERIFY2(problem.contains(error), qPrintable(problem));
    }

    // Lamp 0 is the most significant bit, and a lamp is lit when its bit is 0.
    void dump() {
        const auto upload = decodeUpload(QByteArray("\xA5\x19\1\x7F\x14\0\5\x20", 8));
        QVERIFY(upload);
        QCOMPARE(dumpUpload(*upload), QStringLiteral("time base 25 (200 ms)\n"
                                                     "record   0  duration  1  lamps #.......\n"
                                                     "record   1  duration 20  lamps ########\n"
                                                     "record   2  duration  5  lamps ##.#####\n"));
    }

    void identificationOverThePseudoTerminal() {
        QTemporaryDir dir;
        const QString log = dir.filePath(QStringLiteral("received.bin"));
        QProcess board;
        board.start(QStringLiteral(LT840_BOARD_EXE), {QStringLiteral("--log"), log});
        while (!board.canReadLine() && board.waitForReadyRead(5000)) {
        }
        const QByteArray device = board.readLine().trimmed();
        QVERIFY2(device.startsWith("/dev/"), device.constData());

        // The editor closes and reopens the port between commands: the line must survive that.
        for (int opening = 0; opening < 2; ++opening) {
            const TimePoint start = Clock::now();
            const int fd = ::open(device.constData(), O_RDWR | O_NOCTTY);
            pollfd port{fd, POLLIN, 0};
            QVERIFY(fd >= 0 && ::write(fd, "?", 1) == 1 && ::poll(&port, 1, 1000) > 0);
            // One read takes the whole reply: the board hands it over in one burst.
            char reply[64];
            const ssize_t count = ::read(fd, reply, sizeof reply);
            const Clock::duration took = Clock::now() - start;
            ::close(fd);
            QCOMPARE(QByteArray(reply, std::max<ssize_t>(count, 0)), ident);
            // "?" and the twelve bytes of the reply at 9600 baud, plus a little for scheduling.
            QVERIFY(took >= 13 * kByteTime && took < 13 * kByteTime + 100ms);
        }

        board.terminate();
        QVERIFY(board.waitForFinished(5000));
        QCOMPARE(board.exitStatus(), QProcess::NormalExit);
        QCOMPARE(board.exitCode(), 0);
        QFile received(log);
        QVERIFY(received.open(QIODevice::ReadOnly));
        QCOMPARE(received.readAll(), QByteArray("??"));
    }
};

QTEST_GUILESS_MAIN(TestVirtualBoard)
#include "tst_virtualboard.moc"
