#include "BoardProtocol.h"
#include "LinePacer.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

using namespace vboard;

namespace {

// Opens the device as any serial program would, without Qt in between.
int openPort(const QByteArray& device) {
    return ::open(device.constData(), O_RDWR | O_NOCTTY);
}

struct Exchange {
    QList<QByteArray> reads; // one entry per read() that returned data
    Clock::duration took{};
};

// Writes `message` and reads until `expected` bytes have come or a second has passed.
Exchange exchange(int fd, const QByteArray& message, int expected) {
    Exchange result;
    const TimePoint start = Clock::now();
    if (::write(fd, message.constData(), size_t(message.size())) != message.size())
        return result;
    qsizetype received = 0;
    pollfd port{fd, POLLIN, 0};
    while (received<expected&& ::poll(&port, 1, 1000)> 0) {
        char buffer[64];
        const ssize_t count = ::read(fd, buffer, sizeof buffer);
        if (count <= 0)
            break;
        result.reads << QByteArray(buffer, count);
        received += count;
    }
    result.took = Clock::now() - start;
    return result;
}

} // namespace

class TestBoardPty : public QObject {
    Q_OBJECT

private slots:
    void identificationOverThePseudoTerminal();
};

void TestBoardPty::identificationOverThePseudoTerminal() {
    QTemporaryDir dir;
    const QString log = dir.filePath(QStringLiteral("received.bin"));
    QProcess board;
    board.start(QStringLiteral(LT840_BOARD_EXE), {QStringLiteral("--log"), log});
    QVERIFY(board.waitForStarted());
    while (!board.canReadLine() && board.waitForReadyRead(5000)) {
    }
    const QByteArray device = board.readLine().trimmed();
    QVERIFY2(device.startsWith("/dev/"), device.constData());

    // The editor closes and reopens the port between commands: the line must survive that.
    for (int opening = 0; opening < 2; ++opening) {
        const int fd = openPort(device);
        QVERIFY2(fd >= 0, device.constData());
        const Exchange ident = exchange(fd, "?", 12);
        ::close(fd);
        QCOMPARE(ident.reads, QList<QByteArray>{BoardProtocol::defaultIdent()});
        // "?" and the twelve bytes of the reply on a 9600-baud line; scheduling may add a little.
        QVERIFY2(ident.took >= 13 * kByteTime &&
                     ident.took < 13 * kByteTime + std::chrono::milliseconds(100),
                 qPrintable(QStringLiteral("%1 us").arg(ident.took.count() / 1000)));
    }

    board.terminate();
    QVERIFY(board.waitForFinished(5000));
    QCOMPARE(board.exitStatus(), QProcess::NormalExit);
    QCOMPARE(board.exitCode(), 0);
    QFile received(log);
    QVERIFY(received.open(QIODevice::ReadOnly));
    QCOMPARE(received.readAll(), QByteArray("??"));
}

QTEST_GUILESS_MAIN(TestBoardPty)
#include "tst_boardpty.moc"
