#include "FakeSerialLine.h"
#include "board/BoardSession.h"
#include "board/MultiBoardUpload.h"
#include "board/UploadStream.h"
#include "model/Sequence.h"
#include "model/TimeBase.h"

#include <QTest>

#include <functional>

using namespace Qt::StringLiterals;

namespace {

const QString Fault = u"DEFAUT DE DIALOGUE"_s;
const char* const Results[] = {"Done", "NothingToDo", "PortUnavailable", "NoAnswer", "Stopped"};
const QString Stopped =
    u"48:Programmation interrompue : la carte ne contient qu'une partie de la séquence."_s;

// A session on a scripted board; its signals logged, some with the number of writes made.
struct Bench {
    FakeClock clock;
    FakeSerialLine line{clock};
    BoardSession session{line, clock};
    QStringList log;
    QByteArray stream; // the upload stream expected, whose blocks the writes are named after
    BoardOutcome outcome;

    Bench() {
        const auto on = [this](auto s, auto f) { QObject::connect(&session, s, f); };
        const auto at = [this](const QString& s) { log << s + '@' + QString::number(writes()); };
        on(&BoardSession::identificationChanged, [this](const QString& id) { log << "id=" + id; });
        on(&BoardSession::testAnswered, [this](const QString& text) { log << "test=" + text; });
        on(&BoardSession::resettingChanged, [=](bool in) { at(in ? "reset" : "/reset"); });
        on(&BoardSession::uploadingChanged, [&](bool in) { log << (in ? "upload" : "/upload"); });
        on(&BoardSession::finished, [this](const BoardOutcome& o) { outcome = o; });
    }
    // The command started runs to its end.
    BoardOutcome done(bool started) {
        if (!started)
            log << u"refused"_s;
        clock.run();
        return outcome;
    }
    qsizetype writes() const { return line.written.size(); }
    // A block is named after its place in the stream, `next` being the next one's.
    QString name(const QByteArray& w, int& next) const {
        if (w == QByteArray(32, '\0'))
            return u"end"_s;
        if (w.size() == 32 && w.count(w[0]) == 32)
            return "32*" + QString::fromLatin1(w.left(1));
        if (!stream.isEmpty() && w == uploadstream::block(stream, next))
            return u"b"_s + QString::number(next++);
        return QString::fromLatin1(w);
    }
};

// Result, reply, writes, reports ("icon[@: line title]:text"), later bytes, line, opens | log.
QString render(Bench& b, const BoardOutcome& o) {
    QStringList writes, reports;
    int next = 0;
    for (const QByteArray& w : b.line.written) // each upload begins with "?"
        writes << b.name(w, next = w == "?" ? 0 : next);
    for (const Report& r : o.reports)
        reports << u"%1%2:%3"_s.arg(QList{0, 16, 48}[int(r.icon)])
                       .arg(r.title == titles::Application ? u"@"_s : QString(),
                            QString(r.text).replace(u": n'est pas disponible. Changez dans la "
                                                    "propriété Option pour un autre port."_s,
                                                    u"~"_s));
    b.clock.advance(5000);
    return u"%1 '%2' %3 [%4] '%5' %6 o%7 | %8"_s.arg(Results[int(o.result)])
        .arg(QString::fromLatin1(o.reply), writes.join(u','), reports.join(u';'),
             QString::fromLatin1(b.line.readAll()), b.line.isOpen() ? u"open"_s : u"closed"_s,
             b.line.opened.join(u','), b.log.join(u','));
}

using Command = std::function<BoardOutcome(Bench&)>;

// The identification at a time of day, the bound of each wait logged.
Command identifyAt(double timeOfDay) {
    return [=](Bench& b) {
        b.clock.timeOfDaySeconds = timeOfDay;
        const BoardOutcome o = b.done(b.session.identifyBoard());
        for (int w : b.clock.alarms)
            b.log << u"w"_s + QString::number(w);
        return o;
    };
}

// Records 0..n-1 as recorded (lamp k % 8 lit, codes 1..6), n with n - 1's code, then code 3.
Sequence recorded(int n, int length = -1) {
    Sequence s;
    for (int k = 0; k <= Sequence::LastRecord; ++k) {
        s.at(k).lamps[k % Frame::LampCount] = qint16(k < n);
        s.at(k).code = qint16(k > n ? 3 : 1 + qMin(k, n - 1) % 6);
    }
    s.setLength(length < 0 ? n : length);
    return s;
}

// An upload at 0.1 to a sound board but for `target`'s `reaction`; `cleared` codes go as 0.
Command uploadOf(const Sequence& s, const QList<int>& cleared, const QString& target = {},
                 const FakeSerialLine::Reaction& reaction = {}) {
    return [=](Bench& b) {
        Sequence sent = s;
        for (int r : cleared)
            sent.at(r).code = 0;
        sent.setLength(Sequence::LastRecord); // so that the expected stream clears nothing
        b.stream = uploadstream::build(sent, timebase::basePeriod(3));
        if (target == u"b0")
            b.line.when(uploadstream::block(b.stream, 0), reaction);
        else if (!target.isEmpty())
            b.line.when(target == u"end" ? QByteArray(32, '\0') : target.toLatin1(), reaction);
        b.line.soundBoard();
        return b.done(b.session.upload(s, 3));
    };
}

// "P,b0,P,b1,…," for the first n blocks.
QString blocks(int n) {
    QString s;
    for (int b = 0; b < n; ++b)
        s += u"P,b%1,"_s.arg(b);
    return s;
}

} // namespace

