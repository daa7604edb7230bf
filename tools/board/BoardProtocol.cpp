#include "board/BoardProtocol.h"

#include <algorithm>
#include <utility>

namespace virtualboard {

namespace {

using boardformat::BlockSize;
using boardformat::StreamSize;

constexpr int ResyncAsterisks = 32;

// Block 15 holds only the last 24 bytes of the stream. Blocks past the end of the stream are
// taken at full size so that the board stays in step with an editor that sends too many.
int blockLength(int block) {
    const int left = StreamSize - block * BlockSize;
    return left > 0 ? std::min(BlockSize, left) : BlockSize;
}

} // namespace

BoardProtocol::BoardProtocol(QByteArray identification, Fault fault)
    : m_identification(std::move(identification)), m_fault(fault) {}

ProtocolStep BoardProtocol::receiveByte(char byte) {
    switch (m_state) {
    case State::Idle:
        return commandByte(byte);
    case State::BlockExpected:
        return firstBlockByte(byte);
    case State::InBlock:
        return blockByte(byte);
    }
    return {};
}

ProtocolStep BoardProtocol::commandByte(char byte) {
    switch (byte) {
    case '?':
        return {identificationReply(), {}};
    case '*':
        ++m_asterisks;
        return {};
    case 'R':
        reset();
        return {};
    case 'P':
        if (m_fault == Fault::WrongAck)
            return {QByteArrayLiteral("X"), {}};
        m_programming = true;
        m_state = State::BlockExpected;
        return {QByteArrayLiteral("B"), {}};
    case 'F':
        return {QByteArrayLiteral("FR"), takeStream()};
    default:
        return {};
    }
}

ProtocolStep BoardProtocol::firstBlockByte(char byte) {
    m_inEndBlock = byte == 0;
    // Only block 0 begins with the start byte: an upload that follows an aborted one starts over.
    if (byte == boardformat::StartByte) {
        m_stream.clear();
        m_blocksDone = 0;
    }
    m_bytesDue = m_inEndBlock ? BlockSize : blockLength(m_blocksDone);
    m_state = State::InBlock;
    return blockByte(byte);
}

ProtocolStep BoardProtocol::blockByte(char byte) {
    if (!m_inEndBlock && m_stream.size() < StreamSize)
        m_stream.append(byte);
    if (--m_bytesDue > 0)
        return {};
    m_state = State::Idle;
    if (m_inEndBlock)
        return {QByteArrayLiteral("?"), takeStream()};
    ++m_blocksDone;
    return {QByteArrayLiteral("?"), {}};
}

QByteArray BoardProtocol::identificationReply() {
    if (m_fault == Fault::Asterisks && m_asterisks < ResyncAsterisks)
        return {};
    if (m_fault == Fault::Stale && !std::exchange(m_strayBytesSent, true))
        return QByteArrayLiteral("xy") + m_identification;
    return m_identification;
}

std::optional<QByteArray> BoardProtocol::takeStream() {
    if (!std::exchange(m_programming, false))
        return std::nullopt;
    m_blocksDone = 0;
    return std::exchange(m_stream, {});
}

void BoardProtocol::reset() {
    m_programming = false;
    m_blocksDone = 0;
    m_stream.clear();
}

} // namespace virtualboard
