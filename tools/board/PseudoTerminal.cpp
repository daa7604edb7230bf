#include "PseudoTerminal.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>
#include <utility>

namespace vboard {

namespace {

QString systemError(const char* what) {
    return QStringLiteral("%1: %2").arg(QLatin1String(what),
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

bool setNonBlockingCloseOnExec(int fd) {
    const int flags = ::fcntl(fd, F_GETFL);
    return flags >= 0 && ::fcntl(fd, F_SETFL, flags | O_NONBLOCK) == 0 &&
           ::fcntl(fd, F_SETFD, FD_CLOEXEC) == 0;
}

} // namespace

std::optional<PseudoTerminal> PseudoTerminal::open(QString* error) {
    PseudoTerminal terminal(::posix_openpt(O_RDWR | O_NOCTTY), -1, {});
    if (terminal.master_ < 0) {
        *error = systemError("posix_openpt");
        return std::nullopt;
    }
    if (!setNonBlockingCloseOnExec(terminal.master_)) {
        *error = systemError("fcntl");
        return std::nullopt;
    }
    terminal.slave_ = openSlave(terminal.master_, &terminal.slavePath_, error);
    if (terminal.slave_ < 0)
        return std::nullopt;
    return terminal;
}

PseudoTerminal::PseudoTerminal(int master, int slave, QString slavePath)
    : master_(master), slave_(slave), slavePath_(std::move(slavePath)) {}

PseudoTerminal::PseudoTerminal(PseudoTerminal&& other) noexcept
    : master_(std::exchange(other.master_, -1)), slave_(std::exchange(other.slave_, -1)),
      slavePath_(std::move(other.slavePath_)) {}

PseudoTerminal::~PseudoTerminal() {
    close();
}

void PseudoTerminal::close() {
    if (master_ >= 0)
        ::close(std::exchange(master_, -1));
    if (slave_ >= 0)
        ::close(std::exchange(slave_, -1));
}

} // namespace vboard
