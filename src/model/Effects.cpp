#include "model/Effects.h"

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
    const int starts = options.wrap ? Frame::LampCount : Frame::LampCount - options.width + 1;
    for (int start = 0; start < starts; ++start)
        cycle.append(block(start, options.width));
    return cycle;
}

// Out to the far end and back, without showing either end twice in a row when it loops.
QList<Lamps> scanner(const Options& options) {
    const int lastStart = Frame::LampCount - options.width;
    QList<Lamps> cycle;
    for (int start = 0; start <= lastStart; ++start)
        cycle.append(block(start, options.width));
    for (int start = lastStart - 1; start > 0; --start)
        cycle.append(block(start, options.width));
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
    const int step = options.first <= options.last ? 1 : -1;
    for (int value = options.first; value != options.last + step; value += step)
        cycle.append(Lamps(value));
    return cycle;
}

// std::mt19937 gives the same numbers for a seed on every platform, which the standard's
// distributions do not promise: the draw among the lamps is done here.
QList<Lamps> sparkle(const Options& options) {
    std::mt19937 random(options.seed);
    QList<Lamps> cycle;
    for (int frame = 0; frame < options.frames; ++frame) {
        std::array<int, Frame::LampCount> order{0, 1, 2, 3, 4, 5, 6, 7};
        Lamps lamps = 0;
        for (int i = 0; i < options.lamps; ++i) {
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
        const int bit = options.reverse ? lamp : Frame::LampCount - 1 - lamp;
        frame.lamps[lamp] = qint16((lamps >> bit) & 1);
    }
    frame.code = qint16(options.code);
    return frame;
}

} // namespace

bool valid(Effect effect, const Options& options) {
    if (!Times.holds(options.times) || !DurationCode.holds(options.code))
        return false;
    switch (effect) {
    case Effect::Chase:
        return ChaseWidth.holds(options.width);
    case Effect::Scanner:
        return ScannerWidth.holds(options.width);
    case Effect::Counter:
        return CounterValue.holds(options.first) && CounterValue.holds(options.last);
    case Effect::Sparkle:
        return SparkleLamps.holds(options.lamps) && SparkleFrames.holds(options.frames);
    default:
        return true;
    }
}

QList<Frame> generate(Effect effect, const Options& options, const QList<Frame>& source) {
    if (!valid(effect, options))
        return {};
    QList<Frame> cycle = source;
    if (effect != Effect::Repeat) {
        cycle.clear();
        for (Lamps lamps : cycleOf(effect, options))
            cycle.append(frameOf(lamps, options));
    }
    QList<Frame> frames;
    frames.reserve(cycle.size() * options.times);
    for (int time = 0; time < options.times; ++time)
        frames.append(cycle);
    return frames;
}

} // namespace effects
