#include "EditorRig.h"
#include "editing/FileCommands.h"
#include "editing/History.h"
#include "editing/StoreDiff.h"
#include "files/DiskFile.h"
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

const QByteArray Header = "LT840  V1.02\r\n";

QString said(const std::optional<Report>& r) {
    return r ? u"%1|%2|%3"_s.arg(r->text, r->title).arg(int(r->icon)) : QString();
}

// Three frames at x10, unsaved, "Départ" at 1; answers (y, n, d: Escape) and paths queued.
struct FileRig : EditorRig {
    FakeFileDialog dialog;
    FakeQuestions questions;
    FakeProgramFolders folders;
    FileCommands files{editor, dialog, questions, folders};
    QSignalSpy titles{&files, &FileCommands::titleChanged}, used{&files, &FileCommands::fileUsed};

    FileRig(const QString& answers, const QStringList& paths) {
        editor.chooseMultiplier(3), editor.setStartAddress(1);
        for (const QString& lamps : {u"11000000"_s, u"00110000"_s, u"00001100"_s})
            editor.clearFrame(), paint(editor, lamps), editor.recordFrame();
        for (QChar a : answers) // in the order of Answer
            questions.answers << Answer(u"ynd"_s.indexOf(a));
        for (const QString& p : paths)
            dialog.paths << (p.isEmpty() ? p : folders.program.filePath(p));
    }
};

} // namespace

class TstCommands : public QObject {
    Q_OBJECT
private slots:
    // From records 0..4 saved, 1..2 copied, record 2 shown: undo restores it, redo the change.
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
        const auto with = [](auto call, const char* l) {
            return Command(
                [call, f = *readRecordLines(lines(l).toLatin1())](E& e) { return (e.*call)(f); });
        };
        const auto effect = std::bind_front(with, &E::insertFrames);
        const auto replace = std::bind_front(with, &E::replaceChosenRange);
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

    // The step limit, settings, redo dropped, the saved state, New, a recording that only moves.
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

    // ".dat" added unless the name has it; the next open dialog starts with the name chosen.
    void save_data() {
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("report");
        QTest::newRow("a.DAT") << "a.DAT.dat" << u" Sauvegarde effectuée |* LT840 *|0"_s;
        QTest::newRow("a.data") << "a.data" << u" Sauvegarde effectuée |* LT840 *|0"_s;
        QTest::newRow("") << "" << u"Votre fichier n'a pas été sauvegardé.|* LT840 *|1"_s;
    }
    void save() {
        QFETCH(QString, written);
        const QString chosen = QString::fromLatin1(QTest::currentDataTag());
        FileRig rig(u"y"_s, {chosen});
        const FileCommands::Outcome saved = rig.files.saveSequence();
        QTEST(said(saved.report), "report");
        QVERIFY(saved.done == !written.isEmpty() && rig.editor.isModified() == !saved.done);
        QCOMPARE(rig.used.size(), int(saved.done));
        QCOMPARE(readWholeFile(rig.folders.program.filePath(written), 1 << 16).value_or(""),
                 saved.done ? Header + " 3 \r\n411000000\r\n400110000\r\n400001100\r\n400000000\r\n"
                            : "");
        rig.files.openSequence();
        const FileDialogSettings s = rig.dialog.shown[0];
        QCOMPARE(QStringList({s.title, s.filters, s.folder, s.defaultExtension, s.fileName}),
                 QStringList({"Dezudoziru",
                              "Tous les fichiers (*.dat)|*.dat|Fichiers texte(*.txt)|*.txt|Tous "
                              "les Fichiers (*.*)|*.*|",
                              rig.folders.programFolder(), "*.dat", ""}));
        QCOMPARE(rig.dialog.shown[1].fileName,
                 chosen.isEmpty() ? chosen : rig.folders.program.filePath(chosen));
    }

    // "command, answer, record shown, file": + (done) or -, then the report, or view and records.
    // Escape is No; a load shows record 0 and its multiplier; New keeps store lamps and multiplier.
    void replace_data() {
        QTest::addColumn<QString>("after");
        for (const char* tag : {"open y 2 a.dat", "open y 0 a.dat", "path y 2 a.txt"})
            QTest::newRow(tag)
                << u"+0 0 1 2 10000000 N 1 1 0.02 0:210000000 1:201000000 2:011111111"_s;
        for (const char* tag : {"open n 2 a.dat", "open d 2 a.dat", "new d 2 "})
            QTest::newRow(tag) << "-";
        QTest::newRow("open y 2 ") << u"-Vous n'avez ouvert aucun fichier.|* LT840  V1.02 *|1"_s;
        QTest::newRow("open y 2 a.txt") << u"-Fichier non disponible ! |* LT840 *|1"_s;
        QTest::newRow("open y 2 2000.dat") << u"-Fichier non compatible.|* LT840  V1.02 *|1"_s;
        QTest::newRow("new y 2 ") << u"+0 0 0 0 00000000 N 3 3 0.1 0:111000000 1:000110000"_s;
    }
    void replace() {
        QFETCH(QString, after);
        const QStringList how = QString::fromLatin1(QTest::currentDataTag()).split(u' ');
        FileRig rig(how[1], {how[3]});
        rig.editor.showRecord(how[2].toInt());
        const QString path = rig.folders.program.filePath(how[3].isEmpty() ? u"a.dat"_s : how[3]);
        QVERIFY(writeWholeFile(
            path, Header + (how[3] == u"2000.dat" ? "2000\r\n" : " 2 \r\n210\r\n201\r\n")));
        const QString before = view(rig.editor, u"0: 1: 2:"_s);
        FileCommands::Outcome outcome{how[0] == u"new" && rig.files.newSequence(), std::nullopt};
        if (how[0] != u"new")
            outcome = how[0] == u"open" ? rig.files.openSequence() : rig.files.openPath(path);
        QCOMPARE(said(rig.questions.asked.value(0)),
                 (how[0] == u"new" ? u" Attention!!! Désirez"_s : u" Attention!!!    Désirez"_s) +
                     u"-vous effacer les données non enregistrées?|* LT840 *|1"_s);
        const bool changed = after.contains(u':');
        QCOMPARE((outcome.done ? u"+"_s : u"-"_s) +
                     (outcome.report
                          ? said(outcome.report)
                          : view(rig.editor, changed ? after.section(u' ', 9) : u"0: 1: 2:"_s)),
                 after.size() > 1 ? after : after + before);
        QCOMPARE(rig.titles.value(0).value(0).toString(),
                 changed && how[0] != u"new" ? u"FICHIER = "_s + path : QString());
    }

    // "quit or close, answer, file saved to|may end, unsaved afterwards", work unsaved.
    void quit_data() {
        QTest::addColumn<QString>("after");
        QTest::newRow("quit y absent/f.dat") << "0 1";
        QTest::newRow("close y f.dat") << "1 0";
    }
    void quit() {
        const QStringList how = QString::fromLatin1(QTest::currentDataTag()).split(u' ');
        FileRig rig(how[1], {how[2]});
        const bool mayEnd = rig.files.quit(how[0] == u"quit").done;
        QCOMPARE(rig.questions.asked.size(), 1);
        QTEST(u"%1 %2"_s.arg(mayEnd).arg(rig.editor.isModified()), "after");
    }
};

QTEST_GUILESS_MAIN(TstCommands)
#include "tst_commands.moc"
