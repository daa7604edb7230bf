#include "WindowRig.h"
#include "serial/UserSettings.h"
#include "window/OptionsPanel.h"
#include "window/SequencePanel.h"
#include "window/SimulatorPanel.h"
#include "window/TimeBasePanel.h"
#include "window/TransformPanel.h"
#include "window/WindowMenus.h"
#include "window/widgets/BoardTestWindow.h"
#include "window/widgets/LampGrid.h"
#include "window/widgets/LinkJournal.h"
#include "window/widgets/Overview.h"
#include "window/widgets/PortMenu.h"
#include "window/widgets/RecentFilesMenu.h"
#include "window/widgets/Twips.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QProgressBar>
#include <QRadioButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QToolBar>

using namespace Qt::StringLiterals;
using Command = WindowMenus::Command;

namespace {

QString lampText(const SequenceEditor& e) {
    QString s;
    for (bool lit : e.lamps())
        s += lit ? u'1' : u'0';
    return s;
}

template <class W> QList<QWidget*> widgets(const QList<W*>& list) {
    return {list.begin(), list.end()};
}

// Records 0 and 1 with lamp 2 lit, record 0 shown.
void recordTwo(SequenceEditor& e) {
    e.toggleLamp(2);
    e.recordFrame();
    e.recordFrame();
    e.showRecord(0);
}

void type(QLineEdit* field, const QString& text) {
    field->setFocus();
    field->selectAll();
    if (text.isEmpty())
        QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, text);
}

// An item: its caption, its shortcuts, "#" when greyed, "*" when ticked, its submenu's items.
QString describe(const QAction* a) {
    QString s = a->text();
    if (!a->shortcuts().isEmpty())
        s += u' ' + QKeySequence::listToString(a->shortcuts());
    s += (a->isEnabled() ? u""_s : u"#"_s) + (a->isChecked() ? u"*"_s : u""_s);
    if (a->menu()) {
        QStringList sub;
        for (const QAction* item : a->menu()->actions())
            sub << describe(item);
        s += u" ["_s + sub.join(u", ") + u']';
    }
    return s;
}

const QString FileLines = QStringLiteral("LT840  V1.02\r\n 1 \r\n210000000\r\n100000000\r\n");

QString writeFile(const QTemporaryDir& folder, const QString& name) {
    QFile file(folder.filePath(name));
    return file.open(QIODevice::WriteOnly) && file.write(FileLines.toLatin1()) > 0 ? file.fileName()
                                                                                   : QString();
}

// What a control's text needs to show whole, as the style lays it out.
int textWidth(const QWidget* w) {
    const QFontMetrics m = w->fontMetrics();
    if (const auto* b = qobject_cast<const QPushButton*>(w))
        return m.horizontalAdvance(b->text()) + 4;
    return qobject_cast<const QLineEdit*>(w) ? 0 : w->minimumSizeHint().width();
}

// Each named control under `root` whose text does not fit, that comes within 2 pixels of
// its sides or that covers another; the lamps and the overview's parts are theirs.
QStringList overflows(QWidget* root) {
    QStringList faults;
    QList<std::pair<QString, QRect>> controls;
    for (QWidget* w : root->findChildren<QWidget*>()) {
        QWidget* parent = w->parentWidget();
        if (!w->isVisibleTo(root) || w->objectName().isEmpty() || qobject_cast<LampGrid*>(parent) ||
            qobject_cast<Overview*>(parent) || qobject_cast<Overview*>(parent->parentWidget()))
            continue;
        const QRect r(w->mapTo(root, QPoint()), w->size());
        if (textWidth(w) > w->width() || !root->rect().adjusted(2, 0, -2, 0).contains(r))
            faults << w->objectName();
        if (!qobject_cast<QGroupBox*>(w) || qobject_cast<LampGrid*>(w))
            controls << std::pair(w->objectName(), r);
    }
    for (int i = 0; i < controls.size(); ++i)
        for (int j = i + 1; j < controls.size(); ++j)
            if (controls[i].second.intersects(controls[j].second))
                faults << controls[i].first + u" sur "_s + controls[j].first;
    return faults;
}

} // namespace

class TstMainWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(userSettings().fileName().contains(u"/.qttest/"));
        QLocale::setDefault(QLocale::c());
    }
    void init() { userSettings().clear(); }

    // A right press records the frame on these 25 controls and the overview, and nowhere
    // else; a press a control left unused reaches nothing beneath it.
    void rightPressesRecord() {
        WindowRig r;
        ClientArea& a = r.area();
        const SequencePanel* s = a.sequencePanel();
        // The background, its frames (the lamp grid among them) and the buttons on them.
        QList<QWidget*> recording{&a, s->recordButton(), a.optionsPanel()->autoRecordCheck()};
        recording += widgets(a.findChildren<QGroupBox*>(Qt::FindDirectChildrenOnly));
        recording += widgets(a.transformPanel()->findChildren<QPushButton*>());
        recording += widgets(a.simulatorPanel()->findChildren<QPushButton*>());
        recording += widgets(a.timeBasePanel()->findChildren<QRadioButton*>());
        QList<QWidget*> silent{s->previousButton(), s->deleteButton(), s->startAddressField()};
        silent += {s->findChild<QLabel*>(), a.timeBasePanel()->basePeriodList()};
        silent += {a.recordNavigator(), a.optionsPanel()->resetButton()};
        r.editor.toggleLamp(2);
        for (QWidget* w : recording + silent)
            WindowRig::press(w, Qt::RightButton);
        QTest::mouseClick(a.overview()->strip(), Qt::RightButton);
        QCOMPARE(u"%1 %2 "_s.arg(recording.size()).arg(s->recordCountField()->text()) +
                     lampText(r.editor) + QString::number(r.player.isPlaying()),
                 u"25 26 001000000");
    }

    // Left and middle presses: what each control does with them, from records 0 and 1 (lamp
    // 2 lit) with record 0 shown: "count record lamps multiplier playing autoRecord".
    void presses_data() {
        QTest::addColumn<int>("control"); // in the order below
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char* name, int control, Qt::MouseButton b, const char* e) {
            QTest::newRow(name) << control << b << QString::fromLatin1(e);
        };
        row("+ left records", 0, Qt::LeftButton, "2 1 00100000 1 0 0");
        row("+ middle", 0, Qt::MiddleButton, "2 0 00100000 1 0 0");
        row("PLAY left plays", 1, Qt::LeftButton, "2 0 00100000 1 1 0");
        row("PLAY middle", 1, Qt::MiddleButton, "2 0 00100000 1 0 0");
        row("rotate right left", 2, Qt::LeftButton, "2 0 00010000 1 0 0");
        row("rotate right middle", 2, Qt::MiddleButton, "2 0 00100000 1 0 0");
        row("invert middle", 3, Qt::MiddleButton, "2 0 11011111 1 0 0");
        row("CLEAR middle", 4, Qt::MiddleButton, "2 0 00000000 1 0 0");
        row("x20 middle", 5, Qt::MiddleButton, "2 0 00100000 5 0 0");
        row("Mode Auto. left ticks", 6, Qt::LeftButton, "2 0 00100000 1 0 1");
        row("lamp 7 left", 7, Qt::LeftButton, "2 0 00100001 1 0 0");
    }
    void presses() {
        QFETCH(int, control);
        QFETCH(Qt::MouseButton, button);
        QFETCH(QString, expected);
        WindowRig r;
        recordTwo(r.editor);
        const ClientArea& a = r.area();
        QWidget* w = QList<QWidget*>{
            a.sequencePanel()->recordButton(),       a.simulatorPanel()->playButton(),
            a.transformPanel()->rotateRightButton(), a.transformPanel()->invertButton(),
            a.transformPanel()->clearButton(),       a.timeBasePanel()->multiplierButton(5),
            a.optionsPanel()->autoRecordCheck(),     a.lampGrid()}[control];
        WindowRig::press(w, button, control == 7 ? QPoint(px(4680), px(600)) : QPoint());
        const SequenceEditor& e = r.editor;
        QCOMPARE(u"%1 %2 %3 %4 %5 %6"_s.arg(e.sequence().length())
                     .arg(e.currentRecord())
                     .arg(lampText(e))
                     .arg(e.multiplierIndex())
                     .arg(r.player.isPlaying())
                     .arg(a.optionsPanel()->autoRecordCheck()->isChecked()),
                 expected);
    }

    // Typed text reaches the editor at once and stays as typed; committing it holds the start
    // and the current record at the count, and an empty one becomes "0": "field range".
    void addressFields_data() {
        QTest::addColumn<int>("field"); // Départ, En cours, Maximum
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("commit");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char* name, int field, const char* typed, const char* commit,
                            const char* expected) {
            QTest::newRow(name) << field << QString::fromLatin1(typed)
                                << QString::fromLatin1(commit) << QString::fromLatin1(expected);
        };
        row("Départ past the count", 0, "9", "enter", "2 2");
        row("Départ, not committed", 0, "9", "", "9 2");
        row("Départ, a menu opened and closed", 0, "9", "popup", "9 2");
        row("Départ of letters", 0, "abc", "enter", "abc 2");
        row("Départ emptied, left", 0, "", "leave", "0 2");
        row("Départ emptied, PLAY", 0, "", "play", "0 2");
        row("En cours past the count", 1, "12", "enter", "2 2");
        row("En cours emptied", 1, "", "enter", "0 2");
        row("Maximum: the range", 2, "7x", "", "7x 7");
    }
    void addressFields() {
        QFETCH(int, field);
        QFETCH(QString, typed);
        QFETCH(QString, commit);
        QFETCH(QString, expected);
        WindowRig r;
        recordTwo(r.editor);
        const SequencePanel* s = r.area().sequencePanel();
        QLineEdit* f = QList<QLineEdit*>{s->startAddressField(), s->currentRecordField(),
                                         s->recordCountField()}[field];
        type(f, typed);
        if (commit == u"enter")
            QTest::keyClick(f, Qt::Key_Return);
        else if (commit == u"leave")
            s->recordButton()->setFocus(Qt::TabFocusReason);
        else if (commit == u"play")
            WindowRig::press(r.area().simulatorPanel()->playButton(), Qt::LeftButton);
        QFocusEvent menuOpened(QEvent::FocusOut, Qt::PopupFocusReason);
        QFocusEvent menuClosed(QEvent::FocusIn, Qt::OtherFocusReason);
        if (commit == u"popup") {
            QCoreApplication::sendEvent(f, &menuOpened);
            QCoreApplication::sendEvent(f, &menuClosed);
        }
        r.editor.toggleLamp(0); // a change elsewhere leaves the fields alone
        QCOMPARE(f->text() + u' ' + QString::number(r.area().recordNavigator()->maximum()),
                 expected);
    }

    // Buttons that act on a click act on Space and Enter; a multiplier checked from the
    // keyboard is put back: "record shown, count shown, multiplier marked".
    void keyboard() {
        WindowRig r;
        recordTwo(r.editor);
        r.editor.showRecord(2);
        const SequencePanel* s = r.area().sequencePanel();
        const TimeBasePanel* b = r.area().timeBasePanel();
        QTest::keyClick(b->multiplierButton(5), Qt::Key_Space);
        QTest::keyClick(b->multiplierButton(1), Qt::Key_Down);
        QString marked;
        for (int i = 0; i < timebase::ButtonCount; ++i)
            marked += b->multiplierButton(i)->isChecked() ? u'1' : u'0';
        QTest::keyClick(s->previousButton(), Qt::Key_Return);
        QTest::keyClick(s->deleteButton(), Qt::Key_Space);
        QCOMPARE(u"%1 '%2' %3"_s.arg(r.editor.currentRecord())
                     .arg(s->recordCountField()->text(), marked),
                 u"1 ' 1' 010000");
    }

    // Menu shortcuts act wherever the focus is, a text field too, where Shift+Insert still
    // pastes; "Couleur LED" is greyed yet its shortcuts act. "Coller" follows the clipboard.
    void menuShortcutsInFields() {
        WindowRig r;
        WindowMenus* m = r.window.menus();
        QVERIFY(!m->colourMenu()->menuAction()->isEnabled());
        const SequencePanel* s = r.area().sequencePanel();
        WindowRig::press(s->recordButton(), Qt::LeftButton);
        const std::tuple<QWidget*, const char*, Command> rows[] = {
            {s->startAddressField(), "Ctrl+Z", Command::Undo},
            {s->startAddressField(), "Ctrl+Shift+Z", Command::Redo},
            {s->startAddressField(), "Ctrl+V", Command::Green},
            {s->recordButton(), "Ctrl+J", Command::Yellow}};
        QString seen;
        for (const auto& row : rows) {
            QWidget* w = std::get<0>(row);
            w->setFocus();
            QSignalSpy triggered(m->action(std::get<2>(row)), &QAction::triggered);
            QTest::keySequence(w, QKeySequence(QString::fromLatin1(std::get<1>(row))));
            seen += u"%1 %2|"_s.arg(triggered.count()).arg(s->startAddressField()->text());
            r.window.activateWindow(); // after the colour question
            QVERIFY(QTest::qWaitForWindowActive(&r.window));
        }
        QCOMPARE(seen, u"1 0|1 0|1 0|1 0|");
        QCOMPARE(r.boxes.shown.size(), 2); // the two colour questions, dismissed
        QGuiApplication::clipboard()->setText(QStringLiteral("x"));
        const bool pasteOffered = m->action(Command::Paste)->isEnabled();
        QLineEdit* start = s->startAddressField();
        start->setCursorPosition(0);
        QTest::keyClick(start, Qt::Key_Insert, Qt::ShiftModifier);
        QGuiApplication::clipboard()->clear();
        QCOMPARE(u"%1 %2 %3"_s.arg(pasteOffered)
                     .arg(m->action(Command::Paste)->isEnabled())
                     .arg(start->text()),
                 u"1 0 x0");
    }

    // Closing asks only about unsaved work, "Quitter" always; Escape, or a save that did not
    // happen, keeps the editor open.
    void closing_data() {
        QTest::addColumn<bool>("modified");
        QTest::addColumn<bool>("byMenu");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("ends");
        QTest::addColumn<QStringList>("boxes");
        const QString question = u"* LT840 *|Voulez-vous sauvegarder avant de quitter?"_s;
        const auto row = [&](const char* name, bool modified, bool byMenu, const char* answer,
                             bool ends, const QStringList& more = {}) {
            QTest::newRow(name) << modified << byMenu << QString::fromLatin1(answer) << ends
                                << (modified || byMenu ? QStringList{question} + more : more);
        };
        row("nothing unsaved", false, false, "", true);
        row("Escape", true, false, "", false);
        row("Non", true, false, "Non", true);
        row("Oui, no file chosen", true, false, "Oui", false,
            {u"* LT840 *|Votre fichier n'a pas été sauvegardé."_s});
        row("Quitter, Non", false, true, "Non", true);
        row("Quitter, Escape", false, true, "", false);
    }
    void closing() {
        QFETCH(bool, modified);
        QFETCH(bool, byMenu);
        QFETCH(QString, answer);
        QFETCH(bool, ends);
        QFETCH(QStringList, boxes);
        WindowRig r;
        if (modified)
            r.editor.toggleLamp(1);
        r.boxes.answers << answer;
        if (byMenu)
            r.window.menus()->action(Command::Quit)->trigger();
        else
            r.window.close();
        QCOMPARE(!r.window.isVisible(), ends);
        QCOMPARE(r.boxes.shown, boxes);
    }

    // Typed period text lasts until the next computation, even one giving the same text.
    void periodTypedUntilComputed() {
        QString seen;
        for (int pressed : {-1, 5, 1}) {
            WindowRig r;
            const TimeBasePanel* b = r.area().timeBasePanel();
            type(b->framePeriodField(), QStringLiteral("abc"));
            WindowRig::press(pressed < 0
                                 ? static_cast<QWidget*>(r.area().sequencePanel()->recordButton())
                                 : b->multiplierButton(pressed),
                             Qt::LeftButton);
            seen += b->framePeriodField()->text() + u' ';
        }
        QCOMPARE(seen, u"abc 0.2 0.02 ");
    }

    // The test shows the board's answer in the test window, whose OK hides it; "CARTE" is
    // yellow while the board is reset (pending events run then) and light grey after; the
    // progress bar stands in for the navigator while the records go.
    void boardCommands() {
        WindowRig r;
        r.line.soundBoard();
        recordTwo(r.editor);
        BoardTestWindow* test = r.window.testWindow();
        r.window.menus()->action(Command::TestBoard)->trigger();
        QLineEdit* board = r.area().optionsPanel()->boardField();
        QString seen =
            u"%1 %2 %3|"_s.arg(test->isVisible()).arg(test->answerField()->text(), board->text());
        QTest::keyClick(test->answerField(), Qt::Key_Return);
        seen += QString::number(test->isVisible()) + u'|';
        QColor during;
        QTimer::singleShot(0, board, [&] { during = board->palette().color(QPalette::Base); });
        r.area().optionsPanel()->resetButton()->click();
        seen += during.name() + u' ' + board->palette().color(QPalette::Base).name() + u'|';
        r.line.openError = 1; // the port refuses: a report, read while "CARTE" is still yellow
        r.boxes.onShow = [&] { during = board->palette().color(QPalette::Base); };
        r.area().optionsPanel()->resetButton()->click();
        seen += during.name() + u' ' + board->palette().color(QPalette::Base).name() + u'|';
        r.line.openError = 0;
        QStringList progress;
        QProgressBar* bar = r.area().uploadProgressBar();
        connect(&r.board, &BoardSession::uploadProgress, bar, [&] {
            progress << u"%1/%2%3%4"_s.arg(bar->value())
                            .arg(bar->maximum())
                            .arg(bar->isVisible())
                            .arg(r.area().recordNavigator()->isVisible());
        });
        r.window.menus()->action(Command::Upload)->trigger();
        seen += progress.join(u' ') + u'|' + QString::number(bar->isVisible()) +
                QString::number(r.area().recordNavigator()->isVisible());
        QCOMPARE(
            seen,
            u"1  Carte    LT840:V1.02  LT840:V1.02 |0|#ffff00 #e0e0e0|#ffff00 #e0e0e0|0/210 1/210 "
            u"2/210|01");
        QCOMPARE(r.boxes.shown.size(), 3); // the reset's: the port refused twice, the "R" unsent
    }

    // A COM is kept in lt840.cfg and forgets the device chosen by its name, which is kept in
    // the user's settings.
    void portChoices() {
        WindowRig r;
        PortMenu* ports = r.window.menus()->portMenu();
        ports->comAction(2)->trigger();
        Configuration written(r.folders);
        written.loadConfiguration();
        QString seen = u"%1 %2 '%3'|"_s.arg(r.board.comIndex())
                           .arg(written.portNumber())
                           .arg(rememberedDevice());
        emit ports->deviceChosen(QStringLiteral("/dev/ttyUSB7"));
        seen += r.board.port().name + u' ' + rememberedDevice() + u'|';
        ports->comAction(0)->trigger();
        seen += r.board.port().name + u" '"_s + rememberedDevice() + u'\'';
        QCOMPARE(seen, u"2 2 ''|/dev/ttyUSB7 /dev/ttyUSB7|COM1 ''");
    }

    // The navigator follows the record shown, and shows a record once the user has moved it:
    // at once by its arrows, when released by its thumb (which a change leaves where it is).
    void navigator() {
        WindowRig r;
        recordTwo(r.editor);
        QScrollBar* n = r.area().recordNavigator();
        r.editor.showRecord(2);
        QString seen = QString::number(n->value());
        n->triggerAction(QAbstractSlider::SliderSingleStepSub);
        seen += QString::number(r.editor.currentRecord());
        n->setSliderDown(true);
        n->setSliderPosition(0);
        seen += QString::number(r.editor.currentRecord());
        r.editor.showRecord(2);
        seen += QString::number(n->sliderPosition());
        n->setSliderDown(false);
        seen += QString::number(r.editor.currentRecord());
        QCOMPARE(seen, u"21100");
    }

    // The menus and the toolbar as the user sees them: captions, shortcuts ("#" greyed, "*"
    // ticked), separators, submenus.
    void menusAndToolBar() {
        QGuiApplication::clipboard()->clear();
        WindowRig r;
        const auto items = [](const QList<QAction*>& actions) {
            QStringList shown;
            for (const QAction* a : actions)
                if (a->isVisible())
                    shown << (a->isSeparator() ? u"-"_s : describe(a));
            return shown.join(u", ");
        };
        QStringList seen;
        for (const QAction* a : r.window.menuBar()->actions())
            seen << a->text() + u": "_s + (a->menu() ? items(a->menu()->actions()) : QString());
        QStringList tips;
        for (const QAction* a : r.window.toolBar()->actions())
            tips << (a->isSeparator() ? u"-"_s : a->toolTip());
        seen << tips.join(u", ");
        r.window.menus()->journalAction()->trigger();
        seen << QString::number(r.window.menus()->journal()->isVisible());
        QCOMPARE(
            seen,
            (QStringList{
                u"&Fichier: Nouveau Ctrl+N, Ouvrir Ctrl+O, Sauvegarder Ctrl+S, -, Quitter"_s,
                u"&Édition: Annuler Ctrl+Z#, Rétablir Ctrl+Y; Ctrl+Shift+Z#, -, Couper Ctrl+X#, "
                u"Copier Ctrl+C#, Coller Ctrl+Shift+V#, -, Insérer un enregistrement Ins, "
                u"Dupliquer l'enregistrement Ctrl+D#"_s,
                u"&Option: Port série [COM 1*, COM 2, COM 3, COM 4], Couleur LED# [Jaune "
                u"Ctrl+J, Rouge Ctrl+R, Vert Ctrl+V], Journal de la liaison"_s,
                u"&Transfert: &TestCarte, &Programmation"_s, u"?: "_s,
                u"Nouveau (Ctrl+N), Ouvrir (Ctrl+O), Sauvegarder (Ctrl+S), -, Annuler (Ctrl+Z), "
                u"Rétablir (Ctrl+Y), -, TestCarte, Programmation"_s,
                u"1"_s}));
    }

    // The overview shows a record clicked, takes "Départ" from a Shift+click and records on
    // a right click.
    void overviewPresses() {
        WindowRig r;
        recordTwo(r.editor);
        QWidget* strip = r.area().overview()->strip();
        const auto at = [](int column) { return QPoint(Overview::columnRect(column).x() + 3, 40); };
        QTest::mouseClick(strip, Qt::LeftButton, {}, at(1));
        QTest::mouseClick(strip, Qt::LeftButton, Qt::ShiftModifier, at(2));
        QTest::mouseClick(strip, Qt::RightButton, {}, at(0));
        const SequencePanel* s = r.area().sequencePanel();
        QCOMPARE(u"%1 %2 %3"_s.arg(r.editor.currentRecord())
                     .arg(s->startAddressField()->text(), s->recordCountField()->text()),
                 u"2 2 2");
    }

    // At the desktop's usual 9 points and over 1.5 times that, nothing overlaps or is clipped,
    // at the window's sides and in the status bar too, where a long port gives way rather than
    // widen the window.
    void layout_data() {
        QTest::addColumn<int>("points");
        QTest::newRow("9 points") << 9;
        QTest::newRow("14 points") << 14;
    }
    void layout() {
        QFETCH(int, points);
        const QFont desktop = QApplication::font();
        QApplication::setFont(QFont(desktop.family(), points));
        qputenv("LT840_COM1", "/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0");
        WindowRig r;
        qunsetenv("LT840_COM1");
        QApplication::setFont(desktop);
        r.editor.setLength(250);
        QTest::qWait(20);
        QCOMPARE(
            (overflows(r.window.centralWidget()) + overflows(r.window.statusBar())).join(u", "),
            QString());
        QCOMPARE(r.window.width(), r.window.centralWidget()->width());
    }

    // A file named on the command line or dropped opens as "Ouvrir" opens it; the recent
    // files are listed again in the next run, the last opened first; a missing one is told
    // and dropped.
    void filesOpenedAndRemembered() {
        QTemporaryDir folder;
        const QString a = writeFile(folder, QStringLiteral("a.dat"));
        const QString b = writeFile(folder, QStringLiteral("b.dat"));
        {
            WindowRig r;
            r.window.openFile(a);
            QCOMPARE(r.window.windowTitle(), u"FICHIER = "_s + a);
            QMimeData data;
            data.setUrls({QUrl::fromLocalFile(b)});
            QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, &data, Qt::LeftButton, {});
            QDropEvent drop(QPointF(20, 20), Qt::CopyAction, &data, Qt::LeftButton, {});
            QCoreApplication::sendEvent(&r.window, &enter);
            QCoreApplication::sendEvent(&r.window, &drop);
            QTRY_COMPARE(r.window.windowTitle(), u"FICHIER = "_s + b);
        }
        WindowRig r;
        RecentFilesMenu* recent = r.window.menus()->recentFiles();
        QCOMPARE(recent->entry(0)->text() + recent->entry(1)->text(), "&1 " + b + "&2 " + a);
        QFile::remove(b);
        recent->entry(0)->trigger();
        QVERIFY(r.boxes.shown.value(0).contains(u"» n'existe plus"));
        QCOMPARE(recent->entry(0)->text(), "&1 " + a);
    }
};

QTEST_MAIN(TstMainWindow)
#include "tst_mainwindow.moc"
