#include "editor/LT840.h"

namespace {

// Where a press switches a lamp, in twips from the grid's top left corner: x from (included)
// and x to (excluded) per lamp, all within one horizontal band.
struct Zone {
    float de;
    float a;
};
constexpr std::array<Zone, NombreLampes> Zones{{{240, 690},
                                                {855, 1290},
                                                {1455, 1875},
                                                {2070, 2505},
                                                {2655, 3090},
                                                {3255, 3705},
                                                {3855, 4290},
                                                {4470, 4890}}};
constexpr float HautBande = 375;
constexpr float BasBande = 825;

int lampeTouchee(float x, float y) {
    if (y < HautBande || y > BasBande)
        return -1;
    for (int i = 0; i < int(Zones.size()); ++i)
        if (x >= Zones[i].de && x < Zones[i].a)
            return i;
    return -1;
}

} // namespace

void LT840::Frame1_MouseDown(Souris Button, float X, float Y) {
    const EtapeEdition etape(*this);
    if (Button == Souris::Droit) {
        CLICK();
        return;
    }
    if (Button != Souris::Gauche)
        return;
    const int lampe = lampeTouchee(X, Y);
    if (lampe < 0 || lampe > LedMax || !enregistrementValide(EnrCours))
        return;
    Modifie = true;
    Lampe& l = Ctl.Shape1[lampe];
    const bool allumer = l.FillColor == CouleurOff;
    l.FillColor = allumer ? CouleurOn : CouleurOff;
    TabTrames[EnrCours][lampe] = allumer ? 1 : 0;
}

// CLEAR changes the grid only; the record keeps its lamps until the frame is recorded.
void LT840::Cmd9_MouseDown(Souris Button) {
    const EtapeEdition etape(*this);
    if (Button == Souris::Droit) {
        CLICK();
        return;
    }
    for (int i = 0; i <= LedMax; ++i)
        Ctl.Shape1[i].FillColor = CouleurOff;
}
