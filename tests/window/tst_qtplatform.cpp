#include "PlainUser.h"
#include "files/DiskFile.h"
#include "serial/UserSettings.h"
#include "window/platform/MessageBoxes.h"
#include "window/platform/QtClipboard.h"
#include "window/platform/QtFileDialog.h"
#include "window/platform/QtProgramFolders.h"
#include "window/platform/QtTimer.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <optional>

namespace {

// Runs `act` on the modal window once the call under test has opened it.
void onModal(QObject* guard, const std::function<void(QWidget*)>& act) {
    QTimer::singleShot(0, guard, [act] { act(QApplication::activeModalWidget()); });
}

} // namespace

class TstQtPlatform : public QObject {
    Q_OBJECT
    QTemporaryDir m_config; // ~/.config for the run, before Qt settles the settings' folder

private slots:
    void initTestCase() {
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_config.path()));
        QCOMPARE(userSettings().fileName(), m_config.filePath("lt840/lt840.conf"));
    }

    // A name typed into the real dialog, or Escape: the dialog starts in the folder given,
    // shows the filters (several patterns under no label; a label whose pattern is missing
    // dropped rather than read past the end), adds the default extension to a bare name.
    void fileDialog_data() {
        QTest::addColumn<bool>("opening");
        QTest::addColumn<QString>("typed"); // "": Escape
        QTest::addColumn<QString>("chosen");
        QTest::newRow("save seq") << false << "seq"
                                  << "seq.dat";
        QTest::newRow("cancelled") << false << ""
                                   << "";
        QTest::newRow("open ld") << true << "ld"
                                 << "ld.dat";
    }
    void fileDialog() {
        QFETCH(bool, opening);
        QFETCH(QString, typed);
        QTemporaryDir folder;
        QVERIFY(writeWholeFile(folder.filePath("ld.dat"), "x"));
        QString seen;
        QObject guard;
        onModal(&guard, [&](QWidget* modal) {
            auto* d = qobject_cast<QFileDialog*>(modal);
            QVERIFY(d);
            seen = d->directory().path() + u'|' + d->nameFilters().join(u';');
            auto* name = d->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            QTest::keyClicks(name, typed);
            QTest::keyClick(name, typed.isEmpty() ? Qt::Key_Escape : Qt::Key_Return);
        });
        // A dialog that refused the name would wait for the user: close it rather than hang.
        QTimer::singleShot(5000, &guard, [] {
            while (QWidget* m = QApplication::activeModalWidget())
                m->close();
        });
        const FileDialogSettings s{"T",
                                   "Tous les fichiers (*.dat)|*.dat|Fichiers "
                                   "texte(*.txt)|*.txt|Tous (*.*)|*.*||*.a;*.b|Seul",
                                   folder.path(), "*.dat", ""};
        QtFileDialog dialog;
        const QString chosen = opening ? dialog.chooseToOpen(s) : dialog.chooseToSave(s);
        QCOMPARE(seen, folder.path() +
                           "|Tous les fichiers (*.dat);Fichiers texte (*.txt);Tous (*);(*.a *.b)");
        QTEST(QFileInfo(chosen).fileName(), "chosen");
    }

    // Each box as "title|text|icon|buttons|answer"; "" presses Escape, which answers neither
    // Yes nor No; a form feed breaks the line.
    void messageBoxes_data() {
        QTest::addColumn<bool>("question");
        QTest::addColumn<Report::Icon>("icon");
        QTest::addColumn<QString>("press");
        QTest::addColumn<QString>("seen");
        QTest::newRow("critical report") << false << Report::Icon::Critical << "OK"
                                         << "T|Q\n?|3|OK|";
        QTest::newRow("question, Oui") << true << Report::Icon::None << "Oui"
                                       << "T|Q\n?|0|OuiNon|0";
        QTest::newRow("question, Non") << true << Report::Icon::Warning << "Non"
                                       << "T|Q\n?|2|OuiNon|1";
        QTest::newRow("question, Escape") << true << Report::Icon::Critical << ""
                                          << "T|Q\n?|3|OuiNon|2";
    }
    void messageBoxes() {
        QFETCH(bool, question);
        QFETCH(Report::Icon, icon);
        QFETCH(QString, press);
        QString seen;
        QObject guard;
        onModal(&guard, [&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            QVERIFY(box);
            seen = box->windowTitle() + u'|' + box->text() + u'|' + QString::number(box->icon());
            seen += u'|';
            for (QAbstractButton* b : box->buttons())
                seen += b->isVisibleTo(box) ? b->text() : QString();
            seen += u'|';
            for (QAbstractButton* b : box->buttons())
                if (b->text() == press)
                    return b->click();
            QTest::keyClick(box, Qt::Key_Escape);
        });
        MessageBoxes boxes;
        const Report report{QStringLiteral("Q\f?"), QStringLiteral("T"), icon};
        if (question)
            seen += QString::number(int(boxes.ask(report)));
        else
            boxes.show(report);
        QTEST(seen, "seen");
    }

    // Whether the editor runs installed or from its build folder decides where its
    // configuration file and its file dialogs go. Each row: the program's folder in a scratch
    // tree, a desktop entry placed in the tree or "", the folder read-only.
    void installed_data() {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<bool>("readOnly");
        QTest::addColumn<bool>("installed");
        QTest::newRow("build") << "build/src"
                               << "build/packaging/" LT840_APP_ID ".desktop" << false << false;
        QTest::newRow("prefix") << "usr/bin"
                                << "usr/share/applications/" LT840_APP_ID ".desktop" << false
                                << true;
        QTest::newRow("read-only") << "opt/lt840"
                                   << "" << true << true;
    }
    void installed() {
        QFETCH(QString, program);
        QFETCH(QString, entry);
        QFETCH(bool, readOnly);
        QTemporaryDir tree;
        const QDir root(tree.path());
        const QString folder = root.filePath(program);
        QVERIFY(root.mkpath(program));
        QVERIFY(entry.isEmpty() || (root.mkpath(QFileInfo(root.filePath(entry)).path()) &&
                                    writeWholeFile(root.filePath(entry), {})));
        std::optional<PlainUser> user;
        if (readOnly) {
            user.emplace(QList<std::pair<QString, mode_t>>{{tree.path(), 0755}, {folder, 0555}});
            QVERIFY(user->ready());
        }
        QTEST(QtProgramFolders::isInstalled(folder), "installed");
    }

    // A build keeps lt840.cfg beside itself, its dialogs start there; the user's folder is the
    // settings' one. An lt840.cfg left in the earlier installations' folder comes over once,
    // bytes unchanged, and that folder goes; from then on the file already there wins.
    void folders() {
        QCOMPARE(QtProgramFolders().programFolder() + QtProgramFolders::documentsIfInstalled(),
                 QCoreApplication::applicationDirPath());
        const QDir config(m_config.path());
        const QString earlier = config.filePath("LT840/lt840.cfg");
        QVERIFY(config.mkpath("LT840") && writeWholeFile(earlier, "3\r\n*.dat\r\n"));
        QCOMPARE(QtProgramFolders().userFolder(), config.filePath("lt840"));
        QVERIFY(!config.exists("LT840") && config.mkpath("LT840") &&
                writeWholeFile(earlier, "1\r\n"));
        const QString cfg = QtProgramFolders().userFolder() + "/lt840.cfg";
        QCOMPARE(readWholeFile(cfg, 99).value_or(""), "3\r\n*.dat\r\n");
        QVERIFY(QFileInfo::exists(earlier));
    }

    // The settings in a row, then whether the timer runs; a running one ticks.
    void timer_data() {
        QTest::addColumn<QList<int>>("intervals"); // each configured enabled, but -1: disabled
        QTest::addColumn<bool>("ticking");
        QTest::newRow("40 ms") << QList<int>{40} << true;
        QTest::newRow("0 stops") << QList<int>{40, 0} << false;
        QTest::newRow("disabled") << QList<int>{40, -1} << false;
        QTest::newRow("1 ms") << QList<int>{0, 1} << true;
        QTest::newRow("10 s then 1 ms") << QList<int>{10000, 1} << true;
    }
    void timer() {
        QFETCH(QList<int>, intervals);
        QtTimer timer;
        for (const int ms : intervals)
            timer.configure(ms < 0 ? 40 : ms, ms >= 0);
        QTEST(timer.isTicking(), "ticking");
        QSignalSpy ticks(&timer, &QtTimer::ticked);
        QCOMPARE(ticks.wait(timer.isTicking() ? 5000 : 100), timer.isTicking());
    }

    // Whether the clipboard holds text follows the desktop's clipboard, whoever changes it.
    void clipboard() {
        QtClipboard clipboard;
        clipboard.setText(QStringLiteral("1 00000000"));
        QVERIFY(clipboard.hasText());
        QCOMPARE(clipboard.text(), QStringLiteral("1 00000000"));
        QGuiApplication::clipboard()->clear();
        QVERIFY(!clipboard.hasText());
        QGuiApplication::clipboard()->setText(QStringLiteral("x"));
        QVERIFY(clipboard.hasText());
    }
};

QTEST_MAIN(TstQtPlatform)
#include "tst_qtplatform.moc"
