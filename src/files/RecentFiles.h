#pragma once

#include <QStringList>

#include <functional>

// The files last opened or saved, newest first, as the "Fichier" menu lists them.

inline constexpr int RecentFileCount = 6;

// The list once `path` has been opened or saved (none when it is empty): `path` comes first,
// each file appears once, files for which `exists` is false are gone, and only the newest
// RecentFileCount stay. Paths are compared once cleaned ("a/./b" is "a/b").
QStringList recentFiles(const QStringList& list, const QString& path,
                        const std::function<bool(const QString&)>& exists);
