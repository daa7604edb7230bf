#include "EditorRig.h"
#include "editing/History.h"
#include "editing/StoreDiff.h"
#include "files/SequenceFile.h"

using Command = std::function<std::optional<Report>(SequenceEditor&)>;

namespace {

// Records 0..7 by the lamp each lights, the count, the record shown.
QString summary(const E& e) {
    QString s;
    for (int r = 0; r < qMin(e.sequence().length(), 8); ++r)
        s += u"-01234567"_s[qMax(0, line(e.sequence().at(r)).indexOf(u'1', 1))];
    return s + u"/%1 %2"_s.arg(e.sequence().length()).arg(e.currentRecord());
}

// Record lines at x2, one per digit, each lighting that lamp.
QString lines(const char* lamps) {
    QString s;
    for (const char* c = lamps; *c; ++c)
        s += u"2%1\r\n"_s.arg(QString(8, u'0').replace(*c - '0', 1, u'1'));
    return s;
}

const QString Full = u"Place insuffisante : la séquence est ple"_s;

} // namespace

class TstEditingHistory : public QObject {
    Q_OBJECT
private slots:
    // From records 0..4 saved, 1..2 copied and record 2 shown, one undo takes each change back
    // to exactly what was saved (the multiplier aside), one redo brings it again.
    void undoRedo_data() {
        QTest::addColumn<Action>("change");
        QTest::newRow("lamp") << Action([](E& e) { e.toggleLamp(3); });
        QTest::newRow("clear") << Action([](E& e) { e.clearFrame(); });
        QTest::newRow("record") << Action([](E& e) { e.recordFrame(); });
        QTest::newRow("delete") << Action([](E& e) { e.deleteRecord(); });
        QTest::newRow("rotate") << Action([](E& e) { e.rotate(Side::Right, Press::Left); });
        QTest::newRow("count typed") << Action([](E& e) { e.setLength(1), e.setLength(3); });
        QTest::newRow("cut") << Action([](E& e) { e.cut(); });
        QTest::newRow("duplicate") << Action([](E& e) { e.duplicateRecord(); });
        QTest::newRow("paste") << Action([](E& e) { e.paste(); });
    }
    void undoRedo() {
        QFETCH(Action, change);
        EditorRig rig;
        E& e = rig.editor;
        recordSome(e, 5), e.setStartAddress(1), e.showRecord(1), e.copy();
        e.setAutoRecord(true), e.showRecord(2), e.markSaved();
        const auto state = [&e] {
            return view(e).section(u' ', 0, 5) + writeSequenceFile(e.sequence()).toBase64();
        };
        const QString before = state();
        change(e);
        const QString after = state();
        QVERIFY(after != before);
        for (int round = 0; round < 2; ++round) {
            e.undo();
            QCOMPARE(state(), before);
            e.redo();
            QCOMPARE(state(), after);
        }
    }

