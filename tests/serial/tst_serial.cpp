#include "FakeSerialLine.h"
#include "board/BoardSession.h"
#include "model/Sequence.h"
#include "serial/LinkTrace.h"
#include "serial/PortList.h"

#include <QTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(QList<PortInfo>)

namespace {

const PortInfo Usb{u"ttyUSB0"_s, u"/dev/ttyUSB0"_s, u"USB-Serial Controller"_s, 0x0403, {}};
const PortInfo Acm{u"ttyACM0"_s, u"/dev/ttyACM0"_s, {}, 0x2341, 0x0043};
const PortInfo S10{u"ttyS10"_s, u"/dev/ttyS10"_s, {}, {}, {}};
const PortInfo S2{u"ttyS2"_s, u"/dev/ttyS2"_s, {}, {}, {}};
const QString UsbLabel = u"ttyUSB0 — USB-Serial Controller (USB 0403) = /dev/ttyUSB0"_s;

} // namespace

// The trace of the exchanges with a scripted board on a fake clock; the devices offered.
class TstSerial : public QObject {
    Q_OBJECT

    enum Board { Sound, Silent, WriteError, TwoCommands, Upload };

private slots:
    // Every line when the board answers, else only the failures, which end on whole seconds.
    void trace_data() {
        QTest::addColumn<int>("board");
        QTest::addColumn<QStringList>("expected");
        const QString opening = u"     0 ms  ·  ouverture de COM1 (/dev/pts/7)"_s;
        QTest::newRow("identification answered")
            << int(Sound)
            << QStringList{opening, u"     0 ms  →  identification     1 octet   3f  |?|"_s,
                           u"     5 ms  ←  identification    12 octets  4c 54 38 34 30 3a 56 31 "
                           "2e 30 20 7f  |LT840:V1.0 .|"_s};
        QTest::newRow("silent board: each sending, then the query, then the box")
            << int(Silent)
            << QStringList{u"  1000 ms  ✗  identification : pas de réponse, second envoi"_s,
                           u"  2000 ms  ✗  identification : pas de réponse"_s,
                           u"  3000 ms  ✗  identification : pas de réponse, second envoi"_s,
                           u"  4000 ms  ✗  identification : pas de réponse"_s,
                           u"  4000 ms  ✗  identification : DEFAUT DE DIALOGUE"_s};
        // The exchange whose write failed still awaits its reply: its second sending is one.
        QTest::newRow("a failed write")
            << int(WriteError)
            << QStringList{u"     0 ms  ✗  identification : erreur d'écriture 8005"_s,
                           u"     0 ms  ✗  identification : ERREUR :8005"_s,
                           u"  1000 ms  ✗  identification : pas de réponse, second envoi"_s};
        QTest::newRow("the messages of an upload")
            << int(Upload)
            << QStringList{u"identification"_s, u"identification"_s, u"P (bloc 1)"_s, u"bloc 1"_s,
                           u"P (bloc 2)"_s,     u"bloc de fin"_s,    u"F"_s,          u"R"_s};
        // The next command closes the port left open, counting from its start.
        QTest::newRow("two commands")
            << int(TwoCommands) << QStringList{u"     0 ms  ·  fermeture"_s, opening};
    }
    void trace() {
        QFETCH(int, board);
        FakeClock clock;
        FakeSerialLine line(clock);
        QStringList lines;
        LinkTrace trace(
            line, clock, [&lines](const QString& l) { lines << l; },
            LinkTrace::Origin::EachCommand);
        BoardSession session(trace, clock);
        qputenv("LT840_COM1", "/dev/pts/7");
        if (board == Sound)
            line.answer("?", "LT840:V1.0 \x7f");
        else if (board != Silent)
            line.soundBoard();
        if (board == WriteError)
            line.writeErrors.enqueue(8005);
        if (board == Upload) {
            Sequence s;
            s.setLength(20);
            session.upload(s, 0);
        } else if (board == TwoCommands) {
            session.testBoard();
            clock.advance(5000);
            session.testBoard();
            clock.run();
            lines = lines.mid(3, 2);
        } else {
            session.identifyBoard();
        }
        clock.run();
        qunsetenv("LT840_COM1");
        if (board == Upload) // the names of the messages sent
            for (QString& l : lines = lines.filter(u"→"_s))
                l = l.mid(14, 16).trimmed();
        QTEST(board == Silent || board == WriteError ? lines.filter(u"✗"_s) : lines, "expected");
    }

    // The devices under COM 1..4 in "Port série", from what the system reports.
    void entries_data() {
        QTest::addColumn<QList<PortInfo>>("infos");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("USB ids in hex, zero-padded, a missing product left out, natural order")
            << QList<PortInfo>{S10, Usb, S2, Acm} << QString()
            << QStringList{u"[ ] ttyACM0 (USB 2341:0043) = /dev/ttyACM0"_s,
                           u"[ ] ttyS2 = /dev/ttyS2"_s, u"[ ] ttyS10 = /dev/ttyS10"_s,
                           "[ ] " + UsbLabel};
        QTest::newRow("the device in force ticked, a device reported twice listed once")
            << QList<PortInfo>{Usb, S2, Usb} << u"/dev/ttyUSB0"_s
            << QStringList{u"[ ] ttyS2 = /dev/ttyS2"_s, "[x] " + UsbLabel};
    }
    void entries() {
        QFETCH(QList<PortInfo>, infos);
        QFETCH(QString, chosen);
        QStringList seen;
        for (const PortEntry& e : deviceEntries(infos, chosen))
            seen << (e.checked ? "[x] " : "[ ] ") + e.label + " = " + e.device;
        QTEST(seen, "expected");
    }
};

QTEST_GUILESS_MAIN(TstSerial)
#include "tst_serial.moc"
