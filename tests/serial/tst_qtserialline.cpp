#include "VirtualBoard.h"
#include "board/BoardLink.h"
#include "board/PortChoice.h"
#include "model/BoardFormat.h"
#include "serial/QtClock.h"
#include "serial/QtSerialLine.h"

#include <QSerialPort>
#include <QTest>

#include <optional>

namespace {

// The link's dialogue on the event loop, run to its end.
bool opened(BoardLink& link) {
    std::optional<bool> opened;
    link.openPort({}, [&](bool o) { opened = o; });
    return QTest::qWaitFor([&] { return opened.has_value(); }, 10000) && *opened;
}

void exchange(BoardLink& link, const QByteArray& message, int replyLength) {
    bool done = false;
    link.exchange(message, replyLength, [&] { done = true; });
    QVERIFY(QTest::qWaitFor([&] { return done; }, 10000));
}

} // namespace

// What only the real adapter on a real line shows: bursts, the drain at close, a lost line.
class TstQtSerialLine : public QObject {
    Q_OBJECT

private slots:
    // A reply sent in two parts is read whole; a one-byte wait takes the first part and the
    // next exchange gets the rest; the last write before a close reaches the board.
    void splitReplyAndClose() {
        VirtualBoard board;
        QCOMPARE(board.start({"--fault", "split"}), QString());
        QtClock clock;
        QtSerialLine line;
        BoardLink link(line, clock);
        QVERIFY(opened(link));
        QCOMPARE(link.reply(), QByteArray(boardformat::Identification));
        exchange(link, "?", 1);
        QCOMPARE(link.reply(), QByteArray("L"));
        QTRY_COMPARE_WITH_TIMEOUT(line.bytesWaiting(), 11, 10000);
        exchange(link, "R", 0);
        QCOMPARE(link.reply(), QByteArray("T840:V1.02 "));
        const QByteArray last = QByteArray(32, '*') + "R";
        QCOMPARE(line.write(last), 0);
        line.close();
        QVERIFY(board.waitForReceivedTail(last, 10000)); // the board logs in its own time
        QCOMPARE(board.received(), "??R" + last);
        QVERIFY(board.stop());
    }

    // A board that hangs up in a block, or goes between two exchanges, makes the reads fail;
    // the user is told once why the line went, and the line stays silent until it is closed.
    void boardThatHangsUp_data() {
        QTest::addColumn<bool>("stop");
        QTest::newRow("hangs up in a block") << false;
        QTest::newRow("stopped between two exchanges") << true;
    }
    void boardThatHangsUp() {
        QFETCH(bool, stop);
        VirtualBoard board;
        QCOMPARE(board.start({"--fault", "hangup"}), QString());
        QtClock clock;
        QtSerialLine line;
        BoardLink link(line, clock);
        QVERIFY(opened(link));
        exchange(link, "P", 1);
        if (stop)
            QVERIFY(board.stop());
        exchange(link, QByteArray(32, char(0xA5)), 1);
        exchange(link, "F", 1);
        QCOMPARE(link.state(), BoardLink::State::Silent);
        QVERIFY(line.isOpen());
        line.close();
        QVERIFY(!line.isOpen());
        QStringList seen;
        for (const Report& r : link.takeReports())
            seen << r.text;
        const QString read = "ERREUR :" + QString::number(QSerialPort::ReadError);
        const QString gone = "ERREUR :" + QString::number(QSerialPort::ResourceError);
        QVERIFY2(seen.size() == 1 && (seen[0] == read || seen[0] == gone),
                 qPrintable(seen.join(u'\n')));
    }
};

QTEST_GUILESS_MAIN(TstQtSerialLine)
#include "tst_qtserialline.moc"
