#include "EditorRig.h"
#include "editing/ColourQuestion.h"
#include "editing/Player.h"
#include "model/TimeBase.h"

using Transform = std::function<void(SequenceEditor&, Press)>;

namespace {

// Records 0..4 light lamp k with code k + 1.
void five(E& e) {
    load(e, {"110000000", "201000000", "300100000", "400010000", "500001000"});
}

} // namespace

class TstSequenceEditor : public QObject {
    Q_OBJECT
private slots:
    // Recording, showing, the address fields and "Supp.": the view, then the records it names.
    void editing_data() {
        QTest::addColumn<Action>("action");
        int n = 0;
        const auto row = [&n](const char* after, Action a) {
            QTest::addRow("%d %s", n++, after) << a;
        };
        row("0 0 0 0 00000001 M 1 1 0.02 0:100000001",
            [](E& e) { paint(e, "10000001"), e.toggleLamp(0), e.toggleLamp(8); });
        row("0 0 0 0 00000000 M 1 1 0.02 0:111000000",
            [](E& e) { paint(e, "11000000"), e.clearFrame(); });
        row("5 5 0 5 00001000 M 1 1 0.02 0:210000000 4:200001000 5:200000000",
            [](E& e) { recordSome(e, 5); });
        row("3 3 0 5 00010000 M 1 1 0.02 2:211011111", [](E& e) {
            recordSome(e, 5), e.showRecord(2), e.invert(Press::Left), e.recordFrame();
        });
        row("2 2 0 2 11111111 M -1 -1 0 1:101000000 2:011111111", [](E& e) {
            load(e, {"210000000", "001000000"}), e.showRecord(1), e.recordFrame();
        });
        row("250 250 0 250 01000000 M 5 5 0.2 249:201000000 250:201000000 251:000000000", [](E& e) {
            recordSome(e, 250), e.setLength(300), e.chooseMultiplier(5), e.recordFrame();
        });
        row("0 0 0 1 10000000 N 5 5 0.2 0:710000000", [](E& e) { load(e, {"712000300"}); });
        row("2 2 0 2 00000000 M 1 1 0.02",
            [](E& e) { recordSome(e, 2), e.clearFrame(), e.showRecord(2); });
        row("2 2 0 2 00100000 M 1 1 0.02", [](E& e) { recordSome(e, 4), e.setLength(2); });
        row("2 2 0 2 00000000 M 1 1 0.02",
            [](E& e) { recordSome(e, 4), e.showRecord(2), e.clearFrame(), e.setLength(2); });
        row("0 0 0 0 00000000 N 0 0 0.01",
            [](E& e) { e.chooseMultiplier(0), e.chooseMultiplier(6), e.chooseMultiplier(-1); });
        row("0 0 0 0 00000000 N 6 -1 0", [](E& e) { e.setMultiplierIndex(6); });
        row("2 2 0 4 00010000 M 3 3 0.1 3:500001000 4:000000000 5:000000000",
            [](E& e) { five(e), e.setCurrentEntry(2), e.deleteRecord(); });
        row("4 4 0 4 00001000 M 4 4 0.15 4:500001000 5:000000000 6:011111111",
            [](E& e) { five(e), e.setCurrentEntry(5), e.deleteRecord(); });
        row("0 0 0 0 00000000 M -1 -1 0 0:000000000 1:201000000",
            [](E& e) { five(e), e.setLength(0), e.deleteRecord(); });
        row("1023 1023 0 1023 00000000 M -1 -1 0",
            [](E& e) { e.setLength(1024), e.setCurrentEntry(1023), e.deleteRecord(); });
        row("0 -1 0 5 10000000 N 0 0 0.01 5:011111111", [](E& e) {
            five(e), e.setCurrentEntry(6), e.deleteRecord(), e.setCurrentEntry(-1),
                e.deleteRecord();
        });
    }
    void editing() {
        QFETCH(Action, action);
        EditorRig rig;
        action(rig.editor);
        const QString after = QString::fromUtf8(QTest::currentDataTag()).section(u' ', 1);
        QCOMPARE(view(rig.editor, after.section(u' ', 9)), after);
    }

