#include "model/Effects.h"

#include <QtTest>

using namespace effects;
using namespace Qt::StringLiterals;

namespace {

// Frames as the file writes them, "code lamps", one per line joined by blanks.
QString lines(const QList<Frame>& frames) {
    QStringList list;
    for (const Frame& f : frames) {
        QString s = QString::number(f.code);
        for (qint16 lamp : f.lamps)
            s += QString::number(lamp);
        list << s;
    }
    return list.join(u' ');
}

// The first two frames, "…", then the last one; every frame when there are three at most.
QString outline(const QList<Frame>& frames) {
    if (frames.size() <= 3)
        return lines(frames);
    return lines(frames.mid(0, 2)) + u" … "_s + lines(frames.mid(frames.size() - 1));
}

Options with(std::initializer_list<std::pair<Parameter, int>> values) {
    Options options;
    for (const auto& [parameter, value] : values)
        options[parameter] = value;
    return options;
}

} // namespace

class TstEffects : public QObject {
    Q_OBJECT
private slots:
    void frames_data() {
        QTest::addColumn<Effect>("effect");
        QTest::addColumn<Options>("options");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char* name, Effect e, Options o, int count, QString expected) {
            QTest::newRow(name) << e << o << count << expected;
        };
        const Options reversed =
            with({{Parameter::Width, 2}, {Parameter::Code, 3}, {Parameter::Reverse, 1}});
        const Options once = with({{Parameter::Width, 3}, {Parameter::Wrap, 0}});
        row("chase 1", Effect::Chase, {}, 8, u"110000000 101000000 … 100000001"_s);
        row("chase 2 x5 wraps", Effect::Chase, with({{Parameter::Width, 2}, {Parameter::Code, 3}}),
            8, u"311000000 301100000 … 310000001"_s);
        row("chase 2 from the right", Effect::Chase, reversed, 8,
            u"300000011 300000110 … 310000001"_s);
        row("chase 3 without wrap", Effect::Chase, once, 6, u"111100000 101110000 … 100000111"_s);
        row("chase 7", Effect::Chase, with({{Parameter::Width, 7}}), 8,
            u"111111110 101111111 … 111111101"_s);
        row("scanner 1", Effect::Scanner, {}, 14, u"110000000 101000000 … 101000000"_s);
        row("scanner 4", Effect::Scanner, with({{Parameter::Width, 4}}), 8,
            u"111110000 101111000 … 101111000"_s);
        row("fill", Effect::Fill, {}, 16, u"110000000 111000000 … 100000000"_s);
        row("alternate twice", Effect::Alternate, with({{Parameter::Times, 2}}), 4,
            u"110101010 101010101 … 101010101"_s);
        row("blink", Effect::Blink, with({{Parameter::Code, 6}}), 2, u"611111111 600000000"_s);
        row("blink takes no direction", Effect::Blink, with({{Parameter::Reverse, 1}}), 2,
            u"111111111 100000000"_s);
        row("meet and part", Effect::MeetAndPart, {}, 6, u"110000001 101000010 … 101000010"_s);
        row("counter up", Effect::Counter, with({{Parameter::Last, 255}}), 256,
            u"100000000 100000001 … 111111111"_s);
        row("counter down", Effect::Counter, with({{Parameter::First, 5}, {Parameter::Last, 3}}), 3,
            u"100000101 100000100 100000011"_s);
        row("counter of one value", Effect::Counter,
            with({{Parameter::First, 128}, {Parameter::Last, 128}}), 1, u"110000000"_s);
        row("sparkle of 7 lamps", Effect::Sparkle,
            with({{Parameter::Lamps, 7}, {Parameter::Frames, 40}}), 40, {});
        row("width out of bounds", Effect::Scanner, with({{Parameter::Width, 5}}), 0, {});
        row("no frame at all", Effect::Blink, with({{Parameter::Times, 0}}), 0, {});
        row("code past x20", Effect::Fill, with({{Parameter::Code, 7}}), 0, {});
        row("counter past 255", Effect::Counter, with({{Parameter::Last, 256}}), 0, {});
        row("sparkle of 8 lamps", Effect::Sparkle, with({{Parameter::Lamps, 8}}), 0, {});
    }
    void frames() {
        QFETCH(Effect, effect);
        QFETCH(Options, options);
        QFETCH(int, count);
        QFETCH(QString, expected);
        const QList<Frame> made = generate(effect, options);
        QCOMPARE(made.size(), count);
        if (!expected.isEmpty())
            QCOMPARE(outline(made), expected);
        for (const Frame& f : made) {
            int lit = 0;
            for (int lamp = 0; lamp < Frame::LampCount; ++lamp)
                lit += f.lamps[lamp];
            QVERIFY(effect != Effect::Sparkle || lit == options[Parameter::Lamps]);
            QCOMPARE(int(f.code), options[Parameter::Code]);
        }
    }

    // The same seed gives the same frames, a wholly different draw for another seed; the
    // frames of one seed are spelled out so that a change of the draw is seen.
    void sparkleSeed() {
        const Options a = with({{Parameter::Frames, 4}, {Parameter::Seed, 7}});
        const Options b = with({{Parameter::Frames, 4}, {Parameter::Seed, 8}});
        QCOMPARE(lines(generate(Effect::Sparkle, a)), lines(generate(Effect::Sparkle, a)));
        QCOMPARE(lines(generate(Effect::Sparkle, a)), u"110000001 101100000 100010100 100100001"_s);
        QVERIFY(lines(generate(Effect::Sparkle, a)) != lines(generate(Effect::Sparkle, b)));
    }

    void repeatKeepsTheFramesAsTheyAre() {
        QList<Frame> source(2);
        source[0].code = 4;
        source[1].lamps[7] = 1;
        const Options options =
            with({{Parameter::Times, 3}, {Parameter::Code, 1}, {Parameter::Reverse, 1}});
        QCOMPARE(lines(generate(Effect::Repeat, options, source)),
                 u"400000000 000000001 400000000 000000001 400000000 000000001"_s);
    }
};

QTEST_APPLESS_MAIN(TstEffects)
#include "tst_effects.moc"
