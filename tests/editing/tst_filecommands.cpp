#include "EditorRig.h"
#include "editing/FileCommands.h"
#include "files/DiskFile.h"

namespace {

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

class TstFileCommands : public QObject {
    Q_OBJECT
private slots:
    // ".dat" is added unless the name holds it, case counting; the dialog opens in the
    // program's folder without a name, and the open dialog next starts with the name chosen.
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

    // "quit or close, unsaved work, answer, file saved to|may end, asked, unsaved afterwards".
    void quit_data() {
        QTest::addColumn<QString>("after");
        for (const char* tag :
             {"quit changed y absent/f.dat", "quit changed d f.dat", "close changed d f.dat"})
            QTest::newRow(tag) << "0 1 1";
        QTest::newRow("quit changed n f.dat") << "1 1 1";
        QTest::newRow("close changed y f.dat") << "1 1 0";
        QTest::newRow("close deleted n f.dat") << "1 1 1";
    }
    void quit() {
        const QStringList how = QString::fromLatin1(QTest::currentDataTag()).split(u' ');
        const bool saved = how[1] != u"changed";
        FileRig rig(how[2], saved ? QStringList{u"s.dat"_s, how[3]} : QStringList{how[3]});
        QVERIFY(!saved || rig.files.saveSequence().done);
        if (how[1] == u"deleted")
            rig.editor.deleteRecord();
        const bool mayEnd = rig.files.quit(how[0] == u"quit").done;
        QTEST(
            u"%1 %2 %3"_s.arg(mayEnd).arg(rig.questions.asked.size()).arg(rig.editor.isModified()),
            "after");
        QVERIFY(rig.questions.asked.isEmpty() ||
                said(rig.questions.asked[0]) ==
                    u"Voulez-vous sauvegarder avant de quitter?|* LT840 *|0"_s);
    }
};

QTEST_GUILESS_MAIN(TstFileCommands)
#include "tst_filecommands.moc"
