#pragma once

#include <QString>

#include <optional>

namespace vboard {

// A pseudo-terminal whose slave end stands in for the board's serial port. The board keeps a
// slave descriptor of its own open, so the terminal survives the editor closing and reopening
// the port between commands: without it, the last close hangs the master up.
class PseudoTerminal {
public:
    static std::optional<PseudoTerminal> open(QString* error);

    PseudoTerminal(PseudoTerminal&& other) noexcept;
    PseudoTerminal& operator=(PseudoTerminal&&) = delete;
    ~PseudoTerminal();

    int masterFd() const { return master_; }
    const QString& slavePath() const { return slavePath_; }

    // Drops the line: the editor's side sees a hang-up.
    void close();

private:
    PseudoTerminal(int master, int slave, QString slavePath);

    int master_ = -1;
    int slave_ = -1;
    QString slavePath_;
};

} // namespace vboard
