#include "EditorRig.h"
#include "editing/ColourQuestion.h"

using Transform = std::function<void(SequenceEditor&, Press)>;

namespace {

struct Case {
    const char* name;
    Action action;
    const char* view;
    const char* stored = "";
};

// Records 0..4 lighting lamp k with code k + 1, as a file brings them.
void five(E& e) {
    load(e, {u"110000000"_s, u"201000000"_s, u"300100000"_s, u"400010000"_s, u"500001000"_s});
}

// The count typed, record `shown` shown, then recorded twice at x20.
void recordTwiceFrom(E& e, int shown) {
    recordSome(e, 250), e.setLength(300), e.showRecord(shown), e.chooseMultiplier(5);
    paint(e, u"10101010"_s), e.recordFrame(), e.recordFrame();
}

} // namespace

class TstSequenceEditor : public QObject {
    Q_OBJECT
private slots:
    // Recording at the end extends the sequence, the working record inheriting the code and
    // the frame staying on the grid; inside, it overwrites and shows the next record; never
    // past record 250. Showing lights only 1, writes other values back as 0 and keeps the
    // file's code, the multiplier held within the buttons. "Supp." deletes the record "En
    // cours" names, the working record emptied first, and shows the record named or the last.
    void editing_data() {
        QTest::addColumn<Case>("c");
        const Case cases[] = {
            {"start", [](E&) {}, "0 0 0 0 00000000 N 1 1 0.02", "0:100000000"},
            {"lamps write through", [](E& e) { paint(e, u"10000001"_s), e.toggleLamp(8); },
             "0 0 0 0 10000001 M 1 1 0.02", "0:110000001"},
            {"clear: the grid only", [](E& e) { paint(e, u"11000000"_s), e.clearFrame(); },
             "0 0 0 0 00000000 M 1 1 0.02", "0:111000000"},
            {"record at the end", [](E& e) { recordSome(e, 5); }, "5 5 0 5 00001000 M 1 1 0.02",
             "0:210000000 1:201000000 4:200001000 5:200000000"},
            {"record inside", [](E& e) { recordSome(e, 5), e.showRecord(2), e.recordFrame(); },
             "3 3 0 5 00010000 M 1 1 0.02", "2:200100000"},
            {"no code inherited",
             [](E& e) {
                 load(e, {u"210000000"_s, u"001000000"_s}), e.showRecord(1), e.recordFrame();
             },
             "2 2 0 2 11111111 M -1 -1 0", "1:101000000 2:011111111"},
            {"at 250", [](E& e) { recordTwiceFrom(e, 250); }, "250 250 0 250 10101010 M 5 5 0.2",
             "249:201000000 250:210101010 251:000000000"},
            {"beyond 250", [](E& e) { recordTwiceFrom(e, 260); },
             "250 250 0 250 10101010 M 5 5 0.2", "250:210101010"},
            {"- down to 0",
             [](E& e) { recordSome(e, 1), e.showPreviousRecord(), e.showPreviousRecord(); },
             "0 0 0 1 10000000 M 1 1 0.02"},
            {"code 0", [](E& e) { load(e, {u"012000300"_s}); }, "0 0 0 1 10000000 N -1 -1 0",
             "0:010000000"},
            {"code 7", [](E& e) { load(e, {u"712000300"_s}); }, "0 0 0 1 10000000 N 5 5 0.2",
             "0:710000000"},
            {"showing where it stands",
             [](E& e) { recordSome(e, 2), e.clearFrame(), e.showRecord(2); },
             "2 2 0 2 00000000 M 1 1 0.02"},
            {"count below the record shown", [](E& e) { recordSome(e, 4), e.setLength(2); },
             "2 2 0 2 00100000 M 1 1 0.02"},
            {"past the store", [](E& e) { e.setLength(5000), e.showRecord(5000); },
             "1024 1024 0 1024 00000000 M -1 -1 0"},
            {"fields held at the count",
             [](E& e) {
                 e.setLength(9), e.setStartAddress(12), e.setCurrentEntry(9);
                 e.checkStartAddress(), e.checkCurrentEntry();
             },
             "0 9 9 9 00000000 M 1 1 0.02"},
            {"0.35 x15", [](E& e) { e.chooseBasePeriod(8), e.chooseMultiplier(4); },
             "0 0 0 0 00000000 N 4 4 5.25"},
            {"no button", [](E& e) { e.setMultiplierIndex(8), e.chooseMultiplier(6); },
             "0 0 0 0 00000000 N 8 -1 0"},
            {"delete inside", [](E& e) { five(e), e.setCurrentEntry(2), e.deleteRecord(); },
             "2 2 0 4 00010000 M 3 3 0.1", "2:400010000 3:500001000 4:000000000 5:000000000"},
            {"delete the working record",
             [](E& e) { five(e), e.setCurrentEntry(5), e.deleteRecord(); },
             "4 4 0 4 00001000 M 4 4 0.15", "4:500001000 5:000000000 6:011111111"},
            {"delete with none made", [](E& e) { five(e), e.setLength(0), e.deleteRecord(); },
             "0 0 0 0 00000000 M -1 -1 0", "0:000000000 1:201000000"},
            {"delete the store's last",
             [](E& e) { e.setLength(1024), e.setCurrentEntry(1023), e.deleteRecord(); },
             "1023 1023 0 1023 00000000 M -1 -1 0"},
            {"delete outside",
             [](E& e) {
                 five(e), e.setCurrentEntry(6), e.deleteRecord();
                 e.setCurrentEntry(-1), e.deleteRecord();
             },
             "0 -1 0 5 10000000 N 0 0 0.01", "4:500001000 5:011111111"},
        };
        for (const Case& c : cases)
            QTest::newRow(c.name) << c;
    }
    void editing() {
        QFETCH(Case, c);
        EditorRig rig;
        c.action(rig.editor);
        QCOMPARE(view(rig.editor), QString::fromUtf8(c.view));
        QCOMPARE(records(rig.editor, c.stored), QString::fromUtf8(c.stored));
    }

