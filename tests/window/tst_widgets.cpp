#include "FakePlatform.h"
#include "FakeSerialLine.h"
#include "board/BoardSession.h"
#include "editing/Player.h"
#include "editing/SequenceEditor.h"
#include "serial/LineSwitch.h"
#include "serial/PortList.h"
#include "window/widgets/AfterFirstPaint.h"
#include "window/widgets/BoardTestWindow.h"
#include "window/widgets/LampGrid.h"
#include "window/widgets/LinkJournal.h"
#include "window/widgets/Overview.h"
#include "window/widgets/PortMenu.h"
#include "window/widgets/RecentFilesMenu.h"
#include "window/widgets/StatusLine.h"
#include "window/widgets/Twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScrollBar>
#include <QSettings>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// The services over fakes; the widgets' signals logged in order as "name argument".
struct Rig {
    FakeClipboard clipboard;
    FakeTimer timer;
    FakeClock clock;
    FakeSerialLine line{clock};
    SequenceEditor editor{clipboard};
    Player player{editor, timer};
    BoardSession session{line, clock};
    QStringList log;

    // Records 0..n-1 as a file brings them: lamp r lit in record r, codes as given.
    void load(const QList<qint16>& codes) {
        QList<Frame> frames(codes.size());
        for (int r = 0; r < codes.size(); ++r)
            frames[r].lamps[r % Frame::LampCount] = 1, frames[r].code = codes[r];
        editor.replaceSequence(Sequence::loaded(frames));
    }
    template <typename Sender, typename... Args>
    void watch(Sender* sender, void (Sender::*signal)(Args...), const QString& name) {
        QObject::connect(sender, signal, sender, [this, name](Args... args) {
            log << QStringList{name, QVariant::fromValue(args).toString()...}.join(u' ');
        });
    }
    // An overview of records 0..2 (and the working record 3) showing record 1.
    void watchOverview(Overview& overview) {
        load({2, 2, 2});
        editor.showRecord(1);
        overview.follow(editor, player);
        watch(&overview, &Overview::recordChosen, "show");
        watch(&overview, &Overview::startAddressChosen, "start");
        watch(&overview, &Overview::recordRequested, "record");
    }
};

// The centre of lamp `lamp`'s dot in overview column `column`; lamp 10 is the bars' foot.
QPoint overviewPoint(int column, int lamp) {
    return {Overview::columnRect(column).x() + 6, 21 + 10 * lamp};
}

struct PaintWatch : QObject {
    QRegion painted;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint)
            painted += static_cast<QPaintEvent*>(e)->region();
        return false;
    }
};

const QColor Red(255, 0, 0), Pink(255, 128, 128);

} // namespace

