#include "board/ChronologieCarte.h"

#include "board/FormeReponse.h"

#include <algorithm>
#include <utility>

namespace cartevirtuelle {

ChronologieCarte::ChronologieCarte(QByteArray identification, Panne panne)
    : m_panne(panne), m_protocole(std::move(identification), panne) {}

void ChronologieCarte::recevoir(const QByteArray& octets, Instant maintenant) {
    for (char octet : octets)
        m_arrivees.push_back({m_versCarte.planifier(maintenant), octet});
}

std::optional<Instant> ChronologieCarte::prochaineEcheance() const {
    std::optional<Instant> next;
    if (!m_arrivees.empty())
        next = m_arrivees.front().echeance;
    if (!m_departs.empty())
        next = std::min(next.value_or(m_departs.front().echeance), m_departs.front().echeance);
    return next;
}

SortieChronologie ChronologieCarte::avancer(Instant maintenant) {
    SortieChronologie sortie;
    while (!m_arrivees.empty() && m_arrivees.front().echeance <= maintenant) {
        const Arrivee arrivee = m_arrivees.front();
        m_arrivees.pop_front();
        PasProtocole pas = m_protocole.recevoirOctet(arrivee.octet);
        if (pas.flux)
            sortie.flux.append(std::move(*pas.flux));
        planifierReponse(pas.reponse, arrivee.echeance);
        if (raccrochageDu()) {
            sortie.raccrochage = true;
            return sortie;
        }
    }
    while (!m_departs.empty() && m_departs.front().echeance <= maintenant) {
        sortie.salves.append(std::move(m_departs.front().octets));
        m_departs.pop_front();
    }
    return sortie;
}

// The chunks share one line: a later reply waits behind an earlier one, pauses included, so
// departures stay in time order.
void ChronologieCarte::planifierReponse(const QByteArray& reponse, Instant requeteFinie) {
    Instant prets = requeteFinie;
    for (const Morceau& morceau : formerReponse(m_panne, reponse)) {
        prets = m_versEditeur.planifier(prets + morceau.pause, int(morceau.octets.size()));
        m_departs.push_back({prets, morceau.octets});
    }
}

bool ChronologieCarte::raccrochageDu() const {
    return m_panne == Panne::Raccrochage && m_protocole.flux().size() == TailleBloc / 2;
}

} // namespace cartevirtuelle
