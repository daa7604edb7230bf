#pragma once

#include "board/BoardSession.h"
#include "editing/FileCommands.h"
#include "editing/Player.h"
#include "editing/SequenceEditor.h"
#include "files/Configuration.h"
#include "serial/LineSwitch.h"
#include "serial/QtClock.h"
#include "serial/QtPortEnumerator.h"
#include "serial/QtSerialLine.h"
#include "window/platform/MessageBoxes.h"
#include "window/platform/QtClipboard.h"
#include "window/platform/QtFileDialog.h"
#include "window/platform/QtProgramFolders.h"
#include "window/platform/QtTimer.h"

#include <memory>

class MainWindow;

// The editor on the desktop: the Qt platform, the services started as the last run left them
// (the port from lt840.cfg, or the device the user chose by name) and the main window bound
// to them, not shown yet. What the program runs, and what the playback benchmark measures.
class DesktopEditor {
public:
    // `folders`, when given, stands for the folders the program keeps its files in.
    explicit DesktopEditor(IProgramFolders* folders = nullptr);
    ~DesktopEditor();
    DesktopEditor(const DesktopEditor&) = delete;
    DesktopEditor& operator=(const DesktopEditor&) = delete;

    SequenceEditor& editor() { return m_editor; }
    Player& player() { return m_player; }
    MainWindow& window() { return *m_window; }

private:
    MessageBoxes m_messages;
    QtFileDialog m_fileDialog;
    QtProgramFolders m_folders;
    QtClock m_clock;
    QtSerialLine m_line;
    LineSwitch m_lineSwitch{m_line}; // the journal puts its trace in front of the line here
    QtPortEnumerator m_ports;
    QtTimer m_timer;
    QtClipboard m_clipboard;
    SequenceEditor m_editor{m_clipboard};
    Player m_player{m_editor, m_timer};
    FileCommands m_files;
    Configuration m_configuration;
    BoardSession m_board{m_lineSwitch, m_clock};
    // Last, so that it goes first: its journal hands the line back to the session as it closes.
    std::unique_ptr<MainWindow> m_window;
};
