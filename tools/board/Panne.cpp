#include "board/Panne.h"

#include <array>
#include <utility>

namespace cartevirtuelle {

namespace {

constexpr std::array<std::pair<const char*, Panne>, 10> Pannes{{
    {"none", Panne::Aucune},
    {"silent", Panne::Muette},
    {"late", Panne::Tardive},
    {"bytewise", Panne::OctetParOctet},
    {"split", Panne::Coupee},
    {"stale", Panne::Parasites},
    {"wrongack", Panne::MauvaisAccuse},
    {"gapfr", Panne::PauseFR},
    {"hangup", Panne::Raccrochage},
    {"asterisks", Panne::Asterisques},
}};

} // namespace

std::optional<Panne> lirePanne(const QString& nom) {
    for (const auto& [texte, panne] : Pannes) {
        if (nom == QLatin1String(texte))
            return panne;
    }
    return std::nullopt;
}

QStringList nomsPannes() {
    QStringList noms;
    for (const auto& entree : Pannes)
        noms << QLatin1String(entree.first);
    return noms;
}

} // namespace cartevirtuelle
