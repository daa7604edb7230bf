#pragma once

#include "board/Panne.h"

#include <QByteArray>
#include <QList>

#include <chrono>

namespace cartevirtuelle {

// Part of a reply that reaches the editor in one piece, after the line has been idle for
// `pause` since the previous part (or since the request, for the first part).
struct Morceau {
    QByteArray octets;
    std::chrono::milliseconds pause{0};
};

// How a reply is handed over. A sound board's reply arrives as one burst when its last byte is
// complete, as a UART's receive FIFO delivers back-to-back bytes; the faults break that up.
QList<Morceau> formerReponse(Panne panne, const QByteArray& reponse);

} // namespace cartevirtuelle
