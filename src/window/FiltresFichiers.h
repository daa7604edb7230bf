#pragma once

#include <QString>
#include <QStringList>

// The editor's filter list, "label|pattern|label|pattern|...", as file-dialog name filters
// "label (patterns)". Patterns separated by ';' become blank-separated, and "*.*" (every
// file, with or without an extension) becomes "*". A label that already ends with its own
// pattern in parentheses shows it once.
QStringList filtresQt(const QString& filtre);
