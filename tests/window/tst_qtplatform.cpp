#include "BoxAnswers.h"
#include "PlainUser.h"
#include "files/DiskFile.h"
#include "serial/UserSettings.h"
#include "window/platform/MessageBoxes.h"
#include "window/platform/QtClipboard.h"
#include "window/platform/QtFileDialog.h"
#include "window/platform/QtProgramFolders.h"
#include "window/platform/QtTimer.h"

#include <QClipboard>
#include <QFileDialog>
#include <QLineEdit>
#include <QTimer>
#include <QtTest>

#include <optional>

using namespace Qt::StringLiterals;
using Icon = Report::Icon;

class TstQtPlatform : public QObject {
    Q_OBJECT
    QTemporaryDir m_config; // ~/.config for the run, before Qt settles the settings' folder

private slots:
    void initTestCase() {
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_config.path()));
        QCOMPARE(userSettings().fileName(), m_config.filePath("lt840/lt840.conf"));
    }

    // "save|open typed" (nothing: Escape): the dialog starts in the folder with the filters (a
    // label without its pattern is dropped, not read past); a bare name gets the extension.
    void fileDialog_data() {
        QTest::addColumn<QString>("chosen");
        QTest::newRow("save seq") << u"seq.dat"_s;
        QTest::newRow("save") << u""_s;
        QTest::newRow("open ld") << u"ld.dat"_s;
    }
    void fileDialog() {
        const QStringList how = QString::fromLatin1(QTest::currentDataTag()).split(u' ');
        const bool opening = how[0] == u"open";
        const QString typed = how.value(1);
        QTemporaryDir folder;
        QVERIFY(writeWholeFile(folder.filePath("ld.dat"), "x"));
        QString seen;
        QObject guard;
        QTimer::singleShot(0, &guard, [&] {
            auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            QVERIFY(d);
            seen = d->directory().path() + u'|' + d->nameFilters().join(u';');
            auto* name = d->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            QTest::keyClicks(name, typed);
            QTest::keyClick(name, typed.isEmpty() ? Qt::Key_Escape : Qt::Key_Return);
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

    // "title|text|icon|buttons|answer"; "" presses Escape, which answers neither Yes nor No.
    void messageBoxes_data() {
        QTest::addColumn<bool>("question");
        QTest::addColumn<Icon>("icon");
        QTest::addColumn<QString>("press");
        QTest::addColumn<QString>("shown");
        QTest::newRow("report") << false << Icon::Critical << u"OK"_s << u"T|Q\n?|3|OK|"_s;
        QTest::newRow("Oui") << true << Icon::None << u"Oui"_s << u"T|Q\n?|0|OuiNon|0"_s;
        QTest::newRow("Escape") << true << Icon::Critical << u""_s << u"T|Q\n?|3|OuiNon|2"_s;
    }
    void messageBoxes() {
        QFETCH(bool, question);
        QFETCH(Icon, icon);
        QFETCH(QString, press);
        BoxAnswers boxes;
        boxes.answers << press;
        MessageBoxes messages;
        const Report report{QStringLiteral("Q\f?"), QStringLiteral("T"), icon};
        const QString answer = question ? QString::number(int(messages.ask(report))) : QString();
        if (!question)
            messages.show(report);
        QTEST(boxes.shown.join(u',') + u'|' + answer, "shown");
    }

    // The program's folder and a desktop entry in a scratch tree; without one, read-only.
    void installed_data() {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<bool>("installed");
        const QString entry = QStringLiteral("/" LT840_APP_ID ".desktop");
        QTest::newRow("build") << u"build/src"_s << u"build/packaging"_s + entry << false;
        QTest::newRow("prefix") << u"usr/bin"_s << u"usr/share/applications"_s + entry << true;
        QTest::newRow("read-only") << u"opt/lt840"_s << QString() << true;
    }
    void installed() {
        QFETCH(QString, program);
        QFETCH(QString, entry);
        QTemporaryDir tree;
        const QDir root(tree.path());
        const QString folder = root.filePath(program);
        QVERIFY(root.mkpath(program));
        QVERIFY(entry.isEmpty() || (root.mkpath(QFileInfo(root.filePath(entry)).path()) &&
                                    writeWholeFile(root.filePath(entry), {})));
        std::optional<PlainUser> user;
        if (entry.isEmpty()) {
            user.emplace(QList<std::pair<QString, mode_t>>{{tree.path(), 0755}, {folder, 0555}});
            QVERIFY(user->ready());
        }
        QTEST(QtProgramFolders::isInstalled(folder), "installed");
    }

    // A build keeps lt840.cfg beside itself; the earlier folder's lt840.cfg moves over once.
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
        QVERIFY(clipboard.hasText() && clipboard.text() == u"1 00000000");
        QGuiApplication::clipboard()->clear();
        QVERIFY(!clipboard.hasText());
    }
};

QTEST_MAIN(TstQtPlatform)
#include "tst_qtplatform.moc"
