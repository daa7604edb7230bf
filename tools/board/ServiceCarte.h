#pragma once

#include "board/Panne.h"
#include "board/ProtocoleCarte.h"

#include <QByteArray>
#include <QString>

namespace cartevirtuelle {

struct OptionsCarte {
    QByteArray identification = IdentificationCarte;
    Panne panne = Panne::Aucune;
    QString cheminJournal; // every byte received from the editor is appended here, raw
    QString cheminFlux;    // the last upload stream received, raw
    QString cheminLien;    // a symbolic link to the slave device, for a fixed port name
};

// Serves the board on a new pseudo-terminal until SIGTERM or SIGINT, or until the hangup fault
// drops the line. The slave device path is the first line on standard output. Returns the
// process exit status.
int servirCarte(const OptionsCarte& options);

} // namespace cartevirtuelle
