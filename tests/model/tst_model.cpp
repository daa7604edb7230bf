#include "files/SequenceFile.h"
#include "model/Effects.h"
#include "model/Moves.h"
#include "model/NumericText.h"
#include "model/Sequence.h"
#include "model/TimeBase.h"

#include <QtTest>

using namespace effects;
using namespace Qt::StringLiterals;

namespace {

Frame frame(const QString& digits) {
    return readRecordLines(digits.toLatin1())->at(0);
}

// The records `which` names as file lines, then the length.
QString records(const Sequence& s, const QList<int>& which) {
    QString l;
    for (int r : which)
        l += QString::fromLatin1(writeRecordLines(s.slice(r, r)).trimmed()) + u' ';
    return l + u'n' + QString::number(s.length());
}

// Records 0..4 numbered by their code 1..5, record 5 the working one with code 6.
Sequence five() {
    Sequence s;
    for (int r = 0; r <= 5; ++r)
        s.at(r) = frame(QString::number(r + 1) + u"0000000"_s + QString::number(r % 2));
    s.setLength(5);
    return s;
}

void cases(std::initializer_list<QString> rows) {
    QTest::addColumn<QStringList>("c");
    for (const QString& row : rows)
        QTest::newRow(qPrintable(row.left(40))) << row.split(u'|');
}

// Frames as the file writes them, one line each, joined by blanks.
QString lines(const QList<Frame>& frames) {
    return QString::fromLatin1(writeRecordLines(frames).replace("\r\n", " ").trimmed());
}

// The first two frames, "…", then the last one; every frame when there are three at most.
QString outline(const QList<Frame>& f) {
    return f.size() <= 3 ? lines(f) : lines(f.mid(0, 2)) + u" … "_s + lines(f.mid(f.size() - 1));
}

// "Effect Parameter=value …": the effect and the options it names, the others at their default.
std::pair<Effect, Options> parse(const QString& text) {
    static const QStringList effects =
        u"Chase Scanner Fill Alternate Blink MeetAndPart Counter Sparkle Repeat"_s.split(u' ');
    static const QStringList parameters =
        u"Width Reverse Wrap First Last Lamps Frames Seed Times Code"_s.split(u' ');
    const QStringList words = text.split(u' ');
    Options options;
    for (const QString& w : words.mid(1))
        options[Parameter(parameters.indexOf(w.section(u'=', 0, 0)))] = w.section(u'=', 1).toInt();
    return {Effect(effects.indexOf(words[0])), options};
}

} // namespace

class TstModel : public QObject {
    Q_OBJECT
private slots:
    // "text|numeric value|16-bit value|typed address|typed length" ('-': none).
    void numericText_data() {
        cases({u"|0|0|0|-"_s, u"abc|0|0|0|-"_s, u"12abc|12|12|12|12"_s, u"\t 7 |7|7|7|7"_s,
               u".5|0.5|0|0|0"_s, u"1.2.3|1.2|1|1|1"_s, u"2,5|2|2|2|2"_s, u"2.5|2.5|2|2|2"_s,
               u"3.5|3.5|4|4|4"_s, u"+3|3|3|3|3"_s, u"- 5|0|0|0|-"_s, u"-7|-7|-7|-1|0"_s,
               u"32767|32767|32767|1025|1024"_s, u"-32769|-32769|-|-1|0"_s,
               QString(400, u'9') + u"|inf|-|1025|1024"_s});
    }
    void numericText() {
        QLocale::setDefault(QLocale(QLocale::French, QLocale::France)); // a comma ends a number
        QFETCH(QStringList, c);
        const auto some = [](const auto& v) { return v ? QString::number(*v) : u"-"_s; };
        QCOMPARE(QStringList({c[0], QString::number(numericValue(c[0])), some(toInt16(c[0])),
                              QString::number(typedAddress(c[0])), some(typedLength(c[0]))}),
                 c);
        QLocale::setDefault(QLocale::c());
    }

