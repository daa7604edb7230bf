#pragma once

#include "window/EditorServices.h"

#include <QMainWindow>

class BoardTestWindow;
class ClientArea;
class PressRouter;
class QToolBar;
class StatusLine;
class WindowCommands;
class WindowMenus;

// The main window, "* LT840 *" ("FICHIER = <path>" once a file is loaded): the designed
// controls on their background, the overview under them, the menus, the toolbar, the status
// bar and the "TEST CARTE" window. Each control is bound to the service state it shows and
// repainted when that state changes. Closing the window asks about unsaved work; a file
// dropped on it opens as "Ouvrir" opens the file chosen.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(const EditorServices& services, QWidget* parent = nullptr);

    ClientArea* clientArea() const { return m_area; }
    WindowMenus* menus() const { return m_menus; }
    WindowCommands* commands() const { return m_commands; }
    StatusLine* statusLine() const { return m_status; }
    QToolBar* toolBar() const { return m_toolBar; }
    BoardTestWindow* testWindow() const { return m_testWindow; }

    // A file named outside the dialog (command line, drop) opens as "Ouvrir" opens the one
    // chosen in it.
    void openFile(const QString& path);

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void buildToolBar();
    void letMenuShortcutsWin();
    void end();

    PressRouter* m_presses;
    WindowCommands* m_commands;
    QToolBar* m_toolBar = nullptr;
    ClientArea* m_area = nullptr;
    WindowMenus* m_menus = nullptr;
    StatusLine* m_status = nullptr;
    BoardTestWindow* m_testWindow = nullptr;
    bool m_ending = false; // the user agreed to end: closing asks nothing more
};
