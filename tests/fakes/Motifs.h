#pragma once

#include "editor/LT840.h"

#include <QString>

// Lamps and records written as eight characters, lamp 0 first: '1' lit, '0' unlit.

inline void peindre(LT840& ed, const QString& motif) {
    for (int i = 0; i < NombreLampes; ++i)
        ed.Ctl.Shape1[i].FillColor = motif.at(i) == u'1' ? ed.CouleurOn : ed.CouleurOff;
}

// Any colour other than the lit one reads as '0'.
inline QString grille(const LT840& ed) {
    QString s;
    for (const Lampe& l : ed.Ctl.Shape1)
        s += l.FillColor == ed.CouleurOn ? u'1' : u'0';
    return s;
}

// The lamps of record r, without its time-base code.
inline QString enr(const LT840& ed, int r) {
    QString s;
    for (int i = 0; i < NombreLampes; ++i)
        s += QString::number(ed.TabTrames[r][i]);
    return s;
}

// Only lamp `lampe` lit; none when it is negative.
inline QString seule(int lampe) {
    QString s(NombreLampes, u'0');
    if (lampe >= 0)
        s[lampe] = u'1';
    return s;
}
