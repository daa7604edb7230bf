#pragma once

#include "editor/Format.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <array>
#include <optional>

namespace cartevirtuelle {

struct EnregistrementRecu {
    int duree = 0;                             // multiplier of the time base; 0 marks the end
    std::array<bool, NombreLampes> allumees{}; // allumees[j]: lamp j is on
};

struct FluxDecode {
    int tempsBase = 0; // period in units of 8 ms
    QList<EnregistrementRecu> enregistrements;
};

// Reads the upload stream the board received: the start byte, the time-base byte, then a
// duration byte and an active-low lamp byte per record, lamp 0 in the most significant bit.
// A stream cut short by the end block is accepted as long as it holds whole records.
std::optional<FluxDecode> decoderFlux(const QByteArray& brut, QString* erreur = nullptr);

// One line for the time base, then one per record: "#" for a lit lamp, "." for an unlit one.
QString decrireFlux(const FluxDecode& flux);

} // namespace cartevirtuelle