    // "records made, record shown, Départ", x10 in force: what the command says, leaves on
    // the clipboard and makes of the sequence, whether the menu offered it and unsaved work.
    void commands_data() {
        QTest::addColumn<Command>("command");
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<QString>("after");
        QTest::addColumn<QString>("report");
        const Command copy = [](E& e) { return e.copy(), std::optional<Report>(); };
        const Command cut = [](E& e) { return e.cut(), std::optional<Report>(); };
        const Command paste = &E::paste, insert = &E::insertRecord, duplicate = &E::duplicateRecord;
        const QString notRecords = u"Le presse-papiers ne contient pas d'enre"_s;
        const QString two = u"Place insuffisante : 2 enregistrements à"_s;
        const auto row = [](const char* tag, const Command& c, const QString& clipboard,
                            const char* after, const QString& report = {}) {
            QTest::newRow(tag) << c << clipboard << QString::fromLatin1(after) << report;
        };
        row("4 1 3 copy backwards", copy, lines("123"), "0123/4 1 +N");
        row("4 3 3 cut the last", cut, lines("3"), "012/3 3 +M");
        row("4 4 0 cut from the working record", cut, lines("0123"), "/0 0 +M");
        row("4 2 -1 cut from no record", cut, {}, "0123/4 2 -N");
        row("3 3 0 paste at the working record", paste, lines("45"), "01245/5 5 +M");
        row("3 3 0 paste nothing", paste, {}, "012/3 3 -N");
        row("3 1 0 paste 8 digits", paste, u"20000000"_s, "012/3 1 +N", notRecords);
        row("248 0 0 paste, fitting", paste, lines("66"), "66012345/250 2 +M");
        row("249 0 0 paste, not fitting", paste, lines("66"), "01234567/249 0 +N", two);
        row("250 0 0 paste, full", paste, lines("6"), "01234567/250 0 -N", Full);
        row("3 3 0 insert at the working record", insert, {}, "012-/4 3 +M");
        row("250 0 0 insert, full", insert, {}, "01234567/250 0 -N", Full);
        row("3 2 0 duplicate the last", duplicate, {}, "0122/4 3 +M");
        row("3 3 0 duplicate the working record", duplicate, {}, "012/3 3 -N");
        row("250 0 0 duplicate, full", duplicate, {}, "01234567/250 0 -N", Full);
        const auto frames = [](const char* lamps) {
            return *readRecordLines(lines(lamps).toLatin1());
        };
        const auto effect = [&](const char* l) {
            return Command([f = frames(l)](E& e) { return e.insertFrames(f); });
        };
        const auto replace = [&](const char* l) {
            return Command([f = frames(l)](E& e) { return e.replaceChosenRange(f); });
        };
        const QString three = u"Place insuffisante : 3 enregistrements à"_s;
        row("4 1 0 effect before the record shown", effect("66"), {}, "066123/6 1 +M");
        row("249 0 0 effect, not fitting", effect("66"), {}, "01234567/249 0 +N", two);
        row("4 1 2 replace the range", replace("666"), {}, "06663/5 1 +M");
        row("250 1 3 replace, fitting the room freed", replace("666"), {}, "06664567/250 1 +M");
        row("250 1 2 replace, not fitting", replace("666"), {}, "01234567/250 1 +N", three);
        row("4 2 -1 replace no range", replace("6"), {}, "0123/4 2 -N");
    }
    void commands() {
        QFETCH(Command, command);
        QFETCH(QString, clipboard);
        EditorRig rig;
        E& e = rig.editor;
        const QStringList s = QString::fromLatin1(QTest::currentDataTag()).split(u' ');
        recordSome(e, s[0].toInt());
        e.showRecord(s[1].toInt()), e.setStartAddress(s[2].toInt()), e.chooseMultiplier(3);
        rig.clipboard.content = s[3] == u"copy" || s[3] == u"cut" ? QString() : clipboard;
        const Sequence before = e.sequence();
        const bool offered = s[3].startsWith(u"paste") ? e.canPaste()
                             : s[3].startsWith(u"insert") || s[3].startsWith(u"effect")
                                 ? e.canInsert()
                             : s[3].startsWith(u"duplicate") ? e.canDuplicate()
                                                             : e.canCopy();
        e.markSaved();
        QTEST(command(e).value_or(Report{}).text.left(40), "report");
        QCOMPARE(rig.clipboard.content, clipboard);
        QTEST(summary(e) + (offered ? u" +"_s : u" -"_s) + (e.isModified() ? u'M' : u'N'), "after");
        if (e.sequence() == before)
            return;
        QVERIFY(gridShowsRecord(e) &&
                (s[3] != u"insert" || e.sequence().at(e.currentRecord()).code == 4));
        e.undo();
        QVERIFY(e.sequence() == before);
    }

    // The oldest steps go; a setting is no step, a change drops what may be redone; only the state
    // last saved is free of unsaved work; New starts afresh; a recording that only moves is a step.
    void bounds() {
        EditorRig rig;
        E& e = rig.editor;
        for (int k = 0; k < History::StepLimit + 2; ++k)
            e.invert(Press::Left);
        int undone = 0;
        for (; e.canUndo(); ++undone)
            e.undo();
        QVERIFY(undone == History::StepLimit && grid(e) == u"00000000"_s);
        e.redo(), e.redo(), e.markSaved(), e.chooseMultiplier(5), e.undo();
        QVERIFY(e.isModified() && e.canRedo() && e.multiplierIndex() == 5);
        e.undo();
        QVERIFY(e.isModified());
        e.redo(), e.redo();
        QVERIFY(!e.isModified());
        e.undo(), e.markSaved(), e.redo();
        QVERIFY(e.isModified());
        e.recordFrame();
        QVERIFY(!e.canRedo());
        e.newSequence();
        QVERIFY(!e.canUndo() && !e.isModified());
        e.recordFrame(), e.setLength(3), e.undo(), e.setLength(2), e.undo();
        QVERIFY(e.sequence().length() == 1 && e.canRedo());
        e.redo(), e.setLength(4), e.undo();
        QVERIFY(e.sequence().length() == 2);
        e.setLength(1), e.showRecord(0), e.recordFrame(), e.undo();
        QVERIFY(e.currentRecord() == 0 && e.sequence().length() == 1);
    }

    // A step keeps the records that came or went, not those they moved.
    void compactSteps() {
        Sequence before;
        for (int r = 0; r <= 250; ++r)
            before.at(r).code = qint16(r % 7);
        before.setLength(250);
        for (int shift : {1, -2}) {
            Sequence after = before;
            QVERIFY(shift > 0 ? after.insert(9, QList<Frame>(1)) : after.remove(9, 10));
            const StoreDiff d = StoreDiff::between(before.frames(), after.frames(), shift);
            d.undo(after.frames());
            QVERIFY(d.keptRecords() == 2 && std::ranges::equal(after.frames(), before.frames()));
        }
    }
};

QTEST_GUILESS_MAIN(TstEditingHistory)
#include "tst_editinghistory.moc"
