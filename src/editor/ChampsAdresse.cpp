#include "editor/LT840.h"
#include "editor/ValeurNumerique.h"

#include <optional>

namespace {

// An address typed above the record count falls back to the count.
void bornerAuMaximum(QString& champ, const QString& maximum) {
    if (valeurNumerique(champ) > valeurNumerique(maximum))
        champ = maximum;
    if (champ.isEmpty())
        champ = QStringLiteral("0");
}

} // namespace

void LT840::Text1_KeyPress(int KeyAscii) {
    if (KeyAscii == ToucheEntree)
        bornerAuMaximum(Ctl.Text1, Text3());
}

void LT840::Text1_LostFocus() {
    bornerAuMaximum(Ctl.Text1, Text3());
}

// Only the text is corrected: records are reached with the navigator and "-".
void LT840::Text2_KeyPress(int KeyAscii) {
    if (KeyAscii == ToucheEntree)
        bornerAuMaximum(Ctl.Text2, Text3());
}

// Text that does not begin with a number keeps the navigator's range as it was; a number
// outside the store is held at the store's nearest end.
void LT840::Text3_Change() {
    const std::optional<double> nombre = nombreEnTete(Text3());
    if (!nombre)
        return;
    setHScroll1Max(int(qBound(0.0, arrondiPair(*nombre), double(DernierEnr))));
}

// A deletion cannot be undone, so it runs only when both fields name records of the store
// and the record to delete lies within the sequence; otherwise nothing changes. One that runs
// changes the stored sequence: unsaved work, as a lamp click is.
void LT840::CmdSUPP_Click() {
    const EtapeEdition etape(*this);
    const std::optional<int> a = numeroEnregistrement(Ctl.Text2);
    const std::optional<int> b = numeroEnregistrement(Text3());
    if (!a || !b || *a > *b)
        return;
    Modifie = true;
    const int fin = *b;
    for (int ligne = 0; ligne < LignesUtiles; ++ligne)
        TabTrames[fin][ligne] = 0;
    if (fin <= 0) {
        VISU();
        return;
    }
    for (int r = *a; r < fin; ++r)
        for (int ligne = 0; ligne < LignesUtiles; ++ligne)
            TabTrames[r][ligne] = TabTrames[r + 1][ligne];
    setText3(u' ' + QString::number(fin - 1));
    setHScroll1Max(fin - 1);
    // The navigator may have moved back and rewritten Text2.
    EnrCours = qint16(numeroEnregistrement(Ctl.Text2).value_or(HScroll1Value()));
    VISU();
}
