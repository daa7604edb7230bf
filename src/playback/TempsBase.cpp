#include "editor/LT840.h"
#include "editor/ValeurNumerique.h"
#include "playback/AffichagePeriode.h"

namespace {

// The multiplier of each time-base button, x1 to x20.
constexpr std::array<int, 6> Multiplicateurs{1, 2, 5, 10, 15, 20};

int multiplicateur(int indTempo) {
    return indTempo >= 0 && indTempo < int(Multiplicateurs.size()) ? Multiplicateurs[indTempo] : 0;
}

} // namespace

void LT840::AfficheValTempo() {
    const double base = valeurNumerique(Ctl.List1Text());
    Ctl.Cpt2 = textePeriode(multiplicateur(IndTempo) * base);
    ++Ctl.Cpt2Calculs;
}

void LT840::Option1_MouseDown(int Index, Souris Button, int, float, float) {
    if (Button == Souris::Droit) {
        CLICK();
        return;
    }
    if (Index < 0 || Index >= int(Multiplicateurs.size()))
        return;
    IndTempo = qint16(Index);
    Ctl.Option1 = Index;
    AfficheValTempo();
}

void LT840::List1_Click() {
    AfficheValTempo();
}
