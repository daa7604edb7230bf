#include "board/PseudoTerminal.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>
#include <utility>

namespace cartevirtuelle {

namespace {

QString erreurSysteme(const char* quoi) {
    return QStringLiteral("%1: %2").arg(QLatin1String(quoi),
                                        QString::fromLocal8Bit(std::strerror(errno)));
}

// The settings any opener finds: raw bytes at 9600 8N1, no modem control, nothing echoed.
bool rendreBrut(int fd) {
    termios reglages{};
    if (::tcgetattr(fd, &reglages) != 0)
        return false;
    ::cfmakeraw(&reglages);
    reglages.c_cflag |= CLOCAL | CREAD;
    ::cfsetispeed(&reglages, B9600);
    ::cfsetospeed(&reglages, B9600);
    return ::tcsetattr(fd, TCSANOW, &reglages) == 0;
}

int ouvrirEsclave(int maitre, QString* chemin, QString* erreur) {
    if (::grantpt(maitre) != 0 || ::unlockpt(maitre) != 0) {
        *erreur = erreurSysteme("grantpt/unlockpt");
        return -1;
    }
    const char* nom = ::ptsname(maitre);
    if (nom == nullptr) {
        *erreur = erreurSysteme("ptsname");
        return -1;
    }
    *chemin = QString::fromLocal8Bit(nom);
    const int esclave = ::open(nom, O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (esclave < 0) {
        *erreur = erreurSysteme("open slave");
        return -1;
    }
    if (!rendreBrut(esclave)) {
        *erreur = erreurSysteme("raw mode");
        ::close(esclave);
        return -1;
    }
    return esclave;
}

bool rendreNonBloquant(int fd) {
    const int drapeaux = ::fcntl(fd, F_GETFL);
    return drapeaux >= 0 && ::fcntl(fd, F_SETFL, drapeaux | O_NONBLOCK) == 0 &&
           ::fcntl(fd, F_SETFD, FD_CLOEXEC) == 0;
}

} // namespace

std::optional<PseudoTerminal> PseudoTerminal::ouvrir(QString* erreur) {
    PseudoTerminal terminal(::posix_openpt(O_RDWR | O_NOCTTY), -1, {});
    if (terminal.m_maitre < 0) {
        *erreur = erreurSysteme("posix_openpt");
        return std::nullopt;
    }
    if (!rendreNonBloquant(terminal.m_maitre)) {
        *erreur = erreurSysteme("fcntl");
        return std::nullopt;
    }
    terminal.m_esclave = ouvrirEsclave(terminal.m_maitre, &terminal.m_cheminEsclave, erreur);
    if (terminal.m_esclave < 0)
        return std::nullopt;
    return terminal;
}

PseudoTerminal::PseudoTerminal(int maitre, int esclave, QString cheminEsclave)
    : m_maitre(maitre), m_esclave(esclave), m_cheminEsclave(std::move(cheminEsclave)) {}

PseudoTerminal::PseudoTerminal(PseudoTerminal&& autre) noexcept
    : m_maitre(std::exchange(autre.m_maitre, -1)), m_esclave(std::exchange(autre.m_esclave, -1)),
      m_cheminEsclave(std::move(autre.m_cheminEsclave)) {}

PseudoTerminal::~PseudoTerminal() {
    fermer();
}

void PseudoTerminal::fermer() {
    if (m_maitre >= 0)
        ::close(std::exchange(m_maitre, -1));
    if (m_esclave >= 0)
        ::close(std::exchange(m_esclave, -1));
}

} // namespace cartevirtuelle
