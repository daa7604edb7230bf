#pragma once

class LT840;

// Which commands of the Édition menu can act now; the others are greyed.
struct EditionPossible {
    bool Annuler = false;
    bool Retablir = false;
    bool Couper = false;
    bool Copier = false;
    bool Coller = false;
    bool Inserer = false;
    bool Dupliquer = false;
};

EditionPossible editionPossible(const LT840& ed);
