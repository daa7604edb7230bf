#include "BoardProtocol.h"

#include <algorithm>
#include <utility>

namespace vboard {

namespace {

constexpr int kResyncAsterisks = 32;

// Block 15 holds only the last 24 bytes of the stream. Blocks past the end of the stream are
// taken at full size so that the board stays in step with an editor that sends too many.
int blockLength(int block) {
    const int left = TailleFlux - block * TailleBloc;
    return left > 0 ? std::min(TailleBloc, left) : TailleBloc;
}

} // namespace

BoardProtocol::BoardProtocol(QByteArray ident, Fault fault)
    : ident_(std::move(ident)), fault_(fault) {}

BoardStep BoardProtocol::feed(char byte) {
    switch (state_) {
    case State::Idle:
        return onIdle(byte);
    case State::BlockExpected:
        return onBlockStart(byte);
    case State::InBlock:
        return onBlockByte(byte);
    }
    return {};
}

BoardStep BoardProtocol::onIdle(char byte) {
    switch (byte) {
    case '?':
        return {identification(), {}};
    case '*':
        ++asterisks_;
        return {};
    case 'R':
        reset();
        return {};
    case 'P':
        if (fault_ == Fault::WrongAck)
            return {QByteArrayLiteral("X"), {}};
        programming_ = true;
        state_ = State::BlockExpected;
        return {QByteArrayLiteral("B"), {}};
    case 'F':
        return {QByteArrayLiteral("FR"), takeProgram()};
    default:
        return {};
    }
}

BoardStep BoardProtocol::onBlockStart(char byte) {
    endBlock_ = byte == 0;
    // Only block 0 begins with the start byte: an upload that follows an aborted one starts over.
    if (byte == OctetDebut) {
        stream_.clear();
        blocks_ = 0;
    }
    remaining_ = endBlock_ ? TailleBloc : blockLength(blocks_);
    state_ = State::InBlock;
    return onBlockByte(byte);
}

BoardStep BoardProtocol::onBlockByte(char byte) {
    if (!endBlock_ && stream_.size() < TailleFlux)
        stream_.append(byte);
    if (--remaining_ > 0)
        return {};
    state_ = State::Idle;
    if (endBlock_)
        return {QByteArrayLiteral("?"), takeProgram()};
    ++blocks_;
    return {QByteArrayLiteral("?"), {}};
}

QByteArray BoardProtocol::identification() {
    if (fault_ == Fault::Asterisks && asterisks_ < kResyncAsterisks)
        return {};
    if (fault_ == Fault::Stale && !std::exchange(staleSent_, true))
        return QByteArrayLiteral("xy") + ident_;
    return ident_;
}

std::optional<QByteArray> BoardProtocol::takeProgram() {
    if (!std::exchange(programming_, false))
        return std::nullopt;
    blocks_ = 0;
    return std::exchange(stream_, {});
}

void BoardProtocol::reset() {
    programming_ = false;
    blocks_ = 0;
    stream_.clear();
}

} // namespace vboard
