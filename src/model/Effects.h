#pragma once

#include "model/Frame.h"

#include <QList>

#include <array>
#include <utility>

// Ready-made light patterns: each effect makes one cycle of frames from a few options, and
// the cycle is repeated as many times as asked. Every frame made carries the duration code chosen.
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

// What an effect may be asked for. Switches (Reverse, Wrap) take 0 or 1.
enum class Parameter {
    Width,   // chase and scanner: lamps in the block
    Reverse, // right to left: every frame mirrored
    Wrap,    // chase: the block comes round again without leaving the row
    First,   // counter: from this value…
    Last,    // …to this one, counting down when it is the smaller
    Lamps,   // sparkle: lamps lit in each frame
    Frames,  // sparkle: frames in a cycle
    Seed,    // sparkle: the same seed draws the same lamps
    Times,   // cycles made
    Code,    // the duration code of every frame made (1..6: x1..x20)
};
inline constexpr int ParameterCount = 10;

struct Bounds {
    int min;
    int max;
    bool holds(int value) const { return value >= min && value <= max; }
};

class Options {
public:
    Options(); // every parameter at its default
    int operator[](Parameter p) const { return m_values[int(p)]; }
    int& operator[](Parameter p) { return m_values[int(p)]; }

private:
    std::array<int, ParameterCount> m_values;
};

// The parameters `effect` takes, in the order a form shows them, with their bounds. No bound
// lets an effect's cycle outgrow the 251 records the board holds.
QList<std::pair<Parameter, Bounds>> parametersOf(Effect effect);

// Whether every parameter `effect` takes lies within its bounds.
bool valid(Effect effect, const Options& options);

// The frames of `effect`; none when its options are not valid. The parameters it does not
// take are left at their defaults. Repeat repeats `source`, the frames keeping their own
// codes; the other effects ignore it.
QList<Frame> generate(Effect effect, const Options& options, const QList<Frame>& source = {});

} // namespace effects
