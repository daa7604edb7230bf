#include "editor/LT840.h"

namespace {

constexpr TableCouleurs CouleursLed{
    0x000000FF,               // red, lit
    0x008080FF,               // red, unlit
    0x0000FFFF,               // yellow, lit
    CouleurSysteme::FondInfo, // yellow, unlit
    0x0000C000,               // green, lit
    0x00C0FFC0,               // green, unlit
};

} // namespace

// The order matters: the configuration is read before the colours exist, and the time
// value is shown only once the list and the multiplier have their final values.
void LT840::Form_Load() {
    setTimer1Interval(500);
    setTimer1Enabled(false);
    Modifie = false;
    LitCfg();
    Couleurs = CouleursLed;
    CouleurOn = Couleurs[0];
    CouleurOff = Couleurs[1];
    Ctl.Text2 = QStringLiteral("0");
    setText3(QStringLiteral("0"));
    EnrCours = 0;
    for (int i = 0; i <= LedMax; ++i) {
        Ctl.Shape1[i].FillColor = CouleurOff;
        TabTrames[0][i] = 0;
    }
    TabTrames[0][LigneCode] = 1;
    Ctl.List1Index = 0;
    IndTempo = 1;
    AfficheValTempo();
}
