#include "editor/LT840.h"
#include "editor/ValeurNumerique.h"
#include "playback/IntervalleSimulateur.h"

namespace {

double periodeChoisie(const LT840& ed) {
    return valeurNumerique(ed.Ctl.List1Text());
}

int codeDe(const LT840& ed, int enr) {
    return LT840::enregistrementValide(enr) ? ed.TabTrames[enr][LigneCode] : 0;
}

// The timer keeps its settings: only the state and the button show that playback ended.
void finirSimulation(LT840& ed) {
    ed.EnLecture = false;
    ed.Ctl.Cmd3BackColor = CouleurSysteme::FaceBouton;
}

void arreter(LT840& ed) {
    finirSimulation(ed);
    ed.setTimer1Interval(IntervalleReposMs);
}

// Text2 has already taken the address as typed; only the field itself is corrected, so
// that the next start from an address beyond the sequence begins at 0.
void corrigerDepart(LT840& ed) {
    if (ed.Ctl.Text1.isEmpty())
        ed.Ctl.Text1 = QStringLiteral("0");
    if (valeurNumerique(ed.Ctl.Text1) > ed.HScroll1Max())
        ed.Ctl.Text1 = QStringLiteral("0");
}

// Disabling first restarts the count, so the first record lasts its full interval.
void lancerMinuterie(LT840& ed) {
    const int facteur = facteurDuCode(codeDe(ed, ed.EnrCours));
    ed.setTimer1Enabled(false);
    ed.setTimer1Interval(intervalleDepartMs(periodeChoisie(ed), facteur));
    ed.setTimer1Enabled(true);
}

// A start address outside the store has no record to show: it is taken as one beyond the
// end, so playback stops at once, with the timer started and idling as after any start.
void refuserDepart(LT840& ed) {
    arreter(ed);
    ed.setTimer1Enabled(true);
}

void demarrer(LT840& ed) {
    ed.Ctl.Cmd3BackColor = ed.Couleurs[0];
    ed.Ctl.Text2 = ed.Ctl.Text1;
    corrigerDepart(ed);
    const double depart = arrondiPair(valeurNumerique(ed.Ctl.Text2));
    if (depart < 0 || depart > DernierEnr) {
        refuserDepart(ed);
        return;
    }
    ed.EnrCours = qint16(depart);
    ed.VISU();
    lancerMinuterie(ed);
    ed.AfficheValTempo();
    ed.EnLecture = true;
    if (valeurNumerique(ed.Ctl.Text2) >= valeurNumerique(ed.Text3()))
        finirSimulation(ed);
}

// The start sets EnrCours without moving the navigator, which may therefore already stand
// on the next record; it would then stay silent and the step would show nothing.
void montrerSuivant(LT840& ed) {
    const int suivant = ed.EnrCours + 1;
    if (ed.HScroll1Value() == suivant)
        ed.HScroll1_Change();
    else
        ed.setHScroll1Value(suivant);
}

// Codes below 2 keep the time base in force, so a run of x1 records never touches the
// timer and its ticks stay evenly spaced. A code past x20 has no multiplier: IndTempo takes
// code - 1 all the same, so no button is marked and the period shown is 0 like its interval.
void appliquerCode(LT840& ed) {
    const int code = codeDe(ed, ed.EnrCours);
    if (code < 2)
        return;
    ed.IndTempo = qint16(code - 1);
    ed.setTimer1Interval(intervalleEtapeMs(periodeChoisie(ed), facteurDuCode(code)));
    ed.AfficheValTempo();
    ed.setTimer1Enabled(true);
}

} // namespace

void LT840::Cmd3_MouseDown(Souris Button) {
    if (Button == Souris::Droit)
        CLICK();
    else if (Button == Souris::Gauche)
        demarrer(*this);
}

void LT840::Cmd4_MouseDown(Souris Button) {
    if (Button == Souris::Droit)
        CLICK();
    else
        arreter(*this);
}

// The end is the navigator's maximum, which never passes the store's last record, whatever
// count a file brought into Text3.
void LT840::Timer1_Timer() {
    if (!EnLecture) {
        setTimer1Interval(IntervalleReposMs);
        return;
    }
    if (EnrCours >= HScroll1Max()) {
        finirSimulation(*this);
        return;
    }
    montrerSuivant(*this);
    appliquerCode(*this);
}
