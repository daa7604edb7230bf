#include "EditorRig.h"
#include "editing/FileCommands.h"

#include <QDir>

namespace {

const QByteArray Header = "LT840  V1.02\r\n";
const QString NotAvailable = u"Fichier non disponible ! |* LT840 *|1"_s;

QString said(const std::optional<Report>& r) {
    return r ? u"%1|%2|%3"_s.arg(r->text, r->title).arg(int(r->icon)) : QString();
}

struct FileRig : EditorRig {
    FakeFileDialog dialog;
    FakeQuestions questions;
    FakeProgramFolders folders;
    FileCommands files{editor, dialog, questions, folders};
    QString title;
    QStringList used;

    FileRig() {
        QObject::connect(&files, &FileCommands::titleChanged, [this](auto& t) { title = t; });
        QObject::connect(&files, &FileCommands::fileUsed, [this](auto& p) { used << p; });
        editor.chooseMultiplier(3); // three frames at x10, not saved
        for (const char* lamps : {"11000000", "00110000", "00001100"})
            editor.clearFrame(), paint(editor, QString::fromLatin1(lamps)), editor.recordFrame();
    }
    QString path(const QString& name) const { return folders.program.filePath(name); }
    QString put(const QString& name, const QByteArray& bytes) {
        QFile f(path(name));
        return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size() ? path(name) : "";
    }
    void answer(QChar a) {
        questions.answers << (a == u'y' ? Answer::Yes : a == u'n' ? Answer::No : Answer::Dismissed);
    }
};

QByteArray content(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TstFileCommands : public QObject {
    Q_OBJECT
private slots:
    // A name gets ".dat" unless it holds it already, case counting. The dialog opens in the
    // program's folder with no name; the next open dialog starts with the name chosen.
    void save_data() {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("report");
        const QString done = u" Sauvegarde effectuée |* LT840 *|0"_s;
        QTest::newRow("a.DAT") << "a.DAT"
                               << "a.DAT.dat" << done;
        QTest::newRow("a.data") << "a.data"
                                << "a.data" << done;
        QTest::newRow("cancelled") << ""
                                   << "" << u"Votre fichier n'a pas été sauvegardé.|* LT840 *|1"_s;
        QTest::newRow("no such folder") << "absent/f.dat"
                                        << "" << NotAvailable;
    }
    void save() {
        QFETCH(QString, chosen);
        QFETCH(QString, written);
        FileRig rig;
        rig.dialog.paths << (chosen.isEmpty() ? chosen : rig.path(chosen));
        const FileCommands::Outcome saved = rig.files.saveSequence();
        QTEST(said(saved.report), "report");
        QCOMPARE(saved.done, !written.isEmpty());
        QCOMPARE(rig.editor.isModified(), !saved.done);
        QCOMPARE(rig.used, saved.done ? QStringList{rig.path(written)} : QStringList());
        QCOMPARE(content(rig.path(written)),
                 saved.done ? Header + " 3 \r\n411000000\r\n400110000\r\n400001100\r\n400000000\r\n"
                            : "");
        rig.answer(u'y');
        rig.files.openSequence();
        const FileDialogSettings s = rig.dialog.shown[0];
        QCOMPARE(QStringList({s.title, s.filters, s.folder, s.defaultExtension, s.fileName}),
                 QStringList({u"Dezudoziru"_s,
                              u"Tous les fichiers (*.dat)|*.dat|Fichiers texte(*.txt)|*.txt|"
                              u"Tous les Fichiers (*.*)|*.*|"_s,
                              rig.folders.programFolder(), u"*.dat"_s, QString()}));
        QCOMPARE(rig.dialog.shown[1].fileName, chosen.isEmpty() ? chosen : rig.path(chosen));
    }

    // Open and New ask before they replace unsaved work, Escape counting as No; a refused or
    // failed command changes nothing. A load shows record 0 and its multiplier wherever the
    // editor stood, and keeps "Départ"; New clears the codes of records 1..255 and the grid,
    // and keeps the lamps of the store and the multiplier in force.
    // "command, answer, record shown, file": the report, then the view and the records.
    void replace_data() {
        QTest::addColumn<QString>("report");
        QTest::addColumn<QString>("after");
        const QString loaded = u"0 0 1 2 10000000 N 1 1 0.02|0:210000000 1:201000000 2:011111111 "
                               u"512:011111111 513:000000000"_s;
        const QString notOpened = u"|* LT840  V1.02 *|1"_s;
        QTest::newRow("open y 2 a.dat") << "" << loaded;
        QTest::newRow("open y 0 a.dat") << "" << loaded;
        QTest::newRow("path y 2 a.txt") << "" << loaded;
        QTest::newRow("open n 2 a.dat") << ""
                                        << "";
        QTest::newRow("open d 2 a.dat") << ""
                                        << "";
        QTest::newRow("open y 2 -") << u"Vous n'avez ouvert aucun fichier."_s + notOpened << "";
        QTest::newRow("open y 2 a.txt") << NotAvailable << "";
        QTest::newRow("open y 2 2000.dat") << u"Fichier non compatible."_s + notOpened << "";
        QTest::newRow("open y 2 big.dat") << NotAvailable << "";
        QTest::newRow("new y 2 -")
            << ""
            << u"0 0 0 0 00000000 N 3 3 0.1|0:111000000 1:000110000 255:000000000 256:300000000"_s;
        QTest::newRow("new d 2 -") << ""
                                   << "";
    }
    void replace() {
        QFETCH(QString, after);
        const QStringList how = QString::fromLatin1(QTest::currentDataTag()).split(u' ');
        FileRig rig;
        E& e = rig.editor;
        QStringList file(257, u"000000000"_s);
        file[0] = u"411000000"_s, file[1] = u"400110000"_s, file[2] = u"400001100"_s;
        file[255] = file[256] = u"300000000"_s;
        load(e, file);
        e.setLength(3), e.setStartAddress(1), e.showRecord(how[2].toInt());
        e.chooseMultiplier(3), e.toggleLamp(7);
        const QByteArray bytes = how[3] == u"2000.dat" ? Header + "2000\r\n" + QByteArray(2001, '1')
                                 : how[3] == u"big.dat"
                                     ? Header + " 1 \r\n" + QByteArray(1 << 21, '1')
                                     : Header + " 2 \r\n210000000\r\n201000000\r\n";
        const QString path = rig.put(how[3], bytes);
        rig.dialog.paths << (how[3] == u"-" ? QString() : path);
        rig.answer(how[1][0]);
        const QString before = view(e);
        const Sequence stored = e.sequence();
        std::optional<Report> report;
        if (how[0] == u"new")
            QCOMPARE(rig.files.newSequence(), !after.isEmpty());
        else
            report =
                (how[0] == u"open" ? rig.files.openSequence() : rig.files.openPath(path)).report;
        QCOMPARE(said(rig.questions.asked.value(0)),
                 (how[0] == u"new" ? u" Attention!!! Désirez"_s : u" Attention!!!    Désirez"_s) +
                     u"-vous effacer les données non enregistrées?|* LT840 *|1"_s);
        QTEST(said(report), "report");
        QCOMPARE(rig.title,
                 after.isEmpty() || how[0] == u"new" ? QString() : u"FICHIER = "_s + path);
        QVERIFY(!after.isEmpty() || (view(e) == before && e.sequence() == stored));
        if (after.isEmpty())
            return;
        QCOMPARE(view(e) + u'|' + records(e, after.section(u'|', 1)), after);
    }

    // Quit always asks, closing only with unsaved work (a deletion after a save is). Yes
    // ends only once the save succeeded; Escape ends nothing. "quit or close, unsaved work,
    // answer, the save fails|may end, asked, unsaved afterwards".
    void quit_data() {
        QTest::addColumn<QString>("after");
        QTest::newRow("quit changed n -") << "1 1 1";
        QTest::newRow("quit changed y fails") << "0 1 1";
        QTest::newRow("quit changed d -") << "0 1 1";
        QTest::newRow("quit saved n -") << "1 1 0";
        QTest::newRow("close changed d -") << "0 1 1";
        QTest::newRow("close changed y -") << "1 1 0";
        QTest::newRow("close saved n -") << "1 0 0";
        QTest::newRow("close deleted n -") << "1 1 1";
    }
    void quit() {
        const QStringList how = QString::fromLatin1(QTest::currentDataTag()).split(u' ');
        FileRig rig;
        if (how[1] != u"changed")
            rig.dialog.paths << rig.path(u"saved.dat"_s);
        QVERIFY(how[1] == u"changed" || rig.files.saveSequence().done);
        if (how[1] == u"deleted")
            rig.editor.deleteRecord();
        rig.answer(how[2][0]);
        rig.dialog.paths << rig.path(how[3] == u"fails" ? u"absent/f.dat"_s : u"f.dat"_s);
        const bool mayEnd = rig.files.quit(how[0] == u"quit").done;
        QTEST(u"%1 %2 %3"_s.arg(int(mayEnd))
                  .arg(int(!rig.questions.asked.isEmpty()))
                  .arg(int(rig.editor.isModified())),
              "after");
        QVERIFY(rig.questions.asked.isEmpty() ||
                said(rig.questions.asked[0]) ==
                    u"Voulez-vous sauvegarder avant de quitter?|* LT840 *|0"_s);
    }
};

QTEST_GUILESS_MAIN(TstFileCommands)
#include "tst_filecommands.moc"
