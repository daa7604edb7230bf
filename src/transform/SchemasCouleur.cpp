#include "transform/SchemasCouleur.h"

Couleur convertirCouleur(Couleur fill, Schema choisi, const TableCouleurs& table) {
    for (Schema autre : {Schema::Rouge, Schema::Jaune, Schema::Vert}) {
        if (autre == choisi)
            continue;
        if (fill == couleurAllumee(table, autre))
            return couleurAllumee(table, choisi);
        if (fill == couleurEteinte(table, autre))
            return couleurEteinte(table, choisi);
    }
    return fill;
}
