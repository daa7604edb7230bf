#include "board/ReplyShape.h"

namespace virtualboard {

namespace {

using namespace std::chrono_literals;

// Past the editor's 1.5 s wait for a reply.
constexpr auto LateDelay = 2200ms;
constexpr auto SplitPause = 300ms;

ReplyShape splitAfterFirstByte(const QByteArray& reply) {
    if (reply.size() < 2)
        return {{reply}};
    return {{reply.first(1)}, {reply.sliced(1), SplitPause}};
}

} // namespace

ReplyShape shapeReply(Fault fault, const QByteArray& reply) {
    if (reply.isEmpty() || fault == Fault::Silent)
        return {};
    switch (fault) {
    case Fault::Late:
        return {{reply, LateDelay}};
    case Fault::Bytewise: {
        ReplyShape chunks;
        for (char byte : reply)
            chunks.append({QByteArray(1, byte)});
        return chunks;
    }
    case Fault::Split:
        return splitAfterFirstByte(reply);
    case Fault::GapFR:
        return reply == "FR" ? splitAfterFirstByte(reply) : ReplyShape{{reply}};
    default:
        return {{reply}};
    }
}

} // namespace virtualboard
