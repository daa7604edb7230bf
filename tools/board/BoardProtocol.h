#pragma once

#include "Fault.h"
#include "editor/Format.h"

#include <QByteArray>

#include <optional>

namespace vboard {

// What the board does about one received byte.
struct BoardStep {
    QByteArray reply;                  // to send back; empty when the board stays quiet
    std::optional<QByteArray> program; // the upload stream, when this byte ended a programming
};

// The board's command interpreter, fed one byte at a time; it knows nothing of time or I/O.
class BoardProtocol {
public:
    static QByteArray defaultIdent() { return IdentificationCarte; }

    explicit BoardProtocol(QByteArray ident = defaultIdent(), Fault fault = Fault::None);

    BoardStep feed(char byte);

    // Stream bytes received since the current programming began.
    const QByteArray& stream() const { return stream_; }

private:
    enum class State { Idle, BlockExpected, InBlock };

    BoardStep onIdle(char byte);
    BoardStep onBlockStart(char byte);
    BoardStep onBlockByte(char byte);
    QByteArray identification();
    std::optional<QByteArray> takeProgram();
    void reset();

    QByteArray ident_;
    Fault fault_;
    State state_ = State::Idle;
    bool programming_ = false; // a "P" was accepted since the last program was handed out
    int blocks_ = 0;           // data blocks completed since the programming began
    int remaining_ = 0;        // bytes still due in the current block
    bool endBlock_ = false;
    QByteArray stream_;
    int asterisks_ = 0;
    bool staleSent_ = false;
};

} // namespace vboard
