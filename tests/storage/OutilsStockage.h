#pragma once

#include "Motifs.h"

#include <QDir>
#include <QFile>
#include <QStringList>

// Helpers shared by the storage tests: files on disk byte for byte, records and the window as
// text.

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

// Three frames recorded at x10, not saved.
inline void troisTrames(Banc& b) {
    b->Option1_MouseDown(3, Souris::Gauche);
    for (const char* lampes : {"11000000", "00110000", "00001100"})
        peindre(*b, QString::fromLatin1(lampes)), b->CLICK();
}

// The editor's view, then its title.
inline QString fenetre(const LT840& ed) {
    return vue(ed) + u' ' + ed.Ctl.Caption;
}
