#pragma once

#include "Banc.h"

#include <QTest>

// Lamps and records as eight characters, lamp 0 first: '1' lit, '0' (or any other colour) unlit.

inline void peindre(LT840& ed, const QString& motif) {
    for (int i = 0; i < NombreLampes; ++i)
        ed.Ctl.Shape1[i].FillColor = motif.at(i) == u'1' ? ed.CouleurOn : ed.CouleurOff;
}

inline QString grille(const LT840& ed) {
    QString s;
    for (const Lampe& l : ed.Ctl.Shape1)
        s += l.FillColor == ed.CouleurOn ? u'1' : u'0';
    return s;
}

// A record as a file line holds it (the code, then lamps 0..7), or its lamps alone.
template <typename Cellules> QString ligne(const Cellules& c, bool lampesSeules = false) {
    QString s = lampesSeules ? QString() : QString::number(c[LigneCode]);
    for (int i = 0; i < NombreLampes; ++i)
        s += QString::number(c[i]);
    return s;
}

inline QString enr(const LT840& ed, int r) {
    return ligne(ed.TabTrames[r], true);
}

// Only lamp `lampe` lit; none when it is negative.
inline QString seule(int lampe) {
    QString s(NombreLampes, u'0');
    return lampe < 0 ? s : s.replace(lampe, 1, u'1');
}

// Records 0..n-1 made with "+" at the time base in force, record k lighting lamp k % 8.
inline void suite(LT840& ed, int n) {
    for (int k = 0; k < n; ++k)
        peindre(ed, seule(k % NombreLampes)), ed.CLICK();
}

// The record shown, Text1-3, the navigator's range and position, the grid, Modifie (O/N), the
// multiplier, the button marked and the period; '.' in `modele` hides a field, and past its
// end they are left out.
inline QString vue(const LT840& ed, const QString& modele = {}) {
    QStringList champs = QStringLiteral("%1 %2 %3 %4 %5 %6 %7 %8 %9 %10")
                             .arg(ed.EnrCours)
                             .arg(ed.Ctl.Text1, ed.Ctl.Text2, ed.Text3())
                             .arg(ed.HScroll1Max())
                             .arg(ed.HScroll1Value())
                             .arg(grille(ed), ed.Modifie ? u"O" : u"N")
                             .arg(ed.IndTempo)
                             .arg(ed.boutonTempoMarque())
                             .split(u' ');
    champs << ed.Ctl.Cpt2;
    const QStringList masque = modele.split(u' ');
    for (int i = 0; i < champs.size(); ++i)
        if (masque.value(i) == u".")
            champs[i] = masque[i];
    return champs.mid(0, modele.isEmpty() ? champs.size() : masque.size()).join(u' ');
}

// The records that `modele` names ("r:line …"), as ligne() writes them.
inline QString magasin(const LT840& ed, const QString& modele) {
    QStringList l;
    for (const QString& m : modele.split(u' ', Qt::SkipEmptyParts)) {
        const int r = qBound(0, m.section(u':', 0, 0).toInt(), int(DernierEnr));
        l << m.section(u':', 0, 0) + u':' + ligne(ed.TabTrames[r]);
    }
    return l.join(u' ');
}

// One row of an editor table: `faits` records made, the action, the view and records expected.
struct Scenario {
    int faits = 0;
    std::function<void(LT840&)> faire;
    QString vue, magasin{};
};

inline void derouler() {
    QFETCH(Scenario, cas);
    Banc b;
    suite(*b, cas.faits);
    cas.faire(*b);
    QCOMPARE(vue(*b, cas.vue), cas.vue);
    QCOMPARE(magasin(*b, cas.magasin), cas.magasin);
}
