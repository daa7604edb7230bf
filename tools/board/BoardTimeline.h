#pragma once

#include "BoardProtocol.h"
#include "LinePacer.h"

#include <QByteArray>
#include <QList>

#include <deque>
#include <optional>

namespace vboard {

struct TimelineOutput {
    QList<QByteArray> bursts;   // to hand to the editor's receive side now, in this order
    QList<QByteArray> programs; // upload streams completed
    bool hangup = false;        // the line is to be dropped now
};

// The board behind a 9600-baud line, driven by an outside clock: bytes from the editor reach the
// protocol once their wire time has elapsed, and replies come back paced the same way.
class BoardTimeline {
public:
    explicit BoardTimeline(QByteArray ident = BoardProtocol::defaultIdent(),
                           Fault fault = Fault::None);

    // Bytes the editor wrote at `now`.
    void receive(const QByteArray& bytes, TimePoint now);
    // When advance() next has something to do; nothing when the line is quiet.
    std::optional<TimePoint> nextDeadline() const;
    TimelineOutput advance(TimePoint now);

private:
    struct Arrival {
        TimePoint due;
        char byte;
    };
    struct Departure {
        TimePoint due;
        QByteArray bytes;
    };

    void queueReply(const QByteArray& reply, TimePoint requestDone);
    bool hangupDue() const;

    Fault fault_;
    BoardProtocol protocol_;
    LinePacer toBoard_;
    LinePacer toEditor_;
    std::deque<Arrival> arrivals_;
    std::deque<Departure> departures_;
};

} // namespace vboard
