#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Whole-file reads and writes for the program's small text files.

// Nothing when the file cannot be opened or read, or holds more than `maxSize` bytes (a
// device or a huge file chosen by mistake must not stall the program or fill its memory).
std::optional<QByteArray> readWholeFile(const QString& path, qint64 maxSize);

// Replaces the file only once every byte is safely written: on any failure the file that was
// there stays as it was. Only where the folder refuses new files is an existing file rewritten
// in place, and a failure there may leave it cut short.
bool writeWholeFile(const QString& path, const QByteArray& bytes);
