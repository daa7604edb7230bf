#include "ReplyShape.h"

namespace vboard {

namespace {

using namespace std::chrono_literals;

// Past the editor's 1.5 s wait for a reply.
constexpr auto kLateBy = 2200ms;
constexpr auto kSplitPause = 300ms;

QList<ReplyChunk> splitAfterFirstByte(const QByteArray& reply) {
    if (reply.size() < 2)
        return {{reply}};
    return {{reply.first(1)}, {reply.sliced(1), kSplitPause}};
}

} // namespace

QList<ReplyChunk> shapeReply(Fault fault, const QByteArray& reply) {
    if (reply.isEmpty() || fault == Fault::Silent)
        return {};
    switch (fault) {
    case Fault::Late:
        return {{reply, kLateBy}};
    case Fault::Bytewise: {
        QList<ReplyChunk> chunks;
        for (char byte : reply)
            chunks.append({QByteArray(1, byte)});
        return chunks;
    }
    case Fault::Split:
        return splitAfterFirstByte(reply);
    case Fault::GapFR:
        return reply == "FR" ? splitAfterFirstByte(reply) : QList<ReplyChunk>{{reply}};
    default:
        return {{reply}};
    }
}

} // namespace vboard
