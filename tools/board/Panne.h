#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace cartevirtuelle {

// Misbehaviours the virtual board can put on, so that tests reach the editor's failure paths.
enum class Panne {
    Aucune,
    Muette,        // never replies
    Tardive,       // replies after the editor has given up waiting
    OctetParOctet, // hands reply bytes over one by one instead of in one burst
    Coupee,        // first reply byte, a pause, then the rest
    Parasites,     // two stray bytes ahead of the first identification
    MauvaisAccuse, // answers "P" with "X"
    PauseFR,       // pause between the "F" and the "R" of the end-of-programming reply
    Raccrochage,   // drops the line in the middle of the first data block
    Asterisques,   // answers "?" only once it has seen a full resynchronisation
};

std::optional<Panne> lirePanne(const QString& nom);
QStringList nomsPannes();

} // namespace cartevirtuelle
