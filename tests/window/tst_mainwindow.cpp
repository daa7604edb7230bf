#include "../editing/EditorRig.h"
#include "WindowRig.h"
#include "files/DiskFile.h"
#include "files/SequenceFile.h"
#include "i18n/Language.h"
#include "serial/UserSettings.h"
#include "window/OptionsPanel.h"
#include "window/SequencePanel.h"
#include "window/SimulatorPanel.h"
#include "window/TimeBasePanel.h"
#include "window/TransformPanel.h"
#include "window/WindowMenus.h"
#include "window/widgets/BoardTestWindow.h"
#include "window/widgets/EffectsDialog.h"
#include "window/widgets/HelpWindow.h"
#include "window/widgets/LampGrid.h"
#include "window/widgets/LinkJournal.h"
#include "window/widgets/MultiUploadDialog.h"
#include "window/widgets/Overview.h"
#include "window/widgets/PortMenu.h"
#include "window/widgets/RecentFilesMenu.h"
#include "window/widgets/Twips.h"
#include "window/widgets/UploadProgress.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QRadioButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QTextBrowser>
#include <QToolBar>

using namespace Qt::StringLiterals;
using Command = WindowMenus::Command;

namespace {

template <class W> QList<QWidget*> widgets(const QList<W*>& list) {
    return {list.begin(), list.end()};
}

// The values blank-separated, a truth as 1 or 0.
template <class... T> QString words(const T&... values) {
    const auto word = [](const QVariant& v) {
        return v.typeId() == QMetaType::Bool ? QString::number(v.toInt()) : v.toString();
    };
    return QStringList{word(QVariant::fromValue(values))...}.join(u' ');
}

// Records 0 and 1 with lamp 2 lit, record 0 shown.
void recordTwo(SequenceEditor& e) {
    e.toggleLamp(2);
    e.recordFrame();
    e.recordFrame();
    e.showRecord(0);
}

// Caption, shortcuts, "#" greyed, "*" ticked, then the visible submenu ("-" a separator).
QString describe(const QAction* a) {
    QStringList sub;
    for (const QAction* item : a->menu() ? a->menu()->actions() : QList<QAction*>())
        if (item->isVisible())
            sub << (item->isSeparator() ? u"-"_s : describe(item));
    QString s = a->text();
    if (!a->shortcuts().isEmpty())
        s += u' ' + QKeySequence::listToString(a->shortcuts());
    s += (a->isEnabled() ? u""_s : u"#"_s) + (a->isChecked() ? u"*"_s : u""_s);
    return a->menu() ? s + u" ["_s + sub.join(u", ") + u']' : s;
}

// What a control's text needs to show whole, as the style lays it out.
int textWidth(const QWidget* w) {
    const QFontMetrics m = w->fontMetrics();
    if (const auto* b = qobject_cast<const QPushButton*>(w))
        return m.horizontalAdvance(b->text()) + 4;
    return qobject_cast<const QLineEdit*>(w) ? 0 : w->minimumSizeHint().width();
}

// Each named control under `root` whose text does not fit, near its sides, or overlapping.
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

    // A right press records on these 25 controls and the overview only; Shift+click: "Départ".
    void rightPressesAndOverview() {
        WindowRig r;
        ClientArea& a = r.area();
        const SequencePanel* s = a.sequencePanel();
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
        QWidget* strip = a.overview()->strip();
        QTest::mouseClick(strip, Qt::RightButton);
        QTest::mouseClick(strip, Qt::LeftButton, Qt::ShiftModifier,
                          Overview::columnRect(1).center());
        QTest::mouseClick(strip, Qt::LeftButton, {}, Overview::columnRect(2).center());
        QCOMPARE(words(recording.size(), s->recordCountField()->text(), grid(r.editor),
                       r.player.isPlaying(), s->startAddressField()->text(),
                       r.editor.currentRecord()),
                 u"25 26 00100000 0 1 2");
    }

