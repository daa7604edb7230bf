#include "editor/LT840.h"

namespace {

QString portIndisponible(int numero) {
    return QStringLiteral("COM%1: n'est pas disponible. Changez dans la propriété Option pour un "
                          "autre port.")
        .arg(numero);
}

} // namespace

// A number of 0 or below can only come from a hand-edited configuration; the serial layer
// would refuse it anyway, so it is reported like any port that does not open.
void LT840::OuvreCom() {
    ISerialPort& port = m_p.serie;
    if (port.estOuvert())
        port.fermer();
    const int numero = PortCom + 1;
    if (numero < 1 || port.ouvrir(numero) != 0) {
        MsgBox(portIndisponible(numero), Msg::OK, TitreApplication);
        return;
    }
    port.viderReception();
    VersionCarte();
}

// A board that missed the start of a query is brought back in step by a full line of
// asterisks before it is asked again.
void LT840::VersionCarte() {
    TxRx(QByteArrayLiteral("?"), 12);
    if (EtatCom == EtatEchange::Repondu)
        return;
    TxRx(QByteArray(32, '*'), 0);
    TxRx(QByteArrayLiteral("?"), 12);
    if (EtatCom == EtatEchange::Repondu)
        return;
    AfficheMessage(QStringLiteral("DEFAUT DE DIALOGUE"));
}

void LT840::AfficheMessage(const QString& a) {
    MsgBox(a, a.startsWith(u'T') ? Msg::OK : Msg::OK | Msg::Critique, Titre);
}

// An open port is left as it is: the next board command reopens on the port chosen here.
void LT840::COM_Click(int Index) {
    Ctl.COM.fill(false);
    if (Index >= 0 && Index < int(Ctl.COM.size()))
        Ctl.COM[Index] = true;
    PortCom = qint16(Index);
    SauveCfg();
}
