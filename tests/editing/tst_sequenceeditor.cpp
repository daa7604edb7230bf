#include "EditorRig.h"
#include "editing/ColourQuestion.h"

using Transform = std::function<void(SequenceEditor&, Press)>;

namespace {

struct Case {
    Action action;
    const char* after; // the view, then the records it names
};

// Records 0..4 light lamp k with code k + 1.
void five(E& e) {
    load(e, {"110000000", "201000000", "300100000", "400010000", "500001000"});
}

} // namespace

class TstSequenceEditor : public QObject {
    Q_OBJECT
private slots:
    // Recording, showing, the address fields and "Supp.", in that order.
    void editing_data() {
        QTest::addColumn<Case>("c");
        const Case cases[] = {
            {[](E&) {}, "0 0 0 0 00000000 N 1 1 0.02 0:100000000"},
            {[](E& e) { paint(e, "10000001"), e.toggleLamp(0), e.toggleLamp(8); },
             "0 0 0 0 00000001 M 1 1 0.02 0:100000001"},
            {[](E& e) { paint(e, "11000000"), e.clearFrame(); },
             "0 0 0 0 00000000 M 1 1 0.02 0:111000000"},
            {[](E& e) { recordSome(e, 5); },
             "5 5 0 5 00001000 M 1 1 0.02 0:210000000 4:200001000 5:200000000"},
            {[](E& e) {
                 recordSome(e, 5), e.showRecord(2), e.invert(Press::Left), e.recordFrame();
             },
             "3 3 0 5 00010000 M 1 1 0.02 2:211011111"},
            {[](E& e) {
                 load(e, {"210000000", "001000000"}), e.showRecord(1), e.recordFrame();
             },
             "2 2 0 2 11111111 M -1 -1 0 1:101000000 2:011111111"},
            {[](E& e) {
                 recordSome(e, 250), e.setLength(300), e.chooseMultiplier(5), e.recordFrame();
             },
             "250 250 0 250 01000000 M 5 5 0.2 249:201000000 250:201000000 251:000000000"},
            {[](E& e) { load(e, {"712000300"}); }, "0 0 0 1 10000000 N 5 5 0.2 0:710000000"},
            {[](E& e) { recordSome(e, 2), e.clearFrame(), e.showRecord(2); },
             "2 2 0 2 00000000 M 1 1 0.02"},
            {[](E& e) { recordSome(e, 4), e.setLength(2); }, "2 2 0 2 00100000 M 1 1 0.02"},
            {[](E& e) { recordSome(e, 4), e.showRecord(2), e.clearFrame(), e.setLength(2); },
             "2 2 0 2 00000000 M 1 1 0.02"},
            {[](E& e) { e.setLength(9), e.setStartAddress(12), e.checkStartAddress(); },
             "0 0 9 9 00000000 M 1 1 0.02"},
            {[](E& e) { e.setLength(9), e.setCurrentEntry(10), e.checkCurrentEntry(); },
             "0 9 0 9 00000000 M 1 1 0.02"},
            {[](E& e) { e.chooseMultiplier(0), e.chooseMultiplier(6), e.chooseMultiplier(-1); },
             "0 0 0 0 00000000 N 0 0 0.01"},
            {[](E& e) { e.setMultiplierIndex(6); }, "0 0 0 0 00000000 N 6 -1 0"},
            {[](E& e) { five(e), e.setCurrentEntry(2), e.deleteRecord(); },
             "2 2 0 4 00010000 M 3 3 0.1 3:500001000 4:000000000 5:000000000"},
            {[](E& e) { five(e), e.setCurrentEntry(5), e.deleteRecord(); },
             "4 4 0 4 00001000 M 4 4 0.15 4:500001000 5:000000000 6:011111111"},
            {[](E& e) { five(e), e.setLength(0), e.deleteRecord(); },
             "0 0 0 0 00000000 M -1 -1 0 0:000000000 1:201000000"},
            {[](E& e) { e.setLength(1024), e.setCurrentEntry(1023), e.deleteRecord(); },
             "1023 1023 0 1023 00000000 M -1 -1 0"},
            {[](E& e) {
                 five(e), e.setCurrentEntry(6), e.deleteRecord(), e.setCurrentEntry(-1),
                     e.deleteRecord();
             },
             "0 -1 0 5 10000000 N 0 0 0.01 5:011111111"},
        };
        for (const Case& c : cases)
            QTest::addRow("%d %s", int(&c - cases), c.after) << c;
    }
    void editing() {
        QFETCH(Case, c);
        EditorRig rig;
        c.action(rig.editor);
        const QString after = QString::fromUtf8(c.after);
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

    // Yellow and green ask first, red asks nothing; New brings back the red lit colour only
    // and unticks "Mode Auto.".
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
        QTest::newRow("sequence currentRecord currentEntry modified")
            << Action([](E& e) { e.recordFrame(); });
        QTest::newRow("") << Action([](E& e) { e.showRecord(0); });
        QTest::newRow("framePeriodComputed") << Action([](E& e) { e.chooseBasePeriod(0); });
        QTest::newRow("multiplier basePeriod framePeriodComputed framePeriodComputed")
            << Action([](E& e) { e.chooseBasePeriod(3), e.chooseMultiplier(3); });
        QTest::newRow("currentEntry startAddress autoRecord colours") << Action([](E& e) {
            e.setStartAddress(2), e.setCurrentEntry(2), e.setAutoRecord(true),
                e.setColours(LedColour::Yellow);
        });
        QTest::newRow("sequence lamps modified history") << Action([](E& e) { e.undo(); });
        QTest::newRow("lamps framePeriodComputed history") << Action([](E& e) { e.newSequence(); });
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
};

QTEST_GUILESS_MAIN(TstSequenceEditor)
#include "tst_sequenceeditor.moc"
