#pragma once

#include "editor/LT840.h"
#include "storage/FichierSequence.h"

#include <QList>
#include <span>

// Block moves of whole records: the lamps and the time-base code move together, as the
// clipboard and the sequence file hold them; rows 9..16 stay with their record numbers.
// `fin` is the record that follows the last one made (the record count): it moves with
// the others.

QList<CellulesEnr> copierTrames(const LT840& ed, int premier, int dernier);

// Records position..fin move towards the end by the size of the block, which fills the gap.
void insererTrames(LT840& ed, int position, int fin, std::span<const CellulesEnr> bloc);

// Records dernier+1..fin move back onto premier, and the records they leave are emptied.
void retirerTrames(LT840& ed, int premier, int dernier, int fin);
