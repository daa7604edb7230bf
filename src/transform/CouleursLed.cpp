#include "editor/LT840.h"
#include "transform/SchemasCouleur.h"

namespace {

// Yellow and green exist on screen only, so choosing them asks first.
bool confirme(LT840& ed, const QString& titre) {
    const QString avertissement =
        QStringLiteral("Cette fonction n'est disponible que sur le logiciel. "
                       "Êtes-vous sûr de vouloir continuer?");
    return ed.MsgBox(avertissement, Msg::OuiNon, titre) == Msg::RepOui;
}

void appliquer(LT840& ed, Schema s) {
    ed.CouleurOn = couleurAllumee(ed.Couleurs, s);
    ed.CouleurOff = couleurEteinte(ed.Couleurs, s);
    for (int i = 0; i <= LedMax; ++i) {
        Lampe& lampe = ed.Ctl.Shape1[i];
        lampe.BorderColor = ed.CouleurOn;
        lampe.FillColor = convertirCouleur(lampe.FillColor, s, ed.Couleurs);
    }
}

} // namespace

void LT840::Jaune_Click() {
    if (confirme(*this, TitreCouleurs))
        appliquer(*this, Schema::Jaune);
}

void LT840::Rouge_Click() {
    appliquer(*this, Schema::Rouge);
}

void LT840::Vert_Click() {
    if (confirme(*this, Titre))
        appliquer(*this, Schema::Vert);
}
