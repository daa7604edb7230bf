#include "serial/LinkTrace.h"

#include "model/BoardFormat.h"
#include "serial/ComDevice.h"

#include <utility>

namespace {

const QString Sent = QStringLiteral("→");
const QString Received = QStringLiteral("←");
const QString Failed = QStringLiteral("✗");
const QString OnLine = QStringLiteral("·");
constexpr int NameWidth = 16;

QString hex(const QByteArray& bytes) {
    return QString::fromLatin1(bytes.toHex(' '));
}

QString printable(const QByteArray& bytes) {
    QString t;
    for (const char c : bytes)
        t += c >= 0x20 && c < 0x7f ? QChar::fromLatin1(c) : QChar(u'.');
    return t;
}

QString length(qsizetype n) {
    //: As wide as the plural, so that the bytes that follow stay in one column.
    const QString singular = LinkTrace::tr("octet ");
    return QStringLiteral("%1 %2").arg(n, 3).arg(n > 1 ? LinkTrace::tr("octets") : singular);
}

} // namespace

QString singleLine(QString s) {
    for (QChar& c : s) {
        if (c.unicode() < 0x20)
            c = u' ';
    }
    return s;
}

LinkTrace::LinkTrace(ISerialLine& line, IClock& clock, Output output, Origin origin)
    : m_line(line), m_clock(clock), m_output(std::move(output)), m_origin(origin),
      m_start(clock.monotonicMs()) {}

void LinkTrace::conclude() {
    m_writeFailed = false;
    if (std::exchange(m_awaitingReply, false))
        note(Failed, m_name + tr(" : pas de réponse"));
}

// A failed write is told as it happens; the exchange still waits for its reply, so the
// failure does not conclude it.
void LinkTrace::noteFailure(const QString& text) {
    if (!std::exchange(m_writeFailed, false))
        conclude();
    //: Between an exchange's name and what went wrong with it.
    const QString separator = tr(" : ");
    note(Failed, (m_name.isEmpty() ? QString() : m_name + separator) + singleLine(text));
}

int LinkTrace::open(int number) {
    conclude();
    return opening(QStringLiteral("COM%1 (%2)").arg(number).arg(comDevice(number)),
                   m_line.open(number));
}

int LinkTrace::openDevice(const QString& device) {
    conclude();
    return opening(device, m_line.openDevice(device));
}

void LinkTrace::beginCommand() {
    conclude();
    if (m_origin == Origin::EachCommand)
        m_start = m_clock.monotonicMs();
    m_line.beginCommand();
}

int LinkTrace::opening(const QString& name, int code) {
    m_name.clear();
    m_message.clear();
    m_blocks = 0;
    note(code == 0 ? OnLine : Failed,
         code == 0 ? tr("ouverture de %1").arg(name)
                   : tr("%1 ne s'ouvre pas (erreur %2)").arg(name).arg(code));
    return code;
}

void LinkTrace::close() {
    conclude();
    if (m_line.isOpen())
        note(OnLine, tr("fermeture"));
    m_line.close();
}

int LinkTrace::write(const QByteArray& bytes) {
    const bool resent = m_awaitingReply && bytes == m_message;
    if (resent)
        note(Failed, m_name + tr(" : pas de réponse, second envoi"));
    else
        conclude();
    if (!resent)
        m_name = nameOf(bytes);
    m_message = bytes;
    m_awaitingReply = true;
    noteBytes(Sent, m_name, bytes);
    const int code = m_line.write(bytes);
    m_writeFailed = code != 0;
    if (code != 0)
        note(Failed, tr("%1 : erreur d'écriture %2").arg(m_name).arg(code));
    return code;
}

// Bytes discarded before the blocks are shown too: they are a late reply to something.
void LinkTrace::clearInput() {
    const QByteArray discarded = m_line.readAll();
    if (!discarded.isEmpty())
        noteBytes(Received, tr("écartés"), discarded);
    m_line.clearInput();
}

QByteArray LinkTrace::readAll() {
    const QByteArray bytes = m_line.readAll();
    m_awaitingReply = false;
    m_writeFailed = false;
    if (!bytes.isEmpty())
        noteBytes(Received, m_name, bytes);
    return bytes;
}

QString LinkTrace::nameOf(const QByteArray& message) {
    using namespace boardformat;
    if (message == "?") {
        m_blocks = 0;
        return tr("identification");
    }
    if (message == QByteArray(BlockSize, '*'))
        return tr("resynchronisation");
    if (message == "P")
        return tr("P (bloc %1)").arg(++m_blocks);
    if (message == QByteArray(BlockSize, '\0'))
        return tr("bloc de fin");
    if (message == "F" || message == "R")
        return QString::fromLatin1(message);
    return tr("bloc %1").arg(m_blocks);
}

void LinkTrace::note(const QString& direction, const QString& text) {
    m_output(QStringLiteral("%1 ms  %2  %3")
                 .arg(m_clock.monotonicMs() - m_start, 6)
                 .arg(direction, text));
}

void LinkTrace::noteBytes(const QString& direction, const QString& name, const QByteArray& bytes) {
    note(direction, QStringLiteral("%1 %2  %3  |%4|")
                        .arg(name, -NameWidth)
                        .arg(length(bytes.size()), hex(bytes), printable(bytes)));
}
