#include "editor/LT840.h"
#include "transform/Mouvements.h"

#include <array>

namespace {

enum class Boutons { Gauche, SaufDroit };

// Which press marks the sequence as changed; it may differ from the presses that transform.
// A move that reaches the stored record marks it on every press that makes that move.
enum class Marque { Jamais, Gauche, SaufDroit };

// What a press does besides the right-button recording that all the buttons share.
struct Membre {
    Boutons agit;
    Marque modifie;
    bool memoriseAvant;      // with "Mode Auto." ticked, record the frame before moving it
    bool suitEnregistrement; // the current record's lamp rows take the same rotation
    bool ecritText2;
};

// One row per move, in the order of Mouvement.
constexpr std::array<Membre, 7> Membres{{
    {Boutons::Gauche, Marque::Gauche, false, false, false},    // mirror left
    {Boutons::SaufDroit, Marque::Jamais, false, false, false}, // mirror right
    {Boutons::Gauche, Marque::Jamais, true, false, true},      // shift left
    {Boutons::Gauche, Marque::SaufDroit, true, false, false},  // shift right
    {Boutons::Gauche, Marque::Gauche, true, true, false},      // rotate left
    {Boutons::Gauche, Marque::SaufDroit, true, true, false},   // rotate right
    {Boutons::SaufDroit, Marque::Jamais, false, false, false}, // invert
}};
static_assert(Membres.size() == std::size_t(Mouvement::Inverse) + 1);

bool marque(Marque m, Souris bouton) {
    return m == Marque::SaufDroit || (m == Marque::Gauche && bouton == Souris::Gauche);
}

void deplacerGrille(LT840& ed, Mouvement m) {
    std::array<Couleur, NombreLampes> couleurs{};
    for (int i = 0; i < NombreLampes; ++i)
        couleurs[i] = ed.Ctl.Shape1[i].FillColor;
    deplacer(m, std::span<Couleur>(couleurs), ed.CouleurOn, ed.CouleurOff);
    for (int i = 0; i < NombreLampes; ++i)
        ed.Ctl.Shape1[i].FillColor = couleurs[i];
}

// The record moves from its own content, not from the lamps, so a frame that differs from
// its record stays different.
void deplacerEnregistrement(LT840& ed, Mouvement m) {
    if (!LT840::enregistrementValide(ed.EnrCours))
        return;
    tourner(m, std::span(ed.TabTrames[ed.EnrCours]).first(NombreLampes));
}

void transformer(LT840& ed, Mouvement mouvement, Souris bouton) {
    const EtapeEdition etape(ed);
    if (bouton == Souris::Droit) {
        ed.CLICK();
        return;
    }
    const Membre& m = Membres[std::size_t(mouvement)];
    if (marque(m.modifie, bouton))
        ed.Modifie = true;
    if (m.agit == Boutons::Gauche && bouton != Souris::Gauche)
        return;
    if (m.memoriseAvant && ed.Ctl.Check1 == 1)
        ed.CLICK();
    if (m.ecritText2)
        ed.Ctl.Text2 = QString::number(ed.EnrCours);
    deplacerGrille(ed, mouvement);
    if (m.suitEnregistrement)
        deplacerEnregistrement(ed, mouvement);
}

} // namespace

void LT840::Cmd5_MouseDown(Souris Button) {
    transformer(*this, Mouvement::MiroirGauche, Button);
}
void LT840::Cmd7_MouseDown(Souris Button) {
    transformer(*this, Mouvement::MiroirDroit, Button);
}
void LT840::Cmd6_MouseDown(Souris Button) {
    transformer(*this, Mouvement::DecalageGauche, Button);
}
void LT840::Cmd8_MouseDown(Souris Button) {
    transformer(*this, Mouvement::DecalageDroite, Button);
}
void LT840::Cmd10_MouseDown(Souris Button) {
    transformer(*this, Mouvement::RotationGauche, Button);
}
void LT840::Cmd11_MouseDown(Souris Button) {
    transformer(*this, Mouvement::RotationDroite, Button);
}
void LT840::Cmd12_MouseDown(Souris Button) {
    transformer(*this, Mouvement::Inverse, Button);
}
