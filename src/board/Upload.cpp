#include "board/Upload.h"

#include "board/UploadStream.h"
#include "model/BoardFormat.h"
#include "serial/SerialLine.h"

namespace {

constexpr BoardLink::Fault CableFault{BoardLink::DialogueFault.text,
                                      QT_TRANSLATE_NOOP("BoardLink", " Vérifiez le cordon")};
const QByteArray EndBlock(boardformat::BlockSize, '\0');

} // namespace

void Upload::prepare(const QByteArray& stream) {
    m_stream = stream;
    m_blocks = uploadstream::blocksToSend(stream);
    m_stopping = false;
}

void Upload::start() {
    if (m_stopping)
        return m_hooks.finished(End::Stopped);
    if (m_link.line().isOpen())
        m_link.line().clearInput();
    m_hooks.progress(0, m_blocks);
    announce(0);
}

void Upload::announce(int block) {
    step("P", "B", CableFault, [this, block] { sendBlock(block); });
}

// Each block's progress is told while the block crosses the line. The end block's one-byte
// answer is not judged.
void Upload::sendBlock(int block) {
    const QByteArray bytes = uploadstream::block(m_stream, block);
    const auto leaves = [this, block] { m_hooks.progress(block + 1, m_blocks); };
    if (bytes.startsWith('\0')) {
        step(
            EndBlock, std::nullopt, BoardLink::DialogueFault,
            [this] { between([this] { finishProgramming(); }); }, leaves);
        return;
    }
    const bool last = block + 1 == boardformat::BlockCount;
    step(
        bytes, "?", BoardLink::DialogueFault,
        [this, block, last] {
            between([this, block, last] { last ? finishProgramming() : announce(block + 1); });
        },
        leaves);
}

void Upload::finishProgramming() {
    step("F", "FR", BoardLink::DialogueFault, [this] {
        m_link.exchange("R", 0, [this] {
            m_link.line().close();
            m_hooks.finished(End::Done);
        });
    });
}

void Upload::step(const QByteArray& message, std::optional<QByteArrayView> expected,
                  const BoardLink::Fault& ifSilent, BoardLink::Then next,
                  BoardLink::Then afterWrite) {
    m_link.exchange(
        message, 1,
        [this, expected, &ifSilent, next = std::move(next)] {
            const bool silent = m_link.state() == BoardLink::State::Silent;
            if (silent || (expected && m_link.reply() != *expected)) {
                m_link.reportFailure(silent ? ifSilent : BoardLink::DialogueFault);
                m_hooks.finished(End::Failed);
                return;
            }
            next();
        },
        std::move(afterWrite));
}

void Upload::between(BoardLink::Then next) {
    if (m_stopping)
        m_hooks.finished(End::Stopped);
    else
        next();
}
