#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// Whole-file reads and writes for the program's small text files.

// Nothing when the file cannot be opened or read, or holds more than tailleMax bytes (a
// device or a huge file chosen by mistake must not stall the program or fill its memory).
std::optional<QByteArray> lireFichier(const QString& chemin, qint64 tailleMax);

// Replaces the file only once every byte is safely written: on any failure the file that
// was there stays as it was. Only where the folder refuses new files is an existing file
// rewritten in place, and a failure there may leave it cut short.
bool ecrireFichier(const QString& chemin, const QByteArray& octets);