    // "grid record|after a left press|after a middle press" (then unsaved work, "En cours"); then,
    // "Mode Auto." ticked, a left press after records 0..3 with lamp 0 alone: count, record 4.
    void transforms_data() {
        QTest::addColumn<Transform>("transform");
        QTest::addColumn<QString>("cas");
        const std::pair<Transform, const char*> rows[] = {
            {[](E& e, Press p) { e.mirror(Side::Left, p); },
             "00000011 00110011|11000011 00110011 M7|00000011 00110011 N7|4 10000000"},
            {[](E& e, Press p) { e.mirror(Side::Right, p); },
             "10000000 10000000|10000001 10000000 N7|10000001 10000000 N7|4 10000000"},
            {[](E& e, Press p) { e.shift(Side::Left, p); },
             "10000001 10110011|00000010 10110011 N0|10000001 10110011 N7|5 10000000"},
            {[](E& e, Press p) { e.shift(Side::Right, p); },
             "10000001 10110011|01000000 10110011 M7|10000001 10110011 M7|5 10000000"},
            {[](E& e, Press p) { e.rotate(Side::Left, p); },
             "01000000 11000001|10000000 10000011 M7|01000000 11000001 N7|5 10000000"},
            {[](E& e, Press p) { e.rotate(Side::Right, p); },
             "10000000 10000011|01000000 11000001 M7|10000000 10000011 M7|5 10000000"},
            {[](E& e, Press p) { e.invert(p); },
             "10010000 10010000|01101111 10010000 N7|01101111 10010000 N7|4 10000000"},
        };
        for (const auto& [transform, cas] : rows)
            QTest::newRow(cas) << transform << QString::fromLatin1(cas);
    }
    void transforms() {
        QFETCH(Transform, transform);
        QFETCH(QString, cas);
        QString after = cas.left(17);
        for (Press press : {Press::Left, Press::Middle}) {
            EditorRig rig;
            E& e = rig.editor;
            load(e, {u'3' + cas.mid(9, 8)});
            e.clearFrame(), paint(e, cas.left(8)), e.setCurrentEntry(7), e.markSaved();
            transform(e, press);
            const QStringList v = view(e, u"0:"_s).split(u' ');
            after += u'|' + v[4] + u' ' + v[9].mid(3) + u' ' + v[5] + v[1];
        }
        EditorRig rig;
        E& e = rig.editor;
        recordSome(e, 4);
        e.setAutoRecord(true), e.clearFrame(), e.toggleLamp(0), transform(e, Press::Left);
        QCOMPARE(after +
                     u"|%1 %2"_s.arg(e.sequence().length()).arg(line(e.sequence().at(4)).mid(1)),
                 cas);
    }

    // Yellow and green ask first; New brings back red lit only and unticks "Mode Auto.".
    void colours() {
        QVERIFY(!colourQuestion(LedColour::Red));
        QCOMPARE(
            colourQuestion(LedColour::Yellow)->title + colourQuestion(LedColour::Green)->text,
            u" * LT840 V1.02 *Cette fonction n'est disponible que sur le logiciel. Êtes-vous sûr de vouloir continuer?"_s);
        EditorRig rig;
        E& e = rig.editor;
        e.setColours(LedColour::Green), e.setAutoRecord(true), e.newSequence();
        QVERIFY(e.colours() == LampColours({FixedColour::Red, 0x00C0FFC0}) && !e.autoRecord());
    }

    // From lamp 0 lit and saved: what each call announces once over (the period whenever computed).
    void announcements_data() {
        QTest::addColumn<Action>("action");
        const auto row = [](const char* names, Action a) { QTest::newRow(names) << a; };
        row("sequence currentRecord currentEntry modified", [](E& e) { e.recordFrame(); });
        row("", [](E& e) { e.showRecord(0); });
        row("framePeriodComputed", [](E& e) { e.chooseBasePeriod(0); });
        row("multiplier basePeriod framePeriodComputed framePeriodComputed",
            [](E& e) { e.chooseBasePeriod(3), e.chooseMultiplier(3); });
        row("currentEntry startAddress autoRecord colours", [](E& e) {
            e.setStartAddress(2), e.setCurrentEntry(2), e.setAutoRecord(true),
                e.setColours(LedColour::Yellow);
        });
        row("sequence lamps modified history", [](E& e) { e.undo(); });
        row("lamps framePeriodComputed history", [](E& e) { e.newSequence(); });
    }
    void announcements() {
        QFETCH(Action, action);
        EditorRig rig;
        rig.editor.toggleLamp(0), rig.editor.markSaved();
        const QMetaObject& m = E::staticMetaObject;
        std::vector<std::unique_ptr<QSignalSpy>> spies;
        for (int i = m.methodOffset(); i < m.methodCount(); ++i)
            spies.emplace_back(new QSignalSpy(&rig.editor, "2" + m.method(i).methodSignature()));
        action(rig.editor);
        QString names;
        for (int i = 0; i < int(spies.size()); ++i)
            names += QString::fromLatin1(m.method(m.methodOffset() + i).name() + ' ')
                         .remove(u"Changed"_s)
                         .repeated(spies[i]->size());
        QCOMPARE(names.trimmed(), QString::fromLatin1(QTest::currentDataTag()));
    }

