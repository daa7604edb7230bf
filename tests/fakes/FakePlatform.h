#pragma once

#include "editing/Platform.h"
#include "files/Configuration.h"

#include <QQueue>
#include <QTemporaryDir>

// Fakes of the editing services' platform: answers are queued in advance, questions logged.

struct FakeTimer : ITimer {
    int intervalMs = -1;
    bool enabled = false;
    void configure(int ms, bool on) override { intervalMs = ms, enabled = on; }
    bool ticks() const { return enabled && intervalMs > 0; } // as a real timer would
};

struct FakeClipboard : IClipboard {
    QString content;
    bool hasText() override { return !content.isEmpty(); }
    QString text() override { return content; }
    void setText(const QString& text) override { content = text; }
};

// Unanswered, a question is answered No; with no path queued the user cancels.
struct FakeQuestions : IQuestions {
    QQueue<Answer> answers;
    QList<Report> asked;
    Answer ask(const Report& q) override {
        return asked.append(q), answers.isEmpty() ? Answer::No : answers.dequeue();
    }
};

struct FakeFileDialog : IFileDialog {
    QQueue<QString> paths;
    QList<FileDialogSettings> shown;
    QString chooseToOpen(const FileDialogSettings& s) override { return chooseToSave(s); }
    QString chooseToSave(const FileDialogSettings& s) override {
        return shown.append(s), paths.isEmpty() ? QString() : paths.dequeue();
    }
};

struct FakeProgramFolders : IProgramFolders {
    QTemporaryDir program, user;
    QString programFolder() override { return program.path(); }
    QString userFolder() override { return user.path(); }
};
