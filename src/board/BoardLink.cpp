#include "board/BoardLink.h"

#include "board/PortChoice.h"
#include "model/BoardFormat.h"
#include "model/NumericText.h"
#include "serial/SerialLine.h"

#include <cmath>
#include <utility>

namespace {

const QByteArray Query = QByteArrayLiteral("?");
const QByteArray Resync(boardformat::MessageLimit, '*');

// The deadline is the time of day one second after the sending, rounded to the nearest
// whole second (a half going to the even one), so the wait lasts 500 to 1500 ms. It is
// kept as a length measured from the sending on the monotonic clock, so that a wait across
// midnight, where the time of day starts again from 0, still ends on time.
int replyWaitMs(double timeOfDay) {
    const double deadline = roundHalfEven(timeOfDay + 1.0);
    return int(std::lround((deadline - timeOfDay) * 1000.0));
}

} // namespace

bool BoardLink::openPort(const PortChoice& port) {
    if (m_line.isOpen())
        m_line.close();
    if (port.open(m_line) != 0) {
        report(
            {portUnavailableMessage(port.inForce().name), titles::Application, Report::Icon::None});
        return false;
    }
    m_line.clearInput();
    queryIdentification();
    return true;
}

// Late bytes of an earlier exchange are kept on purpose: they count towards this reply and
// come back at its head. The receive buffer is emptied only when the port opens and before
// an upload's blocks.
void BoardLink::exchange(const QByteArray& message, int replyLength,
                         const std::function<void()>& whileOnLine) {
    if (!m_line.isOpen()) {
        report({tr("PORT de communication non disponible"), titles::Main, Report::Icon::None});
        return;
    }
    for (int sending = 0; sending < 2; ++sending) {
        m_reply.clear();
        if (const int code = m_line.write(message.left(boardformat::MessageLimit)); code != 0)
            report({tr("ERREUR :%1").arg(code), titles::Application, Report::Icon::Critical});
        if (whileOnLine && sending == 0)
            whileOnLine();
        if (replyArrived(replyLength)) {
            m_reply = m_line.readAll();
            m_state = State::Answered;
            return;
        }
    }
    m_state = State::Silent;
}

// The line blocks in each wait, so the program sleeps instead of spinning; the count is
// looked at once more when the time is up.
bool BoardLink::replyArrived(int replyLength) {
    const qint64 end = m_clock.monotonicMs() + replyWaitMs(m_clock.timeOfDay());
    for (;;) {
        if (m_line.bytesWaiting() >= replyLength)
            return true;
        const qint64 left = end - m_clock.monotonicMs();
        if (left <= 0)
            return m_line.bytesWaiting() >= replyLength;
        m_line.waitForData(int(left));
    }
}

void BoardLink::queryIdentification() {
    exchange(Query, boardformat::QueryReplyLength);
    if (m_state == State::Answered)
        return;
    exchange(Resync, 0);
    exchange(Query, boardformat::QueryReplyLength);
    if (m_state == State::Answered)
        return;
    reportFailure(DialogueFault);
}

void BoardLink::reportFailure(const Fault& fault) {
    QString text = tr(fault.text);
    if (fault.advice)
        text += QChar(12) + tr(fault.advice);
    report(
        {text, titles::Main, fault.text[0] == 'T' ? Report::Icon::None : Report::Icon::Critical});
}

// The trace of the line, when one is installed, writes the failure under the exchange that
// caused it.
void BoardLink::report(const Report& report) {
    m_line.noteFailure(report.text);
    m_reports.append(report);
}

QList<Report> BoardLink::takeReports() {
    return std::exchange(m_reports, {});
}
