#include "FakePlatform.h"
#include "FakeSerialLine.h"
#include "board/BoardSession.h"
#include "editing/Player.h"
#include "editing/SequenceEditor.h"
#include "serial/LineSwitch.h"
#include "serial/PortList.h"
#include "window/widgets/BoardTestWindow.h"
#include "window/widgets/DesktopColour.h"
#include "window/widgets/LampGrid.h"
#include "window/widgets/LinkJournal.h"
#include "window/widgets/Overview.h"
#include "window/widgets/PortMenu.h"
#include "window/widgets/RecentFilesMenu.h"
#include "window/widgets/StatusLine.h"
#include "window/widgets/Twips.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>
#include <QtTest>

namespace {

// The services the widgets show, over fakes.
struct Rig {
    FakeClipboard clipboard;
    FakeTimer timer;
    FakeClock clock;
    FakeSerialLine line{clock};
    SequenceEditor editor{clipboard};
    Player player{editor, timer};
    BoardSession session{line, clock};

    // Records 0..n-1 as a file brings them: lamp r lit in record r, codes as given.
    void load(const QList<qint16>& codes) {
        QList<Frame> frames(codes.size());
        for (int r = 0; r < codes.size(); ++r)
            frames[r].lamps[r % Frame::LampCount] = 1, frames[r].code = codes[r];
        editor.replaceSequence(Sequence::loaded(frames));
    }
};

// Each signal a widget gave, in order, as "name argument".
struct SignalLog : QStringList {
    template <typename Sender, typename... Args>
    void watch(Sender* sender, void (Sender::*signal)(Args...), const QString& name) {
        QObject::connect(sender, signal, sender, [this, name](Args... args) {
            QStringList parts{name};
            (parts.append(QVariant::fromValue(args).toString()), ...);
            append(parts.join(u' '));
        });
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

    void lampZones_data() {
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("y");
        QTest::addColumn<int>("lamp"); // -1: none
        QTest::newRow("240,375") << 240.0 << 375.0 << 0;
        QTest::newRow("690,600") << 690.0 << 600.0 << -1;
        QTest::newRow("4889,825") << 4889.0 << 825.0 << 7;
        QTest::newRow("4890,600") << 4890.0 << 600.0 << -1;
        QTest::newRow("300,826") << 300.0 << 826.0 << -1;
        QTest::newRow("300,374.9") << 300.0 << 374.9 << -1;
        QTest::newRow("854,600") << 854.0 << 600.0 << -1;
        QTest::newRow("855,600") << 855.0 << 600.0 << 1;
        QTest::newRow("3704,400") << 3704.0 << 400.0 << 5;
    }
    void lampZones() {
        QFETCH(double, x);
        QFETCH(double, y);
        QTEST(LampGrid::lampAt(x, y).value_or(-1), "lamp");
    }

    // Presses in pixels (15 twips each): a left one on a lamp's zone asks for it, a double
    // click's second press too; a right one anywhere records; a middle one does nothing.
    void lampGridPresses_data() {
        QTest::addColumn<QPoint>("pixel");
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<bool>("doubleClick");
        QTest::addColumn<QStringList>("signalsGiven");
        QTest::newRow("LED 1") << QPoint(16, 25) << Qt::LeftButton << false
                               << QStringList{"lamp 0"};
        QTest::newRow("LED 8, double")
            << QPoint(325, 55) << Qt::LeftButton << true << QStringList{"lamp 7", "lamp 7"};
        QTest::newRow("between") << QPoint(46, 40) << Qt::LeftButton << false << QStringList{};
        QTest::newRow("right") << QPoint(46, 40) << Qt::RightButton << false
                               << QStringList{"record"};
        QTest::newRow("middle") << QPoint(16, 25) << Qt::MiddleButton << false << QStringList{};
    }
    void lampGridPresses() {
        QFETCH(QPoint, pixel);
        QFETCH(Qt::MouseButton, button);
        LampGrid grid;
        SignalLog log;
        log.watch(&grid, &LampGrid::lampPressed, "lamp");
        log.watch(&grid, &LampGrid::recordRequested, "record");
        QTest::mouseClick(&grid, button, {}, pixel);
        QFETCH(bool, doubleClick);
        if (doubleClick)
            QTest::mouseDClick(&grid, button, {}, pixel);
        QTEST(QStringList(log), "signalsGiven");
    }

    // The lamps in the scheme's colours (yellow's unlit one is the tooltip background),
    // described as lit or not, repainted as the editor's lamps or colours change.
    void lampGridColours_data() {
        QTest::addColumn<LedColour>("scheme");
        QTest::addColumn<QColor>("lit");
        QTest::addColumn<QColor>("unlit"); // invalid: the tooltip background
        QTest::newRow("red") << LedColour::Red << Red << Pink;
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
        if (!unlit.isValid())
            unlit = grid.palette().color(QPalette::ToolTipBase);
        for (int i = 0; i < Frame::LampCount; ++i) {
            QCOMPARE(grid.fillColour(i), i == 2 ? lit : unlit);
            QCOMPARE(grid.lamp(i)->accessibleName(), QStringLiteral("LED %1").arg(i + 1));
            QCOMPARE(grid.lamp(i)->accessibleDescription(), i == 2 ? "allumée" : "éteinte");
        }
    }

    void desktopColours() {
        QPalette palette;
        palette.setColor(QPalette::ToolTipBase, Qt::cyan);
        palette.setColor(QPalette::Button, Qt::gray);
        palette.setColor(QPalette::Base, Qt::white);
        palette.setColor(QPalette::Window, Qt::darkBlue);
        const QList<Colour> colours{0x000000FF,
                                    0x00C0FFC0,
                                    SystemColour::InfoBackground,
                                    SystemColour::ButtonFace,
                                    SystemColour::TextBackground,
                                    0x80000001};
        QList<QColor> seen;
        for (const Colour c : colours)
            seen << desktopColour(c, palette);
        QCOMPARE(seen, (QList<QColor>{Red, QColor(192, 255, 192), Qt::cyan, Qt::gray, Qt::white,
                                      Qt::darkBlue}));
    }

    // The design's scale follows a desktop font larger than the usual 9 points; the window's
    // font is 8 points at that scale.
    void twipsScale_data() {
        QTest::addColumn<double>("desktopPoints");
        QTest::addColumn<double>("windowPoints");
        QTest::addColumn<int>("pixelsFor1500");
        QTest::newRow("8 points") << 8.0 << 8.0 << 100;
        QTest::newRow("9 points") << 9.0 << 8.0 << 100;
        QTest::newRow("13.5 points") << 13.5 << 12.0 << 150;
    }
    void twipsScale() {
        QFETCH(double, desktopPoints);
        QFont desktop;
        desktop.setPointSizeF(desktopPoints);
        const QFont font = twips::fitToDesktopFont(desktop);
        const int pixels = px(1500);
        twips::fitToDesktopFont(QFont()); // the other tests draw at the usual scale
        QTEST(font.pointSizeF(), "windowPoints");
        QTEST(pixels, "pixelsFor1500");
    }

    // Presses on the first pixel of a column at lamp 3, over records 0..2 and the working
    // record 3; keys from record 1.
    void overviewPresses_data() {
        QTest::addColumn<int>("column");
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<int>("key"); // 0: the press
        QTest::addColumn<QStringList>("signalsGiven");
        const Qt::KeyboardModifiers none;
        QTest::newRow("click 1") << 1 << Qt::LeftButton << none << 0 << QStringList{"show 1"};
        QTest::newRow("click working") << 3 << Qt::LeftButton << none << 0 << QStringList{"show 3"};
        QTest::newRow("shift-click 2")
            << 2 << Qt::LeftButton << Qt::KeyboardModifiers(Qt::ShiftModifier) << 0
            << QStringList{"start 2"};
        QTest::newRow("past the records") << 9 << Qt::LeftButton << none << 0 << QStringList{};
        QTest::newRow("right past them")
            << 9 << Qt::RightButton << none << 0 << QStringList{"record"};
        QTest::newRow("middle") << 1 << Qt::MiddleButton << none << 0 << QStringList{};
        QTest::newRow("Left") << 0 << Qt::NoButton << none << int(Qt::Key_Left)
                              << QStringList{"show 0"};
        QTest::newRow("Right") << 0 << Qt::NoButton << none << int(Qt::Key_Right)
                               << QStringList{"show 2"};
        QTest::newRow("Home") << 0 << Qt::NoButton << none << int(Qt::Key_Home)
                              << QStringList{"show 0"};
        QTest::newRow("End") << 0 << Qt::NoButton << none << int(Qt::Key_End)
                             << QStringList{"show 3"};
    }
    void overviewPresses() {
        QFETCH(int, column);
        QFETCH(Qt::MouseButton, button);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(int, key);
        Rig rig;
        rig.load({2, 2, 2});
        rig.editor.showRecord(1);
        Overview overview;
        overview.follow(rig.editor, rig.player);
        SignalLog log;
        log.watch(&overview, &Overview::recordChosen, "show");
        log.watch(&overview, &Overview::startAddressChosen, "start");
        log.watch(&overview, &Overview::recordRequested, "record");
        if (key)
            QTest::keyClick(overview.strip(), Qt::Key(key));
        else
            QTest::mouseClick(overview.strip(), button, modifiers,
                              overviewPoint(column, 3) - QPoint(6, 0));
        QTEST(QStringList(log), "signalsGiven");
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
        Rig rig;
        rig.load({2, 2, 2, 2, 2});
        rig.editor.showRecord(shown);
        rig.editor.setStartAddress(start);
        Overview overview;
        overview.follow(rig.editor, rig.player);
        QFETCH(bool, playing);
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

    // The lamps as recorded; a bar for codes 2 and 6, none for 7. The working record after
    // them is drawn faint, unlike any recorded one; the played record's mark is red.
    void overviewColours() {
        Rig rig;
        rig.load({2, 6, 7});
        Overview overview;
        overview.resize(300, overview.height());
        overview.follow(rig.editor, rig.player);
        rig.player.start();
        const QImage image = overview.strip()->grab().toImage();
        for (int i = 0; i < Frame::LampCount; ++i)
            QVERIFY(image.pixelColor(overviewPoint(3, i)) != Red &&
                    image.pixelColor(overviewPoint(3, i)) != Pink);
        for (int c = 0; c < 3; ++c) {
            for (int i = 0; i < Frame::LampCount; ++i)
                QCOMPARE(image.pixelColor(overviewPoint(c, i)), i == c ? Red : Pink);
            const QColor background = image.pixelColor(overviewPoint(c, 8));
            QCOMPARE(image.pixelColor(overviewPoint(c, 10) + QPoint(0, 4)) != background, c < 2);
        }
        QCOMPARE(image.pixelColor(overviewPoint(0, 0).x(), 2), Red);
        QVERIFY(image.pixelColor(overviewPoint(1, 0).x(), 2) != Red);
    }

    // The strip scrolls to the record shown.
    void overviewFollowsCurrentRecord() {
        Rig rig;
        rig.editor.setLength(250);
        Overview overview;
        overview.resize(300, overview.height());
        overview.follow(rig.editor, rig.player);
        overview.show();
        QVERIFY(QTest::qWaitForWindowExposed(&overview));
        for (const int record : {240, 3}) {
            rig.editor.showRecord(record);
            const QRect seen(overview.horizontalScrollBar()->value(), 0,
                             overview.viewport()->width(), 1);
            QVERIFY(seen.contains(Overview::columnRect(record).topLeft()));
        }
    }

    // Only the columns whose drawing changed are painted again.
    void overviewRepaintsChangedColumns_data() {
        QTest::addColumn<int>("change"); // 0: a lamp of record 3, 1: record 1 shown
        QTest::addColumn<QList<int>>("columns");
        QTest::newRow("lamp") << 0 << QList<int>{3};
        QTest::newRow("record shown, range 0..3 to 0..1") << 1 << QList<int>{1, 2, 3};
    }
    void overviewRepaintsChangedColumns() {
        QFETCH(int, change);
        QFETCH(QList<int>, columns);
        Rig rig;
        rig.load({2, 2, 2, 2, 2, 2});
        rig.editor.showRecord(3);
        Overview overview;
        overview.follow(rig.editor, rig.player);
        overview.show();
        QVERIFY(QTest::qWaitForWindowExposed(&overview));
        PaintWatch watch;
        overview.strip()->installEventFilter(&watch);
        if (change == 0)
            rig.editor.toggleLamp(0);
        else
            rig.editor.showRecord(1);
        QTRY_VERIFY(!watch.painted.isEmpty());
        QRegion expected;
        for (const int c : columns)
            expected += Overview::columnRect(c);
        QVERIFY((watch.painted - expected).isEmpty());
        for (const int c : columns)
            QVERIFY(watch.painted.intersects(Overview::columnRect(c)));
    }

    // The four texts as the services change, in the desktop's number format; a long port
    // text stays whole in its tooltip.
    void statusTexts_data() {
        QTest::addColumn<QList<qint16>>("codes");
        QTest::addColumn<int>("basePeriod");
        QTest::addColumn<int>("com");
        QTest::addColumn<QString>("device");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("empty, COM 1")
            << QList<qint16>{} << 0 << 0 << ""
            << QStringList{"Enregistrements : 0 / 251", "Durée d'un tour : 0,00 s",
                           "Port : COM 1 (/dev/pts/7)", ""};
        QTest::newRow("x2 x20 and none at 0.05 s, modified")
            << QList<qint16>{2, 6, 7} << 2 << 0 << ""
            << QStringList{"Enregistrements : 3 / 251", "Durée d'un tour : 1,10 s",
                           "Port : COM 1 (/dev/pts/7)", "Modifié"};
        QTest::newRow("device by name")
            << QList<qint16>{} << 0 << 2 << "/dev/serial/by-id/usb-FTDI_FT232R_A5XK3RJT-if00"
            << QStringList{"Enregistrements : 0 / 251", "Durée d'un tour : 0,00 s",
                           "Port : /dev/serial/by-id/usb-FTDI_FT232R_A5XK3RJT-if00", ""};
        QTest::newRow("COM with no device")
            << QList<qint16>{} << 0 << -1 << ""
            << QStringList{"Enregistrements : 0 / 251", "Durée d'un tour : 0,00 s",
                           "Port : COM 0 (aucun périphérique)", ""};
    }
    void statusTexts() {
        QFETCH(QList<qint16>, codes);
        QFETCH(int, basePeriod);
        QFETCH(int, com);
        QFETCH(QString, device);
        QFETCH(QStringList, texts);
        Rig rig;
        StatusLine line(rig.editor, rig.session);
        rig.load(codes);
        rig.editor.chooseBasePeriod(basePeriod);
        if (!codes.isEmpty())
            rig.editor.toggleLamp(0);
        rig.session.chooseCom(com);
        rig.session.chooseDevice(device);
        const StatusTexts t = line.texts();
        QCOMPARE(QStringList({t.records, t.loopTime, t.port, t.modified}), texts);
        QCOMPARE(line.portLabel()->toolTip(), texts[2]);
    }

    // Listed again in the next run, the last opened first, an ampersand shown as itself;
    // a missing file is told and dropped.
    void recentFiles() {
        QTemporaryDir folder;
        const QString a = folder.filePath("a.dat"), b = folder.filePath("b&c.dat");
        QMenu menu;
        QAction* quit = menu.addAction(QStringLiteral("Quitter"));
        for (const QString& path : {a, b})
            QVERIFY(QFile(path).open(QIODevice::WriteOnly));
        RecentFilesMenu(&menu, quit).remember(a);
        RecentFilesMenu(&menu, quit).remember(b);
        RecentFilesMenu recent(&menu, quit);
        QCOMPARE(recent.entry(0)->text() + recent.entry(1)->text(),
                 "&1 " + folder.filePath("b&&c.dat") + "&2 " + a);
        QCOMPARE(recent.entry(1)->shortcut(), QKeySequence(QStringLiteral("Alt+2")));
        SignalLog log;
        log.watch(&recent, &RecentFilesMenu::fileChosen, "open");
        connect(&recent, &RecentFilesMenu::fileMissing, this,
                [&log](const Report& r) { log << r.title + u'|' + r.text; });
        QFile::remove(b);
        recent.entry(0)->trigger();
        recent.entry(0)->trigger();
        QCOMPARE(log, QStringList({"* LT840 *|Le fichier « " + b +
                                       " » n'existe plus : il est retiré de la liste des "
                                       "fichiers récents.",
                                   "open " + a}));
        QVERIFY(!recent.entry(1)->isVisible() && !recent.entry(1)->isEnabled());
        QCOMPARE(recent.files(), QStringList{a});
    }

    // Opened beside the main window, then where last left even in a later run, however it
    // was hidden.
    void boardTestWindow_data() {
        QTest::addColumn<int>("hiddenBy"); // 0: OK, 1: Escape, 2: its close button
        QTest::newRow("OK") << 0;
        QTest::newRow("Escape") << 1;
        QTest::newRow("close") << 2;
    }
    void boardTestWindow() {
        QFETCH(int, hiddenBy);
        QWidget main;
        main.setGeometry(100, 100, 400, 300);
        main.show();
        for (const QPoint moved : {QPoint(), QPoint(120, 140)}) {
            BoardTestWindow window(&main);
            window.showAnswer(QStringLiteral(" Carte    LT840:V1.02 Lampes 1 2 3 4 5 6 7 8"));
            QVERIFY(window.isVisible());
            QCOMPARE(window.answerField()->cursorPosition(), 0);
            QVERIFY(moved.isNull() ? !window.frameGeometry().intersects(main.frameGeometry())
                                   : window.pos() == moved);
            window.move(QPoint(120, 140));
            if (hiddenBy == 0)
                window.findChild<QPushButton*>()->click();
            else if (hiddenBy == 1)
                QTest::keyClick(&window, Qt::Key_Escape);
            else
                window.close();
            QVERIFY(!window.isVisible());
        }
    }

    // The devices listed as the menu opens, the ticks as the session's port; choosing tells.
    void portMenu() {
        struct Ports : IPortEnumerator {
            QList<PortInfo> ports() override {
                return {{"ttyUSB0", "/dev/ttyUSB0", "USB-Serial Controller", 0x1a86, 0x7523},
                        {"ttyS10", "/dev/ttyS10", "", {}, {}},
                        {"ttyS2", "/dev/ttyS2", "", {}, {}}};
            }
        } ports;
        Rig rig;
        rig.session.chooseDevice(QStringLiteral("/dev/ttyACM9"));
        PortMenu menu(rig.session, ports);
        SignalLog log;
        log.watch(&menu, &PortMenu::comChosen, "com");
        log.watch(&menu, &PortMenu::deviceChosen, "device");
        const auto ticks = [&menu] {
            QString t;
            for (int i = 0; i < 4; ++i)
                t += menu.comAction(i)->isChecked() ? u'x' : u'-';
            for (const QAction* a : menu.deviceActions())
                t += a->isSeparator() ? u'|' : a->isChecked() ? u'x' : u'-';
            return t;
        };
        emit menu.aboutToShow();
        QStringList labels;
        for (const QAction* a : menu.deviceActions())
            labels << a->text();
        QCOMPARE(labels, QStringList({"", "ttyS2", "ttyS10",
                                      "ttyUSB0 — USB-Serial Controller (USB 1a86:7523)",
                                      "ttyACM9 — absent"}));
        QCOMPARE(ticks(), "----|---x");
        menu.comAction(2)->trigger();
        QCOMPARE(ticks(), "----|---x");
        rig.session.chooseCom(2);
        QCOMPARE(ticks(), "--x-|----");
        menu.deviceActions()[1]->trigger();
        QCOMPARE(log, QStringList({"com 2", "device /dev/ttyS2"}));
    }

    // While open, the session's line goes through a trace that lists into the journal;
    // closed, straight to the line, and the journal lists no more.
    void linkJournal() {
        Rig rig;
        LineSwitch lineSwitch(rig.line);
        QWidget main;
        LinkJournal journal(&main, lineSwitch, rig.line, rig.clock);
        QSignalSpy opened(&journal, &LinkJournal::openChanged);
        journal.setOpen(true);
        QVERIFY(journal.isVisible());
        lineSwitch.open(1);
        lineSwitch.write("?");
        QVERIFY(journal.text().contains(u"COM1 (/dev/pts/7)"));
        QVERIFY(journal.text().contains(u"3f"));
        journal.close();
        const QString listed = journal.text();
        lineSwitch.write("P");
        QCOMPARE(journal.text(), listed);
        QVERIFY(!journal.isVisible() && !journal.isOpen());
        QCOMPARE(rig.line.written, QList<QByteArray>({"?", "P"}));
        QCOMPARE(opened.size(), 2);
        QCOMPARE(opened[1][0].toBool(), false);
    }
};

QTEST_MAIN(TstWidgets)
#include "tst_widgets.moc"