Q_DECLARE_METATYPE(Command)

class TstBoardSession : public QObject {
    Q_OBJECT

private slots:
    void commands_data() {
        QTest::addColumn<Command>("command");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char* name, const QString& e, Command c) {
            QTest::newRow(name) << c << e;
        };
        const QString silent = u"NoAnswer '' ?,?,32**,?,? [16:DEFAUT DE DIALOGUE] '' open o1 | "_s;
        // Each sending waits until the whole second after the next, also across midnight.
        row("silent board, 23:59:59.7", silent + u"w1300,w1000,w1000,w1000"_s, identifyAt(86399.7));
        row("reply in two parts, then one byte too many, kept for later",
            u"Done 'LT840:V1.02 ' ? [] 'F' open o1 | id=LT840:V1.02 ,w1500"_s, [](Bench& b) {
                b.line.when("?", {{"LT8", 5}, {"40:V1.02 ", 900}, {"F", 950}}, 1);
                return identifyAt(36000.5)(b);
            });
        row("a failed write is told and the exchange goes on",
            u"Done 'LT840:V1.02 ' ?,? [16@:ERREUR :8005] '' open o1 | "
            "id=LT840:V1.02 ,w1000,w1000"_s,
            [](Bench& b) {
                b.line.soundBoard().writeErrors.enqueue(8005);
                return identifyAt(36000)(b);
            });
        row("COM0 never reaches the line", u"PortUnavailable ''  [0@:COM0~] '' closed o | "_s,
            [](Bench& b) { return b.session.chooseCom(-1), b.done(b.session.testBoard()); });
        row("a device chosen by name is opened by that name",
            u"PortUnavailable ''  [0@:/dev/ttyUSB9~] '' closed o/dev/ttyUSB9 | by name"_s,
            [](Bench& b) {
                b.line.openError = 8005;
                b.session.chooseDevice(u"/dev/ttyUSB9"_s);
                b.log << (b.session.port().byName ? u"by name"_s : u"COM"_s);
                return b.done(b.session.identifyBoard());
            });
        // The open port stays until the next board command, which empties the new one.
        row("choosing a port",
            u"Done 'LT840:V1.02 ' ?,? [] '' open o1,3 | id=LT840:V1.02 ,COM3 /dev/ttyS2 open"_s,
            [](Bench& b) {
                b.line.soundBoard();
                b.done(b.session.identifyBoard());
                b.session.chooseCom(2);
                const PortInForce port = b.session.port();
                b.log << port.name + ' ' + port.device + (port.byName ? " by name" : "") +
                             (b.line.isOpen() ? " open" : " closed");
                b.line.deposit("stale");
                return b.done(b.session.identifyBoard());
            });
        // Answered once: the identification stays; the test shows only a reply that carries it.
        row("test: 20 bytes, signature fifth, then a silent board",
            QString::fromLatin1("NoAnswer '' ?,?,?,32**,?,? [16:DEFAUT DE DIALOGUE] '' open o1,1 | "
                                "id=LT840:V2.00 ,test= Carte    \xe9xyzLT840:V2.00 abc\xff"),
            [](Bench& b) {
                b.line.answer("?", "\xe9xyzLT840:V2.00 abc\xff", 1);
                b.done(b.session.testBoard());
                return b.done(b.session.testBoard());
            });
        row("a reply without the signature", u"NoAnswer 'HELLO WORLD!' ? [] '' open o1 | "_s,
            [](Bench& b) {
                return b.line.answer("?", "HELLO WORLD!"), b.done(b.session.testBoard());
            });
        row("reset, answering board: yellow before any exchange",
            u"Done '' ?,?,R [] '' open o1,1 | reset@0,id=LT840:V1.02 ,/reset@3"_s,
            [](Bench& b) { return b.line.soundBoard(), b.done(b.session.resetBoard()); });
        row("reset, silent board: no R", silent + u"reset@0,/reset@5"_s,
            [](Bench& b) { return b.done(b.session.resetBoard()); });
        // No exchange yet, so no silence: the reset opens twice, then tries its "R".
        row("reset, port not available",
            u"PortUnavailable ''  [0@:COM1~;0@:COM1~;0:PORT de communication non disponible] '' "
            "closed o1,1 | reset@0,/reset@0"_s,
            [](Bench& b) { return b.line.openError = 8005, b.done(b.session.resetBoard()); });

