#include "board/CadenceLigne.h"

#include <algorithm>

namespace cartevirtuelle {

Instant CadenceLigne::planifier(Instant maintenant, int nombre) {
    m_ligneLibre = std::max(maintenant, m_ligneLibre) + nombre * DureeOctet;
    return m_ligneLibre;
}

} // namespace cartevirtuelle
