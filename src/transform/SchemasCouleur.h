#pragma once

#include "editor/Couleur.h"

// The LED colour schemes: scheme s is the pair of entries 2s (lit) and 2s+1 (unlit) of the
// colour table.
enum class Schema { Rouge = 0, Jaune = 1, Vert = 2 };

inline Couleur couleurAllumee(const TableCouleurs& table, Schema s) {
    return table[2 * int(s)];
}
inline Couleur couleurEteinte(const TableCouleurs& table, Schema s) {
    return table[2 * int(s) + 1];
}

// The fill a lamp takes when `choisi` comes into force: a lit or unlit colour of another
// scheme becomes the chosen scheme's own; any other colour is left as it is.
Couleur convertirCouleur(Couleur fill, Schema choisi, const TableCouleurs& table);
