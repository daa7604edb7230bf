#include "files/DiskFile.h"

#include <QFile>
#include <QSaveFile>

std::optional<QByteArray> readWholeFile(const QString& path, qint64 maxSize) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = file.read(maxSize + 1);
    if (file.error() != QFileDevice::NoError || bytes.size() > maxSize)
        return std::nullopt;
    return bytes;
}

// The explicit flush matters: commit() flushes the buffered bytes itself but ignores a
// failure there (a full disk), and would then replace the file with a truncated one.
// A folder that refuses the temporary file beside the target (read-only, while the file
// itself is writable) leaves only the file to write in place.
bool writeWholeFile(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    file.setDirectWriteFallback(true);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush() &&
           file.commit();
}
