#include "board/ReservationCarte.h"
#include "editor/LT840.h"

// The reply is looked at even when the port did not open: it then still holds what an
// earlier exchange left.
void LT840::DemandeVersionCarte() {
    OuvreCom();
    const qsizetype debut = ReponseCarte.indexOf(SignatureCarte);
    if (debut >= 0)
        Ctl.Versions = QString::fromLatin1(ReponseCarte.mid(debut, LongueurIdentification));
}

void LT840::TestCarte_Click() {
    const ReservationCarte reservation(*this);
    if (!reservation.acquise())
        return;
    DemandeVersionCarte();
    if (!ReponseCarte.contains(SignatureCarte))
        return;
    Ctl.DialogText1 = QStringLiteral(" Carte    ") + QString::fromLatin1(ReponseCarte);
    Ctl.DialogVisible = true;
}

// The yellow must be on screen before the exchanges freeze the window, hence the pass
// through the event pump, which repaints.
void LT840::CmdRST_Click() {
    const ReservationCarte reservation(*this);
    if (!reservation.acquise())
        return;
    Ctl.VersionsBackColor = CouleurFixe::Jaune;
    m_p.evenements.laisserPasser();
    OuvreCom();
    if (EtatCom != EtatEchange::Muet) {
        DemandeVersionCarte();
        TxRx(QByteArrayLiteral("R"), 0);
    }
    Ctl.VersionsBackColor = CouleurFixe::GrisClair;
}

void LT840::Version_Click() {
    MsgBox(QStringLiteral("LT840 V1.02\n\nÉditeur et programmateur de séquences lumineuses "
                          "pour la carte chenillard LT840 à 8 lampes."),
           Msg::OK, Titre);
}

void LT840::OKButton_Click() {
    Ctl.DialogVisible = false;
}