    // From recordTwo: "count record lamps multiplier playing autoRecord".
    void presses_data() {
        QTest::addColumn<int>("control"); // in the order below
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<QString>("expected");
        QTest::newRow("+ left records") << 0 << Qt::LeftButton << u"2 1 00100000 1 0 0"_s;
        QTest::newRow("+ middle") << 0 << Qt::MiddleButton << u"2 0 00100000 1 0 0"_s;
        QTest::newRow("PLAY left plays") << 1 << Qt::LeftButton << u"2 0 00100000 1 1 0"_s;
        QTest::newRow("PLAY middle") << 1 << Qt::MiddleButton << u"2 0 00100000 1 0 0"_s;
        QTest::newRow("rotate right left") << 2 << Qt::LeftButton << u"2 0 00010000 1 0 0"_s;
        QTest::newRow("rotate right middle") << 2 << Qt::MiddleButton << u"2 0 00100000 1 0 0"_s;
        QTest::newRow("invert middle") << 3 << Qt::MiddleButton << u"2 0 11011111 1 0 0"_s;
        QTest::newRow("CLEAR middle") << 4 << Qt::MiddleButton << u"2 0 00000000 1 0 0"_s;
        QTest::newRow("x20 middle") << 5 << Qt::MiddleButton << u"2 0 00100000 5 0 0"_s;
        QTest::newRow("Mode Auto. left ticks") << 6 << Qt::LeftButton << u"2 0 00100000 1 0 1"_s;
        QTest::newRow("lamp 7 left") << 7 << Qt::LeftButton << u"2 0 00100001 1 0 0"_s;
    }
    void presses() {
        QFETCH(int, control);
        QFETCH(Qt::MouseButton, button);
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
        QTEST(words(e.sequence().length(), e.currentRecord(), grid(e), e.multiplierIndex(),
                    r.player.isPlaying(), a.optionsPanel()->autoRecordCheck()->isChecked()),
              "expected");
    }

    // Typed text acts at once and stays as typed until committed (the period's until
    // computed again): "field range".
    void addressFields_data() {
        QTest::addColumn<int>("field"); // Départ, En cours, Maximum, the period
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("commit");
        QTest::addColumn<QString>("expected");
        QTest::newRow("Départ past the count") << 0 << u"9"_s << u"enter"_s << u"2 2"_s;
        QTest::newRow("Départ, not committed") << 0 << u"9"_s << u""_s << u"9 2"_s;
        QTest::newRow("Départ, a menu opened and closed") << 0 << u"9"_s << u"popup"_s << u"9 2"_s;
        QTest::newRow("Départ of letters") << 0 << u"abc"_s << u"enter"_s << u"abc 2"_s;
        QTest::newRow("Départ emptied, left") << 0 << u""_s << u"leave"_s << u"0 2"_s;
        QTest::newRow("Départ emptied, PLAY") << 0 << u""_s << u"play"_s << u"0 2"_s;
        QTest::newRow("En cours past the count") << 1 << u"12"_s << u"enter"_s << u"2 2"_s;
        QTest::newRow("En cours emptied") << 1 << u""_s << u"enter"_s << u"0 2"_s;
        QTest::newRow("Maximum: the range") << 2 << u"7x"_s << u""_s << u"7x 7"_s;
        QTest::newRow("period, a lamp switched") << 3 << u"abc"_s << u""_s << u"abc 2"_s;
        QTest::newRow("period, x20") << 3 << u"abc"_s << u"x5"_s << u"0.2 2"_s;
        QTest::newRow("period, x1: the same") << 3 << u"abc"_s << u"x1"_s << u"0.02 2"_s;
    }
    void addressFields() {
        QFETCH(int, field);
        QFETCH(QString, typed);
        QFETCH(QString, commit);
        WindowRig r;
        recordTwo(r.editor);
        const SequencePanel* s = r.area().sequencePanel();
        const TimeBasePanel* b = r.area().timeBasePanel();
        QLineEdit* f = QList<QLineEdit*>{s->startAddressField(), s->currentRecordField(),
                                         s->recordCountField(), b->framePeriodField()}[field];
        f->setFocus();
        f->selectAll();
        if (typed.isEmpty())
            QTest::keyClick(f, Qt::Key_Backspace);
        QTest::keyClicks(f, typed);
        if (commit == u"enter")
            QTest::keyClick(f, Qt::Key_Return);
        else if (commit == u"leave")
            s->recordButton()->setFocus(Qt::TabFocusReason);
        else if (commit == u"play")
            WindowRig::press(r.area().simulatorPanel()->playButton(), Qt::LeftButton);
        else if (commit.startsWith(u'x'))
            WindowRig::press(b->multiplierButton(commit.mid(1).toInt()), Qt::LeftButton);
        QFocusEvent menuOpened(QEvent::FocusOut, Qt::PopupFocusReason), menuClosed(QEvent::FocusIn);
        if (commit == u"popup")
            for (QFocusEvent* e : {&menuOpened, &menuClosed})
                QCoreApplication::sendEvent(f, e);
        r.editor.toggleLamp(0); // a change elsewhere leaves the fields alone
        QTEST(words(f->text(), r.area().recordNavigator()->maximum()), "expected");
    }

