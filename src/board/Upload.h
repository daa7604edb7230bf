#pragma once

#include "board/BoardLink.h"

#include <QByteArray>
#include <QByteArrayView>

#include <functional>
#include <optional>

// The handshake that writes an upload stream into the board: each block announced by "P"
// (answered "B") and accepted with "?", the end block in place of the first block that
// begins with 0, then "F" (answered "FR"), "R" and the port closed. The first failure is
// reported and ends it.
class Upload {
public:
    struct Hooks {
        std::function<void()> eventsMayRun; // while the first "P" is on its way
        std::function<void(int blocksSent, int blocks)>
            progress; // 0 first, then as each block leaves
    };

    Upload(BoardLink& link, Hooks hooks) : m_link(link), m_hooks(std::move(hooks)) {}

    // True once the board has acknowledged the end of programming and the port is closed.
    bool send(const QByteArray& stream);

private:
    bool sendBlocks(const QByteArray& stream);
    bool step(const QByteArray& message, std::optional<QByteArrayView> expected,
              const BoardLink::Fault& ifSilent, const std::function<void()>& whileOnLine = {});

    BoardLink& m_link;
    Hooks m_hooks;
};
