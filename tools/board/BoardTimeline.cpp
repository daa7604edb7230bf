#include "BoardTimeline.h"

#include "ReplyShape.h"

#include <algorithm>
#include <utility>

namespace vboard {

BoardTimeline::BoardTimeline(QByteArray ident, Fault fault)
    : fault_(fault), protocol_(std::move(ident), fault) {}

void BoardTimeline::receive(const QByteArray& bytes, TimePoint now) {
    for (char byte : bytes)
        arrivals_.push_back({toBoard_.schedule(now), byte});
}

std::optional<TimePoint> BoardTimeline::nextDeadline() const {
    std::optional<TimePoint> next;
    if (!arrivals_.empty())
        next = arrivals_.front().due;
    if (!departures_.empty())
        next = std::min(next.value_or(departures_.front().due), departures_.front().due);
    return next;
}

TimelineOutput BoardTimeline::advance(TimePoint now) {
    TimelineOutput out;
    while (!arrivals_.empty() && arrivals_.front().due <= now) {
        const Arrival arrival = arrivals_.front();
        arrivals_.pop_front();
        BoardStep step = protocol_.feed(arrival.byte);
        if (step.program)
            out.programs.append(std::move(*step.program));
        queueReply(step.reply, arrival.due);
        if (hangupDue()) {
            out.hangup = true;
            return out;
        }
    }
    while (!departures_.empty() && departures_.front().due <= now) {
        out.bursts.append(std::move(departures_.front().bytes));
        departures_.pop_front();
    }
    return out;
}

// The chunks share one line: a later reply waits behind an earlier one, pauses included, so
// departures stay in time order.
void BoardTimeline::queueReply(const QByteArray& reply, TimePoint requestDone) {
    TimePoint ready = requestDone;
    for (const ReplyChunk& chunk : shapeReply(fault_, reply)) {
        ready = toEditor_.schedule(ready + chunk.pause, int(chunk.bytes.size()));
        departures_.push_back({ready, chunk.bytes});
    }
}

bool BoardTimeline::hangupDue() const {
    return fault_ == Fault::Hangup && protocol_.stream().size() == TailleBloc / 2;
}

} // namespace vboard