    // Tab reaches the lamps; digits and Space switch lamps; Space or Enter on a button acts
    // once; a multiplier checked by an arrow is put back.
    void keyboard() {
        WindowRig r;
        const SequencePanel* s = r.area().sequencePanel();
        const TimeBasePanel* b = r.area().timeBasePanel();
        LampGrid* lamps = r.area().lampGrid();
        s->startAddressField()->setFocus();
        for (int tabs = 0; !lamps->hasFocus() && tabs < 40; ++tabs)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QVERIFY(lamps->hasFocus());
        for (auto key : {Qt::Key_3, Qt::Key_Right, Qt::Key_Right, Qt::Key_Space, Qt::Key_End,
                         Qt::Key_Space, Qt::Key_Left, Qt::Key_Space})
            QTest::keyClick(lamps, key);
        const QString seen = grid(r.editor);
        QTest::keyClick(s->recordButton(), Qt::Key_Space);
        QTest::keyClick(r.area().transformPanel()->invertButton(), Qt::Key_Return);
        QTest::keyClick(b->multiplierButton(5), Qt::Key_Space);
        QTest::keyClick(s->recordButton(), Qt::Key_Enter, Qt::KeypadModifier);
        QTest::keyClick(b->multiplierButton(1), Qt::Key_Down);
        QString marked;
        for (int i = 0; i < timebase::ButtonCount; ++i)
            marked += b->multiplierButton(i)->isChecked() ? u'1' : u'0';
        QCOMPARE(words(seen, r.editor.sequence().length(), grid(r.editor), marked,
                       line(r.editor.sequence().at(1))),
                 u"00000011 2 11111100 000001 611111100"_s);
        const Frame endMark; // a record without a duration: no multiplier marked
        r.editor.replaceSequence(Sequence::loaded({&endMark, 1}));
        for (int i = 0; i < timebase::ButtonCount; ++i)
            QVERIFY(!b->multiplierButton(i)->isChecked());
        QMenu* edit = r.window.menuBar()->actions().at(1)->menu(); // our Alt+E, not a mnemonic
        QTest::keyClick(&r.window, Qt::Key_E, Qt::AltModifier);
        QTRY_VERIFY(edit->isVisible());
    }

