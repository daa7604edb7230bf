#include "files/RecentFiles.h"

#include <QDir>

QStringList recentFiles(const QStringList& list, const QString& path,
                        const std::function<bool(const QString&)>& exists) {
    QStringList candidates;
    if (!path.isEmpty())
        candidates << path;
    candidates << list;
    QStringList result;
    for (const QString& candidate : std::as_const(candidates)) {
        const QString cleaned = QDir::cleanPath(candidate);
        if (candidate.isEmpty() || result.contains(cleaned) || !exists(cleaned))
            continue;
        result << cleaned;
        if (result.size() == RecentFileCount)
            break;
    }
    return result;
}
