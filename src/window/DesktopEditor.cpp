#include "window/DesktopEditor.h"

#include "serial/UserSettings.h"
#include "window/MainWindow.h"

DesktopEditor::DesktopEditor(IProgramFolders* folders)
    : m_files(m_editor, m_fileDialog, m_messages, folders ? *folders : m_folders),
      m_configuration(folders ? *folders : m_folders) {
    QObject::connect(&m_timer, &QtTimer::ticked, &m_player, &Player::tick);
    m_configuration.loadConfiguration();
    m_board.chooseCom(m_configuration.portNumber());
    m_board.chooseDevice(rememberedDevice());
    m_window = std::make_unique<MainWindow>(EditorServices{
        m_editor, m_player, m_files, m_board, m_configuration, m_messages, m_ports, m_lineSwitch,
        m_line, m_clock, [] { return std::make_unique<QtSerialLine>(); }});
    m_messages.setParentWindow(m_window.get());
    m_fileDialog.setParentWindow(m_window.get());
}

DesktopEditor::~DesktopEditor() = default;