    // Menu shortcuts, the greyed colour menu's too, win in fields; Shift+Insert still pastes.
    void menuShortcutsInFields() {
        WindowRig r;
        WindowMenus* m = r.window.menus();
        const SequencePanel* s = r.area().sequencePanel();
        WindowRig::press(s->recordButton(), Qt::LeftButton);
        const std::tuple<QWidget*, const char*, Command> rows[] = {
            {s->startAddressField(), "Ctrl+Z", Command::Undo},
            {s->startAddressField(), "Ctrl+Shift+Z", Command::Redo},
            {s->startAddressField(), "Ctrl+V", Command::Green},
            {s->recordButton(), "Ctrl+J", Command::Yellow}};
        QString seen;
        for (const auto& [w, keys, command] : rows) {
            w->setFocus();
            QSignalSpy triggered(m->action(command), &QAction::triggered);
            QTest::keySequence(w, QKeySequence(QString::fromLatin1(keys)));
            seen += words(triggered.count(), s->startAddressField()->text()) + u'|';
            r.window.activateWindow(); // after the colour question
            QVERIFY(QTest::qWaitForWindowActive(&r.window));
        }
        QCOMPARE(seen, u"1 0|1 0|1 0|1 0|");
        QCOMPARE(r.boxes.shown.size(), 2); // the two colour questions, dismissed
        QGuiApplication::clipboard()->setText(QStringLiteral("x"));
        const bool pasteOffered = m->action(Command::Paste)->isEnabled();
        s->startAddressField()->setCursorPosition(0);
        QTest::keyClick(s->startAddressField(), Qt::Key_Insert, Qt::ShiftModifier);
        QGuiApplication::clipboard()->clear();
        QCOMPARE(words(pasteOffered, m->action(Command::Paste)->isEnabled(),
                       s->startAddressField()->text()),
                 u"1 0 x0");
    }

    // Closing with work unsaved asks once; Escape keeps the editor open.
    void closing_data() {
        QTest::addColumn<bool>("ends");
        for (const char* how : {"close Escape", "Quitter Escape", "close Non", "Quitter Non"})
            QTest::newRow(how) << QByteArray(how).endsWith("Non");
    }
    void closing() {
        const QString how = QString::fromLatin1(QTest::currentDataTag());
        WindowRig r;
        r.editor.toggleLamp(1);
        r.boxes.answers << how.section(u' ', 1); // "Escape" names no button
        if (how.startsWith(u"Quitter"))
            r.window.menus()->action(Command::Quit)->trigger();
        else
            r.window.close();
        QTEST(!r.window.isVisible(), "ends");
        QCOMPARE(r.boxes.shown,
                 QStringList{u"* LT840 *|Voulez-vous sauvegarder avant de quitter?|0|OuiNon"_s});
    }

    // "CARTE" is yellow while the board is reset; the progress bar replaces the navigator.
    void boardCommands() {
        WindowRig r;
        r.line.soundBoard();
        recordTwo(r.editor);
        BoardTestWindow* test = r.window.testWindow();
        r.window.menus()->action(Command::TestBoard)->trigger();
        r.clock.run();
        QLineEdit* board = r.area().optionsPanel()->boardField();
        QString seen = words(test->isVisible(), test->answerField()->text(), board->text()) + u'|';
        r.area().optionsPanel()->resetButton()->click();
        QColor during = board->palette().color(QPalette::Base);
        r.clock.run();
        seen += during.name() + u' ' + board->palette().color(QPalette::Base).name() + u'|';
        r.line.openError = 1; // the port refuses: a report, read while "CARTE" is still yellow
        r.boxes.onShow = [&] { during = board->palette().color(QPalette::Base); };
        r.area().optionsPanel()->resetButton()->click();
        r.clock.run();
        seen += during.name() + u' ' + board->palette().color(QPalette::Base).name() + u'|';
        r.line.openError = 0;
        QStringList progress;
        QProgressBar* bar = r.area().uploadProgressBar();
        const auto shown = [&] {
            return words(bar->isVisible(), r.area().recordNavigator()->isVisible());
        };
        connect(&r.board, &BoardSession::uploadProgress, bar,
                [&] { progress << words(bar->value(), bar->maximum(), shown()); });
        r.window.menus()->action(Command::Upload)->trigger();
        r.clock.run();
        // The refused reset's three reports: the port refused twice, the "R" unsent.
        QCOMPARE(seen + progress.join(u',') + u'|' + words(shown(), r.boxes.shown.size()),
                 u"1  Carte    LT840:V1.02  LT840:V1.02 |#ffff00 #e0e0e0|#ffff00 #e0e0e0|"
                 u"0 2 1 0,1 2 1 0,2 2 1 0|0 1 3");
    }

