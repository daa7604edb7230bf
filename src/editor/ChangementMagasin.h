#pragma once

#include "editor/LT840.h"

#include <QList>

using Magasin = decltype(LT840::TabTrames);

// What one step changed in the store, kept small. Inserting or removing records moves every
// record after them; that block of moved records stays in the store and is moved back, so a
// step keeps only the records that came in or went out and the few around them that differ,
// never a copy of the whole store.
struct ChangementMagasin {
    int debut = 0;    // the first record that differs
    int fin = -1;     // the last one; none differs when fin < debut
    int decalage = 0; // how far the block moved: > 0 towards the end, < 0 towards the start
    int finBloc = 0;  // the block ends before this record of the store as changed
    QList<LT840::Enregistrement> arrivees;   // the records inserted, or those removed
    QList<LT840::Enregistrement> queueAvant; // past the block, as they were
    QList<LT840::Enregistrement> queueApres; // and as they are

    bool vide() const { return fin < debut; }
    qsizetype gardes() const { return arrivees.size() + queueAvant.size() + queueApres.size(); }
};

// `decalage` is the expected move (the change of the record count); any value gives an exact
// change, a right one a small change.
ChangementMagasin comparer(const Magasin& avant, const Magasin& apres, int decalage);
void defaire(const ChangementMagasin& c, Magasin& m);
void refaire(const ChangementMagasin& c, Magasin& m);
