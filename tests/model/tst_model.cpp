#include "model/Moves.h"
#include "model/NumericText.h"
#include "model/Sequence.h"
#include "model/TimeBase.h"

#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// A frame as a file line writes it: the code, then lamps 0..7.
QString line(const Frame& f) {
    QString s = QString::number(f.code);
    for (qint16 lamp : f.lamps)
        s += QString::number(lamp);
    return s;
}

Frame frame(const QString& digits) {
    Frame f;
    f.code = qint16(digits[0].digitValue());
    for (int i = 0; i < Frame::LampCount; ++i)
        f.lamps[i] = qint16(digits[i + 1].digitValue());
    return f;
}

// The records `which` names ("r r …"), then the length.
QString records(const Sequence& s, const QList<int>& which) {
    QStringList l;
    for (int r : which)
        l << line(s.at(r));
    return l.join(u' ') + u" n"_s + QString::number(s.length());
}

// Records 0..4 numbered by their code 1..5, record 5 the working one with code 6.
Sequence five() {
    Sequence s;
    for (int r = 0; r <= 5; ++r)
        s.at(r) = frame(QString::number(r + 1) + u"0000000"_s + QString::number(r % 2));
    s.setLength(5);
    return s;
}

} // namespace

class TstModel : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    // "text|numeric value|16-bit value|typed address|typed length" ('-': none).
    void numericText_data() {
        QTest::addColumn<QStringList>("cas");
        for (const QString& l :
             {u"|0|0|0|-"_s, u"abc|0|0|0|-"_s, u"12abc|12|12|12|12"_s, u"\t 7 |7|7|7|7"_s,
              u".5|0.5|0|0|0"_s, u"1.2.3|1.2|1|1|1"_s, u"2,5|2|2|2|2"_s, u"2.5|2.5|2|2|2"_s,
              u"3.5|3.5|4|4|4"_s, u"+3|3|3|3|3"_s, u"- 5|0|0|0|-"_s, u"-7|-7|-7|-1|0"_s,
              u"32767|32767|32767|1025|1024"_s, u"-32769|-32769|-|-1|0"_s,
              QString(400, u'9') + u"|inf|-|1025|1024"_s})
            QTest::newRow(qPrintable(l.left(12))) << l.split(u'|');
    }
    void numericText() {
        QLocale::setDefault(QLocale(QLocale::French, QLocale::France)); // a comma ends a number
        QFETCH(QStringList, cas);
        const auto some = [](const auto& v) { return v ? QString::number(*v) : u"-"_s; };
        QCOMPARE(QStringList({cas[0], QString::number(numericValue(cas[0])), some(toInt16(cas[0])),
                              QString::number(typedAddress(cas[0])), some(typedLength(cas[0]))}),
                 cas);
        QLocale::setDefault(QLocale::c());
    }

    // Past the records of a file, up to record 512, every lamp is lit and no code given;
    // beyond, nothing. New clears the codes up to record 255 and keeps the lamps.
    void loadAndRestart() {
        const QList<Frame> file{frame(u"210000000"_s), frame(u"300000009"_s)};
        Sequence s = Sequence::loaded(file);
        QCOMPARE(records(s, {0, 1, 2, 512, 513, 1024}),
                 u"210000000 300000009 011111111 011111111 000000000 000000000 n2"_s);
        s.at(255).code = 4;
        s.at(256).code = 4;
        s.restart();
        QCOMPARE(records(s, {0, 1, 255, 256}), u"110000000 000000009 011111111 411111111 n0"_s);
        QCOMPARE(records(Sequence(), {0, 1}), u"100000000 000000000 n0"_s);
    }

    // Blocks go in before a record and out of the sequence; the working record moves with the
    // records after them; nothing happens where the store or the sequence would not hold it.
    void blocks_data() {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<QString>("after");
        QTest::newRow("insert at 2") << "+2"
                                     << "100000000 200000001 700000000 300000000 n6";
        QTest::newRow("insert at the end") << "+5"
                                           << "100000000 200000001 300000000 400000001 n6";
        QTest::newRow("insert past the end") << "+6"
                                             << "-";
        QTest::newRow("remove 1..2") << "-1,2"
                                     << "100000000 400000001 500000000 600000001 n3";
        QTest::newRow("remove the working record") << "-5,5"
                                                   << "-";
        QTest::newRow("remove backwards") << "-3,2"
                                          << "-";
    }
    void blocks() {
        QFETCH(QString, operation);
        Sequence s = five();
        const Sequence before = s;
        const QStringList n = operation.mid(1).split(u',');
        const bool done = operation[0] == u'+'
                              ? s.insert(n[0].toInt(), QList<Frame>{frame(u"700000000"_s)})
                              : s.remove(n[0].toInt(), n[1].toInt());
        QTEST(done ? records(s, {0, 1, 2, 3}) : u"-"_s, "after");
        QVERIFY(done || s == before);
        if (operation == u"-1,2") // the places the records left are emptied
            QCOMPARE(records(s, {4, 5}), u"000000000 000000000 n3"_s);
        Sequence full = five();
        full.setLength(Sequence::LastRecord);
        QVERIFY(!full.insert(0, QList<Frame>{Frame{}}) && full.length() == Sequence::LastRecord);
    }

    // The period shown for a base period and a multiplier: no floating-point residue, the
    // locale's separator, western digits.
    void periods_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<int>("base");
        QTest::addColumn<int>("multiplier");
        QTest::addColumn<QString>("shown");
        QTest::newRow("0.4 x20") << "C" << 9 << 5 << "8";
        QTest::newRow("0.35 x15, French") << "fr_FR" << 8 << 4 << "5,25";
        QTest::newRow("0.15 x20") << "C" << 4 << 5 << "3";
        QTest::newRow("Arabic digits") << "ar_EG" << 0 << 1 << u"0\u066B02"_s;
        QTest::newRow("no multiplier") << "C" << 0 << -1 << "0";
        QTest::newRow("code 9 from a file") << "C" << 0 << 8 << "0";
    }
    void periods() {
        QFETCH(QString, locale);
        QFETCH(int, base);
        QFETCH(int, multiplier);
        const double period = timebase::framePeriod(timebase::basePeriod(base), multiplier);
        QTEST(timebase::periodText(period, QLocale(locale)), "shown");
    }

    // The start rounds half to even, a step drops the fraction; out-of-range values stay in an
    // int. "0.050" names the list's "0.05".
    void intervals() {
        using namespace timebase;
        QCOMPARE(QList<int>({startIntervalMs(0.0125, 1), stepIntervalMs(0.0125, 1),
                             startIntervalMs(0.0135, 1), stepIntervalMs(0.00675, 2),
                             startIntervalMs(0.4, 20), startIntervalMs(1e300, 20),
                             startIntervalMs(-1, 1)}),
                 QList<int>({12, 12, 14, 13, 8000, std::numeric_limits<int>::max(), 0}));
        QCOMPARE(basePeriodIndex(u"0.050"_s), std::optional<int>(2));
        QCOMPARE(basePeriodIndex(u"0.03"_s), std::nullopt);
        QCOMPARE(basePeriod(-1) + basePeriod(10), 0.0);
        QCOMPARE(multiplier(-1) + multiplier(7) + multiplier(9), 0);
    }

    // One run through records 0..N-1: codes without a multiplier count nothing; integers are
    // summed before the base period is applied.
    void loop_data() {
        QTest::addColumn<QString>("codes");
        QTest::addColumn<int>("length");
        QTest::addColumn<double>("base");
        QTest::addColumn<double>("seconds");
        QTest::newRow("odd codes") << "0,7,8,9,1,6" << 6 << 0.1 << 2.1;
        QTest::newRow("the sixth record not counted") << "1,2,3,4,5,6" << 5 << 0.35 << 11.55;
        QTest::newRow("a full board") << "" << 251 << 0.01 << 5.02;
    }
    void loop() {
        QFETCH(QString, codes);
        QFETCH(int, length);
        QFETCH(double, base);
        Sequence s;
        for (int r = 0; r < Sequence::Capacity; ++r)
            s.at(r).code = 2;
        const QStringList c = codes.split(u',', Qt::SkipEmptyParts);
        for (int r = 0; r < c.size(); ++r)
            s.at(r).code = qint16(c[r].toInt());
        s.setLength(length);
        QTEST(timebase::loopSeconds(s, base), "seconds");
    }

    // Each move on a row of values, 2 being a value of neither kind.
    void moves_data() {
        QTest::addColumn<int>("move");
        QTest::addColumn<QString>("after");
        QTest::newRow("mirror left") << int(Move::MirrorLeft) << "10100101";
        QTest::newRow("mirror right") << int(Move::MirrorRight) << "10200201";
        QTest::newRow("shift left") << int(Move::ShiftLeft) << "02001010";
        QTest::newRow("shift right") << int(Move::ShiftRight) << "01020010";
        QTest::newRow("rotate left") << int(Move::RotateLeft) << "02001011";
        QTest::newRow("rotate right") << int(Move::RotateRight) << "11020010";
    }
    void moves() {
        QFETCH(int, move);
        std::array<int, 8> row{1, 0, 2, 0, 0, 1, 0, 1};
        applyMove(Move(move), std::span<int>(row), 1, 0);
        QString after;
        for (int v : row)
            after += QString::number(v);
        QTEST(after, "after");
        std::array<int, 8> inverted{1, 0, 2, 0, 0, 1, 0, 1};
        applyMove(Move::Invert, std::span<int>(inverted), 1, 0);
        QCOMPARE(inverted, (std::array<int, 8>{0, 1, 1, 1, 1, 0, 1, 0}));
    }
};

QTEST_GUILESS_MAIN(TstModel)
#include "tst_model.moc"
