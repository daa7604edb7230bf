#pragma once

#include "FakePlatform.h"
#include "FakeSerialLine.h"
#include "board/BoardSession.h"
#include "editing/FileCommands.h"
#include "editing/Player.h"
#include "editing/SequenceEditor.h"
#include "files/Configuration.h"
#include "serial/LineSwitch.h"
#include "serial/PortList.h"
#include "window/ClientArea.h"
#include "window/MainWindow.h"
#include "window/platform/MessageBoxes.h"
#include "window/platform/QtClipboard.h"

#include <QGroupBox>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

// The real message boxes, answered as they show with the button named ("Oui", "Non", "OK")
// or, when none is queued, with Escape. Each box shown is logged as "title|text".
class BoxAnswers : public QObject {
public:
    QQueue<QString> answers;
    QStringList shown;
    std::function<void()> onShow; // runs as each box shows

    BoxAnswers() { qApp->installEventFilter(this); }
    ~BoxAnswers() override { qApp->removeEventFilter(this); }

    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* box = qobject_cast<QMessageBox*>(watched);
        if (!box || event->type() != QEvent::Show)
            return false;
        shown << box->windowTitle() + u'|' + box->text();
        if (onShow)
            onShow();
        const QString answer = answers.isEmpty() ? QString() : answers.dequeue();
        QTimer::singleShot(0, box, [box, answer] {
            for (QAbstractButton* b : box->buttons())
                if (b->text() == answer)
                    return b->click();
            QTest::keyClick(box, Qt::Key_Escape);
        });
        return false;
    }
};

struct NoPorts : IPortEnumerator {
    QList<PortInfo> ports() override { return {}; }
};

// The real main window over the services, the outside world faked (the file dialog, the
// folders, the board's line and its clock, the playback timer), shown offscreen.
struct WindowRig {
    BoxAnswers boxes;
    QtClipboard clipboard;
    FakeFileDialog fileDialog;
    FakeProgramFolders folders;
    FakeClock clock;
    FakeSerialLine line{clock};
    LineSwitch lineSwitch{line};
    NoPorts ports;
    FakeTimer timer;
    MessageBoxes messages;
    SequenceEditor editor{clipboard};
    Player player{editor, timer};
    FileCommands files{editor, fileDialog, messages, folders};
    Configuration configuration{folders};
    BoardSession board{lineSwitch, clock};
    MainWindow window{EditorServices{editor, player, files, board, configuration, messages, ports,
                                     lineSwitch, line, clock}};

    WindowRig() {
        messages.setParentWindow(&window);
        window.show();
        window.activateWindow();
        if (!QTest::qWaitForWindowActive(&window))
            qWarning("the window was not made active");
    }
    ClientArea& area() { return *window.clientArea(); }

    // A control is pressed in its middle, a frame or the background on a spot of its own
    // surface, off its controls.
    static void press(QWidget* w, Qt::MouseButton button, QPoint p = {}) {
        const bool container = qobject_cast<QGroupBox*>(w) || qobject_cast<ClientArea*>(w);
        for (int y = w->height() - 4; p.isNull() && y > 0; y -= 3)
            for (int x = 4; x < w->width() && p.isNull(); x += 3)
                if (!container)
                    p = w->rect().center();
                else if (!w->childAt(x, y))
                    p = {x, y};
        QTest::mousePress(w, button, {}, p);
        QTest::mouseRelease(w, button, {}, p);
    }
};
