#include "model/Effects.h"

#include <algorithm>
#include <random>

namespace effects {

namespace {

using Lamps = quint8; // bit 7 is lamp 0, the leftmost, so that a counter reads as written

Lamps block(int start, int width) { // `width` lamps from lamp `start`, wrapping round
    Lamps lamps = 0;
    for (int i = 0; i < width; ++i)
        lamps |= Lamps(0x80u >> ((start + i) % Frame::LampCount));
    return lamps;
}

Lamps bar(int count) { // the `count` leftmost lamps
    return Lamps(0xFF00u >> count);
}

QList<Lamps> chase(const Options& options) {
    QList<Lamps> cycle;
    const int starts = options[Parameter::Wrap] ? Frame::LampCount
                                                : Frame::LampCount - options[Parameter::Width] + 1;
    for (int start = 0; start < starts; ++start)
        cycle.append(block(start, options[Parameter::Width]));
    return cycle;
}

// Out to the far end and back, without showing either end twice in a row when it loops.
QList<Lamps> scanner(const Options& options) {
    const int lastStart = Frame::LampCount - options[Parameter::Width];
    QList<Lamps> cycle;
    for (int start = 0; start <= lastStart; ++start)
        cycle.append(block(start, options[Parameter::Width]));
    for (int start = lastStart - 1; start > 0; --start)
        cycle.append(block(start, options[Parameter::Width]));
    return cycle;
}

QList<Lamps> fill() {
    QList<Lamps> cycle;
    for (int count = 1; count <= Frame::LampCount; ++count)
        cycle.append(bar(count));
    for (int count = Frame::LampCount - 1; count >= 0; --count)
        cycle.append(bar(count));
    return cycle;
}

QList<Lamps> meetAndPart() {
    QList<Lamps> cycle;
    const int middle = Frame::LampCount / 2;
    for (int step = 0; step < middle; ++step)
        cycle.append(block(step, 1) | block(Frame::LampCount - 1 - step, 1));
    for (int step = middle - 2; step > 0; --step)
        cycle.append(cycle[step]);
    return cycle;
}

QList<Lamps> counter(const Options& options) {
    QList<Lamps> cycle;
    const int step = options[Parameter::First] <= options[Parameter::Last] ? 1 : -1;
    for (int value = options[Parameter::First]; value != options[Parameter::Last] + step;
         value += step)
        cycle.append(Lamps(value));
    return cycle;
}

// std::mt19937 gives the same numbers for a seed on every platform, which the standard's
// distributions do not promise: the draw among the lamps is done here.
QList<Lamps> sparkle(const Options& options) {
    std::mt19937 random{quint32(options[Parameter::Seed])};
    QList<Lamps> cycle;
    for (int frame = 0; frame < options[Parameter::Frames]; ++frame) {
        std::array<int, Frame::LampCount> order{0, 1, 2, 3, 4, 5, 6, 7};
        Lamps lamps = 0;
        for (int i = 0; i < options[Parameter::Lamps]; ++i) {
            std::swap(order[i], order[i + int(random() % (Frame::LampCount - i))]);
            lamps |= block(order[i], 1);
        }
        cycle.append(lamps);
    }
    return cycle;
}

QList<Lamps> cycleOf(Effect effect, const Options& options) {
    switch (effect) {
    case Effect::Chase:
        return chase(options);
    case Effect::Scanner:
        return scanner(options);
    case Effect::Fill:
        return fill();
    case Effect::Alternate:
        return {0xAA, 0x55};
    case Effect::Blink:
        return {0xFF, 0x00};
    case Effect::MeetAndPart:
        return meetAndPart();
    case Effect::Counter:
        return counter(options);
    case Effect::Sparkle:
        return sparkle(options);
    case Effect::Repeat:
        break;
    }
    return {};
}

Frame frameOf(Lamps lamps, const Options& options) {
    Frame frame;
    for (int lamp = 0; lamp < Frame::LampCount; ++lamp) {
        const int bit = options[Parameter::Reverse] ? lamp : Frame::LampCount - 1 - lamp;
        frame.lamps[lamp] = qint16((lamps >> bit) & 1);
    }
    frame.code = qint16(options[Parameter::Code]);
    return frame;
}

} // namespace

Options::Options() {
    m_values = {1, 0, 1, 0, 127, 2, 16, 1, 1, 1}; // a counter of 128 frames fits the board
}

QList<std::pair<Parameter, Bounds>> parametersOf(Effect effect) {
    using P = Parameter;
    constexpr Bounds Switch{0, 1};
    constexpr Bounds Times{1, 251};
    constexpr Bounds Code{1, 6};
    switch (effect) {
    case Effect::Chase:
        return {{P::Width, {1, 7}},
                {P::Reverse, Switch},
                {P::Wrap, Switch},
                {P::Times, Times},
                {P::Code, Code}};
    case Effect::Scanner:
        return {{P::Width, {1, 4}}, {P::Reverse, Switch}, {P::Times, Times}, {P::Code, Code}};
    case Effect::Fill:
        return {{P::Reverse, Switch}, {P::Times, Times}, {P::Code, Code}};
    case Effect::Counter:
        return {{P::First, {0, 255}},
                {P::Last, {0, 255}},
                {P::Reverse, Switch},
                {P::Times, Times},
                {P::Code, Code}};
    case Effect::Sparkle:
        return {{P::Lamps, {1, 7}},
                {P::Frames, {1, 251}},
                {P::Seed, {0, 2147483647}},
                {P::Times, Times},
                {P::Code, Code}};
    case Effect::Repeat:
        return {{P::Times, Times}};
    default: // alternate, blink, meet and part
        return {{P::Times, Times}, {P::Code, Code}};
    }
}

bool valid(Effect effect, const Options& options) {
    const auto parameters = parametersOf(effect);
    return std::all_of(parameters.begin(), parameters.end(), [&](const auto& parameter) {
        return parameter.second.holds(options[parameter.first]);
    });
}

QList<Frame> generate(Effect effect, const Options& asked, const QList<Frame>& source) {
    if (!valid(effect, asked))
        return {};
    Options options; // what the effect does not take stays at its default
    for (const auto& parameter : parametersOf(effect))
        options[parameter.first] = asked[parameter.first];
    QList<Frame> cycle = source;
    if (effect != Effect::Repeat) {
        cycle.clear();
        for (Lamps lamps : cycleOf(effect, options))
            cycle.append(frameOf(lamps, options));
    }
    QList<Frame> frames;
    frames.reserve(cycle.size() * options[Parameter::Times]);
    for (int time = 0; time < options[Parameter::Times]; ++time)
        frames.append(cycle);
    return frames;
}

} // namespace effects
