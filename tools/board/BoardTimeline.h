#pragma once

#include "board/BoardProtocol.h"
#include "board/LinePacing.h"

#include <QByteArray>
#include <QList>

#include <deque>
#include <optional>

namespace virtualboard {

struct TimelineOutput {
    QList<QByteArray> bursts;  // to hand to the editor's receive side now, in this order
    QList<QByteArray> streams; // upload streams completed
    bool hangUp = false;       // the line is to be dropped now
};

// The board behind a 9600-baud line, driven by an outside clock: bytes from the editor reach the
// protocol once their wire time has elapsed, and replies come back paced the same way.
class BoardTimeline {
public:
    explicit BoardTimeline(QByteArray identification = boardformat::Identification,
                           Fault fault = Fault::None);

    // Bytes the editor wrote at `now`.
    void receive(const QByteArray& bytes, Instant now);
    // When advance() next has something to do; nothing when the line is quiet.
    std::optional<Instant> nextDeadline() const;
    TimelineOutput advance(Instant now);

private:
    struct Arrival {
        Instant due;
        char byte;
    };
    struct Departure {
        Instant due;
        QByteArray bytes;
    };

    void scheduleReply(const QByteArray& reply, Instant requestDone);
    bool hangUpDue() const;

    Fault m_fault;
    BoardProtocol m_protocol;
    LinePacing m_toBoard;
    LinePacing m_toEditor;
    std::deque<Arrival> m_arrivals;
    std::deque<Departure> m_departures;
};

} // namespace virtualboard
