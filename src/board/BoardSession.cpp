#include "board/BoardSession.h"

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
    : QObject(parent), m_link(line, clock),
      m_upload(m_link, {[this](int sent, int blocks) { emit uploadProgress(sent, blocks); },
                        [this](Upload::End end) { uploadEnded(end); }}) {}

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

// The line is held until the command ends, and the line's trace told that a command begins.
// A port chosen meanwhile serves the next command.
bool BoardSession::begin(const std::function<void()>& command) {
    if (m_busy)
        return false;
    m_busy = true;
    m_portInUse = m_port;
    m_link.line().beginCommand();
    command();
    return true;
}

void BoardSession::end(BoardOutcome::Result result, const QList<Report>& more) {
    m_busy = false;
    emit finished({result, m_link.takeReports() + more, m_link.reply()});
}

bool BoardSession::identifyBoard() {
    return begin(
        [this] { openAndIdentify([this](bool opened) { end(judgeIdentification(opened)); }); });
}

// A silent board has already been reported by the query; a reply without the signature
// shows nothing.
bool BoardSession::testBoard() {
    return begin([this] {
        openAndIdentify([this](bool opened) {
            if (carriesSignature(m_link.reply()))
                emit testAnswered(tr(" Carte    ") + QString::fromLatin1(m_link.reply()));
            end(judgeIdentification(opened));
        });
    });
}

bool BoardSession::resetBoard() {
    return begin([this] { runReset(); });
}

bool BoardSession::upload(const Sequence& sequence, int basePeriodIndex) {
    if (m_busy)
        return false;
    if (sequence.length() == 0) {
        emit finished({BoardOutcome::Result::NothingToDo, {}, m_link.reply()});
        return true;
    }
    m_upload.prepare(uploadstream::build(sequence, timebase::basePeriod(basePeriodIndex)));
    return begin([this] { runUpload(); });
}

void BoardSession::stop() {
    if (m_busy)
        m_upload.stop();
}

// The reply is looked at even when the port did not open: it then still holds what an
// earlier exchange left.
void BoardSession::openAndIdentify(Opened then) {
    m_link.openPort(m_portInUse, [this, then = std::move(then)](bool opened) {
        noteIdentification();
        then(opened);
    });
}

void BoardSession::noteIdentification() {
    const qsizetype start = m_link.reply().indexOf(boardformat::Signature);
    if (start < 0)
        return;
    const QString found =
        QString::fromLatin1(m_link.reply().mid(start, boardformat::IdentificationLength));
    if (found != m_identification) {
        m_identification = found;
        emit identificationChanged(found);
    }
}

BoardOutcome::Result BoardSession::judgeIdentification(bool opened) const {
    if (!opened)
        return BoardOutcome::Result::PortUnavailable;
    if (m_link.state() != BoardLink::State::Answered || !carriesSignature(m_link.reply()))
        return BoardOutcome::Result::NoAnswer;
    return BoardOutcome::Result::Done;
}

// The port is opened twice, the second time to show who answered. A port that did not open
// leaves the last exchange's outcome, and the reset goes on unless that outcome was a silence.
void BoardSession::runReset() {
    emit resettingChanged(true);
    m_link.openPort(m_portInUse, [this](bool opened) {
        if (m_link.state() == BoardLink::State::Silent)
            return endReset(opened);
        openAndIdentify([this](bool reopened) {
            m_link.exchange("R", 0, [this, reopened] { endReset(reopened); });
        });
    });
}

void BoardSession::endReset(bool opened) {
    emit resettingChanged(false);
    if (!opened)
        return end(BoardOutcome::Result::PortUnavailable);
    end(m_link.state() == BoardLink::State::Silent ? BoardOutcome::Result::NoAnswer
                                                   : BoardOutcome::Result::Done);
}

// None of the steps looks at the outcome of the one before: the upload runs even when the
// port did not open or the board did not say who it is, and then reports the failure of
// its first exchange.
void BoardSession::runUpload() {
    emit uploadingChanged(true);
    m_link.openPort(m_portInUse, [this](bool) {
        if (m_identification.contains(QLatin1String(boardformat::Signature)))
            return m_upload.start();
        openAndIdentify([this](bool) { m_upload.start(); });
    });
}

// A failed dialogue leaves the port open, as does a stop; only a port that never opened is
// closed.
void BoardSession::uploadEnded(Upload::End how) {
    emit uploadingChanged(false);
    switch (how) {
    case Upload::End::Done:
        return end(BoardOutcome::Result::Done);
    case Upload::End::Stopped:
        return end(BoardOutcome::Result::Stopped,
                   {{tr("Programmation interrompue : la carte ne contient qu'une partie de la "
                        "séquence."),
                     titles::Main, Report::Icon::Warning}});
    case Upload::End::Failed:
        break;
    }
    end(m_link.line().isOpen() ? BoardOutcome::Result::NoAnswer
                               : BoardOutcome::Result::PortUnavailable);
}
