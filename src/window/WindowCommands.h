#pragma once

#include "window/EditorServices.h"

#include "model/Report.h"

#include <QObject>

#include <optional>

class EffectsDialog;
class HelpWindow;
class MultiUploadDialog;
struct BoardOutcome;
struct Frame;
enum class Language;
enum class LedColour;

// What the menus, the toolbar and the window's buttons run: the services' commands, with the
// questions they ask and the reports they give shown as message boxes, in their order.
class WindowCommands : public QObject {
    Q_OBJECT

public:
    // The dialogs it opens are the window's.
    WindowCommands(const EditorServices& services, QWidget* window);

    // --- Fichier ---
    void newSequence();
    void openSequence();
    // A file named on the command line, dropped on the window or chosen among the recent
    // files opens as the one chosen in the dialog does.
    void openPath(const QString& path);
    void saveSequence();
    void quit(); // asks whether to save, then ends the program
    // Closing the window: true when it may close (asked only about unsaved work).
    bool mayClose();
    // Closing the window while a board command runs: true when the window must wait for its
    // end (an upload is stopped first) and then closes itself, once the reports were read.
    bool closeAfterBoardCommand();

    // --- Édition ---
    void undo();
    void redo();
    void cut();
    void copy();
    void paste();
    void insertRecord();
    void duplicateRecord();
    void showEffects();

    // --- Option ---
    void chooseYellow();
    void chooseRed();
    void chooseGreen();
    void chooseCom(int index); // kept in lt840.cfg; a device chosen by name is given up
    void chooseDevice(const QString& device); // kept in the user's settings
    // Kept in the user's settings for the next start; the user is told when that start will
    // speak another language than the window does.
    void chooseLanguage(Language language);

    // --- Transfert, the board's buttons, "?" ---
    void testBoard();
    void upload();
    void uploadSeveralBoards();
    void resetBoard();
    void showHelp();
    void about();

signals:
    // "Quitter" was answered: the program ends.
    void quitAccepted();
    // A board command has ended and the user has read its reports.
    void boardReportsRead();

private:
    void chooseColours(LedColour scheme);
    void showReports(const BoardOutcome& outcome);
    void takeEffect(const std::optional<Report>& refusal);

    EditorServices m_services;
    QWidget* m_window;
    EffectsDialog* m_effects = nullptr;           // made on first use, kept with its choices
    HelpWindow* m_help = nullptr;                 // made on first use
    MultiUploadDialog* m_severalBoards = nullptr; // made on first use
    // The window's language: the program installs its translation just before making the
    // window, and a language chosen since takes effect at the next start.
    const QString m_languageInForce;
};