    // "grid, record 0|after a left press|after a middle press": the grid, record 0, unsaved
    // work and "En cours". Then with "Mode Auto." at the end of records 0..3, eight presses
    // from lamp 7 alone if the first record lights it, else from lamp 0: records 4..11 by
    // the lamp each lights, the record shown and the grid. Only shifts and rotations record.
    void transforms_data() {
        QTest::addColumn<Transform>("transform");
        QTest::addColumn<QString>("cas");
        const auto row = [](const char* name, const Transform& t, const char* cas) {
            QTest::newRow(name) << t << QString::fromLatin1(cas);
        };
        row(
            "mirror left", [](E& e, Press p) { e.mirror(Side::Left, p); },
            "00000011 300110011|11000011 300110011 M 7|00000011 300110011 N 7|0------- 4 00000000");
        row(
            "mirror right", [](E& e, Press p) { e.mirror(Side::Right, p); },
            "10000000 310000000|10000001 310000000 N 7|10000001 310000000 N 7|0------- 4 10000001");
        row(
            "shift left", [](E& e, Press p) { e.shift(Side::Left, p); },
            "10000001 310110011|00000010 310110011 N 0|10000001 310110011 N 7|76543210 12 "
            "00000000");
        row(
            "shift right", [](E& e, Press p) { e.shift(Side::Right, p); },
            "10000001 310110011|01000000 310110011 M 7|10000001 310110011 M 7|01234567 12 "
            "00000000");
        row(
            "rotate left", [](E& e, Press p) { e.rotate(Side::Left, p); },
            "01000000 311000001|10000000 310000011 M 7|01000000 311000001 N 7|76543210 12 "
            "00000001");
        row(
            "rotate right", [](E& e, Press p) { e.rotate(Side::Right, p); },
            "10000000 310000011|01000000 311000001 M 7|10000000 310000011 M 7|01234567 12 "
            "10000000");
        row(
            "invert", [](E& e, Press p) { e.invert(p); },
            "10010000 310010000|01101111 310010000 N 7|01101111 310010000 N 7|0------- 4 10000000");
    }
    void transforms() {
        QFETCH(Transform, transform);
        QFETCH(QString, cas);
        QStringList after;
        for (Press press : {Press::Left, Press::Middle}) {
            EditorRig rig;
            E& e = rig.editor;
            load(e, {cas.mid(9, 9)});
            e.clearFrame(), paint(e, cas.left(8)), e.setCurrentEntry(7), e.markSaved();
            transform(e, press);
            after << u"%1 %2 %3 %4"_s
                         .arg(lampText(e.lamps()), line(e.sequence().at(0)),
                              e.isModified() ? u"M" : u"N")
                         .arg(e.currentEntry());
        }
        EditorRig rig;
        E& e = rig.editor;
        recordSome(e, 4);
        e.setAutoRecord(true), e.clearFrame(),
            e.toggleLamp(cas.section(u'|', 3)[0] == u'7' ? 7 : 0);
        for (int k = 0; k < 8; ++k)
            transform(e, Press::Left);
        QString lit;
        for (int r = 4; r < 12; ++r)
            lit += u"-01234567"_s[qMax(0, line(e.sequence().at(r)).indexOf(u'1', 1))];
        after << u"%1 %2 %3"_s.arg(lit).arg(e.currentRecord()).arg(lampText(e.lamps()));
        QCOMPARE(cas.section(u'|', 0, 0) + u'|' + after.join(u'|'), cas);
    }

    // Yellow and green ask first, red asks nothing; New brings back the red lit colour only.
    void colours() {
        QVERIFY(!colourQuestion(LedColour::Red));
        QCOMPARE(colourQuestion(LedColour::Green)->title, titles::Main);
        const Report yellow = *colourQuestion(LedColour::Yellow);
        QCOMPARE(yellow.text + u'|' + yellow.title,
                 u"Cette fonction n'est disponible que sur le logiciel. Êtes-vous sûr de vouloir "
                 u"continuer?| * LT840 V1.02 *"_s);
        EditorRig rig;
        rig.editor.setColours(LedColour::Green);
        rig.editor.newSequence();
        QVERIFY(rig.editor.colours() == LampColours({FixedColour::Red, 0x00C0FFC0}));
    }

    // Changes are announced once the call is over, and only real ones; the period whenever
    // it is computed.
    void announcements() {
        EditorRig rig;
        E& e = rig.editor;
        QSignalSpy sequence(&e, &E::sequenceChanged), record(&e, &E::currentRecordChanged),
            modified(&e, &E::modifiedChanged), period(&e, &E::framePeriodComputed),
            base(&e, &E::basePeriodChanged), history(&e, &E::historyChanged);
        e.recordFrame(), e.showRecord(1), e.chooseBasePeriod(0);
        QCOMPARE(QList<qsizetype>({sequence.size(), record.size(), modified.size(), period.size(),
                                   base.size(), history.size()}),
                 QList<qsizetype>({1, 1, 1, 1, 0, 1}));
        QCOMPARE(record.at(0).at(0).toInt(), 1);
    }
};

QTEST_GUILESS_MAIN(TstSequenceEditor)
#include "tst_sequenceeditor.moc"
