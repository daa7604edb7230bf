#include "board/FluxTeleversement.h"
#include "board/ReservationCarte.h"
#include "editor/LT840.h"
#include "editor/ValeurNumerique.h"

#include <optional>

namespace {

const QString DefautDialogue = QStringLiteral("DEFAUT DE DIALOGUE");
const QString DefautCordon = DefautDialogue + QChar(12) + QStringLiteral(" Vérifiez le cordon");

// One exchange awaiting one byte. A silent board is reported with `siSilence`, a reply other
// than `attendue` (when one is awaited) as a plain dialogue fault; false ends the upload.
bool echanger(LT840& ed, const QByteArray& message, std::optional<QByteArrayView> attendue,
              const QString& siSilence = DefautDialogue,
              void (IEventPump::*pendantLigne)() = nullptr) {
    ed.TxRx(message, 1, pendantLigne);
    if (ed.EtatCom == EtatEchange::Muet) {
        ed.AfficheMessage(siSilence);
        return false;
    }
    if (attendue && ed.ReponseCarte != *attendue) {
        ed.AfficheMessage(DefautDialogue);
        return false;
    }
    return true;
}

// The board plays up to its first record of duration 0, and the simulator shows records up
// to the count N: clearing the codes just after record N puts the board's end mark where the
// simulator's sequence ends. A count read from a file may lie anywhere, so only records of
// the store are touched.
void marquerFinSequence(flux::Magasin& tabTrames, double n) {
    for (int i = 1; i <= 4; ++i) {
        const double r = n + i;
        if (r >= 0 && r <= DernierEnr)
            tabTrames[qsizetype(r)][LigneCode] = 0;
    }
}

} // namespace

void LT840::transmet_Click() {
    const ReservationCarte reservation(*this);
    if (!reservation.acquise() || valeurNumerique(Text3()) == 0)
        return;
    Ctl.HScroll1Visible = false;
    OuvreCom();
    if (!Ctl.Versions.contains(QLatin1String(SignatureCarte)))
        DemandeVersionCarte();
    Transmettre();
    Ctl.HScroll1Visible = true;
    Ctl.ProgressBar1Visible = false;
}

void LT840::Transmettre() {
    marquerFinSequence(TabTrames, arrondiPair(valeurNumerique(Text3())));
    const QByteArray octets = flux::construire(TabTrames, Ctl.List1Text());
    if (m_p.serie.estOuvert())
        m_p.serie.viderReception();
    Ctl.ProgressBar1Max = flux::blocsAEnvoyer(octets);
    Ctl.ProgressBar1Value = 0;
    Ctl.ProgressBar1Visible = true;

    // Window events run once, while the first "P" is on the wire. The exchanges keep input
    // events out; the bar is repainted all the same, while each block crosses the line.
    for (int b = 0; b < flux::NombreBlocs; ++b) {
        if (!echanger(*this, QByteArrayLiteral("P"), "B", DefautCordon,
                      b == 0 ? &IEventPump::laisserPasser : nullptr))
            return;
        const QByteArray bloc = flux::bloc(octets, b);
        const bool finSequence = bloc.startsWith('\0');
        Ctl.ProgressBar1Value = b + 1;
        if (finSequence ? !echanger(*this, QByteArray(TailleBloc, '\0'), std::nullopt,
                                    DefautDialogue, &IEventPump::repeindre)
                        : !echanger(*this, bloc, "?", DefautDialogue, &IEventPump::repeindre))
            return;
        if (finSequence)
            break;
    }
    if (!echanger(*this, QByteArrayLiteral("F"), "FR"))
        return;
    TxRx(QByteArrayLiteral("R"), 0);
    m_p.serie.fermer();
}
