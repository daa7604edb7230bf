#include "editor/LT840.h"

namespace {

const QString QuestionQuitter = QStringLiteral("Voulez-vous sauvegarder avant de quitter?");

// Records whose time-base code New clears; the lamp rows stay, outside the sequence.
constexpr int DernierEnrEfface = 255;

} // namespace

void LT840::Nouveau_Click() {
    if (Modifie &&
        MsgBox(QStringLiteral(" Attention!!! Désirez-vous effacer les données non enregistrées?"),
               Msg::Critique | Msg::OuiNon, Titre) != Msg::RepOui)
        return;
    Modifie = false;
    EnrCours = 0;
    CouleurOn = Couleurs[0];
    TabTrames[0][LigneCode] = 1;
    for (int r = 1; r <= DernierEnrEfface; ++r)
        TabTrames[r][LigneCode] = 0;
    // Bringing the navigator back to 0 shows record 0 through its handler, with the lamps and
    // the time base it holds; New starts from an unlit grid and keeps the time base in force.
    const qint16 indTempo = IndTempo;
    setHScroll1Max(0);
    IndTempo = indTempo;
    for (int i = 0; i <= LedMax; ++i)
        Ctl.Shape1[i].FillColor = CouleurOff;
    Ctl.Text1 = QStringLiteral("0");
    Ctl.Text2 = QStringLiteral("0");
    setText3(QStringLiteral("0"));
    Ctl.Check1 = 0;
    AfficheValTempo();
    Historique.recommencer(*this);
}

// "Yes" ends the program only once the sequence is safely saved; a cancelled or failed save
// returns to the editor with the work still there, and so does a question left unanswered.
bool LT840::fermetureAcceptee() {
    switch (MsgBox(QuestionQuitter, Msg::OuiNon, Titre)) {
    case Msg::RepOui:
        return Sauvegarde();
    case Msg::RepNon:
        return true;
    default:
        return false;
    }
}

void LT840::Quitter_Click() {
    if (!fermetureAcceptee())
        return;
    FinDemandee = true;
    m_p.evenements.terminer();
}

bool LT840::Form_QueryUnload() {
    return FinDemandee || !Modifie || fermetureAcceptee();
}
