#include "editor/LT840.h"
#include "editor/ValeurNumerique.h"

namespace {

// Beyond the last record the editor records into, the navigator comes back to it first, and
// its handler shows the record it lands on; the frame recorded there is still the one the
// user composed, with the time base chosen for it.
void ramenerALaButee(LT840& ed) {
    const auto lampes = ed.Ctl.Shape1;
    const qint16 indTempo = ed.IndTempo;
    const int position = ed.HScroll1Value();
    ed.EnrCours = DernierEnrCarte;
    ed.setText3(QString::number(ed.EnrCours));
    ed.setHScroll1Max(ed.EnrCours);
    if (ed.HScroll1Value() == position)
        return;
    ed.Ctl.Shape1 = lampes;
    ed.IndTempo = indTempo;
    ed.AfficheValTempo();
}

} // namespace

// Recording changes the stored sequence, so it is unsaved work, as a lamp click is.
void LT840::CLICK() {
    const EtapeEdition etape(*this);
    if (EnrCours >= DernierEnrCarte)
        ramenerALaButee(*this);
    if (EnrCours < 0)
        return; // no handler leaves it there; never index the store with it
    Modifie = true;
    auto& enr = TabTrames[EnrCours];
    for (int i = 0; i <= LedMax; ++i)
        enr[i] = Ctl.Shape1[i].FillColor == CouleurOn ? 1 : 0;
    enr[LigneCode] = qint16(IndTempo + 1);
    if (EnrCours < DernierEnrCarte) {
        ++EnrCours;
        Ctl.Text2 = QString::number(EnrCours);
    }
    if (EnrCours < HScroll1Max()) {
        // An existing record was overwritten: show the next one.
        setHScroll1Value(EnrCours);
    } else {
        // The sequence grows: the next record starts with the time base just used, and
        // the frame stays on the grid as the starting point of the next one.
        TabTrames[EnrCours][LigneCode] = TabTrames[EnrCours - 1][LigneCode];
        if (TabTrames[EnrCours][LigneCode] < 1)
            TabTrames[EnrCours - 1][LigneCode] = 1;
        setHScroll1Max(EnrCours);
        setHScroll1Value(EnrCours);
    }
    if (HScroll1Value() == HScroll1Max()) {
        setHScroll1Max(EnrCours);
        setText3(QString::number(EnrCours));
        Ctl.Text2 = QString::number(EnrCours);
        setHScroll1Value(EnrCours);
    }
}

// Codes outside 1..6 can only come from a file. Viewing never rewrites them: a code above 6
// shows as x20, and a code below 1 as no time base at all (a period of 0), so the index
// stays within the buttons and the store keeps what the file held.
void LT840::VISU() {
    if (!enregistrementValide(EnrCours))
        return;
    auto& enr = TabTrames[EnrCours];
    for (int i = 0; i <= LedMax; ++i) {
        if (enr[i] == 1) {
            Ctl.Shape1[i].FillColor = CouleurOn;
        } else {
            Ctl.Shape1[i].FillColor = CouleurOff;
            enr[i] = 0;
        }
    }
    IndTempo = qint16(qBound(-1, enr[LigneCode] - 1, NombreBoutonsTempo - 1));
    AfficheValTempo();
}

void LT840::HScroll1_Change() {
    EnrCours = qint16(HScroll1Value());
    Ctl.Text2 = QString::number(EnrCours);
    if (valeurNumerique(Ctl.Text2) <= valeurNumerique(Text3()))
        VISU();
    else
        setText3(Ctl.Text2);
}

void LT840::Cmd1_MouseDown(Souris Button) {
    if (Button == Souris::Gauche || Button == Souris::Droit)
        CLICK();
}

void LT840::Cmd2_Click() {
    if (HScroll1Value() == 0) {
        EnrCours = 0;
        return;
    }
    if (EnrCours > 0) {
        --EnrCours;
        setHScroll1Value(EnrCours);
        Ctl.Text2 = QString::number(EnrCours);
        VISU();
    }
}

void LT840::RaccourciDroit_MouseDown(Souris Button) {
    if (Button == Souris::Droit)
        CLICK();
}
