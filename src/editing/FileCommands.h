#pragma once

#include "model/Report.h"

#include <QObject>
#include <QString>

#include <optional>

struct FileDialogSettings;
class IFileDialog;
class IProgramFolders;
class IQuestions;
class SequenceEditor;

// The "Fichier" menu's commands on the sequence file: open, save, new and quit, with the
// questions they ask about unsaved work and the reports they give.
class FileCommands : public QObject {
    Q_OBJECT

public:
    struct Outcome {
        bool done = false;            // the file was opened or saved, the sequence renewed
        std::optional<Report> report; // to show the user, success included
    };

    FileCommands(SequenceEditor& editor, IFileDialog& dialog, IQuestions& questions,
                 IProgramFolders& folders, QObject* parent = nullptr);

    // "Ouvrir": asks before losing unsaved work, then for a file in the dialog.
    Outcome openSequence();
    // A file named outside the dialog (command line, drop, recent list), opened as "Ouvrir"
    // opens the file chosen in it: same question, checks and reports.
    Outcome openPath(const QString& path);
    // "Sauvegarder": asks for a name, then writes the file.
    Outcome saveSequence();
    // "Nouveau": asks before losing unsaved work.
    bool newSequence();
    // "Quitter" (which always asks) or closing the window (which asks only when there is
    // unsaved work): true when the program may end; the save it may run reports as usual.
    Outcome quit(bool alwaysAsk);

    QString filePath() const { return m_filePath; }

signals:
    // A file was opened or saved: the recent files take it.
    void fileUsed(const QString& path);
    // The window's title after a load ("FICHIER = " and the path).
    void titleChanged(const QString& title);

private:
    bool mayDropUnsavedWork(const QString& question);
    FileDialogSettings dialogSettings();
    bool takeName(const QString& path, bool completeName);
    Outcome load(const QString& path, bool completeName);

    SequenceEditor& m_editor;
    IFileDialog& m_dialog;
    IQuestions& m_questions;
    IProgramFolders& m_folders;
    QString m_filePath;
    QString m_dialogFolder = QStringLiteral("c:\\"); // until the first dialog: the program's
    QString m_dialogFileName; // what the last dialog returned; the open dialog starts with it
};