    // A click on "Arrêter", Escape in a field or closing the window stop the upload after its
    // first block; the closed window waits for the stop's report, then ends.
    void stopUpload_data() {
        QTest::addColumn<QString>("how");
        for (const char* how : {"click", "Escape", "close"})
            QTest::newRow(how) << QString::fromLatin1(how);
    }
    void stopUpload() {
        QFETCH(QString, how);
        WindowRig r;
        r.line.soundBoard();
        recordTwo(r.editor);
        QPushButton* stop = r.area().uploadProgress()->stopButton();
        QString seen = words(stop->isVisible());
        connect(&r.board, &BoardSession::uploadProgress, stop, [&](int sent) {
            if (sent != 1)
                return;
            seen += u' ' + words(stop->isVisible(), r.area().recordNavigator()->isVisible());
            if (how == u"click")
                QTest::mouseClick(stop, Qt::LeftButton);
            else if (how == u"close")
                r.boxes.answers << u"Non"_s, r.window.close();
            else if (QWidget* field = r.area().sequencePanel()->startAddressField();
                     how == u"Escape")
                field->setFocus(), QTest::keyClick(field, Qt::Key_Escape);
        });
        r.window.menus()->action(Command::Upload)->trigger();
        r.clock.run();
        QCOMPARE(words(seen, stop->isVisible(), r.window.isVisible(), r.boxes.shown.last()),
                 u"0 1 0 0 %1 * LT840 *|Programmation interrompue : la carte ne contient "
                 u"qu'une partie de la séquence.|2|OK"_s.arg(how == u"close" ? 0 : 1));
    }