    // "codes of records 0.. (else 2)|count|base period|start, ticks, then PLAY (+) or STOP (-)|
    // records shown:interval, '.' once stopped|button marked, period, Départ, playing".
    void playing_data() {
        QTest::addColumn<QString>("cas");
        for (const char* l :
             {"3,2,1,0|3|0|0|0:50 1:20 2:20 3:20|-1 0 0 0",
              "2,2,3,4,5|4|0|2|2:50 3:100 4:150|4 0.15 2 0", "5,5|1|8|0|0:5250 1:5250|4 5.25 0 0",
              "0,2,2|2|0|0|0:0|-1 0 0 1", "2,9,2|2|0|0|0:20 1:0|-1 0 0 1",
              "|1024|0|1023|1023:20 1024:20|-1 0 1023 0", "|3|0|3|3:20.|1 0.02 3 0",
              "|3|0|5|5:20.|1 0.02 0 0", "|3|0|1025|1:10000.|1 0.02 0 0",
              "|3|0|-1|1:10000.|1 0.02 -1 0", "|5|0|0 2+|0:20 1:20 2:20 3:20 4:20 5:20|1 0.02 0 0",
              "|5|0|0 2-|2:10000.|1 0.02 0 0"})
            QTest::newRow(l) << QString::fromLatin1(l);
    }
    void playing() {
        QFETCH(QString, cas);
        const QStringList c = cas.split(u'|'), how = c[3].split(u' ');
        EditorRig rig;
        E& e = rig.editor;
        FakeTimer timer;
        Player player(e, timer);
        QVERIFY(timer.intervalMs == 500 && !timer.enabled);
        player.stop();
        QVERIFY(!timer.enabled); // before any start the timer stays disabled
        QStringList file;
        for (int r = 0; r < Sequence::LastRecord; ++r)
            file << c[0].split(u',', Qt::SkipEmptyParts).value(r, u"2"_s) +
                        QString::number(r % 251 + 1, 2).rightJustified(8, u'0');
        load(e, file);
        e.setLength(c[1].toInt()), e.chooseBasePeriod(c[2].toInt()), e.showRecord(1);
        e.setStartAddress(how[0].toInt()), player.start();
        for (int k = 0; k < how.value(1).left(1).toInt(); ++k)
            player.tick();
        if (how.value(1).endsWith(u'+'))
            player.start();
        else if (how.value(1).endsWith(u'-'))
            player.stop();
        QStringList shown;
        do {
            QVERIFY(gridShowsRecord(e) &&
                    (e.currentEntry() == e.currentRecord() || !Sequence::holds(how[0].toInt())));
            shown << u"%1:%2"_s.arg(e.currentRecord()).arg(timer.intervalMs) +
                         (player.isPlaying() ? "" : ".");
        } while (timer.ticks() && player.isPlaying() && (player.tick(), player.isPlaying()));
        QCOMPARE(
            u"%1|%2 %3 %4"_s
                .arg(shown.join(u' '), view(e).section(u' ', 7, 8), view(e).section(u' ', 2, 2))
                .arg(player.isPlaying()),
            cas.section(u'|', 4));
        const int last = e.currentRecord();
        player.tick(); // stopped, the timer idles without ever being disabled
        QVERIFY(player.isPlaying() ||
                (timer.enabled && timer.intervalMs == timebase::IdleIntervalMs &&
                 e.currentRecord() == last));
    }
};

QTEST_GUILESS_MAIN(TstSequenceEditor)
#include "tst_sequenceeditor.moc"
