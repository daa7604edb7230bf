#include "VirtualBoard.h"
#include "board/BoardLink.h"
#include "board/PortChoice.h"
#include "model/BoardFormat.h"
#include "serial/QtClock.h"
#include "serial/QtSerialLine.h"

#include <QSerialPort>
#include <QTest>

// What only the real adapter on a real line shows: bursts, the drain at close, a lost line.
// The board is reached on COM 1, which the virtual board makes lead to its pseudo-terminal.
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
        QVERIFY(link.openPort({}));
        QCOMPARE(link.reply(), QByteArray(boardformat::Identification));
        link.exchange("?", 1);
        QCOMPARE(link.reply(), QByteArray("L"));
        QTRY_COMPARE_WITH_TIMEOUT(line.bytesWaiting(), 11, 10000);
        link.exchange("R", 0);
        QCOMPARE(link.reply(), QByteArray("T840:V1.02 "));
        const QByteArray last = QByteArray(32, '*') + "R";
        QCOMPARE(line.write(last), 0);
        line.close();
        QVERIFY(board.waitForReceivedTail(last, 10000)); // the board logs in its own time
        QCOMPARE(board.received(), "??R" + last);
        QVERIFY(board.stop());
    }

    // A board that hangs up in a block, or goes between two exchanges, makes the reads fail;
    // the user is told once why the line went, and the next opening finds the port gone.
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
        QVERIFY(link.openPort({}));
        link.exchange("P", 1);
        if (stop)
            QVERIFY(board.stop());
        link.exchange(QByteArray(32, char(0xA5)), 1);
        link.exchange("F", 1);
        QCOMPARE(link.state(), BoardLink::State::Silent);
        QVERIFY(!link.openPort({}));
        QStringList seen;
        for (const Report& r : link.takeReports())
            seen << r.text;
        const QString read = "ERREUR :" + QString::number(QSerialPort::ReadError);
        const QString gone = "ERREUR :" + QString::number(QSerialPort::ResourceError);
        QVERIFY2(seen.size() == 2 && (seen[0] == read || seen[0] == gone) &&
                     seen[1].startsWith("COM1: n'est pas disponible"),
                 qPrintable(seen.join(u'\n')));
    }
};

QTEST_GUILESS_MAIN(TstQtSerialLine)
#include "tst_qtserialline.moc"
