#include "storage/FichierDisque.h"

#include <QFile>
#include <QSaveFile>

std::optional<QByteArray> lireFichier(const QString& chemin, qint64 tailleMax) {
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray octets = f.read(tailleMax + 1);
    if (f.error() != QFileDevice::NoError || octets.size() > tailleMax)
        return std::nullopt;
    return octets;
}

// The explicit flush matters: commit() flushes the buffered bytes itself but ignores a
// failure there (a full disk), and would then replace the file with a truncated one.
// A folder that refuses the temporary file beside the target (read-only, while the file
// itself is writable) leaves only the file to write in place.
bool ecrireFichier(const QString& chemin, const QByteArray& octets) {
    QSaveFile f(chemin);
    f.setDirectWriteFallback(true);
    return f.open(QIODevice::WriteOnly) && f.write(octets) == octets.size() && f.flush() &&
           f.commit();
}
