#include "FakeSerialLine.h"
#include "board/BoardSession.h"
#include "board/UploadStream.h"
#include "model/Sequence.h"
#include "model/TimeBase.h"

#include <QTest>

#include <functional>

using namespace Qt::StringLiterals;

namespace {

const QString Unavailable =
    u": n'est pas disponible. Changez dans la propriété Option pour un autre port."_s;
const QString Fault = u"DEFAUT DE DIALOGUE"_s;
const QString CableFault = Fault + QChar(12) + u" Vérifiez le cordon"_s;
const char* const Results[] = {"Done", "NothingToDo", "Busy", "PortUnavailable", "NoAnswer"};

// A session on a scripted board and a fake clock, its signals logged.
struct Bench {
    FakeClock clock;
    FakeSerialLine line{clock};
    BoardSession session{line, clock};
    QStringList log;

    Bench() {
        QObject::connect(&session, &BoardSession::identificationChanged,
                         [this](const QString& id) { log << "id=" + id; });
        QObject::connect(&session, &BoardSession::testAnswered,
                         [this](const QString& text) { log << "test=" + text; });
        QObject::connect(&session, &BoardSession::resettingChanged,
                         [this](bool on) { log << (on ? u"reset"_s : u"/reset"_s); });
        QObject::connect(&session, &BoardSession::uploadingChanged,
                         [this](bool on) { log << (on ? u"upload"_s : u"/upload"_s); });
        QObject::connect(&session, &BoardSession::eventsMayRun, [this] { log << u"events"_s; });
    }
};

template <typename T> QString joined(const QList<T>& items) {
    QStringList l;
    for (const T& item : items)
        l << QVariant::fromValue(item).toString();
    return l.join(u',');
}

// Result, reply, writes, reports ("icon[@ for the line's title]:text"), what is left to
// read, the waits, the ports opened | the signals.
QString render(Bench& b, const BoardOutcome& o) {
    QStringList writes, reports;
    for (const QByteArray& w : b.line.written)
        writes << QString::fromLatin1(w.size() == 32 && w.count(w[0]) == 32 ? "32*" + w.left(1)
                                                                            : w);
    for (const Report& r : o.reports)
        reports << u"%1%2:%3"_s.arg(r.icon == Report::Icon::Critical ? 16 : 0)
                       .arg(r.title == titles::Application ? u"@"_s : QString(),
                            QString(r.text).replace(Unavailable, u"~"_s));
    b.clock.advance(5000);
    return u"%1 '%2' %3 [%4] '%5' w%6 o%7%8 | %9"_s.arg(Results[int(o.result)])
        .arg(QString::fromLatin1(o.reply), writes.join(u','), reports.join(u';'),
             QString::fromLatin1(b.line.readAll()), joined(b.line.waits), joined(b.line.opens),
             b.line.devicesOpened.join(u','), b.log.join(u','));
}

using Command = std::function<BoardOutcome(Bench&)>;

Command identifyAt(double timeOfDay) {
    return [=](Bench& b) {
        b.clock.timeOfDaySeconds = timeOfDay;
        return b.session.identifyBoard();
    };
}

// Records 0..n-1 as recording leaves them (lamp k % 8 lit, codes 1..6), record n with the
// code of record n - 1; the records after n hold code 3.
Sequence recorded(int n) {
    Sequence s;
    for (int k = 0; k <= Sequence::LastRecord; ++k) {
        s.at(k).lamps[k % Frame::LampCount] = qint16(k < n);
        s.at(k).code = qint16(k > n ? 3 : 1 + qMin(k, n - 1) % 6);
    }
    s.setLength(n);
    return s;
}

// Exchanges: "P", "F", "R", "end" (end block), "b<k>" (block k), "P<n>" (P, b0..b<n-1>).
QList<QByteArray> exchanges(const QString& words, const QByteArray& stream) {
    QList<QByteArray> list;
    for (const QString& word : words.split(u' ', Qt::SkipEmptyParts)) {
        if (word == u"end")
            list.append(QByteArray(32, '\0'));
        else if (word.startsWith(u'b'))
            list.append(stream.mid(32 * word.mid(1).toInt(), 32));
        else if (word.size() > 1 && word.startsWith(u'P'))
            for (int b = 0; b < word.mid(1).toInt(); ++b)
                list << "P" << stream.mid(32 * b, 32);
        else
            list.append(word.toLatin1());
    }
    return list;
}

// An upload to a sound board but for `target`, a word of exchanges(), which gets `reaction`.
struct UploadCase {
    QString exchanges = u"P2 P end F R"_s; // from the first "P" on
    QString report{};                      // the one box shown, if any
    QString target{};
    FakeSerialLine::Reaction reaction{};
    int length = 27;
    int endMark = -1;                   // a record given code 0
    QList<int> cleared{28, 29, 30, 31}; // the records whose code goes out as 0
    bool nested = false;                // an upload asked for while events run
    int lengthGiven = -1;               // the length, when not the records made
};

} // namespace

