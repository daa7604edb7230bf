#pragma once

#include "board/CadenceLigne.h"
#include "board/ProtocoleCarte.h"

#include <QByteArray>
#include <QList>

#include <deque>
#include <optional>

namespace cartevirtuelle {

struct SortieChronologie {
    QList<QByteArray> salves; // to hand to the editor's receive side now, in this order
    QList<QByteArray> flux;   // upload streams completed
    bool raccrochage = false; // the line is to be dropped now
};

// The board behind a 9600-baud line, driven by an outside clock: bytes from the editor reach the
// protocol once their wire time has elapsed, and replies come back paced the same way.
class ChronologieCarte {
public:
    explicit ChronologieCarte(QByteArray identification = IdentificationCarte,
                              Panne panne = Panne::Aucune);

    // Bytes the editor wrote at `maintenant`.
    void recevoir(const QByteArray& octets, Instant maintenant);
    // When avancer() next has something to do; nothing when the line is quiet.
    std::optional<Instant> prochaineEcheance() const;
    SortieChronologie avancer(Instant maintenant);

private:
    struct Arrivee {
        Instant echeance;
        char octet;
    };
    struct Depart {
        Instant echeance;
        QByteArray octets;
    };

    void planifierReponse(const QByteArray& reponse, Instant requeteFinie);
    bool raccrochageDu() const;

    Panne m_panne;
    ProtocoleCarte m_protocole;
    CadenceLigne m_versCarte;
    CadenceLigne m_versEditeur;
    std::deque<Arrivee> m_arrivees;
    std::deque<Depart> m_departs;
};

} // namespace cartevirtuelle
