#include "editor/LT840.h"
#include "editor/ValeurNumerique.h"
#include "playback/AffichagePeriode.h"
#include "playback/IntervalleSimulateur.h"

void LT840::AfficheValTempo() {
    const double base = valeurNumerique(Ctl.List1Text());
    Ctl.Cpt2 = textePeriode(facteurDuCode(IndTempo + 1) * base);
    ++Ctl.Cpt2Calculs;
}

void LT840::Option1_MouseDown(int Index, Souris Button) {
    if (Button == Souris::Droit) {
        CLICK();
        return;
    }
    if (Index < 0 || Index >= NombreBoutonsTempo)
        return;
    IndTempo = qint16(Index);
    AfficheValTempo();
}

void LT840::List1_Click() {
    AfficheValTempo();
}
