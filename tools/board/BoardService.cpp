#include "board/BoardService.h"

#include "board/BoardTimeline.h"
#include "board/PseudoTerminal.h"

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

namespace virtualboard {

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

void warn(const QString& text) {
    QTextStream(stderr) << "lt840-board: " << text << Qt::endl;
}

QString systemError() {
    return QString::fromLocal8Bit(std::strerror(errno));
}

// Sleeps until the editor writes, the deadline passes or a stop signal comes. The result is
// poll's revents for the master, 0 when nothing was readable, -1 on failure.
int waitForLine(int fd, std::optional<Instant> deadline, const sigset_t& waitMask) {
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
        const ssize_t written = ::write(fd, bytes.constData() + sent, size_t(bytes.size() - sent));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            warn(QStringLiteral("reply bytes lost: %1").arg(systemError()));
            return;
        }
        sent += written;
    }
}

void saveStream(const QString& path, const QByteArray& stream) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(stream) != stream.size() || !file.commit())
        warn(QStringLiteral("cannot write %1: %2").arg(path, file.errorString()));
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

class BoardService {
public:
    BoardService(const BoardOptions& options, PseudoTerminal& terminal)
        : m_options(options), m_terminal(terminal),
          m_timeline(options.identification, options.fault) {}

    bool openLog();
    int serve(const sigset_t& waitMask);

private:
    bool takeInput(int revents);
    void logBytes(const QByteArray& bytes);

    const BoardOptions& m_options;
    PseudoTerminal& m_terminal;
    BoardTimeline m_timeline;
    QFile m_log;
};

bool BoardService::openLog() {
    if (m_options.logPath.isEmpty())
        return true;
    m_log.setFileName(m_options.logPath);
    if (m_log.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
        return true;
    warn(QStringLiteral("cannot open %1: %2").arg(m_options.logPath, m_log.errorString()));
    return false;
}

int BoardService::serve(const sigset_t& waitMask) {
    while (!stopRequested) {
        const int revents = waitForLine(m_terminal.master(), m_timeline.nextDeadline(), waitMask);
        if (revents < 0) {
            warn(QStringLiteral("cannot wait for the line: %1").arg(systemError()));
            return 1;
        }
        if (!takeInput(revents))
            return 1;
        const TimelineOutput output = m_timeline.advance(Clock::now());
        for (const QByteArray& stream : output.streams) {
            if (!m_options.streamPath.isEmpty())
                saveStream(m_options.streamPath, stream);
        }
        if (output.hangUp) {
            m_terminal.close();
            return 0;
        }
        for (const QByteArray& burst : output.bursts)
            writeBurst(m_terminal.master(), burst);
    }
    return 0;
}

// False when the line is gone. With the board's own slave descriptor open the master never
// hangs up, so a hang-up or an error here is fatal; carrying on would spin on a dead line.
bool BoardService::takeInput(int revents) {
    if ((revents & POLLIN) == 0) {
        if ((revents & (POLLHUP | POLLERR | POLLNVAL)) == 0)
            return true;
        warn(QStringLiteral("the pseudo-terminal hung up"));
        return false;
    }
    char buffer[4096];
    const ssize_t count = ::read(m_terminal.master(), buffer, sizeof buffer);
    if (count <= 0) {
        if (count < 0 && (errno == EAGAIN || errno == EINTR))
            return true;
        warn(QStringLiteral("cannot read the pseudo-terminal: %1").arg(systemError()));
        return false;
    }
    const QByteArray bytes(buffer, count);
    logBytes(bytes);
    m_timeline.receive(bytes, Clock::now());
    return true;
}

void BoardService::logBytes(const QByteArray& bytes) {
    if (m_log.isOpen() && m_log.write(bytes) != bytes.size())
        warn(QStringLiteral("cannot log to %1: %2").arg(m_log.fileName(), m_log.errorString()));
}

} // namespace

int serveBoard(const BoardOptions& options) {
    const sigset_t waitMask = catchStopSignals();
    QString error;
    std::optional<PseudoTerminal> terminal = PseudoTerminal::open(&error);
    if (!terminal) {
        warn(error);
        return 1;
    }
    BoardService service(options, *terminal);
    if (!service.openLog())
        return 1;
    const QString& device = terminal->slavePath();
    if (!options.linkPath.isEmpty() && !makeLink(options.linkPath, device)) {
        warn(QStringLiteral("cannot link %1 to %2").arg(options.linkPath, device));
        return 1;
    }
    QTextStream(stdout) << device << Qt::endl;
    const int status = service.serve(waitMask);
    if (!options.linkPath.isEmpty())
        removeLink(options.linkPath, device);
    return status;
}

} // namespace virtualboard
