#pragma once

#include "Motifs.h"

#include <QDir>
#include <QFile>

// Files on disk byte for byte, for the storage tests.

inline const QByteArray Entete = "LT840  V1.02\r\n";
inline const QByteArray Exemple = Entete + " 2 \r\n210000000\r\n201000000\r\n200000000\r\n";

inline bool deposer(const QString& chemin, const QByteArray& octets) {
    QFile f(chemin);
    return f.open(QIODevice::WriteOnly) && f.write(octets) == octets.size();
}

// "<illisible>" for a file that is missing or cannot be opened.
inline QByteArray contenu(const QString& chemin) {
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<illisible>");
}

inline QString dansProgramme(Banc& b, const QString& nom) {
    return QDir(b.dossiers.programme.path()).filePath(nom);
}
