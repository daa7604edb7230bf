#pragma once

#include <chrono>

namespace vboard {

using Clock = std::chrono::steady_clock;
using TimePoint = Clock::time_point;

// 9600 baud, 8N1: a start bit, eight data bits and a stop bit for every byte.
inline constexpr std::chrono::nanoseconds kByteTime{1'041'667};

// One direction of the serial line. Bytes queue behind those still on the wire, and each
// completion is worked out from the previous one rather than from when the caller woke up, so
// late wake-ups never add up over a long transfer.
class LinePacer {
public:
    // When `count` bytes handed to the line at `now` have all been transmitted.
    TimePoint schedule(TimePoint now, int count = 1);

private:
    TimePoint lineFree_{};
};

} // namespace vboard