Q_DECLARE_METATYPE(Command)
Q_DECLARE_METATYPE(UploadCase)

class TstBoardSession : public QObject {
    Q_OBJECT

private slots:
    void commands_data() {
        QTest::addColumn<Command>("command");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char* name, Command c, const QString& e) {
            QTest::newRow(name) << c << e;
        };
        // Each sending waits until the even second after the next, also across midnight.
        row("silent board, half past", identifyAt(36000.5),
            u"NoAnswer '' ?,?,32**,?,? [16:DEFAUT DE DIALOGUE] '' w1500,1000,1000,1000 o1 | "_s);
        row("silent board, 23:59:59.7", identifyAt(86399.7),
            u"NoAnswer '' ?,?,32**,?,? [16:DEFAUT DE DIALOGUE] '' w1300,1000,1000,1000 o1 | "_s);
        row(
            "reply in two parts, then one byte too many, kept for later",
            [](Bench& b) {
                b.line.when("?", {{"LT8", 5}, {"40:V1.02 ", 900}, {"F", 950}}, 1);
                return identifyAt(36000.5)(b);
            },
            u"Done 'LT840:V1.02 ' ? [] 'F' w1500,1495 o1 | id=LT840:V1.02 "_s);
        row(
            "a failed write is told and the exchange goes on",
            [](Bench& b) {
                b.line.soundBoard().writeErrors.enqueue(8005);
                return b.session.identifyBoard();
            },
            u"Done 'LT840:V1.02 ' ?,? [16@:ERREUR :8005] '' w1000,1000 o1 | id=LT840:V1.02 "_s);
        row(
            "COM0 never reaches the line",
            [](Bench& b) {
                b.line.openError = 8005;
                b.session.chooseCom(-1);
                return b.session.testBoard();
            },
            u"PortUnavailable ''  [0@:COM0~] '' w o | "_s);
        row(
            "a device chosen by name is opened by that name",
            [](Bench& b) {
                b.line.openError = 8005;
                b.session.chooseDevice(u"/dev/ttyUSB9"_s);
                b.log << (b.session.port().byName ? u"by name"_s : u"COM"_s);
                return b.session.identifyBoard();
            },
            u"PortUnavailable ''  [0@:/dev/ttyUSB9~] '' w o/dev/ttyUSB9 | by name"_s);
        // The open port stays until the next board command, which empties the new one.
        row(
            "choosing a port",
            [](Bench& b) {
                b.line.soundBoard();
                b.session.identifyBoard();
                b.session.chooseCom(2);
                b.log << (b.line.isOpen() ? u"open"_s : u"closed"_s);
                b.line.deposit("stale");
                return b.session.identifyBoard();
            },
            u"Done 'LT840:V1.02 ' ?,? [] '' w1000,995 o1,3 | id=LT840:V1.02 ,open"_s);
        // Answered once: the identification stays; the test shows only a reply that carries it.
        row(
            "test: 20 bytes, signature fifth, then a silent board",
            [](Bench& b) {
                b.line.answer("?", "\xe9xyzLT840:V2.00 abc\xff", 1);
                b.session.testBoard();
                return b.session.testBoard();
            },
            QString::fromLatin1("NoAnswer '' ?,?,?,32**,?,? [16:DEFAUT DE DIALOGUE] '' w1000,"
                                "995,1000,1000,1000 o1,1 | id=LT840:V2.00 ,test= Carte    "
                                "\xe9xyzLT840:V2.00 abc\xff"));
        row(
            "a reply without the signature",
            [](Bench& b) {
                b.line.answer("?", "HELLO WORLD!");
                return b.session.testBoard();
            },
            u"NoAnswer 'HELLO WORLD!' ? [] '' w1000 o1 | "_s);
        row(
            "reset, answering board",
            [](Bench& b) { return b.line.soundBoard(), b.session.resetBoard(); },
            u"Done '' ?,?,R [] '' w1000,995 o1,1 | reset,events,id=LT840:V1.02 ,/reset"_s);
        row(
            "reset, silent board: no R", [](Bench& b) { return b.session.resetBoard(); },
            u"NoAnswer '' ?,?,32**,?,? [16:DEFAUT DE DIALOGUE] '' w1000,1000,1000,1000 o1 | "
            "reset,events,/reset"_s);
        // No exchange yet, so no silence: the reset opens twice, then tries its "R".
        row(
            "reset, port not available",
            [](Bench& b) { return b.line.openError = 8005, b.session.resetBoard(); },
            u"PortUnavailable ''  [0@:COM1~;0@:COM1~;0:PORT de communication non disponible] "
            "'' w o1,1 | reset,events,/reset"_s);
    }
    void commands() {
        QFETCH(Command, command);
        Bench b;
        const BoardOutcome outcome = command(b);
        QStringList reported;
        for (const Report& r : outcome.reports)
            reported << r.text;
        QCOMPARE(b.line.failuresNoted, reported);
        QTEST(render(b, outcome), "expected");
    }

    // Record k made, the others never recorded: code 0, no lamp lit.
    void stream_data() {
        QTest::addColumn<double>("period");
        QTest::addColumn<int>("record");
        QTest::addColumn<QList<int>>("lamps");
        QTest::addColumn<int>("code");
        QTest::addColumn<QByteArray>("bytes"); // time base, duration, lamps
        const QList<int> lamp0{1, 0, 0, 0, 0, 0, 0, 0};
        QTest::newRow("0.01, record 0") << 0.01 << 0 << QList<int>(8) << 0 << "\x01\x00\xFF"_ba;
        QTest::newRow("0.1, lamp 7 alone")
            << 0.1 << 14 << QList<int>{0, 0, 0, 0, 0, 0, 0, 1} << 3 << "\x0C\x05\xFE"_ba;
        QTest::newRow("0.25, any value but 0 lit")
            << 0.25 << 250 << QList<int>{2, -1, 0, 0, 0, 0, 0, 0} << 6 << "\x1F\x14\x3F"_ba;
        QTest::newRow("0.35, code 9") << 0.35 << 3 << lamp0 << 9 << "\x2B\x00\x7F"_ba;
        QTest::newRow("0.344: 43 units, not a hair under")
            << 0.344 << 4 << lamp0 << -1 << "\x2B\x00\x7F"_ba;
        QTest::newRow("3 s, code 32767") << 3.0 << 5 << lamp0 << 32767 << "\xFF\x00\x7F"_ba;
        QTest::newRow("-0.1 s, code -32768") << -0.1 << 6 << lamp0 << -32768 << "\x00\x00\x7F"_ba;
    }
    void stream() {
        QFETCH(int, record);
        QFETCH(QList<int>, lamps);
        QFETCH(int, code);
        QFETCH(double, period);
        QFETCH(QByteArray, bytes);
        Sequence s;
        s.at(0).code = 0;
        s.setLength(Sequence::LastRecord); // no code cleared for the board's end mark
        for (int j = 0; j < Frame::LampCount; ++j)
            s.at(record).lamps[j] = qint16(lamps[j]);
        s.at(record).code = qint16(code);
        QByteArray expected = "\xA5" + bytes.left(1);
        for (int r = 0; r <= Sequence::LastBoardRecord; ++r)
            expected += r == record ? bytes.mid(1) : "\x00\xFF"_ba;
        QCOMPARE(uploadstream::build(s, period), expected);
    }

    // The codes of the four records after the length go out as 0; the sequence keeps them.
    void upload_data() {
        QTest::addColumn<UploadCase>("c");
        QTest::newRow("sound board") << UploadCase{};
        QTest::newRow("no answer to P")
            << UploadCase{.exchanges = u"P P"_s, .report = CableFault, .target = u"P"_s};
        QTest::newRow("P answered B and one more byte") << UploadCase{
            .exchanges = u"P"_s, .report = Fault, .target = u"P"_s, .reaction = {{"Bx", 5}}};
        QTest::newRow("block answered !") << UploadCase{
            .exchanges = u"P b0"_s, .report = Fault, .target = u"b0"_s, .reaction = {{"!", 5}}};
        QTest::newRow("end block answered anything")
            << UploadCase{.target = u"end"_s, .reaction = {{"Z", 5}}};
        QTest::newRow("F, R after a gap") << UploadCase{.exchanges = u"P2 P end F"_s,
                                                        .report = Fault,
                                                        .target = u"F"_s,
                                                        .reaction = {{"F", 5}, {"R", 900}}};
        QTest::newRow("an upload asked for while events run") << UploadCase{.nested = true};
        QTest::newRow("length 0") << UploadCase{.exchanges = {}, .length = 0, .cleared = {}};
        QTest::newRow("record 239 with code 0") << UploadCase{
            .exchanges = u"P15 P end F R"_s, .length = 250, .endMark = 239, .cleared = {}};
        QTest::newRow("length 1022") << UploadCase{
            .exchanges = u"P16 F R"_s, .length = 250, .cleared = {}, .lengthGiven = 1022};
    }
    void upload() {
        QFETCH(UploadCase, c);
        Bench b;
        Sequence s = recorded(c.length);
        if (c.endMark >= 0)
            s.at(c.endMark).code = 0;
        if (c.lengthGiven >= 0)
            s.setLength(c.lengthGiven);
        Sequence sent = s;
        for (int r : c.cleared)
            sent.at(r).code = 0;
        const QByteArray stream = uploadstream::build(sent, timebase::basePeriod(3));
        if (!c.target.isEmpty())
            b.line.when(exchanges(c.target, stream).first(), c.reaction);
        b.line.soundBoard();
        BoardOutcome inner;
        QObject::connect(&b.session, &BoardSession::eventsMayRun, [&] {
            if (c.nested)
                inner = b.session.upload(s, 3);
        });

        const BoardOutcome outcome = b.session.upload(s, 3);

        const auto& written = b.line.written;
        QCOMPARE(written.mid(written.indexOf("P")), exchanges(c.exchanges, stream));
        QStringList reported;
        for (const Report& r : outcome.reports)
            reported << r.text + (r.icon == Report::Icon::Critical ? u" !"_s : QString());
        QCOMPARE(reported, c.report.isEmpty() ? QStringList() : QStringList{c.report + u" !"_s});
        QCOMPARE(outcome.result, c.length == 0        ? BoardOutcome::Result::NothingToDo
                                 : c.report.isEmpty() ? BoardOutcome::Result::Done
                                                      : BoardOutcome::Result::NoAnswer);
        QCOMPARE(inner.result, c.nested ? BoardOutcome::Result::Busy : BoardOutcome::Result::Done);
        // One "?" per opening: a second one as the identification lacks the signature.
        const int queries = c.length == 0 ? 0 : 2;
        QCOMPARE(b.line.opens.size(), queries);
        QCOMPARE(b.line.writtenCount("?"), queries);
        QCOMPARE(b.line.isOpen(), !c.report.isEmpty()); // only a finished upload closes
        QCOMPARE(b.log.value(0), c.length == 0 ? QString() : u"upload"_s);
        QCOMPARE(b.log.value(b.log.size() - 1), c.length == 0 ? QString() : u"/upload"_s);
        QCOMPARE(b.session.testBoard().result, BoardOutcome::Result::Done); // the line is free
    }

    // The bar appears at 0, then moves on as each block is written: blocks sent, blocks,
    // "P" written, the last write's size.
    void progress() {
        Bench b;
        b.line.soundBoard();
        QList<QList<int>> seen;
        QObject::connect(&b.session, &BoardSession::uploadProgress, [&](int sent, int blocks) {
            seen.append(
                {sent, blocks, b.line.writtenCount("P"), int(b.line.written.last().size())});
        });
        b.session.upload(recorded(27), 0);
        QCOMPARE(seen,
                 (QList<QList<int>>{{0, 3, 0, 1}, {1, 3, 1, 32}, {2, 3, 2, 32}, {3, 3, 3, 32}}));
    }
};

QTEST_GUILESS_MAIN(TstBoardSession)
#include "tst_boardsession.moc"
