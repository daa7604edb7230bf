#include "cli/InterruptWatch.h"

#include <QSocketNotifier>

#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

// The pipe's write end, for the handler: only one watch lives at a time.
volatile sig_atomic_t writeEnd = -1;

// Nothing but the write, which is safe in a signal handler; errno is the interrupted code's.
void onInterrupt(int) {
    const int savedErrno = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(writeEnd, &byte, 1);
    errno = savedErrno;
}

void handleInterrupt(void (*handler)(int), int flags) {
    struct sigaction action = {};
    action.sa_handler = handler;
    action.sa_flags = flags;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
}

} // namespace

// Without a pipe, Ctrl+C keeps its default action rather than being lost.
InterruptWatch::InterruptWatch(QObject* parent) : QObject(parent) {
    if (::pipe2(m_pipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    writeEnd = m_pipe[1];
    m_notifier = new QSocketNotifier(m_pipe[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &InterruptWatch::drain);
    handleInterrupt(onInterrupt, SA_RESTART | SA_RESETHAND);
}

InterruptWatch::~InterruptWatch() {
    if (m_pipe[0] < 0)
        return;
    handleInterrupt(SIG_DFL, 0);
    writeEnd = -1;
    delete m_notifier;
    ::close(m_pipe[0]);
    ::close(m_pipe[1]);
}

void InterruptWatch::drain() {
    char bytes[16];
    while (::read(m_pipe[0], bytes, sizeof bytes) > 0) {
    }
    emit interrupted();
}
