#pragma once

#include "editing/Platform.h"

#include <QPointer>
#include <QStringList>
#include <QWidget>

// The file-selection dialog, modal over the main window. An installed editor's dialogs start
// in the user's documents folder, a build's in the folder the editor asks for.
class QtFileDialog : public IFileDialog {
public:
    void setParentWindow(QWidget* window) { m_window = window; }
    QString chooseToOpen(const FileDialogSettings& settings) override;
    QString chooseToSave(const FileDialogSettings& settings) override;

    // The editor's filters, "label|pattern|label|pattern|...", as the dialog's name filters
    // "label (patterns)": patterns separated by ';' become blank-separated, "*.*" becomes "*",
    // a label that already ends with its pattern shows it once, and a label without a pattern
    // is dropped.
    static QStringList nameFilters(const QString& filters);

private:
    QString choose(const FileDialogSettings& settings, bool saving);

    QPointer<QWidget> m_window;
};