class TstWidgets : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(QSettings("lt840", "lt840").fileName().contains(u"/.qttest/"));
        QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
        qputenv("LT840_COM1", "/dev/pts/7");
    }
    void init() { QSettings("lt840", "lt840").clear(); }

    // The zones' edges, "x,y" in twips (the presses below try their middles).
    void lampZones_data() {
        QTest::addColumn<int>("lamp"); // -1: none
        const std::pair<const char*, int> rows[] = {
            {"4889,825", 7}, {"4890,600", -1}, {"300,826", -1}, {"854,600", -1}, {"855,600", 1}};
        for (auto [at, lamp] : rows)
            QTest::newRow(at) << lamp;
    }
    void lampZones() {
        const QStringList at = QString::fromLatin1(QTest::currentDataTag()).split(u',');
        QTEST(LampGrid::lampAt(at[0].toInt(), at[1].toInt()).value_or(-1), "lamp");
    }

    // In pixels (15 twips); a double click's second press asks for its lamp too.
    void lampGridPresses() {
        Rig rig;
        LampGrid grid;
        rig.watch(&grid, &LampGrid::lampPressed, "lamp");
        rig.watch(&grid, &LampGrid::recordRequested, "record");
        QTest::mouseClick(&grid, Qt::LeftButton, {}, {16, 25});
        QTest::mouseDClick(&grid, Qt::LeftButton, {}, {325, 55});
        QTest::mouseClick(&grid, Qt::LeftButton, {}, {46, 40});
        QTest::mouseClick(&grid, Qt::RightButton, {}, {46, 40});
        QTest::mouseClick(&grid, Qt::MiddleButton, {}, {16, 25});
        QCOMPARE(rig.log, QStringList({"lamp 0", "lamp 7", "record"}));
    }

    // Yellow's unlit lamp is the tooltip background.
    void lampGridColours_data() {
        QTest::addColumn<LedColour>("scheme");
        QTest::addColumn<QColor>("lit");
        QTest::addColumn<QColor>("unlit"); // invalid: the tooltip background
        QTest::newRow("green") << LedColour::Green << QColor(0, 192, 0) << QColor(192, 255, 192);
        QTest::newRow("yellow") << LedColour::Yellow << QColor(255, 255, 0) << QColor();
    }
    void lampGridColours() {
        QFETCH(LedColour, scheme);
        QFETCH(QColor, lit);
        QFETCH(QColor, unlit);
        Rig rig;
        LampGrid grid;
        grid.follow(rig.editor);
        rig.editor.toggleLamp(2);
        rig.editor.setColours(scheme);
        unlit = unlit.isValid() ? unlit : grid.palette().color(QPalette::ToolTipBase);
        for (int i = 0; i < Frame::LampCount; ++i) {
            QCOMPARE(grid.fillColour(i), i == 2 ? lit : unlit);
            QCOMPARE(grid.lamp(i)->accessibleName(), QStringLiteral("LED %1").arg(i + 1));
            QCOMPARE(grid.lamp(i)->accessibleDescription(), i == 2 ? "allumée" : "éteinte");
        }
    }

    // The design scales with a desktop font above 9 points; the window's font is 8 points then.
    void twipsScale() {
        QString seen;
        for (const double points : {8.0, 13.5}) {
            QFont desktop;
            desktop.setPointSizeF(points);
            seen += u"%1 %2|"_s.arg(twips::fitToDesktopFont(desktop).pointSizeF()).arg(px(1500));
        }
        twips::fitToDesktopFont(QFont()); // the other tests draw at the usual scale
        QCOMPARE(seen, "8 100|12 150|");
    }

    // Presses on the first pixel of a column at lamp 3; keys from record 1.
    void overviewPresses_data() {
        QTest::addColumn<int>("column");
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<QString>("signalGiven");
        QTest::newRow("click working") << 3 << Qt::LeftButton << "show 3";
        QTest::newRow("past the records") << 9 << Qt::LeftButton << "";
        QTest::newRow("middle") << 1 << Qt::MiddleButton << "";
    }
    void overviewPresses() {
        QFETCH(int, column);
        QFETCH(Qt::MouseButton, button);
        Rig rig;
        Overview overview;
        rig.watchOverview(overview);
        QTest::mouseClick(overview.strip(), button, {}, overviewPoint(column, 3) - QPoint(6, 0));
        QTEST(rig.log.join(u','), "signalGiven");
    }
    void overviewKeys() {
        Rig rig;
        Overview overview;
        rig.watchOverview(overview);
        for (const Qt::Key key : {Qt::Key_Left, Qt::Key_Right, Qt::Key_Home, Qt::Key_End})
            QTest::keyClick(overview.strip(), key);
        QCOMPARE(rig.log, QStringList({"show 0", "show 2", "show 0", "show 3"}));
    }

    // Per column: c current, r in the range from "Départ" to "En cours", p played, w working.
    void overviewMarks_data() {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("shown");
        QTest::addColumn<bool>("playing");
        QTest::addColumn<QString>("marks");
        QTest::newRow("1 to 3") << 1 << 3 << false << "- r r cr - w";
        QTest::newRow("4 back to 2") << 4 << 2 << false << "- - cr r r w";
        QTest::newRow("start past the store") << Sequence::Capacity << 2 << false << "- - c - - w";
        QTest::newRow("playing from 2") << 2 << 0 << true << "- - crp - - w";
    }
    void overviewMarks() {
        QFETCH(int, start);
        QFETCH(int, shown);
        QFETCH(bool, playing);
        Rig rig;
        rig.load({2, 2, 2, 2, 2});
        rig.editor.showRecord(shown);
        rig.editor.setStartAddress(start);
        Overview overview;
        overview.follow(rig.editor, rig.player);
        if (playing)
            rig.player.start();
        QStringList marks;
        for (const OverviewColumn& c : overview.image().columns) {
            const QString m = QString(c.current ? "c" : "") + (c.inRange ? "r" : "") +
                              (c.played ? "p" : "") + (c.working ? "w" : "");
            marks << (m.isEmpty() ? QStringLiteral("-") : m);
        }
        QTEST(marks.join(u' '), "marks");
    }

    // A bar for codes 2 and 6, none for 7; the working record faint; the played one's mark red.
    void overviewColours() {
        Rig rig;
        rig.load({2, 6, 7});
        Overview overview;
        overview.follow(rig.editor, rig.player);
        rig.player.start();
        const QImage image = overview.strip()->grab().toImage();
        const auto at = [&image](int c, int i) { return image.pixelColor(overviewPoint(c, i)); };
        for (int i = 0; i < Frame::LampCount; ++i)
            QVERIFY(at(3, i) != Red && at(3, i) != Pink);
        for (int c = 0; c < 3; ++c) {
            for (int i = 0; i < Frame::LampCount; ++i)
                QCOMPARE(at(c, i), i == c ? Red : Pink);
            QCOMPARE(image.pixelColor(overviewPoint(c, 10) + QPoint(0, 4)) != at(c, 8), c < 2);
        }
        QCOMPARE(image.pixelColor(overviewPoint(0, 0).x(), 2), Red);
        QVERIFY(image.pixelColor(overviewPoint(1, 0).x(), 2) != Red);
    }

    // Only the columns whose drawing changed are painted again.
    void overviewRepaints_data() {
        QTest::addColumn<int>("shown"); // -1: a lamp of record 3 switched
        QTest::addColumn<int>("first"); // the columns painted again, from it to record 3's
        QTest::newRow("lamp") << -1 << 3;
        QTest::newRow("record 0 shown, range 0..3 to 0..0") << 0 << 0;
    }
    void overviewRepaints() {
        QFETCH(int, shown);
        QFETCH(int, first);
        Rig rig;
        rig.editor.setLength(250);
        rig.editor.showRecord(3);
        rig.editor.setStartAddress(3);
        Overview overview;
        overview.resize(300, overview.minimumHeight());
        overview.follow(rig.editor, rig.player);
        overview.show();
        QVERIFY(QTest::qWaitForWindowExposed(&overview));
        PaintWatch watch;
        overview.strip()->installEventFilter(&watch);
        shown < 0 ? rig.editor.toggleLamp(0) : rig.editor.showRecord(shown);
        QTRY_VERIFY(!watch.painted.isEmpty());
        const QRect expected = Overview::columnRect(first).united(Overview::columnRect(3));
        QVERIFY(expected.contains(watch.painted.boundingRect()));
        QVERIFY(watch.painted.intersects(Overview::columnRect(3)));
        rig.editor.showRecord(240);
        const QRect seen(overview.horizontalScrollBar()->value(), 0, overview.viewport()->width(),
                         1);
        QVERIFY(seen.contains(Overview::columnRect(240).topLeft()));
    }

    // In the desktop's number format; a long port text stays whole in its tooltip.
    void statusTexts_data() {
        QTest::addColumn<QList<qint16>>("codes");
        QTest::addColumn<int>("com");
        QTest::addColumn<QString>("device");
        QTest::addColumn<QString>("texts");
        const QString empty = "Enregistrements : 0 / 251|Durée d'un tour : 0,00 s|Port : ";
        const QString device = "/dev/serial/by-id/usb-FTDI_FT232R_A5XK3RJT-if00";
        const QList<qint16> none;
        QTest::newRow("x2 x20 and none at 0.05 s, modified")
            << QList<qint16>{2, 6, 7} << 0 << u""_s
            << u"Enregistrements : 3 / 251|Durée d'un tour : 1,10 s|Port : COM 1 "
               u"(/dev/pts/7)|Modifié"_s;
        QTest::newRow("by name") << none << 2 << device << empty + device + "|";
        QTest::newRow("COM 0") << none << -1 << u""_s << empty + "COM 0 (aucun périphérique)|";
    }
    void statusTexts() {
        QFETCH(QList<qint16>, codes);
        QFETCH(int, com);
        QFETCH(QString, device);
        Rig rig;
        StatusLine line(rig.editor, rig.session);
        rig.load(codes);
        rig.editor.chooseBasePeriod(2); // 0.05 s
        if (!codes.isEmpty())
            rig.editor.toggleLamp(0);
        rig.session.chooseCom(com);
        rig.session.chooseDevice(device);
        const StatusTexts t = line.texts();
        QTEST(QStringList({t.records, t.loopTime, t.port, t.modified}).join(u'|'), "texts");
        QCOMPARE(line.portLabel()->toolTip(), t.port);
        QVERIFY(line.portLabel()->isVisibleTo(&line));
    }

    // Listed again in the next run, the last opened first; a missing file is told and dropped.
    void recentFiles() {
        QTemporaryDir folder;
        const QString a = folder.filePath("a.dat"), b = folder.filePath("b&c.dat");
        QMenu menu;
        QAction* quit = menu.addAction(QStringLiteral("Quitter"));
        for (const QString& path : {a, b}) {
            QVERIFY(QFile(path).open(QIODevice::WriteOnly));
            RecentFilesMenu(&menu, quit).remember(path);
        }
        RecentFilesMenu recent(&menu, quit);
        QCOMPARE(recent.entry(0)->text() + recent.entry(1)->text(),
                 "&1 " + folder.filePath("b&&c.dat") + "&2 " + a);
        QCOMPARE(recent.entry(1)->shortcut(), QKeySequence(QStringLiteral("Alt+2")));
        QSignalSpy missing(&recent, &RecentFilesMenu::fileMissing);
        QSignalSpy opened(&recent, &RecentFilesMenu::fileChosen);
        QFile::remove(b);
        recent.entry(0)->trigger();
        recent.entry(0)->trigger();
        QVERIFY(missing.size() == 1 && opened.size() == 1);
        QCOMPARE(opened.value(0).value(0), a);
        QVERIFY(!recent.entry(1)->isVisible() && !recent.entry(1)->isEnabled());
        QVERIFY(menu.actions().constFirst()->isVisible());
        QCOMPARE(recent.files(), QStringList{a});
    }

    // Beside the main window, then where last left; Return presses OK.
    void boardTestWindow() {
        QWidget main;
        main.setGeometry(100, 100, 400, 300);
        main.show();
        for (const bool again : {false, true}) {
            BoardTestWindow window(&main);
            window.showAnswer(QStringLiteral(" Carte    LT840:V1.02 Lampes 1 2 3 4 5 6 7 8"));
            QVERIFY(window.isVisible() && window.answerField()->cursorPosition() == 0);
            QVERIFY(again ? window.pos() == QPoint(120, 140)
                          : !window.frameGeometry().intersects(main.frameGeometry()));
            window.move(QPoint(120, 140));
            QTest::keyClick(window.answerField(), Qt::Key_Return);
            QVERIFY(!window.isVisible());
        }
    }

    // The devices listed as the menu opens, the ticks as the session's port; choosing tells.
    void portMenu() {
        struct Ports : IPortEnumerator {
            QList<PortInfo> ports() override {
                return {{"ttyUSB0", "/dev/ttyUSB0", "", {}, {}},
                        {"ttyS2", "/dev/ttyS2", "", {}, {}}};
            }
        } ports;
        Rig rig;
        rig.session.chooseDevice(QStringLiteral("/dev/ttyACM9"));
        PortMenu menu(rig.session, ports);
        rig.watch(&menu, &PortMenu::deviceChosen, "device");
        const auto ticks = [&menu] {
            QString t;
            for (int i = 0; i < 4; ++i)
                t += menu.comAction(i)->isChecked() ? u'x' : u'-';
            for (const QAction* a : menu.deviceActions())
                t += a->isSeparator() ? u'|' : a->isChecked() ? u'x' : u'-';
            return t;
        };
        emit menu.aboutToShow();
        QCOMPARE(menu.deviceActions().constLast()->text(), "ttyACM9 — absent");
        QCOMPARE(ticks(), "----|--x");
        menu.comAction(2)->trigger();
        QCOMPARE(ticks(), "----|--x");
        rig.session.chooseCom(2);
        QCOMPARE(ticks(), "--x-|---");
        menu.deviceActions()[1]->trigger();
        QCOMPARE(rig.log, QStringList({"device /dev/ttyS2"}));
    }

    // While open, the line's traffic is listed; closed, it goes straight to the line.
    void linkJournal() {
        Rig rig;
        LineSwitch lineSwitch(rig.line);
        QWidget main;
        LinkJournal journal(&main, lineSwitch, rig.line, rig.clock);
        rig.watch(&journal, &LinkJournal::openChanged, "open");
        journal.setOpen(true);
        QVERIFY(journal.isVisible());
        lineSwitch.open(1);
        lineSwitch.write("?");
        QVERIFY(journal.text().contains(u"COM1 (/dev/pts/7)") && journal.text().contains(u"3f"));
        journal.close();
        const QString listed = journal.text();
        lineSwitch.write("P");
        QCOMPARE(journal.text(), listed);
        QVERIFY(!journal.isVisible() && !journal.isOpen());
        QCOMPARE(rig.line.written, QList<QByteArray>({"?", "P"}));
        QCOMPARE(rig.log, QStringList({"open true", "open false"}));
    }

    // What waits for a widget's first paint runs once, when that paint is over.
    void firstPaintTask() {
        struct Painted : QWidget {
            int paints = 0;
            void paintEvent(QPaintEvent*) override { ++paints; }
        } widget;
        QList<int> paintsSeen;
        afterFirstPaint(&widget, [&] { paintsSeen << widget.paints; });
        QCoreApplication::processEvents();
        QVERIFY(paintsSeen.isEmpty());
        widget.show();
        QTRY_COMPARE(paintsSeen, QList<int>({1}));
        widget.repaint();
        QCoreApplication::processEvents();
        QCOMPARE(paintsSeen, QList<int>({1}));
    }
};

QTEST_MAIN(TstWidgets)
#include "tst_widgets.moc"
