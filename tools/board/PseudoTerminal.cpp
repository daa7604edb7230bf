#include "board/PseudoTerminal.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>
#include <utility>

namespace virtualboard {

namespace {

QString systemError(const char* call) {
    return QStringLiteral("%1: %2").arg(QLatin1String(call),
                                        QString::fromLocal8Bit(std::strerror(errno)));
}

// The settings any opener finds: raw bytes at 9600 8N1, no modem control, nothing echoed.
bool makeRaw(int fd) {
    termios settings{};
    if (::tcgetattr(fd, &settings) != 0)
        return false;
    ::cfmakeraw(&settings);
    settings.c_cflag |= CLOCAL | CREAD;
    ::cfsetispeed(&settings, B9600);
    ::cfsetospeed(&settings, B9600);
    return ::tcsetattr(fd, TCSANOW, &settings) == 0;
}

int openSlave(int master, QString* path, QString* error) {
    if (::grantpt(master) != 0 || ::unlockpt(master) != 0) {
        *error = systemError("grantpt/unlockpt");
        return -1;
    }
    const char* name = ::ptsname(master);
    if (name == nullptr) {
        *error = systemError("ptsname");
        return -1;
    }
    *path = QString::fromLocal8Bit(name);
    const int slave = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (slave < 0) {
        *error = systemError("open slave");
        return -1;
    }
    if (!makeRaw(slave)) {
        *error = systemError("raw mode");
        ::close(slave);
        return -1;
    }
    return slave;
}

bool makeNonBlocking(int fd) {
    const int flags = ::fcntl(fd, F_GETFL);
    return flags >= 0 && ::fcntl(fd, F_SETFL, flags | O_NONBLOCK) == 0 &&
           ::fcntl(fd, F_SETFD, FD_CLOEXEC) == 0;
}

} // namespace

std::optional<PseudoTerminal> PseudoTerminal::open(QString* error) {
    PseudoTerminal terminal(::posix_openpt(O_RDWR | O_NOCTTY), -1, {});
    if (terminal.m_master < 0) {
        *error = systemError("posix_openpt");
        return std::nullopt;
    }
    if (!makeNonBlocking(terminal.m_master)) {
        *error = systemError("fcntl");
        return std::nullopt;
    }
    terminal.m_slave = openSlave(terminal.m_master, &terminal.m_slavePath, error);
    if (terminal.m_slave < 0)
        return std::nullopt;
    return terminal;
}

PseudoTerminal::PseudoTerminal(int master, int slave, QString slavePath)
    : m_master(master), m_slave(slave), m_slavePath(std::move(slavePath)) {}

PseudoTerminal::PseudoTerminal(PseudoTerminal&& other) noexcept
    : m_master(std::exchange(other.m_master, -1)), m_slave(std::exchange(other.m_slave, -1)),
      m_slavePath(std::move(other.m_slavePath)) {}

PseudoTerminal::~PseudoTerminal() {
    close();
}

void PseudoTerminal::close() {
    if (m_master >= 0)
        ::close(std::exchange(m_master, -1));
    if (m_slave >= 0)
        ::close(std::exchange(m_slave, -1));
}

} // namespace virtualboard
