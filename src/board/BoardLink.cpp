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
// kept as a length measured from the sending, so that a wait across midnight, where the
// time of day starts again from 0, still ends on time.
int replyWaitMs(double timeOfDay) {
    const double deadline = roundHalfEven(timeOfDay + 1.0);
    return int(std::lround((deadline - timeOfDay) * 1000.0));
}

} // namespace

BoardLink::BoardLink(ISerialLine& line, IClock& clock)
    : m_line(line), m_clock(clock), m_deadline(clock.makeAlarm()) {
    m_line.listen([this] { lookAtReply(); });
}

BoardLink::~BoardLink() {
    m_line.listen({});
}

void BoardLink::openPort(const PortChoice& port, std::function<void(bool opened)> then) {
    if (m_line.isOpen())
        m_line.close();
    if (port.open(m_line) != 0) {
        report(
            {portUnavailableMessage(port.inForce().name), titles::Application, Report::Icon::None});
        then(false);
        return;
    }
    m_line.clearInput();
    queryIdentification([then = std::move(then)] { then(true); });
}

// Late bytes of an earlier exchange are kept on purpose: they count towards this reply and
// come back at its head. The receive buffer is emptied only when the port opens and before
// an upload's blocks.
void BoardLink::exchange(const QByteArray& message, int replyLength, Then then,
                         Then afterFirstWrite) {
    if (!m_line.isOpen()) {
        report({tr("PORT de communication non disponible"), titles::Main, Report::Icon::None});
        then();
        return;
    }
    m_message = message.left(boardformat::MessageLimit);
    m_replyLength = replyLength;
    m_lastSending = false;
    m_then = std::move(then);
    send(afterFirstWrite);
}

void BoardLink::send(const Then& afterWrite) {
    m_reply.clear();
    if (const int code = m_line.write(m_message); code != 0)
        report({tr("ERREUR :%1").arg(code), titles::Application, Report::Icon::Critical});
    if (afterWrite)
        afterWrite();
    if (m_line.bytesWaiting() >= m_replyLength) // a reply of no bytes, or one already there
        return lookAtReply();
    m_deadline->set(replyWaitMs(m_clock.timeOfDay()), [this] { deadlinePassed(); });
}

void BoardLink::lookAtReply() {
    if (!m_then || m_line.bytesWaiting() < m_replyLength)
        return;
    m_deadline->cancel();
    m_reply = m_line.readAll();
    conclude(State::Answered);
}

// The count is looked at once more when the time is up.
void BoardLink::deadlinePassed() {
    if (!m_then)
        return;
    if (m_line.bytesWaiting() >= m_replyLength)
        lookAtReply();
    else if (!std::exchange(m_lastSending, true))
        send({});
    else
        conclude(State::Silent);
}

void BoardLink::conclude(State state) {
    m_state = state;
    std::exchange(m_then, {})();
}

void BoardLink::queryIdentification(Then then) {
    exchange(Query, boardformat::QueryReplyLength, [this, then = std::move(then)]() mutable {
        if (m_state == State::Answered)
            return then();
        exchange(Resync, 0, [this, then = std::move(then)]() mutable {
            exchange(Query, boardformat::QueryReplyLength, [this, then = std::move(then)] {
                if (m_state != State::Answered)
                    reportFailure(DialogueFault);
                then();
            });
        });
    });
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