        // The codes of the four records past the length go out as 0.
        const auto upload27 = [](const QString& target = {}, FakeSerialLine::Reaction r = {}) {
            return uploadOf(recorded(27), {28, 29, 30, 31}, target, r);
        };
        const QString sent = u"?,?,"_s + blocks(2) + "P,end,F";
        const QString done = "Done '' " + sent + ",R [] '' closed";
        const QString log = u" o1,1 | upload,id=LT840:V1.02 ,/upload"_s;
        row("upload to a sound board",
            done + u" o1,1 | upload,id=LT840:V1.02 ,0/3@2,1/3@4,2/3@6,3/3@8,/upload"_s,
            [=](Bench& b) {
                QObject::connect(&b.session, &BoardSession::uploadProgress, [&b](int n, int of) {
                    b.log << u"%1/%2@%3"_s.arg(n).arg(of).arg(b.writes());
                });
                return upload27()(b);
            });
        row("upload, end block answered anything", done + log, upload27(u"end"_s, {{"Z", 5}}));
        row("upload, no answer to P",
            "NoAnswer '' ?,?,P,P [16:" + Fault + QChar(12) + " Vérifiez le cordon] '' open" + log,
            upload27(u"P"_s));
        row("upload, P answered B and one more byte",
            "NoAnswer 'Bx' ?,?,P [16:" + Fault + "] '' open" + log, upload27(u"P"_s, {{"Bx", 5}}));
        row("upload, block answered !", "NoAnswer '!' ?,?,P,b0 [16:" + Fault + "] '' open" + log,
            upload27(u"b0"_s, {{"!", 5}}));
        row("upload, F then R after a gap",
            "NoAnswer 'F' " + sent + " [16:" + Fault + "] 'R' open" + log,
            upload27(u"F"_s, {{"F", 5}, {"R", 900}}));
        row("upload, length 1022", u"Done '' ?,?,"_s + blocks(16) + "F,R [] '' closed" + log,
            uploadOf(recorded(250, 1022), {}));
        row("upload of length 0", u"NothingToDo ''  [] '' closed o | "_s,
            uploadOf(recorded(0), {}));
        // While an upload holds the line another command is refused and a port chosen waits;
        // a stop ends it between blocks, or before the first, and the next upload forgets it.
        const auto stopAt = [=](int block, int uploads = 1) {
            return [=](Bench& b) {
                const auto stop = [&b] {
                    b.log << (b.session.identifyBoard() ? u"?"_s : u"busy"_s);
                    b.session.chooseCom(2);
                    b.session.stop();
                };
                QObject::connect(&b.session, &BoardSession::uploadingChanged, [=](bool on) {
                    if (on && block < 0)
                        stop();
                });
                QObject::connect(&b.session, &BoardSession::uploadProgress, [=, &b](int n) {
                    if (n == block && !b.log.contains(u"busy"_s))
                        stop();
                });
                BoardOutcome o = upload27()(b);
                for (int u = 1; u < uploads; ++u)
                    o = b.done(b.session.upload(recorded(27), 3));
                return o;
            };
        };
        const QString stopped =
            " [" + Stopped + "] '' open o1,1 | upload,busy,id=LT840:V1.02 ,/upload";
        row("stopped while the board is asked who it is", "Stopped 'LT840:V1.02 ' ?,?" + stopped,
            stopAt(-1));
        // Once the board has said who it is, a second command is refused after its answer.
        const QString refusedLater =
            QString(stopped).replace(u"busy,id=LT840:V1.02 "_s, u"id=LT840:V1.02 ,busy"_s);
        row("stopped as block 0 leaves", "Stopped '?' ?,?,P,b0" + refusedLater, stopAt(0));
        row("stopped as the end block leaves: no F",
            "Stopped '?' ?,?," + blocks(2) + "P,end" + refusedLater, stopAt(3));
        row("stopped, then programmed",
            "Done '' ?,?,P,b0,?," + blocks(2) +
                "P,end,F,R [] '' closed o1,1,3 | upload,id=LT840:V1.02 "
                ",busy,/upload,upload,/upload",
            stopAt(1, 2));
        // Each exchange on the closed port is told, then judged on what the last one left.
        row("upload, port not available",
            u"PortUnavailable ''  [0@:COM1~;0@:COM1~;0:PORT de communication non disponible;"
            "16:DEFAUT DE DIALOGUE] '' closed o1,1 | upload,/upload"_s,
            [=](Bench& b) { return b.line.openError = 8005, upload27()(b); });
    }
    void commands() {
        QFETCH(Command, command);
        Bench b;
        QTEST(render(b, command(b)), "expected");
    }

    // Three boards, the second silent: a stop ends every upload between two blocks.
    void severalBoards_data() {
        QTest::addColumn<int>("stopAtBlock");
        QTest::addColumn<QString>("expected");
        QTest::newRow("all the way") << -1 << u"Done 8 1|NoAnswer 0 0|Done 8 1"_s;
        QTest::newRow("stopped") << 1 << u"Stopped 2 0|NoAnswer 0 0|Stopped 2 0"_s;
    }
    void severalBoards() {
        QFETCH(int, stopAtBlock);
        FakeClock clock;
        QList<FakeSerialLine*> lines;
        MultiBoardUpload boards(
            [&] {
                auto line = std::make_unique<FakeSerialLine>(clock);
                if (!lines.isEmpty() && lines.size() % 2 == 1)
                    line->answer("?", "?");
                else
                    line->soundBoard();
                lines << line.get();
                return line;
            },
            clock);
        QObject::connect(&boards, &MultiBoardUpload::progress, [&](int, int sent) {
            if (sent == stopAtBlock)
                boards.stop();
        });
        int ends = 0;
        QObject::connect(&boards, &MultiBoardUpload::finished, [&] { ++ends; });
        const Sequence s = recorded(27);
        QVERIFY(boards.start({u"/dev/a"_s, u"/dev/b"_s, u"/dev/c"_s}, s, 3));
        QVERIFY(!boards.start({u"/dev/d"_s}, s, 3));
        clock.run();
        QStringList seen;
        const QByteArray stream = uploadstream::build(s, timebase::basePeriod(3));
        for (int b = 0; b < 3; ++b) {
            QByteArray blocks; // the data blocks written
            int upload = 0;    // the writes other than the identification's
            for (const QByteArray& w : lines[b]->written) {
                blocks += w.size() == 32 && w != QByteArray(32, '\0') ? w : QByteArray();
                upload += w != "?" && w != QByteArray(32, '*');
            }
            seen << u"%1 %2 %3"_s.arg(Results[int(boards.boards()[b].outcome.result)])
                        .arg(upload)
                        .arg(int(blocks == stream.left(64)));
        }
        QTEST(seen.join(u'|'), "expected");
        QCOMPARE(ends, 1);
    }

    // "base period|record|its lamps|its code|time base, duration and lamp bytes": record k
    // made, the others never recorded (code 0, no lamp lit).
    void stream_data() {
        QTest::addColumn<QStringList>("row");
        for (const QString& r : {u"0.01|0|00000000|0|0100ff"_s, u"0.1|14|00000001|3|0c05fe"_s,
                                 u"0.25|250|2x000000|6|1f143f"_s, u"0.35|3|10000000|9|2b007f"_s,
                                 u"0.344|4|10000000|-1|2b007f"_s, u"3|5|10000000|32767|ff007f"_s,
                                 u"-0.1|6|10000000|-32768|00007f"_s})
            QTest::newRow(qPrintable(r)) << r.split(u'|');
    }
    void stream() {
        QFETCH(QStringList, row);
        const int record = row[1].toInt();
        Sequence s;
        s.at(0).code = 0;
        s.setLength(Sequence::LastRecord);         // no code cleared for the board's end mark
        for (int j = 0; j < Frame::LampCount; ++j) // 'x' stands for -1: any value but 0 is lit
            s.at(record).lamps[j] = qint16(row[2][j] == u'x' ? -1 : row[2][j].digitValue());
        s.at(record).code = row[3].toShort();
        const QByteArray bytes = QByteArray::fromHex(row[4].toLatin1());
        QByteArray expected = "\xA5" + bytes.left(1);
        for (int r = 0; r <= Sequence::LastBoardRecord; ++r)
            expected += r == record ? bytes.mid(1) : "\x00\xFF"_ba;
        QCOMPARE(uploadstream::build(s, row[0].toDouble()), expected);
    }
};

QTEST_GUILESS_MAIN(TstBoardSession)
#include "tst_boardsession.moc"
