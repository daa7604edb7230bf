#include "board/BoardTimeline.h"

#include "board/ReplyShape.h"

#include <algorithm>
#include <utility>

namespace virtualboard {

BoardTimeline::BoardTimeline(QByteArray identification, Fault fault)
    : m_fault(fault), m_protocol(std::move(identification), fault) {}

void BoardTimeline::receive(const QByteArray& bytes, Instant now) {
    for (char byte : bytes)
        m_arrivals.push_back({m_toBoard.schedule(now), byte});
}

std::optional<Instant> BoardTimeline::nextDeadline() const {
    std::optional<Instant> next;
    if (!m_arrivals.empty())
        next = m_arrivals.front().due;
    if (!m_departures.empty())
        next = std::min(next.value_or(m_departures.front().due), m_departures.front().due);
    return next;
}

TimelineOutput BoardTimeline::advance(Instant now) {
    TimelineOutput output;
    while (!m_arrivals.empty() && m_arrivals.front().due <= now) {
        const Arrival arrival = m_arrivals.front();
        m_arrivals.pop_front();
        ProtocolStep step = m_protocol.receiveByte(arrival.byte);
        if (step.stream)
            output.streams.append(std::move(*step.stream));
        scheduleReply(step.reply, arrival.due);
        if (hangUpDue()) {
            output.hangUp = true;
            return output;
        }
    }
    while (!m_departures.empty() && m_departures.front().due <= now) {
        output.bursts.append(std::move(m_departures.front().bytes));
        m_departures.pop_front();
    }
    return output;
}

// The chunks share one line: a later reply waits behind an earlier one, pauses included, so
// departures stay in time order.
void BoardTimeline::scheduleReply(const QByteArray& reply, Instant requestDone) {
    Instant ready = requestDone;
    for (const ReplyChunk& chunk : shapeReply(m_fault, reply)) {
        ready = m_toEditor.schedule(ready + chunk.pause, int(chunk.bytes.size()));
        m_departures.push_back({ready, chunk.bytes});
    }
}

bool BoardTimeline::hangUpDue() const {
    return m_fault == Fault::HangUp && m_protocol.stream().size() == boardformat::BlockSize / 2;
}

} // namespace virtualboard
