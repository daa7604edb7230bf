#pragma once

#include <QString>

#include <optional>

namespace virtualboard {

// A pseudo-terminal whose slave end stands in for the board's serial port. The board keeps a
// slave descriptor of its own open, so the terminal survives the editor closing and reopening
// the port between commands: without it, the last close hangs the master up.
class PseudoTerminal {
public:
    static std::optional<PseudoTerminal> open(QString* error);

    PseudoTerminal(PseudoTerminal&& other) noexcept;
    PseudoTerminal& operator=(PseudoTerminal&&) = delete;
    ~PseudoTerminal();

    int master() const { return m_master; }
    const QString& slavePath() const { return m_slavePath; }

    // Drops the line: the editor's side sees a hang-up.
    void close();

private:
    PseudoTerminal(int master, int slave, QString slavePath);

    int m_master = -1;
    int m_slave = -1;
    QString m_slavePath;
};

} // namespace virtualboard
