#include "window/widgets/RecentFilesMenu.h"

#include "serial/UserSettings.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

namespace {

const QString Key = QStringLiteral("fichiersRecents");

bool exists(const QString& path) {
    return QFileInfo::exists(path);
}

// An ampersand in a path is shown as itself, not as an access key.
QString caption(int index, const QString& path) {
    QString shown = QDir::toNativeSeparators(path);
    shown.replace(u'&', QStringLiteral("&&"));
    return QStringLiteral("&%1 %2").arg(index + 1).arg(shown);
}

} // namespace

// The entries are made once and only relabelled, so that the one being chosen is never
// deleted while it still reports its choice.
RecentFilesMenu::RecentFilesMenu(QMenu* menu, QAction* before) : QObject(menu) {
    m_separator = menu->insertSeparator(before);
    for (int i = 0; i < int(m_entries.size()); ++i) {
        auto* a = new QAction(menu);
        a->setObjectName(QStringLiteral("recentFile%1").arg(i + 1));
        a->setShortcut(QKeySequence(QStringLiteral("Alt+%1").arg(i + 1)));
        menu->insertAction(before, a);
        connect(a, &QAction::triggered, this, [this, i] { choose(i); });
        m_entries[i] = a;
    }
    showFiles(files());
}

QStringList RecentFilesMenu::files() const {
    return userSettings().value(Key).toStringList();
}

void RecentFilesMenu::remember(const QString& path) {
    store(recentFiles(files(), QFileInfo(path).absoluteFilePath(), exists));
}

void RecentFilesMenu::forgetMissing() {
    store(recentFiles(files(), QString(), exists));
}

void RecentFilesMenu::choose(int index) {
    const QString path = m_entries[index]->data().toString();
    if (exists(path)) {
        emit fileChosen(path);
        return;
    }
    emit fileMissing({tr("Le fichier « %1 » n'existe plus : il est retiré de la "
                         "liste des fichiers récents.")
                          .arg(QDir::toNativeSeparators(path)),
                      titles::Main, Report::Icon::Warning});
    forgetMissing();
}

void RecentFilesMenu::store(const QStringList& list) {
    userSettings().setValue(Key, list);
    showFiles(list);
}

void RecentFilesMenu::showFiles(const QStringList& list) {
    for (int i = 0; i < int(m_entries.size()); ++i) {
        QAction* a = m_entries[i];
        const bool shown = i < list.size();
        a->setVisible(shown);
        a->setEnabled(shown); // a hidden entry's shortcut must not act
        a->setData(shown ? list.at(i) : QString());
        a->setText(shown ? caption(i, list.at(i)) : QString());
    }
    m_separator->setVisible(!list.isEmpty());
}
