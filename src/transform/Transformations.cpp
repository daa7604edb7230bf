#include "editor/LT840.h"
#include "transform/Mouvements.h"

#include <array>

namespace {

constexpr int BoutonGauche = 1;
constexpr int BoutonDroit = 2;

enum class Boutons { Gauche, SaufDroit };

// Which press marks the sequence as changed; it may differ from the presses that transform.
// A move that reaches the stored record marks it on every press that makes that move.
enum class Marque { Jamais, Gauche, SaufDroit };

// What a press does besides the right-button recording that all the buttons share.
struct Membre {
    Boutons agit;
    Marque modifie;
    bool enregistreAvant;    // with "Mode Auto." ticked, record the frame before moving it
    bool suitEnregistrement; // the current record's lamp rows take the same move
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

bool marque(Marque m, int bouton) {
    return m == Marque::SaufDroit || (m == Marque::Gauche && bouton == BoutonGauche);
}

void deplacerGrille(LT840& ed, Mouvement m) {
    std::array<Couleur, 8> couleurs{};
    const auto rangee = std::span(couleurs).first(ed.LedMax + 1);
    for (std::size_t i = 0; i < rangee.size(); ++i)
        rangee[i] = ed.Ctl.Shape1[i].FillColor;
    deplacer(m, rangee, ed.CouleurOn, ed.CouleurOff);
    for (std::size_t i = 0; i < rangee.size(); ++i)
        ed.Ctl.Shape1[i].FillColor = rangee[i];
}

// The record moves from its own content, not from the lamps, so a frame that differs from
// its record stays different.
void deplacerEnregistrement(LT840& ed, Mouvement m) {
    if (!LT840::enregistrementValide(ed.EnrCours))
        return;
    const auto lignes = std::span(ed.TabTrames[ed.EnrCours]).first(ed.LedMax + 1);
    deplacer<qint16>(m, lignes, 1, 0);
}

void transformer(LT840& ed, Mouvement mouvement, int bouton) {
    const EtapeEdition etape(ed);
    if (bouton == BoutonDroit) {
        ed.CLICK();
        return;
    }
    const Membre& m = Membres[std::size_t(mouvement)];
    if (marque(m.modifie, bouton))
        ed.Modifie = QStringLiteral("O");
    if (m.agit == Boutons::Gauche && bouton != BoutonGauche)
        return;
    if (m.enregistreAvant && ed.Ctl.Check1 == 1)
        ed.CLICK();
    if (m.ecritText2)
        ed.Ctl.Text2 = QString::number(ed.EnrCours);
    deplacerGrille(ed, mouvement);
    if (m.suitEnregistrement)
        deplacerEnregistrement(ed, mouvement);
}

} // namespace

void LT840::Cmd5_MouseDown(int Button, int, float, float) {
    transformer(*this, Mouvement::MiroirGauche, Button);
}
void LT840::Cmd7_MouseDown(int Button, int, float, float) {
    transformer(*this, Mouvement::MiroirDroit, Button);
}
void LT840::Cmd6_MouseDown(int Button, int, float, float) {
    transformer(*this, Mouvement::DecalageGauche, Button);
}
void LT840::Cmd8_MouseDown(int Button, int, float, float) {
    transformer(*this, Mouvement::DecalageDroite, Button);
}
void LT840::Cmd10_MouseDown(int Button, int, float, float) {
    transformer(*this, Mouvement::RotationGauche, Button);
}
void LT840::Cmd11_MouseDown(int Button, int, float, float) {
    transformer(*this, Mouvement::RotationDroite, Button);
}
void LT840::Cmd12_MouseDown(int Button, int, float, float) {
    transformer(*this, Mouvement::Inverse, Button);
}
