#pragma once

#include <chrono>

namespace cartevirtuelle {

using Horloge = std::chrono::steady_clock;
using Instant = Horloge::time_point;

// 9600 baud, 8N1: a start bit, eight data bits and a stop bit for every byte.
inline constexpr std::chrono::nanoseconds DureeOctet{1'041'667};

// One direction of the serial line. Bytes queue behind those still on the wire, and each
// completion is worked out from the previous one rather than from when the caller woke up, so
// late wake-ups never add up over a long transfer.
class CadenceLigne {
public:
    // When `nombre` bytes handed to the line at `maintenant` have all been transmitted.
    Instant planifier(Instant maintenant, int nombre = 1);

private:
    Instant m_ligneLibre{};
};

} // namespace cartevirtuelle
