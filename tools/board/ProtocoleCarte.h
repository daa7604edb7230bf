#pragma once

#include "board/Panne.h"
#include "editor/Format.h"

#include <QByteArray>

#include <optional>

namespace cartevirtuelle {

// What the board does about one received byte.
struct PasProtocole {
    QByteArray reponse;             // to send back; empty when the board stays quiet
    std::optional<QByteArray> flux; // the upload stream, when this byte ended a programming
};

// The board's command interpreter, fed one byte at a time; it knows nothing of time or I/O.
class ProtocoleCarte {
public:
    explicit ProtocoleCarte(QByteArray identification = IdentificationCarte,
                            Panne panne = Panne::Aucune);

    PasProtocole recevoirOctet(char octet);

    // Stream bytes received since the current programming began.
    const QByteArray& flux() const { return m_flux; }

private:
    enum class Etat { Repos, BlocAttendu, DansBloc };

    PasProtocole auRepos(char octet);
    PasProtocole debutBloc(char octet);
    PasProtocole octetDeBloc(char octet);
    QByteArray identification();
    std::optional<QByteArray> prendreFlux();
    void reinitialiser();

    QByteArray m_identification;
    Panne m_panne;
    Etat m_etat = Etat::Repos;
    bool m_programmation = false; // a "P" was accepted since the last program was handed out
    int m_blocs = 0;              // data blocks completed since the programming began
    int m_restants = 0;           // bytes still due in the current block
    bool m_blocDeFin = false;
    QByteArray m_flux;
    int m_asterisques = 0;
    bool m_parasitesEnvoyes = false;
};

} // namespace cartevirtuelle
