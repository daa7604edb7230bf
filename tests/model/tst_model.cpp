#include "model/Moves.h"
#include "model/NumericText.h"
#include "model/Sequence.h"
#include "model/TimeBase.h"

#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

Frame frame(const QString& digits) {
    Frame f;
    for (int i = 0; i <= Frame::LampCount; ++i)
        (i ? f.lamps[i - 1] : f.code) = qint16(digits[i].digitValue());
    return f;
}

// The records `which` names as file lines (the code, then lamps 0..7), then the length.
QString records(const Sequence& s, const QList<int>& which) {
    QString l;
    for (int r : which) {
        l += QString::number(s.at(r).code);
        for (qint16 lamp : s.at(r).lamps)
            l += QString::number(lamp);
        l += u' ';
    }
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

    // Past the records of a file, up to record 512, every lamp is lit and no code given;
    // beyond, nothing. New clears the codes up to record 255 and keeps the lamps.
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
        if (c[0] == u"-1,2") // the places the records left are emptied
            QCOMPARE(records(s, {4, 5}), u"000000000 000000000 n3"_s);
        s.setLength(Sequence::LastRecord); // then the working record has no room to move
        QVERIFY(!s.insert(0, QList<Frame>{Frame{}}) && s.length() == Sequence::LastRecord);
    }

    // "locale|base period|multiplier|shown": no floating-point residue, the locale's separator.
    void periods_data() {
        cases({u"C|9|5|8"_s, u"fr_FR|8|4|5,25"_s, u"C|4|5|3"_s, u"ar_EG|0|1|0\u066B02"_s,
               u"C|0|-1|0"_s, u"C|0|8|0"_s});
    }
    void periods() {
        QFETCH(QStringList, c);
        const double period =
            timebase::framePeriod(timebase::basePeriod(c[1].toInt()), c[2].toInt());
        QCOMPARE(timebase::periodText(period, QLocale(c[0])), c[3]);
    }

    // The start rounds half to even, a step drops the fraction; out-of-range values stay in an
    // int. "0.050" names the list's "0.05".
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
};

QTEST_GUILESS_MAIN(TstModel)
#include "tst_model.moc"
