#include "window/platform/QtFileDialog.h"

#include "window/platform/QtProgramFolders.h"

#include <QFileDialog>

namespace {

// The editor names its default extension as a pattern ("*.dat"); the dialog appends its
// suffix after a dot of its own to a name typed without one, so it wants "dat".
QString dialogSuffix(const QString& extension) {
    qsizetype start = 0;
    while (start < extension.size() && (extension[start] == u'*' || extension[start] == u'.'))
        ++start;
    return extension.mid(start);
}

QString dialogPatterns(const QString& patterns) {
    QStringList list = patterns.split(u';', Qt::SkipEmptyParts);
    for (QString& p : list) {
        p = p.trimmed();
        if (p == QStringLiteral("*.*"))
            p = QStringLiteral("*");
    }
    list.removeAll(QString());
    return list.join(u' ');
}

QString labelWithoutPattern(const QString& label, const QString& patterns) {
    const QString suffix = u'(' + patterns + u')';
    if (!label.endsWith(suffix))
        return label.trimmed();
    return label.chopped(suffix.size()).trimmed();
}

} // namespace

QStringList QtFileDialog::nameFilters(const QString& filters) {
    const QStringList items = filters.split(u'|');
    QStringList result;
    for (qsizetype i = 0; i + 1 < items.size(); i += 2) {
        const QString patterns = dialogPatterns(items.at(i + 1));
        if (patterns.isEmpty())
            continue;
        const QString label = labelWithoutPattern(items.at(i), items.at(i + 1).trimmed());
        result.append(label.isEmpty() ? u'(' + patterns + u')'
                                      : label + QStringLiteral(" (") + patterns + u')');
    }
    return result;
}

QString QtFileDialog::chooseToOpen(const FileDialogSettings& settings) {
    return choose(settings, false);
}

QString QtFileDialog::chooseToSave(const FileDialogSettings& settings) {
    return choose(settings, true);
}

QString QtFileDialog::choose(const FileDialogSettings& settings, bool saving) {
    QFileDialog dialog(m_window, settings.title);
    dialog.setObjectName(QStringLiteral("fileDialog"));
    dialog.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    const QStringList filters = nameFilters(settings.filters);
    if (!filters.isEmpty())
        dialog.setNameFilters(filters);
    // The dialog ignores a folder that does not exist here (such as a drive letter) and keeps
    // its own choice.
    if (!settings.folder.isEmpty())
        dialog.setDirectory(settings.folder);
    // An installed editor's own folder holds no sequences: start where the user keeps files.
    if (const QString documents = QtProgramFolders::documentsIfInstalled(); !documents.isEmpty())
        dialog.setDirectory(documents);
    dialog.setDefaultSuffix(dialogSuffix(settings.defaultExtension));
    if (!settings.fileName.isEmpty())
        dialog.selectFile(settings.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}
