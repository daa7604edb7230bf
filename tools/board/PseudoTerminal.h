#pragma once

#include <QString>

#include <optional>

namespace cartevirtuelle {

// A pseudo-terminal whose slave end stands in for the board's serial port. The board keeps a
// slave descriptor of its own open, so the terminal survives the editor closing and reopening
// the port between commands: without it, the last close hangs the master up.
class PseudoTerminal {
public:
    static std::optional<PseudoTerminal> ouvrir(QString* erreur);

    PseudoTerminal(PseudoTerminal&& autre) noexcept;
    PseudoTerminal& operator=(PseudoTerminal&&) = delete;
    ~PseudoTerminal();

    int maitre() const { return m_maitre; }
    const QString& cheminEsclave() const { return m_cheminEsclave; }

    // Drops the line: the editor's side sees a hang-up.
    void fermer();

private:
    PseudoTerminal(int maitre, int esclave, QString cheminEsclave);

    int m_maitre = -1;
    int m_esclave = -1;
    QString m_cheminEsclave;
};

} // namespace cartevirtuelle
