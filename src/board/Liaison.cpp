#include "board/PortEnVigueur.h"
#include "editor/LT840.h"

namespace {

int ouvrir(ISerialPort& port, const LT840& ed) {
    if (!ed.PortChoisi.isEmpty())
        return port.ouvrirPeripherique(ed.PortChoisi);
    return ed.PortCom + 1 < 1 ? -1 : port.ouvrir(ed.PortCom + 1);
}

} // namespace

// A number of 0 or below can only come from a hand-edited configuration; the serial layer
// would refuse it anyway, so it is reported like any port that does not open.
void LT840::OuvreCom() {
    ISerialPort& port = m_p.serie;
    if (port.estOuvert())
        port.fermer();
    if (ouvrir(port, *this) != 0) {
        MsgBoxLiaison(messagePortIndisponible(portEnVigueur(*this).nom), Msg::OK, TitreApplication);
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
    MsgBoxLiaison(a, a.startsWith(u'T') ? Msg::OK : Msg::OK | Msg::Critique, Titre);
}

// An open port is left as it is: the next board command reopens on the port chosen here.
void LT840::COM_Click(int Index) {
    PortChoisi.clear();
    Ctl.COM.fill(false);
    if (Index >= 0 && Index < int(Ctl.COM.size()))
        Ctl.COM[Index] = true;
    PortCom = qint16(Index);
    SauveCfg();
}

// A device chosen by name takes over from COM PortCom + 1 without touching the configuration
// file, whose COM index stays for the day the device is given up; "" goes back to that COM.
void LT840::Peripherique_Click(const QString& peripherique) {
    PortChoisi = peripherique;
    for (int i = 0; i < int(Ctl.COM.size()); ++i)
        Ctl.COM[i] = PortChoisi.isEmpty() && PortCom == i;
}
