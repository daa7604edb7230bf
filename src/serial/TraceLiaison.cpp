#include "serial/TraceLiaison.h"

#include "board/NomPort.h"
#include "editor/Format.h"

#include <utility>

namespace {

const QString Envoi = QStringLiteral("→");
const QString Reponse = QStringLiteral("←");
const QString Echec = QStringLiteral("✗");
const QString Ligne = QStringLiteral("·");
constexpr int LargeurNom = 16;

QString hexa(const QByteArray& octets) {
    return QString::fromLatin1(octets.toHex(' '));
}

QString texte(const QByteArray& octets) {
    QString t;
    for (const char c : octets)
        t += c >= 0x20 && c < 0x7f ? QChar::fromLatin1(c) : QChar(u'.');
    return t;
}

QString longueur(qsizetype n) {
    return QStringLiteral("%1 %2").arg(n, 3).arg(n > 1 ? QStringLiteral("octets")
                                                       : QStringLiteral("octet "));
}

} // namespace

QString surUneLigne(QString s) {
    for (QChar& c : s) {
        if (c.unicode() < 0x20)
            c = u' ';
    }
    return s;
}

TraceLiaison::TraceLiaison(ISerialPort& port, IClock& horloge, Sortie sortie, Origine origine)
    : m_port(port), m_horloge(horloge), m_sortie(std::move(sortie)), m_origine(origine),
      m_debut(horloge.monotoneMs()) {}

void TraceLiaison::conclure(const QString& echec) {
    if (std::exchange(m_enAttente, false))
        noter(Echec, m_nom + QStringLiteral(" : pas de réponse"));
    if (!echec.isEmpty())
        noter(Echec,
              (m_nom.isEmpty() ? QString() : m_nom + QStringLiteral(" : ")) + surUneLigne(echec));
}

int TraceLiaison::ouvrir(int numeroPort) {
    conclure();
    return ouverture(QStringLiteral("COM%1 (%2)").arg(numeroPort).arg(nomPeripherique(numeroPort)),
                     m_port.ouvrir(numeroPort));
}

int TraceLiaison::ouvrirPeripherique(const QString& peripherique) {
    conclure();
    return ouverture(peripherique, m_port.ouvrirPeripherique(peripherique));
}

// A command that finds the port still open from the last one closes it first: that closing is
// told under the new command, with its clock.
void TraceLiaison::debutCommande() {
    conclure();
    if (m_origine == Origine::ChaqueCommande)
        m_debut = m_horloge.monotoneMs();
    m_port.debutCommande();
}

int TraceLiaison::ouverture(const QString& nom, int code) {
    m_nom.clear();
    m_message.clear();
    m_blocs = 0;
    noter(code == 0 ? Ligne : Echec,
          code == 0 ? QStringLiteral("ouverture de %1").arg(nom)
                    : QStringLiteral("%1 ne s'ouvre pas (erreur %2)").arg(nom).arg(code));
    return code;
}

void TraceLiaison::fermer() {
    conclure();
    if (m_port.estOuvert())
        noter(Ligne, QStringLiteral("fermeture"));
    m_port.fermer();
}

int TraceLiaison::ecrire(const QByteArray& octets) {
    const bool renvoi = m_enAttente && octets == m_message;
    if (renvoi)
        noter(Echec, m_nom + QStringLiteral(" : pas de réponse, second envoi"));
    else
        conclure();
    if (!renvoi)
        m_nom = nommer(octets);
    m_message = octets;
    m_enAttente = true;
    noterOctets(Envoi, m_nom, octets);
    const int code = m_port.ecrire(octets);
    if (code != 0)
        noter(Echec, QStringLiteral("%1 : erreur d'écriture %2").arg(m_nom).arg(code));
    return code;
}

// Bytes discarded before the blocks are shown too: they are a late reply to something.
void TraceLiaison::viderReception() {
    const QByteArray ecartes = m_port.lireTout();
    if (!ecartes.isEmpty())
        noterOctets(Reponse, QStringLiteral("écartés"), ecartes);
    m_port.viderReception();
}

QByteArray TraceLiaison::lireTout() {
    const QByteArray octets = m_port.lireTout();
    m_enAttente = false;
    if (!octets.isEmpty())
        noterOctets(Reponse, m_nom, octets);
    return octets;
}

QString TraceLiaison::nommer(const QByteArray& message) {
    if (message == "?") {
        m_blocs = 0;
        return QStringLiteral("identification");
    }
    if (message == QByteArray(TailleBloc, '*'))
        return QStringLiteral("resynchronisation");
    if (message == "P")
        return QStringLiteral("P (bloc %1)").arg(++m_blocs);
    if (message == QByteArray(TailleBloc, '\0'))
        return QStringLiteral("bloc de fin");
    if (message == "F" || message == "R")
        return QString::fromLatin1(message);
    return QStringLiteral("bloc %1").arg(m_blocs);
}

void TraceLiaison::noter(const QString& sens, const QString& texte) {
    m_sortie(
        QStringLiteral("%1 ms  %2  %3").arg(m_horloge.monotoneMs() - m_debut, 6).arg(sens, texte));
}

void TraceLiaison::noterOctets(const QString& sens, const QString& nom, const QByteArray& octets) {
    noter(sens, QStringLiteral("%1 %2  %3  |%4|")
                    .arg(nom, -LargeurNom)
                    .arg(longueur(octets.size()), hexa(octets), texte(octets)));
}