    // Past a file's records, lamps lit up to record 512; New clears codes up to record 255.
    void loadAndRestart() {
        Sequence s = Sequence::loaded(QList<Frame>{frame(u"210000000"_s), frame(u"300000009"_s)});
        QCOMPARE(records(s, {0, 1, 2, 512, 513, 1024}),
                 u"210000000 300000009 011111111 011111111 000000000 000000000 n2"_s);
        s.at(255).code = s.at(256).code = 4;
        s.restart();
        QCOMPARE(records(s, {0, 1, 255, 256}), u"110000000 000000009 011111111 411111111 n0"_s);
    }

    // "+position or -first,last|records 0..3, length" ('-': nothing done): the working record
    // moves with the records after it; nothing happens where the store or sequence can't hold it.
    void blocks_data() {
        cases({u"+2|100000000 200000001 700000000 300000000 n6"_s,
               u"+5|100000000 200000001 300000000 400000001 n6"_s, u"+6|-"_s,
               u"-1,2|100000000 400000001 500000000 600000001 n3"_s, u"-5,5|-"_s, u"-3,2|-"_s});
    }
    void blocks() {
        QFETCH(QStringList, c);
        const QStringList n = c[0].mid(1).split(u',');
        Sequence s = five();
        const Sequence before = s;
        const bool done = c[0][0] == u'+'
                              ? s.insert(n[0].toInt(), QList<Frame>{frame(u"700000000"_s)})
                              : s.remove(n[0].toInt(), n[1].toInt());
        QCOMPARE(done ? records(s, {0, 1, 2, 3}) : u"-"_s, c[1]);
        QVERIFY(done || s == before);
        s.setLength(Sequence::LastRecord); // then the working record has no room to move
        QVERIFY(!s.insert(0, QList<Frame>{Frame{}}) && s.length() == Sequence::LastRecord);
    }

    // "locale|base period|multiplier|shown": no floating-point residue, the locale's separator.
    void periods_data() {
        cases({u"C|9|5|8"_s, u"fr_FR|8|4|5,25"_s, u"C|4|5|3"_s, u"ar_EG|0|1|0\u066B02"_s});
    }
    void periods() {
        QFETCH(QStringList, c);
        const double period =
            timebase::framePeriod(timebase::basePeriod(c[1].toInt()), c[2].toInt());
        QCOMPARE(timebase::periodText(period, QLocale(c[0])), c[3]);
    }

    // The start rounds half to even, a step drops the fraction; the result stays in an int.
    void intervals() {
        using namespace timebase;
        QCOMPARE(
            QList<int>({startIntervalMs(0.0125, 1), stepIntervalMs(0.0125, 1),
                        startIntervalMs(0.0135, 1), stepIntervalMs(0.00675, 2),
                        startIntervalMs(0.4, 20), startIntervalMs(1e300, 20),
                        startIntervalMs(-1, 1), multiplier(-1) + multiplier(7) + multiplier(9)}),
            QList<int>({12, 12, 14, 13, 8000, std::numeric_limits<int>::max(), 0, 0}));
        QCOMPARE(basePeriodIndex(u"0.050"_s), std::optional<int>(2));
        QCOMPARE(basePeriodIndex(u"0.03"_s), std::nullopt);
        QCOMPARE(basePeriod(-1) + basePeriod(10), 0.0);
    }

    // "codes of records 0.. (else 2)|N|base period|seconds" for one run through records 0..N-1:
    // codes without a multiplier count nothing; integers are summed before the base applies.
    void loop_data() {
        cases({u"0,7,8,9,1,6|6|0.1|2.1"_s, u"1,2,3,4,5,6|5|0.35|11.55"_s, u"|251|0.01|5.02"_s});
    }
    void loop() {
        QFETCH(QStringList, c);
        const QStringList codes = c[0].split(u',', Qt::SkipEmptyParts);
        Sequence s;
        for (int r = 0; r < Sequence::Capacity; ++r)
            s.at(r).code = qint16(codes.value(r, u"2"_s).toInt());
        s.setLength(c[1].toInt());
        QCOMPARE(timebase::loopSeconds(s, c[2].toDouble()), c[3].toDouble());
    }

