#pragma once

#include "Banc.h"
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

// A record as a file line holds it: the code (row 8), then lamps 0..7.
template <typename Cellules> QString ligne(const Cellules& c) {
    QString s = QString::number(c[LigneCode]);
    for (int i = 0; i < NombreLampes; ++i)
        s += QString::number(c[i]);
    return s;
}

// Paints the grid and records it.
inline void memoriser(LT840& ed, const QString& lampes) {
    peindre(ed, lampes);
    ed.CLICK();
}

// Three frames recorded at x10, not saved.
inline void troisTrames(Banc& b) {
    b->Option1_MouseDown(3, Souris::Gauche);
    memoriser(*b, "11000000");
    memoriser(*b, "00110000");
    memoriser(*b, "00001100");
}

// What the window shows of the sequence: the navigator's range and position, the record
// count, the title, Modifie and the grid.
inline QStringList vue(const LT840& ed) {
    return {QString::number(ed.HScroll1Max()),
            QString::number(ed.HScroll1Value()),
            ed.Text3(),
            ed.Ctl.Caption,
            ed.Modifie ? QStringLiteral("modifie") : QStringLiteral("intact"),
            grille(ed)};
}
