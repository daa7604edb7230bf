#include "BoardProcess.h"

#include "BoardTimeline.h"
#include "PseudoTerminal.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTextStream>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <poll.h>
#include <unistd.h>

namespace vboard {

namespace {

volatile std::sig_atomic_t stopRequested = 0;

void requestStop(int) {
    stopRequested = 1;
}

// The stop signals stay blocked except while waiting in ppoll(), so one cannot slip in between
// the check of the flag and the wait. Returns the mask to wait with.
sigset_t catchStopSignals() {
    struct sigaction action {};
    action.sa_handler = requestStop;
    ::sigemptyset(&action.sa_mask);
    ::sigaction(SIGTERM, &action, nullptr);
    ::sigaction(SIGINT, &action, nullptr);
    sigset_t stops;
    ::sigemptyset(&stops);
    ::sigaddset(&stops, SIGTERM);
    ::sigaddset(&stops, SIGINT);
    sigset_t waitMask;
    ::sigprocmask(SIG_BLOCK, &stops, &waitMask);
    ::sigdelset(&waitMask, SIGTERM);
    ::sigdelset(&waitMask, SIGINT);
    return waitMask;
}

void complain(const QString& text) {
    QTextStream(stderr) << "lt840-board: " << text << Qt::endl;
}

QString systemError() {
    return QString::fromLocal8Bit(std::strerror(errno));
}

// Sleeps until the editor writes, the deadline passes or a stop signal comes. The result is
// poll's revents for the master, 0 when nothing was readable, -1 on failure.
int waitForLine(int fd, std::optional<TimePoint> deadline, const sigset_t& waitMask) {
    timespec timeout{};
    if (deadline) {
        const auto left = std::max(*deadline - Clock::now(), Clock::duration::zero());
        const auto nanos = std::chrono::duration_cast<std::chrono::nanoseconds>(left).count();
        timeout.tv_sec = nanos / 1'000'000'000;
        timeout.tv_nsec = nanos % 1'000'000'000;
    }
    pollfd line{fd, POLLIN, 0};
    const int ready = ::ppoll(&line, 1, deadline ? &timeout : nullptr, &waitMask);
    if (ready < 0)
        return errno == EINTR ? 0 : -1;
    return ready == 0 ? 0 : line.revents;
}

// A receive buffer that is full because nobody reads it loses bytes, as a UART would.
void writeBurst(int fd, const QByteArray& bytes) {
    qsizetype sent = 0;
    while (sent < bytes.size()) {
        const ssize_t count = ::write(fd, bytes.constData() + sent, size_t(bytes.size() - sent));
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0) {
            complain(QStringLiteral("reply bytes lost: %1").arg(systemError()));
            return;
        }
        sent += count;
    }
}

void saveProgram(const QString& path, const QByteArray& program) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(program) != program.size() || !file.commit())
        complain(QStringLiteral("cannot write %1: %2").arg(path, file.errorString()));
}

bool makeLink(const QString& link, const QString& target) {
    if (QFileInfo(link).isSymLink())
        QFile::remove(link);
    return QFile::link(target, link);
}

void removeLink(const QString& link, const QString& target) {
    if (QFileInfo(link).symLinkTarget() == target)
        QFile::remove(link);
}

class Board {
public:
    Board(const BoardOptions& options, PseudoTerminal& pty)
        : options_(options), pty_(pty), timeline_(options.ident, options.fault) {}

    bool openLog();
    int serve(const sigset_t& waitMask);

private:
    bool takeInput(int revents);
    void logInput(const QByteArray& bytes);

    const BoardOptions& options_;
    PseudoTerminal& pty_;
    BoardTimeline timeline_;
    QFile log_;
};

bool Board::openLog() {
    if (options_.logPath.isEmpty())
        return true;
    log_.setFileName(options_.logPath);
    if (log_.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
        return true;
    complain(QStringLiteral("cannot open %1: %2").arg(options_.logPath, log_.errorString()));
    return false;
}

int Board::serve(const sigset_t& waitMask) {
    while (!stopRequested) {
        const int revents = waitForLine(pty_.masterFd(), timeline_.nextDeadline(), waitMask);
        if (revents < 0) {
            complain(QStringLiteral("cannot wait for the line: %1").arg(systemError()));
            return 1;
        }
        if (!takeInput(revents))
            return 1;
        const TimelineOutput out = timeline_.advance(Clock::now());
        for (const QByteArray& program : out.programs) {
            if (!options_.programOutPath.isEmpty())
                saveProgram(options_.programOutPath, program);
        }
        if (out.hangup) {
            pty_.close();
            return 0;
        }
        for (const QByteArray& burst : out.bursts)
            writeBurst(pty_.masterFd(), burst);
    }
    return 0;
}

// False when the line is gone. With the board's own slave descriptor open the master never
// hangs up, so a hang-up or an error here is fatal; carrying on would spin on a dead line.
bool Board::takeInput(int revents) {
    if ((revents & POLLIN) == 0) {
        if ((revents & (POLLHUP | POLLERR | POLLNVAL)) == 0)
            return true;
        complain(QStringLiteral("the pseudo-terminal hung up"));
        return false;
    }
    char buffer[4096];
    const ssize_t count = ::read(pty_.masterFd(), buffer, sizeof buffer);
    if (count <= 0) {
        if (count < 0 && (errno == EAGAIN || errno == EINTR))
            return true;
        complain(QStringLiteral("cannot read the pseudo-terminal: %1").arg(systemError()));
        return false;
    }
    const QByteArray bytes(buffer, count);
    logInput(bytes);
    timeline_.receive(bytes, Clock::now());
    return true;
}

void Board::logInput(const QByteArray& bytes) {
    if (log_.isOpen() && log_.write(bytes) != bytes.size())
        complain(QStringLiteral("cannot log to %1: %2").arg(log_.fileName(), log_.errorString()));
}

} // namespace

int runBoard(const BoardOptions& options) {
    const sigset_t waitMask = catchStopSignals();
    QString error;
    std::optional<PseudoTerminal> pty = PseudoTerminal::open(&error);
    if (!pty) {
        complain(error);
        return 1;
    }
    Board board(options, *pty);
    if (!board.openLog())
        return 1;
    const QString& device = pty->slavePath();
    if (!options.linkPath.isEmpty() && !makeLink(options.linkPath, device)) {
        complain(QStringLiteral("cannot link %1 to %2").arg(options.linkPath, device));
        return 1;
    }
    QTextStream(stdout) << device << Qt::endl;
    const int status = board.serve(waitMask);
    if (!options.linkPath.isEmpty())
        removeLink(options.linkPath, device);
    return status;
}

} // namespace vboard
