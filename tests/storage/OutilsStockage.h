#pragma once

#include "editor/LT840.h"

#include <QDir>
#include <QFile>

// Helpers shared by the storage tests: files on disk byte for byte, and records as text.

inline bool deposer(const QString& chemin, const QByteArray& octets) {
    QFile f(chemin);
    return f.open(QIODevice::WriteOnly) && f.write(octets) == octets.size();
}

// "<illisible>" for a file that is missing or cannot be opened.
inline QByteArray contenu(const QString& chemin) {
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<illisible>");
}

inline QString chemin(const QString& dossier, const QString& nom) {
    return QDir(dossier).filePath(nom);
}

// Paints the grid (eight '0'/'1', lamp 0 first) and records it.
inline void enregistrer(LT840& ed, const char* lampes) {
    for (int i = 0; i < 8; ++i)
        ed.Ctl.Shape1[i].FillColor = lampes[i] == '1' ? ed.CouleurOn : ed.CouleurOff;
    ed.CLICK();
}

inline QString grille(const LT840& ed) {
    QString s;
    for (int i = 0; i < 8; ++i)
        s += ed.Ctl.Shape1[i].FillColor == ed.CouleurOn ? u'1' : u'0';
    return s;
}

// Record r as a file line holds it: the code, then lamps 0..7.
inline QString enr(const LT840& ed, int r) {
    QString s = QString::number(ed.TabTrames[r][8]);
    for (int i = 0; i < 8; ++i)
        s += QString::number(ed.TabTrames[r][i]);
    return s;
}

inline const QByteArray Exemple = "LT840  V1.02\r\n 2 \r\n210000000\r\n201000000\r\n200000000\r\n";
