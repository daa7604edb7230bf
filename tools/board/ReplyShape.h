#pragma once

#include "board/Fault.h"

#include <QByteArray>
#include <QList>

#include <chrono>

namespace virtualboard {

// Part of a reply that reaches the editor in one piece, after the line has been idle for
// `pause` since the previous part (or since the request, for the first part).
struct ReplyChunk {
    QByteArray bytes;
    std::chrono::milliseconds pause{0};
};

// The chunks a reply is handed over in, in order.
using ReplyShape = QList<ReplyChunk>;

// How a reply is handed over. A sound board's reply arrives as one burst when its last byte is
// complete, as a UART's receive FIFO delivers back-to-back bytes; the faults break that up.
ReplyShape shapeReply(Fault fault, const QByteArray& reply);

} // namespace virtualboard
