#pragma once

#include "model/Report.h"

#include <QString>

// What the editing services ask of the world outside: the window supplies Qt implementations,
// the command line and the tests their own.

// The playback timer: ticks every `intervalMs` while enabled; an interval of 0 gives none.
class ITimer {
public:
    virtual ~ITimer() = default;
    virtual void configure(int intervalMs, bool enabled) = 0;
};

// The desktop's clipboard, as plain text.
class IClipboard {
public:
    virtual ~IClipboard() = default;
    virtual bool hasText() = 0; // asked whenever the Édition commands are greyed: keep it cheap
    virtual QString text() = 0;
    virtual void setText(const QString& text) = 0;
};

// A question the user answers with Yes or No, or dismisses.
class IQuestions {
public:
    virtual ~IQuestions() = default;
    virtual Answer ask(const Report& question) = 0;
};

struct FileDialogSettings {
    QString title;
    QString filters; // "label|pattern|label|pattern|..."
    QString folder;
    QString defaultExtension;
    QString fileName;
};

// The file dialog: the path chosen, or "" when the user cancels.
class IFileDialog {
public:
    virtual ~IFileDialog() = default;
    virtual QString chooseToOpen(const FileDialogSettings& settings) = 0;
    virtual QString chooseToSave(const FileDialogSettings& settings) = 0;
};
