#include "editor/LT840.h"
#include "editor/ValeurNumerique.h"

#include <cmath>

namespace {

constexpr int LongueurMaxMessage = 32;

// The deadline is the time of day one second after the sending, rounded to the nearest
// whole second (a half going to the even one), so the wait lasts 500 to 1500 ms. It is
// kept as a length measured from the sending, so that a wait across midnight, where the
// time of day starts again from 0, still ends on time.
int attenteReponseMs(double heureDuJour) {
    const double echeance = arrondiPair(heureDuJour + 1.0);
    return int(std::lround((echeance - heureDuJour) * 1000.0));
}

// Waits for `attendus` bytes until the deadline of a sending made now. The port blocks in
// each wait, so the program sleeps instead of spinning; the count is looked at once more
// when the time is up.
bool reponseArrivee(ISerialPort& port, IClock& horloge, int attendus) {
    const qint64 fin = horloge.monotoneMs() + attenteReponseMs(horloge.heureDuJour());
    for (;;) {
        if (port.octetsEnAttente() >= attendus)
            return true;
        const qint64 reste = fin - horloge.monotoneMs();
        if (reste <= 0)
            return port.octetsEnAttente() >= attendus;
        port.attendreDonnees(int(reste));
    }
}

} // namespace

// Late bytes of an earlier exchange are kept on purpose: they count towards this reply and
// come back at its head. The receive buffer is emptied only when the port opens.
void LT840::TxRx(const QByteArray& message1, int Nbre, void (IEventPump::*pendantLigne)()) {
    ISerialPort& port = m_p.serie;
    if (!port.estOuvert()) {
        MsgBoxLiaison(QStringLiteral("PORT de communication non disponible"), Msg::OK, Titre);
        return;
    }
    for (int envoi = 0; envoi < 2; ++envoi) {
        ReponseCarte.clear();
        const int code = port.ecrire(message1.left(LongueurMaxMessage));
        if (code != 0)
            MsgBoxLiaison(QStringLiteral("ERREUR :%1").arg(code), Msg::OK | Msg::Critique,
                   TitreApplication);
        // The window is painted while the message and its reply cross the line, never
        // between a reply and the next message.
        if (pendantLigne && envoi == 0)
            (m_p.evenements.*pendantLigne)();
        if (reponseArrivee(port, m_p.horloge, Nbre)) {
            ReponseCarte = port.lireTout();
            EtatCom = EtatEchange::Repondu;
            return;
        }
    }
    EtatCom = EtatEchange::Muet;
}
