#include "EditorRig.h"
#include "editing/History.h"
#include "editing/StoreDiff.h"
#include "files/SequenceFile.h"

using E = SequenceEditor;
using Command = std::function<std::optional<Report>(SequenceEditor&)>;

namespace {

// What a step restores, and what it leaves: the multiplier is a setting.
QString state(const SequenceEditor& e) {
    return view(e).section(u' ', 0, 5) + u' ' +
           QString::fromLatin1(writeSequenceFile(e.sequence()).toBase64());
}

// The first records made by the lamp each lights ('-' none), '/', the count, the record shown.
QString summary(const SequenceEditor& e) {
    QString s;
    for (int r = 0; r < qMin(e.sequence().length(), 8); ++r) {
        const int first = line(e.sequence().at(r)).indexOf(u'1', 1);
        s += first < 0 ? u"-"_s : QString::number(first - 1);
    }
    return s + u"/%1 %2"_s.arg(e.sequence().length()).arg(e.currentRecord());
}

// Record lines at x2, one per digit, each lighting that lamp.
QString lines(const char* lamps) {
    QList<Frame> records;
    for (const char* c = lamps; *c; ++c)
        records << alone(*c - '0');
    return QString::fromLatin1(writeRecordLines(records));
}

const QString Full = u"Place insuffisante : la séquence est ple"_s;

} // namespace

class TstEditingHistory : public QObject {
    Q_OBJECT
private slots:
    // Records 0..4 made and saved, records 1..2 copied, "Mode Auto." ticked, record 2 shown
    // (or another): one undo takes each kind of change back to exactly what was saved, one
    // redo brings it again.
    void undoRedo_data() {
        QTest::addColumn<Action>("change");
        QTest::addColumn<int>("shown");
        const auto row = [](const char* name, const Action& a, int shown = 2) {
            QTest::newRow(name) << a << shown;
        };
        row("lamp", [](E& e) { e.toggleLamp(3); });
        row("clear", [](E& e) { e.clearFrame(); });
        row("record", [](E& e) { e.recordFrame(); });
        row(
            "record at the end", [](E& e) { e.recordFrame(); }, 5);
        row("delete", [](E& e) { e.deleteRecord(); });
        row("mirror", [](E& e) { e.mirror(Side::Left, Press::Left); });
        row("rotate", [](E& e) { e.rotate(Side::Right, Press::Left); });
        row("count typed in a row", [](E& e) { e.setLength(1), e.setLength(3); });
        row("cut", [](E& e) { e.cut(); });
        row("paste", [](E& e) { e.paste(); });
        row(
            "paste at the end", [](E& e) { e.paste(); }, 5);
        row("duplicate", [](E& e) { e.duplicateRecord(); });
    }
    void undoRedo() {
        QFETCH(Action, change);
        QFETCH(int, shown);
        EditorRig rig;
        SequenceEditor& e = rig.editor;
        recordSome(e, 5);
        e.setStartAddress(1);
        e.showRecord(1);
        e.copy();
        e.setAutoRecord(true);
        e.showRecord(shown);
        e.setCurrentEntry(2);
        e.markSaved();
        const QString before = state(e);
        change(e);
        const QString after = state(e);
        QVERIFY(after != before);
        for (int round = 0; round < 2; ++round) {
            e.undo();
            QCOMPARE(state(e), before);
            e.redo();
            QCOMPARE(state(e), after);
        }
        e.undo();
        QVERIFY(!e.isModified());
    }

