#include "board/ProtocoleCarte.h"

#include <algorithm>
#include <utility>

namespace cartevirtuelle {

namespace {

constexpr int AsterisquesResynchro = 32;

// Block 15 holds only the last 24 bytes of the stream. Blocks past the end of the stream are
// taken at full size so that the board stays in step with an editor that sends too many.
int longueurBloc(int bloc) {
    const int reste = TailleFlux - bloc * TailleBloc;
    return reste > 0 ? std::min(TailleBloc, reste) : TailleBloc;
}

} // namespace

ProtocoleCarte::ProtocoleCarte(QByteArray identification, Panne panne)
    : m_identification(std::move(identification)), m_panne(panne) {}

PasProtocole ProtocoleCarte::recevoirOctet(char octet) {
    switch (m_etat) {
    case Etat::Repos:
        return auRepos(octet);
    case Etat::BlocAttendu:
        return debutBloc(octet);
    case Etat::DansBloc:
        return octetDeBloc(octet);
    }
    return {};
}

PasProtocole ProtocoleCarte::auRepos(char octet) {
    switch (octet) {
    case '?':
        return {identification(), {}};
    case '*':
        ++m_asterisques;
        return {};
    case 'R':
        reinitialiser();
        return {};
    case 'P':
        if (m_panne == Panne::MauvaisAccuse)
            return {QByteArrayLiteral("X"), {}};
        m_programmation = true;
        m_etat = Etat::BlocAttendu;
        return {QByteArrayLiteral("B"), {}};
    case 'F':
        return {QByteArrayLiteral("FR"), prendreFlux()};
    default:
        return {};
    }
}

PasProtocole ProtocoleCarte::debutBloc(char octet) {
    m_blocDeFin = octet == 0;
    // Only block 0 begins with the start byte: an upload that follows an aborted one starts over.
    if (octet == OctetDebut) {
        m_flux.clear();
        m_blocs = 0;
    }
    m_restants = m_blocDeFin ? TailleBloc : longueurBloc(m_blocs);
    m_etat = Etat::DansBloc;
    return octetDeBloc(octet);
}

PasProtocole ProtocoleCarte::octetDeBloc(char octet) {
    if (!m_blocDeFin && m_flux.size() < TailleFlux)
        m_flux.append(octet);
    if (--m_restants > 0)
        return {};
    m_etat = Etat::Repos;
    if (m_blocDeFin)
        return {QByteArrayLiteral("?"), prendreFlux()};
    ++m_blocs;
    return {QByteArrayLiteral("?"), {}};
}

QByteArray ProtocoleCarte::identification() {
    if (m_panne == Panne::Asterisques && m_asterisques < AsterisquesResynchro)
        return {};
    if (m_panne == Panne::Parasites && !std::exchange(m_parasitesEnvoyes, true))
        return QByteArrayLiteral("xy") + m_identification;
    return m_identification;
}

std::optional<QByteArray> ProtocoleCarte::prendreFlux() {
    if (!std::exchange(m_programmation, false))
        return std::nullopt;
    m_blocs = 0;
    return std::exchange(m_flux, {});
}

void ProtocoleCarte::reinitialiser() {
    m_programmation = false;
    m_blocs = 0;
    m_flux.clear();
}

} // namespace cartevirtuelle