    // Each move in turn on a row of values, 2 being a value of neither kind.
    void moves() {
        QString after;
        for (int move = 0; move <= int(Move::Invert); ++move) {
            std::array<int, 8> row{1, 0, 2, 0, 0, 1, 0, 1};
            applyMove(Move(move), std::span<int>(row), 1, 0);
            for (int v : row)
                after += QString::number(v);
            after += u' ';
        }
        QCOMPARE(after, u"10100101 10200201 02001010 01020010 02001011 11020010 01111010 "_s);
    }

    // "effect and options|frames made|outline" (none: no frame checked one by one).
    void frames_data() {
        QTest::addColumn<QString>("c");
        for (const char* c : {"Chase|8|110000000 101000000 … 100000001",
                              "Chase Width=2 Code=3 Reverse=1|8|300000011 300000110 … 310000001",
                              "Chase Width=3 Wrap=0|6|111100000 101110000 … 100000111",
                              "Chase Width=7|8|111111110 101111111 … 111111101",
                              "Scanner|14|110000000 101000000 … 101000000",
                              "Scanner Width=4|8|111110000 101111000 … 101111000",
                              "Fill|16|110000000 111000000 … 100000000",
                              "Alternate Times=2|4|110101010 101010101 … 101010101",
                              "Blink Code=6|2|611111111 600000000",
                              "Blink Reverse=1|2|111111111 100000000",
                              "MeetAndPart|6|110000001 101000010 … 101000010",
                              "Counter Last=255|256|100000000 100000001 … 111111111",
                              "Counter First=5 Last=3|3|100000101 100000100 100000011",
                              "Counter First=128 Last=128|1|110000000",
                              "Sparkle Lamps=7 Frames=40|40|",
                              "Scanner Width=5|0|",
                              "Blink Times=0|0|",
                              "Fill Code=7|0|",
                              "Counter Last=256|0|",
                              "Sparkle Lamps=8|0|"})
            QTest::newRow(c) << QString::fromUtf8(c);
    }
    void frames() {
        QFETCH(QString, c);
        auto [effect, options] = parse(c.section(u'|', 0, 0));
        const QList<Frame> made = generate(effect, options);
        QCOMPARE(made.size(), c.section(u'|', 1, 1).toInt());
        if (!c.section(u'|', 2).isEmpty())
            QCOMPARE(outline(made), c.section(u'|', 2));
        for (const Frame& f : made) {
            QVERIFY(effect != Effect::Sparkle ||
                    std::ranges::count(f.lamps, 1) == options[Parameter::Lamps]);
            QCOMPARE(int(f.code), options[Parameter::Code]);
        }
    }

    // The same seed gives the same frames (spelled out: a change of the draw is seen).
    void sparkleSeed() {
        const Options a = parse(u"Sparkle Frames=4 Seed=7"_s).second,
                      b = parse(u"Sparkle Frames=4 Seed=8"_s).second;
        QCOMPARE(lines(generate(Effect::Sparkle, a)), u"110000001 101100000 100010100 100100001"_s);
        QVERIFY(lines(generate(Effect::Sparkle, a)) != lines(generate(Effect::Sparkle, b)));
    }

    void repeatKeepsTheFramesAsTheyAre() {
        const QList<Frame> source = *readRecordLines("400000000\n000000001");
        const auto [repeat, options] = parse(u"Repeat Times=3 Code=1 Reverse=1"_s);
        QCOMPARE(lines(generate(repeat, options, source)),
                 u"400000000 000000001 400000000 000000001 400000000 000000001"_s);
    }
};

QTEST_GUILESS_MAIN(TstModel)
#include "tst_model.moc"