    // "records made, record shown, Départ, command": x10 chosen, the clipboard given; then
    // the clipboard, the sequence and what the editor said. A command that changes the
    // sequence shows its record, and one undo takes it back.
    void commands_data() {
        QTest::addColumn<QString>("setUp");
        QTest::addColumn<Command>("command");
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<QString>("after");
        QTest::addColumn<QString>("report");
        const Command copy = [](E& e) { return e.copy(), std::optional<Report>(); };
        const Command cut = [](E& e) { return e.cut(), std::optional<Report>(); };
        const Command paste = [](E& e) { return e.paste(); };
        const Command insert = [](E& e) { return e.insertRecord(); };
        const Command duplicate = [](E& e) { return e.duplicateRecord(); };
        const auto row = [](const char* set, const Command& c, const QString& clipboard,
                            const char* after, const QString& report = {}) {
            QTest::newRow(set) << QString::fromLatin1(set) << c << clipboard
                               << QString::fromLatin1(after) << report;
        };
        row("4 1 3 copy reversed", copy, lines("123"), "0123/4 1");
        row("4 3 3 cut the last", cut, lines("3"), "012/3 3");
        row("4 4 0 cut from the working record", cut, lines("0123"), "/0 0");
        row("4 2 -1 cut from no record", cut, {}, "0123/4 2");
        row("3 0 0 paste first", paste, lines("7"), "7012/4 1");
        row("3 3 0 paste at the working record", paste, lines("45"), "01245/5 5");
        row("3 1 0 paste another program's text", paste, u"200000001\n\n 200000010 \n"_s,
            "07612/5 3");
        row("3 1 0 paste 8 digits", paste, u"20000000"_s, "012/3 1",
            u"Le presse-papiers ne contient pas d'enre"_s);
        row("248 0 0 paste, fitting exactly", paste, lines("66"), "66012345/250 2");
        row("249 0 0 paste, not fitting", paste, lines("66"), "01234567/249 0",
            u"Place insuffisante : 2 enregistrements à"_s);
        row("250 0 0 paste, full", paste, lines("6"), "01234567/250 0", Full);
        row("3 3 0 insert at the working record", insert, {}, "012-/4 3");
        row("250 0 0 insert, full", insert, {}, "01234567/250 0", Full);
        row("3 2 0 duplicate the last", duplicate, {}, "0122/4 3");
        row("3 3 0 duplicate the working record", duplicate, {}, "012/3 3");
        row("250 0 0 duplicate, full", duplicate, {}, "01234567/250 0", Full);
    }
    void commands() {
        QFETCH(QString, setUp);
        QFETCH(Command, command);
        QFETCH(QString, clipboard);
        EditorRig rig;
        SequenceEditor& e = rig.editor;
        const QStringList s = setUp.split(u' ');
        recordSome(e, s[0].toInt());
        e.showRecord(s[1].toInt());
        e.setStartAddress(s[2].toInt());
        e.chooseMultiplier(3);
        const bool copies = s[3] == u"copy" || s[3] == u"cut";
        rig.clipboard.content = copies ? QString() : clipboard;
        const Sequence before = e.sequence();
        const std::optional<Report> report = command(e);
        QCOMPARE(rig.clipboard.content, clipboard);
        QTEST(summary(e), "after");
        QTEST(report.value_or(Report{}).text.left(40), "report");
        if (e.sequence() == before)
            return;
        QCOMPARE(lampText(e.lamps()), line(e.sequence().at(e.currentRecord())).mid(1));
        QVERIFY(s[3] != u"insert" || e.sequence().at(e.currentRecord()).code == 4);
        e.undo();
        QVERIFY(e.sequence() == before);
    }

    // The oldest steps go beyond the bound; a setting is no step and keeps what may be
    // redone, a change drops it. Undoing past a save leaves unsaved work; New starts afresh.
    void bounds() {
        EditorRig rig;
        SequenceEditor& e = rig.editor;
        for (int k = 0; k < History::StepLimit + 2; ++k)
            e.invert(Press::Left);
        int undone = 0;
        for (; e.canUndo(); ++undone)
            e.undo();
        QCOMPARE(undone, History::StepLimit);
        QCOMPARE(lampText(e.lamps()), u"00000000"_s);
        e.redo();
        e.chooseMultiplier(5);
        QVERIFY(e.canRedo());
        e.undo();
        QCOMPARE(e.multiplierIndex(), 5);
        recordSome(e, 1);
        QVERIFY(!e.canRedo());
        e.markSaved();
        e.undo();
        QVERIFY(e.isModified());
        e.redo();
        QVERIFY(!e.isModified());
        e.newSequence();
        QVERIFY(!e.canUndo() && !e.canRedo());
    }

    // "operation at record: the records the difference keeps": within 250 records made, a
    // difference keeps the records that came or went and the few around them that differ,
    // whatever shift it is told; undone and redone, it gives the store exactly.
    void storeDiff_data() {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<int>("shift");
        QTest::addColumn<int>("kept");
        QTest::newRow("one changed") << "~3" << 0 << 2;
        QTest::newRow("insert one") << "+0" << 1 << 1;
        QTest::newRow("remove two") << "-10" << -2 << 2;
        QTest::newRow("remove two, told nothing") << "-10" << 0 << 482;
        QTest::newRow("insert one, told a removal") << "+0" << -1 << 502;
    }
    void storeDiff() {
        QFETCH(QString, operation);
        QFETCH(int, shift);
        Sequence before;
        for (int r = 0; r <= 250; ++r)
            before.at(r) =
                frame(QString::number(r % 7) + QString::number(r, 2).rightJustified(8, u'0'));
        before.setLength(250);
        Sequence after = before;
        const int at = operation.mid(1).toInt();
        if (operation[0] == u'~')
            after.at(at).code = 9;
        else if (operation[0] == u'+')
            after.insert(at, QList<Frame>{Frame{}});
        else
            after.remove(at, at + 1);
        const StoreDiff d = StoreDiff::between(before.frames(), after.frames(), shift);
        QTEST(int(d.keptRecords()), "kept");
        Sequence store = after;
        d.undo(store.frames());
        QVERIFY(std::ranges::equal(store.frames(), before.frames()));
        d.redo(store.frames());
        QVERIFY(std::ranges::equal(store.frames(), after.frames()));
    }
};

QTEST_GUILESS_MAIN(TstEditingHistory)
#include "tst_editinghistory.moc"