    // Three adapters, the middle one silent and ticked now, the others ticked last time: the
    // statuses while running and at the end, the summary; Escape or closing stops them.
    void severalBoards_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("ended");
        QTest::newRow("to the end") << QString() << u"Programmée (LT840:V1.02)"_s;
        QTest::newRow("Escape") << u"Escape"_s << u"Programmation interrompue"_s;
        QTest::newRow("closed") << u"close"_s << u"Programmation interrompue"_s;
    }
    void severalBoards() {
        QFETCH(QString, how);
        QFETCH(QString, ended);
        WindowRig r;
        recordTwo(r.editor);
        for (const char* name : {"ttyUSB0", "ttyUSB1", "ttyUSB2"})
            r.ports.adapters << PortInfo{QString::fromLatin1(name), u"/dev/"_s + name, {}, {}, {}};
        userSettings().setValue("programmation/cartes",
                                QStringList{u"/dev/ttyUSB2"_s, u"/dev/gone"_s, u"/dev/ttyUSB0"_s});
        r.scriptBoard = [made = 0](FakeSerialLine& l) mutable {
            if (made++ != 1)
                l.soundBoard();
        };
        r.window.menus()->action(Command::UploadSeveral)->trigger();
        auto* dialog = r.window.findChild<MultiUploadDialog*>();
        QVERIFY(dialog && QTest::qWaitForWindowActive(dialog));
        const auto column = [dialog](bool statuses) { // the ticks, else the statuses
            QStringList s;
            for (int i = 0; i < dialog->adapterCount(); ++i)
                s << (statuses ? dialog->adapterStatus(i)->text()
                               : words(dialog->adapterCheck(i)->isChecked()));
            return s.join(statuses ? u"|"_s : QString());
        };
        QString seen = column(false);
        connect(dialog->adapterBar(0), &QProgressBar::valueChanged, dialog, [&](int sent) {
            if (sent != 1)
                return;
            seen += u' ' + column(true) + u' ' +
                    words(dialog->stopButton()->isEnabled(), dialog->startButton()->isEnabled());
            if (how == u"Escape")
                QTest::keyClick(dialog, Qt::Key_Escape);
            else if (how == u"close")
                dialog->close();
        });
        for (auto key : {Qt::Key_Tab, Qt::Key_Space, Qt::Key_Return})
            QTest::keyClick(dialog->focusWidget(), key);
        r.clock.run();
        QCOMPARE(seen, u"101 bloc 1/2|Identification…|bloc 0/2 1 0"_s);
        QCOMPARE(column(true).section(u'|', 1, 1), u"DEFAUT DE DIALOGUE"_s);
        for (int board : {0, 2})
            QVERIFY(column(true).section(u'|', board, board).startsWith(ended));
        QCOMPARE(dialog->summary()->text(), how.isEmpty()
                                                ? u"2 cartes programmées, 1 en échec"_s
                                                : u"0 carte programmée, 1 en échec, 2 arrêtées"_s);
        QCOMPARE(dialog->isVisible(), how != u"close");
        dialog->close();
        dialog->open();
        QCOMPARE(column(false) + u' ' +
                     userSettings().value("programmation/cartes").toStringList().join(u','),
                 u"111 /dev/gone,/dev/ttyUSB0,/dev/ttyUSB1,/dev/ttyUSB2"_s);
        QVERIFY(r.boxes.shown.isEmpty());
    }

    // A COM is kept in lt840.cfg, a device chosen by name in the user's settings.
    void portChoices() {
        WindowRig r;
        PortMenu* ports = r.window.menus()->portMenu();
        ports->comAction(2)->trigger();
        Configuration written(r.folders);
        written.loadConfiguration();
        QString seen = words(r.board.comIndex(), written.portNumber(), rememberedDevice()) + u'|';
        emit ports->deviceChosen(QStringLiteral("/dev/ttyUSB7"));
        seen += r.board.port().name + u' ' + rememberedDevice() + u'|';
        ports->comAction(0)->trigger();
        seen += r.board.port().name + u" '"_s + rememberedDevice() + u'\'';
        QCOMPARE(seen, u"2 2 |/dev/ttyUSB7 /dev/ttyUSB7|COM1 ''");
    }

    // The navigator shows its record at once by arrows, by the thumb once it is released.
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

    // The menus and the toolbar as the user sees them.
    void menusAndToolBar() {
        QGuiApplication::clipboard()->clear();
        chooseLanguage(Language::French);
        WindowRig r;
        QStringList seen;
        for (const QAction* a : r.window.menuBar()->actions())
            seen << describe(a);
        for (const QAction* a : r.window.toolBar()->actions())
            seen << (a->isSeparator() ? u"-"_s : a->toolTip());
        r.window.menus()->journalAction()->trigger();
        seen << QString::number(r.window.menus()->journal()->isVisible());
        for (int i = 0; i < 2; ++i)
            r.window.menus()->languageAction(Language::English)->trigger();
        seen << QString::number(chosenLanguage() == Language::English) << r.boxes.shown;
        QCOMPARE(
            seen.join(u", "),
            u"&Fichier [&Nouveau Ctrl+N, &Ouvrir Ctrl+O, E&xemples [alternance, balayage, "
            u"chenillard, chenillard-large, clignotement, compteur, demonstration, "
            u"demonstration-2, remplir-vider, rencontre, scintillement], &Sauvegarder Ctrl+S, -, "
            u"&Quitter Ctrl+Q], "
            u"&Édition [&Annuler Ctrl+Z#, &Rétablir Ctrl+Y; Ctrl+Shift+Z#, -, Co&uper Ctrl+X#, "
            u"&Copier Ctrl+C#, C&oller Ctrl+Shift+V#, -, &Insérer un enregistrement Ins, "
            u"&Dupliquer l'enregistrement Ctrl+D#, -, &Effets… Ctrl+E], &Option [&Port série [COM "
            u"1*, COM 2, COM 3, COM 4], &Couleur LED# [&Jaune Ctrl+J, &Rouge Ctrl+R, &Vert "
            u"Ctrl+V], &Journal de la liaison, &Langue [Selon le bureau, Français*, English]], "
            u"&Transfert [&TestCarte, &Programmation, Programmer plusieurs &cartes…], &? "
            u"[&Aide F1, À &propos de LT840], Nouveau "
            u"(Ctrl+N), Ouvrir (Ctrl+O), Sauvegarder (Ctrl+S), -, Annuler (Ctrl+Z), Rétablir "
            u"(Ctrl+Y), -, TestCarte, Programmation, 1, 1, * LT840 *|La langue choisie "
            u"s'affichera au prochain démarrage de LT840.|0|OK"_s);
    }

    // Nothing overlaps or is clipped; a long port in the status bar does not widen the window.
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

    // A chase made with the keyboard in the effects dialog, undone, redone, saved; an example.
    void effects() {
        WindowRig r;
        QTest::keySequence(&r.window, QKeySequence(u"Ctrl+E"_s));
        auto* dialog = r.window.findChild<EffectsDialog*>();
        QVERIFY(dialog && QTest::qWaitForWindowActive(dialog));
        for (auto key : {Qt::Key_Tab, Qt::Key_Up, Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Tab,
                         Qt::Key_Tab, Qt::Key_Down, Qt::Key_Down, Qt::Key_Return})
            QTest::keyClick(dialog->focusWidget(), key);
        QVERIFY(!dialog->isVisible());
        const auto records = [&r] {
            QStringList lines;
            for (int k = 0; k < r.editor.sequence().length(); ++k)
                lines << line(r.editor.sequence().at(k));
            return words(r.editor.currentRecord(), lines.join(u','));
        };
        const QString chase = records();
        QCOMPARE(chase, u"0 311000000,301100000,300110000,300011000,300001100,300000110,"
                        u"300000011,310000001"_s);
        QTest::keySequence(&r.window, QKeySequence(u"Ctrl+Z"_s));
        QCOMPARE(records(), u"0 "_s);
        QTest::keySequence(&r.window, QKeySequence(u"Ctrl+Y"_s));
        QCOMPARE(records(), chase);
        const QString saved = r.folders.user.filePath(u"chase"_s);
        r.fileDialog.paths << saved;
        r.boxes.answers << u"OK"_s;
        QTest::keySequence(&r.window, QKeySequence(u"Ctrl+S"_s));
        QVERIFY(QFileInfo::exists(saved + u".dat"_s));
        QMenu* file = r.window.menuBar()->actions().first()->menu();
        for (QAction* a : file->actions())
            for (QAction* example : a->menu() ? a->menu()->actions() : QList<QAction*>())
                if (a->text() == u"E&xemples" && example->text() == u"chenillard")
                    example->trigger();
        QVERIFY(r.window.windowTitle().endsWith(u"/chenillard.dat"));
    }

    // F1: the guide in the interface's language with its pictures, beside the editor; About.
    void help_data() {
        QTest::addColumn<Language>("language");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("pictures"); // their folder, from the page's
        QTest::newRow("fr") << Language::French << u"Aide de LT840"_s << QString();
        QTest::newRow("en") << Language::English << u"LT840 Help"_s << u"../fr/"_s;
    }
    void help() {
        QFETCH(Language, language);
        QFETCH(QString, pictures);
        chooseLanguage(language);
        WindowRig r;
        QTest::keyClick(&r.window, Qt::Key_F1);
        auto* help = r.window.findChild<HelpWindow*>();
        QVERIFY(help && help->isVisible());
        QTextDocument* guide = help->page()->document();
        QTEST(guide->metaInformation(QTextDocument::DocumentTitle), "title");
        for (const char* picture : {"fenetre.png", "effets.png"})
            QVERIFY(
                !guide->resource(QTextDocument::ImageResource, QUrl(pictures + picture)).isNull());
        QVERIFY(!help->geometry().intersects(r.window.frameGeometry()));
        r.window.menus()->action(Command::About)->trigger();
        QVERIFY(QRegularExpression(
                    u"(?s)^\\* LT840 \\*\\|LT840 V1\\.02\\n.*Licence : GNU GPL .*\\nhttps://"_s)
                    .match(r.boxes.shown.value(0))
                    .hasMatch());
    }

    // Grown, only the lamps and the overview grow, the rest keeps its places; shrunk, as before.
    void resizing() {
        WindowRig r;
        ClientArea& a = r.area();
        QWidget* fixed[] = {a.sequencePanel(), a.transformPanel(), a.optionsPanel(),
                            a.timeBasePanel(), a.recordNavigator()};
        const auto places = [&] {
            QList<QRect> list{a.lampGrid()->geometry(), a.lampGrid()->lamp(0)->geometry(),
                              a.overview()->geometry()};
            for (QWidget* w : fixed)
                list << w->geometry();
            return list;
        };
        const QList<QRect> designed = places();
        const QSize size = r.window.size();
        r.window.resize(size + QSize(400, 300));
        QTRY_COMPARE(r.window.size(), size + QSize(400, 300));
        const QList<QRect> grown = places();
        QVERIFY(grown[0].width() > designed[0].width() && grown[1].width() > designed[1].width());
        QVERIFY(grown[2].height() > designed[2].height() && a.overview()->scale() > 1);
        QCOMPARE(grown[2].width(), designed[2].width() + 400);
        const QPoint moved = grown[3].topLeft() - designed[3].topLeft();
        for (int i = 3; i < grown.size(); ++i) {
            const int down = i > 4 ? grown[0].height() - designed[0].height() : 0;
            QCOMPARE(grown[i], designed[i].translated(moved + QPoint(0, down)));
        }
        r.window.resize(size);
        QTRY_COMPARE(places(), designed);
    }

    // A file named on the command line, dropped or chosen among the recent ones opens.
    void filesOpened() {
        QTemporaryDir folder;
        const QString a = folder.filePath("a.dat"), b = folder.filePath("b.dat");
        for (const QString& path : {a, b})
            QVERIFY(writeWholeFile(path, "LT840  V1.02\r\n 1 \r\n210000000\r\n100000000\r\n"));
        WindowRig r;
        r.window.openFile(a);
        QCOMPARE(r.window.windowTitle(), u"FICHIER = "_s + a);
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(b)});
        QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, &data, Qt::LeftButton, {});
        QDropEvent drop(QPointF(20, 20), Qt::CopyAction, &data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(&r.window, &enter);
        QVERIFY(enter.isAccepted());
        QCoreApplication::sendEvent(&r.window, &drop);
        QTRY_COMPARE(r.window.windowTitle(), u"FICHIER = "_s + b);
        RecentFilesMenu* recent = r.window.menus()->recentFiles();
        recent->entry(1)->trigger();
        QCOMPARE(r.window.windowTitle(), u"FICHIER = "_s + a);
        QFile::remove(b);
        recent->entry(1)->trigger();
        QCOMPARE(r.boxes.shown, QStringList{u"* LT840 *|Le fichier « "_s + b +
                                            u" » n'existe plus : il est retiré de la liste des "
                                            u"fichiers récents.|2|OK"_s});
    }
};

QTEST_MAIN(TstMainWindow)
#include "tst_mainwindow.moc"
