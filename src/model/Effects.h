#pragma once

#include "model/Frame.h"

#include <QList>

// Ready-made light patterns: each effect makes one cycle of frames from a few options, and
// the cycle is repeated `times` times. Every frame made carries the duration code chosen.
namespace effects {

enum class Effect {
    Chase,       // a block of lamps runs along the row
    Scanner,     // a block of lamps runs to one end and back
    Fill,        // a bar grows to the whole row, then shrinks away
    Alternate,   // odd lamps, then even lamps
    Blink,       // every lamp on, then every lamp off
    MeetAndPart, // a lamp from each end meets the other in the middle, and back
    Counter,     // the row counts in binary, the leftmost lamp the highest bit
    Sparkle,     // a few lamps lit at random, the same ones for the same seed
    Repeat,      // frames the user already made
};
inline constexpr int EffectCount = 9;

struct Bounds {
    int min;
    int max;
    bool holds(int value) const { return value >= min && value <= max; }
};

// The board holds 251 records: no option asks for more frames than that.
inline constexpr Bounds ChaseWidth{1, 7};
inline constexpr Bounds ScannerWidth{1, 4};
inline constexpr Bounds Times{1, 251};
inline constexpr Bounds CounterValue{0, 255};
inline constexpr Bounds SparkleLamps{1, 7};
inline constexpr Bounds SparkleFrames{1, 251};
inline constexpr Bounds DurationCode{1, 6};

struct Options {
    int width = 1;        // chase and scanner
    bool reverse = false; // right to left: every frame mirrored
    bool wrap = true;     // chase: the block comes round again without leaving the row
    int first = 0;        // counter: from this value…
    int last = 255;       // …to this one, counting down when it is the smaller
    int lamps = 2;        // sparkle: lit in each frame
    int frames = 16;      // sparkle: frames in a cycle
    quint32 seed = 1;     // sparkle
    int times = 1;        // cycles made
    int code = 1;         // the duration code of every frame made
};

// Whether every option `effect` uses lies within its bounds.
bool valid(Effect effect, const Options& options);

// The frames of `effect`; none when its options are not valid. Repeat repeats `source`, the
// frames keeping their own codes; the other effects ignore it.
QList<Frame> generate(Effect effect, const Options& options, const QList<Frame>& source = {});

} // namespace effects
