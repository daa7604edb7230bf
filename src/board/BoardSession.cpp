#include "board/BoardSession.h"

#include "board/Upload.h"
#include "board/UploadStream.h"
#include "model/BoardFormat.h"
#include "model/Sequence.h"
#include "model/TimeBase.h"
#include "serial/SerialLine.h"

namespace {

bool carriesSignature(const QByteArray& reply) {
    return reply.contains(boardformat::Signature);
}

} // namespace

BoardSession::BoardSession(ISerialLine& line, IClock& clock, QObject* parent)
    : QObject(parent), m_link(line, clock) {}

void BoardSession::chooseCom(int index) {
    setPort({index, QString()});
}

// A device chosen by name takes over from the COM without changing its index, which stays
// for the day the device is given up.
void BoardSession::chooseDevice(const QString& device) {
    setPort({m_port.comIndex, device});
}

void BoardSession::setPort(const PortChoice& port) {
    if (port.comIndex == m_port.comIndex && port.device == m_port.device)
        return;
    m_port = port;
    emit portChanged();
}

int BoardSession::comIndex() const {
    return m_port.comIndex;
}

PortInForce BoardSession::port() const {
    return m_port.inForce();
}

QString BoardSession::identification() const {
    return m_identification;
}

// The line is held for the length of one command, and the line's trace told that a command
// begins. A command started meanwhile does nothing.
template <typename Command> BoardOutcome BoardSession::run(Command command) {
    if (m_busy)
        return {BoardOutcome::Result::Busy, {}, {}};
    m_busy = true;
    m_link.line().beginCommand();
    const BoardOutcome::Result result = command();
    m_busy = false;
    return {result, m_link.takeReports(), m_link.reply()};
}

BoardOutcome BoardSession::identifyBoard() {
    return run([this] { return judgeIdentification(showIdentification()); });
}

BoardOutcome BoardSession::testBoard() {
    return run([this] { return runTest(); });
}

BoardOutcome BoardSession::resetBoard() {
    return run([this] { return runReset(); });
}

BoardOutcome BoardSession::upload(const Sequence& sequence, int basePeriodIndex) {
    return run([this, &sequence, basePeriodIndex] { return runUpload(sequence, basePeriodIndex); });
}

// The reply is looked at even when the port did not open: it then still holds what an
// earlier exchange left.
bool BoardSession::showIdentification() {
    const bool opened = m_link.openPort(m_port);
    const qsizetype start = m_link.reply().indexOf(boardformat::Signature);
    if (start < 0)
        return opened;
    const QString found =
        QString::fromLatin1(m_link.reply().mid(start, boardformat::IdentificationLength));
    if (found != m_identification) {
        m_identification = found;
        emit identificationChanged(found);
    }
    return opened;
}

BoardOutcome::Result BoardSession::judgeIdentification(bool opened) const {
    if (!opened)
        return BoardOutcome::Result::PortUnavailable;
    if (m_link.state() != BoardLink::State::Answered || !carriesSignature(m_link.reply()))
        return BoardOutcome::Result::NoAnswer;
    return BoardOutcome::Result::Done;
}

// A silent board has already been reported by the query; a reply without the signature
// shows nothing.
BoardOutcome::Result BoardSession::runTest() {
    const bool opened = showIdentification();
    if (carriesSignature(m_link.reply()))
        emit testAnswered(tr(" Carte    ") + QString::fromLatin1(m_link.reply()));
    return judgeIdentification(opened);
}

// The yellow must be on screen before the exchanges freeze the window, hence the one pass
// of pending events. A port that did not open leaves the last exchange's outcome, and the
// reset goes on unless that outcome was a silence.
BoardOutcome::Result BoardSession::runReset() {
    emit resettingChanged(true);
    emit eventsMayRun();
    bool opened = m_link.openPort(m_port);
    if (m_link.state() != BoardLink::State::Silent) {
        opened = showIdentification();
        m_link.exchange("R", 0);
    }
    emit resettingChanged(false);
    if (!opened)
        return BoardOutcome::Result::PortUnavailable;
    return m_link.state() == BoardLink::State::Silent ? BoardOutcome::Result::NoAnswer
                                                      : BoardOutcome::Result::Done;
}

// None of the steps looks at the outcome of the one before: the upload runs even when the
// port did not open or the board did not say who it is, and then reports the failure of
// its first exchange.
BoardOutcome::Result BoardSession::runUpload(const Sequence& sequence, int basePeriodIndex) {
    if (sequence.length() == 0)
        return BoardOutcome::Result::NothingToDo;
    emit uploadingChanged(true);
    m_link.openPort(m_port);
    if (!m_identification.contains(QLatin1String(boardformat::Signature)))
        showIdentification();
    const QByteArray stream = uploadstream::build(sequence, timebase::basePeriod(basePeriodIndex));
    Upload upload(m_link, {[this] { emit eventsMayRun(); },
                           [this](int sent, int blocks) { emit uploadProgress(sent, blocks); }});
    const bool done = upload.send(stream);
    emit uploadingChanged(false);
    if (done)
        return BoardOutcome::Result::Done;
    // A failed dialogue leaves the port open; only a port that never opened is closed.
    return m_link.line().isOpen() ? BoardOutcome::Result::NoAnswer
                                  : BoardOutcome::Result::PortUnavailable;
}
