#pragma once

#include <chrono>

namespace virtualboard {

using Clock = std::chrono::steady_clock;
using Instant = Clock::time_point;

// 9600 baud, 8N1: a start bit, eight data bits and a stop bit for every byte.
inline constexpr std::chrono::nanoseconds ByteTime{1'041'667};

// One direction of the serial line. Bytes queue behind those still on the wire, and each
// completion is worked out from the previous one rather than from when the caller woke up, so
// late wake-ups never add up over a long transfer.
class LinePacing {
public:
    // When `count` bytes handed to the line at `now` have all been transmitted.
    Instant schedule(Instant now, int count = 1);

private:
    Instant m_lineFreeAt{};
};

} // namespace virtualboard
