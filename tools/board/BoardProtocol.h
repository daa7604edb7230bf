#pragma once

#include "board/Fault.h"
#include "model/BoardFormat.h"

#include <QByteArray>

#include <optional>

namespace virtualboard {

// What the board does about one received byte.
struct ProtocolStep {
    QByteArray reply;                 // to send back; empty when the board stays quiet
    std::optional<QByteArray> stream; // the upload stream, when this byte ended a programming
};

// The board's command interpreter, fed one byte at a time; it knows nothing of time or I/O.
class BoardProtocol {
public:
    explicit BoardProtocol(QByteArray identification = boardformat::Identification,
                           Fault fault = Fault::None);

    ProtocolStep receiveByte(char byte);

    // Stream bytes received since the current programming began.
    const QByteArray& stream() const { return m_stream; }

private:
    enum class State { Idle, BlockExpected, InBlock };

    ProtocolStep commandByte(char byte);
    ProtocolStep firstBlockByte(char byte);
    ProtocolStep blockByte(char byte);
    QByteArray identificationReply();
    std::optional<QByteArray> takeStream();
    void reset();

    QByteArray m_identification;
    Fault m_fault;
    State m_state = State::Idle;
    bool m_programming = false; // a "P" was accepted since the last program was handed out
    int m_blocksDone = 0;       // data blocks completed since the programming began
    int m_bytesDue = 0;         // bytes still due in the current block
    bool m_inEndBlock = false;
    QByteArray m_stream;
    int m_asterisks = 0;
    bool m_strayBytesSent = false;
};

} // namespace virtualboard
