#pragma once

#include <QtGlobal>

#include <array>

// One record of a sequence: the eight lamps, lamp 0 leftmost, and the duration code. The
// editor writes 1 for a lit lamp and 0 for an unlit one; a file may bring other digits, which
// the screen shows unlit, the board takes as lit and the files keep as they came.
struct Frame {
    static constexpr int LampCount = 8;

    std::array<qint16, LampCount> lamps{};
    // 0: no duration (an end mark on the board); 1..6: x1..x20; any other value comes from a
    // file and has no duration either.
    qint16 code = 0;

    bool isLit(int lamp) const { return lamps[lamp] == 1; }
    bool operator==(const Frame&) const = default;
};

// The lamps as the screen shows them: lit or not.
using LampStates = std::array<bool, Frame::LampCount>;
