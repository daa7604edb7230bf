#pragma once

#include "editing/Platform.h"
#include "files/Configuration.h"

#include <QTemporaryDir>

// What the editing services ask of the world, answered for a run without a window.

// A script is never asked to lose anything: every question is answered No.
class ScriptQuestions : public IQuestions {
public:
    Answer ask(const Report&) override { return Answer::No; }
};

// No one is there to choose a file: every dialog is cancelled.
class NoFileDialog : public IFileDialog {
public:
    QString chooseToOpen(const FileDialogSettings&) override { return {}; }
    QString chooseToSave(const FileDialogSettings&) override { return {}; }
};

// The files the program keeps go to a scratch folder of their own, so that a script never
// touches the window's configuration.
class ScratchFolders : public IProgramFolders {
public:
    QString programFolder() override { return m_folder.path(); }
    QString userFolder() override { return m_folder.path(); }

private:
    QTemporaryDir m_folder;
};

class NoClipboard : public IClipboard {
public:
    bool hasText() override { return false; }
    QString text() override { return {}; }
    void setText(const QString&) override {}
};

struct TerminalPlatform {
    ScriptQuestions questions;
    NoFileDialog fileDialog;
    ScratchFolders folders;
    NoClipboard clipboard;
};
