#pragma once

#include "editing/Platform.h"
#include "files/Configuration.h"

#include <QList>
#include <QQueue>
#include <QTemporaryDir>

// Fakes of what the editing services ask of the world: answers are queued in advance, what
// was asked is logged.

struct FakeTimer : ITimer {
    int intervalMs = -1;
    bool enabled = false;
    void configure(int ms, bool on) override { intervalMs = ms, enabled = on; }
    // Whether a real timer with these settings would tick at all.
    bool ticks() const { return enabled && intervalMs > 0; }
};

struct FakeClipboard : IClipboard {
    QString content;
    bool hasText() override { return !content.isEmpty(); }
    QString text() override { return content; }
    void setText(const QString& text) override { content = text; }
};

// Unanswered, a question is answered No.
struct FakeQuestions : IQuestions {
    QQueue<Answer> answers;
    QList<Report> asked;
    Answer ask(const Report& question) override {
        asked.append(question);
        return answers.isEmpty() ? Answer::No : answers.dequeue();
    }
};

// With no path queued the user cancels.
struct FakeFileDialog : IFileDialog {
    QQueue<QString> paths;
    QList<FileDialogSettings> shown;
    QString chooseToOpen(const FileDialogSettings& s) override { return next(s); }
    QString chooseToSave(const FileDialogSettings& s) override { return next(s); }
    QString next(const FileDialogSettings& s) {
        shown.append(s);
        return paths.isEmpty() ? QString() : paths.dequeue();
    }
};

struct FakeProgramFolders : IProgramFolders {
    QTemporaryDir program, user;
    QString programFolder() override { return program.path(); }
    QString userFolder() override { return user.path(); }
};
