#pragma once

#include "files/RecentFiles.h"
#include "model/Report.h"

#include <QObject>

#include <array>

class QAction;
class QMenu;

// The files last opened or saved, newest first, at the foot of the "Fichier" menu's commands:
// "&1 /path/a.dat" … "&6 …" on Alt+1 to Alt+6, kept in the user's settings between runs
// (key "fichiersRecents"), never in lt840.cfg.
class RecentFilesMenu : public QObject {
    Q_OBJECT

public:
    // The entries and a separator go into `menu` before `before`.
    RecentFilesMenu(QMenu* menu, QAction* before);

    QStringList files() const;
    QAction* entry(int index) const { return m_entries.at(index); } // 0..RecentFileCount-1

    // A file was opened or saved just now: it comes first.
    void remember(const QString& path);
    // The files that no longer exist leave the list.
    void forgetMissing();

signals:
    // An entry whose file exists was chosen.
    void fileChosen(const QString& path);
    // An entry whose file is gone was chosen: the report to show; the entry then goes.
    void fileMissing(const Report& report);

private:
    void choose(int index);
    void store(const QStringList& files);
    void showFiles(const QStringList& files);

    std::array<QAction*, RecentFileCount> m_entries{};
    QAction* m_separator;
};
