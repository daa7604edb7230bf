#pragma once

#include "BoxAnswers.h"
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
#include <QPushButton>
#include <QtTest>

struct FixedPorts : IPortEnumerator {
    QList<PortInfo> adapters;
    QList<PortInfo> ports() override { return adapters; }
};

// The real main window over the services, the outside world faked.
struct WindowRig {
    BoxAnswers boxes;
    QtClipboard clipboard;
    FakeFileDialog fileDialog;
    FakeProgramFolders folders;
    FakeClock clock;
    FakeSerialLine line{clock};
    LineSwitch lineSwitch{line};
    FixedPorts ports;
    FakeTimer timer;
    MessageBoxes messages;
    SequenceEditor editor{clipboard};
    Player player{editor, timer};
    FileCommands files{editor, fileDialog, messages, folders};
    Configuration configuration{folders};
    BoardSession board{lineSwitch, clock};
    // Scripts each line made for the boards programmed at once, in the order they are made.
    std::function<void(FakeSerialLine&)> scriptBoard = [](FakeSerialLine& l) { l.soundBoard(); };
    MainWindow window{EditorServices{editor, player, files, board, configuration, messages, ports,
                                     lineSwitch, line, clock, [this] {
                                         auto made = std::make_unique<FakeSerialLine>(clock);
                                         scriptBoard(*made);
                                         return made;
                                     }}};

    WindowRig() {
        messages.setParentWindow(&window);
        window.show();
        window.activateWindow();
        if (!QTest::qWaitForWindowActive(&window))
            qWarning("the window was not made active");
    }
    ClientArea& area() { return *window.clientArea(); }

    // A control is pressed in its middle, a frame or the background off its controls.
    static void press(QWidget* w, Qt::MouseButton button, QPoint p = {}) {
        if (p.isNull() && !qobject_cast<QGroupBox*>(w) && !qobject_cast<ClientArea*>(w))
            p = w->rect().center();
        for (int y = w->height() - 4; p.isNull() && y > 0; y -= 3)
            for (int x = 4; x < w->width() && p.isNull(); x += 3)
                p = w->childAt(x, y) ? QPoint() : QPoint(x, y);
        QTest::mouseClick(w, button, {}, p);
    }
};
