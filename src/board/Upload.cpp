#include "board/Upload.h"

#include "board/BoardLink.h"
#include "board/UploadStream.h"
#include "model/BoardFormat.h"
#include "serial/SerialLine.h"

namespace {

constexpr BoardLink::Fault CableFault{BoardLink::DialogueFault.text,
                                      QT_TRANSLATE_NOOP("BoardLink", " Vérifiez le cordon")};
const QByteArray EndBlock(boardformat::BlockSize, '\0');

} // namespace

bool Upload::send(const QByteArray& stream) {
    ISerialLine& line = m_link.line();
    if (line.isOpen())
        line.clearInput();
    if (!sendBlocks(stream) || !step("F", "FR", BoardLink::DialogueFault))
        return false;
    m_link.exchange("R", 0);
    line.close();
    return true;
}

// Window events run once, while the first "P" is on the line; each block's progress is told
// while the block crosses it.
bool Upload::sendBlocks(const QByteArray& stream) {
    const int blocks = uploadstream::blocksToSend(stream);
    m_hooks.progress(0, blocks);
    for (int b = 0; b < boardformat::BlockCount; ++b) {
        if (!step("P", "B", CableFault, b == 0 ? m_hooks.eventsMayRun : std::function<void()>()))
            return false;
        const QByteArray block = uploadstream::block(stream, b);
        const auto blockLeaves = [this, b, blocks] { m_hooks.progress(b + 1, blocks); };
        if (block.startsWith('\0'))
            return step(EndBlock, std::nullopt, BoardLink::DialogueFault, blockLeaves);
        if (!step(block, "?", BoardLink::DialogueFault, blockLeaves))
            return false;
    }
    return true;
}

// One exchange awaiting one byte. A silent board is reported with `ifSilent`, a reply other
// than `expected` (when one is awaited) as a plain dialogue fault.
bool Upload::step(const QByteArray& message, std::optional<QByteArrayView> expected,
                  const BoardLink::Fault& ifSilent, const std::function<void()>& whileOnLine) {
    m_link.exchange(message, 1, whileOnLine);
    if (m_link.state() == BoardLink::State::Silent) {
        m_link.reportFailure(ifSilent);
        return false;
    }
    if (expected && m_link.reply() != *expected) {
        m_link.reportFailure(BoardLink::DialogueFault);
        return false;
    }
    return true;
}
