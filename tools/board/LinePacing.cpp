#include "board/LinePacing.h"

#include <algorithm>

namespace virtualboard {

Instant LinePacing::schedule(Instant now, int count) {
    m_lineFreeAt = std::max(now, m_lineFreeAt) + count * ByteTime;
    return m_lineFreeAt;
}

} // namespace virtualboard
