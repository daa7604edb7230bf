#pragma once

#include "board/BoardLink.h"

#include <QByteArray>
#include <QByteArrayView>

#include <functional>
#include <optional>

// The handshake that writes an upload stream into the board: each block announced by "P"
// (answered "B") and accepted with "?", the end block in place of the first block that
// begins with 0, then "F" (answered "FR"), "R" and the port closed. The first failure is
// reported and ends it. Each step starts when the one before has ended.
class Upload {
public:
    enum class End { Done, Failed, Stopped };
    struct Hooks {
        std::function<void(int blocksSent, int blocks)> progress; // 0 first, then as each leaves
        std::function<void(End end)> finished;
    };

    Upload(BoardLink& link, Hooks hooks) : m_link(link), m_hooks(std::move(hooks)) {}

    // The stream of the next start; a stop asked for before then is forgotten.
    void prepare(const QByteArray& stream);
    void start();
    // Ends the upload after the block on its way, before the next is announced (or before the
    // first, when it has not started yet); once the end of programming is asked for, the
    // upload completes.
    void stop() { m_stopping = true; }

private:
    void announce(int block);
    void sendBlock(int block);
    void finishProgramming();
    // One exchange awaiting one byte, then `next`. A silent board is reported with `ifSilent`,
    // a reply other than `expected` (when one is awaited) as a plain dialogue fault.
    void step(const QByteArray& message, std::optional<QByteArrayView> expected,
              const BoardLink::Fault& ifSilent, BoardLink::Then next,
              BoardLink::Then afterWrite = {});
    // The next block, or the end of programming, unless the user stopped the upload.
    void between(BoardLink::Then next);

    BoardLink& m_link;
    Hooks m_hooks;
    QByteArray m_stream;
    int m_blocks = 0;
    bool m_stopping = false;
};
