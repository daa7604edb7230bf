#pragma once

#include "window/EditorServices.h"

#include <QObject>

#include <array>
#include <vector>

enum class Language;
class LinkJournal;
class PortMenu;
class QAction;
class QMainWindow;
class QMenu;
class QMenuBar;
class QToolBar;
class RecentFilesMenu;
class WindowCommands;

// The commands of the menus and the toolbar, built from one table. The toolbar offers the
// menus' own actions, greyed with them. Menu shortcuts win over the text fields, which would
// otherwise take the keys they edit with (Ctrl+V stays "Vert"; Shift+Insert still pastes).
class WindowMenus : public QObject {
    Q_OBJECT

public:
    enum class Command {
        New,
        Open,
        Save,
        Quit,
        Undo,
        Redo,
        Cut,
        Copy,
        Paste,
        Insert,
        Duplicate,
        Effects,
        Yellow,
        Red,
        Green,
        TestBoard,
        Upload,
        UploadSeveral,
        Help,
        About,
    };

    WindowMenus(const EditorServices& services, WindowCommands& commands, QMainWindow* window,
                QToolBar* toolBar);

    QAction* action(Command command) const { return m_actions.at(std::size_t(command)); }
    QMenu* colourMenu() const { return m_colourMenu; }
    PortMenu* portMenu() const { return m_portMenu; }
    RecentFilesMenu* recentFiles() const { return m_recentFiles; }
    QAction* journalAction() const { return m_journalAction; }
    LinkJournal* journal() const { return m_journal; } // none until first opened
    QAction* languageAction(Language language) const {
        return m_languageActions.at(std::size_t(language));
    }

    // The menus' shortcuts act even while `field` has the focus.
    void letShortcutsWinIn(QWidget* field);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Row;
    static const Row Rows[];

    void build(QMainWindow* window, QToolBar* toolBar);
    QAction* add(const Row& row, QMenu* menu, QMenuBar* bar);
    void buildOptions(QMenu* options, QMainWindow* window);
    void buildLanguages(QMenu* options);
    void buildRecentFiles(QMenu* file);
    void buildExamples(QMenu* file);
    void followEditor();
    void greyCommands();
    bool claimedByMenus(const QKeySequence& keys) const;

    EditorServices m_services;
    WindowCommands& m_commands;
    std::vector<QAction*> m_actions;
    QMenu* m_colourMenu = nullptr;
    PortMenu* m_portMenu = nullptr;
    RecentFilesMenu* m_recentFiles = nullptr;
    QAction* m_journalAction = nullptr;
    LinkJournal* m_journal = nullptr;
    std::array<QAction*, 3> m_languageActions{}; // in the order of Language
};
