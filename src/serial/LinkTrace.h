#pragma once

#include "serial/SerialLine.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

#include <functional>
#include <utility>

// A message as one line: control characters, which may break it, become blanks.
QString singleLine(QString s);

// Stands between the board session and its serial line and tells every exchange, one line
// each, to `output`:
//
//     1046 ms  →  bloc 7           32 octets  01 fe …  |....|
//     1079 ms  ←  bloc 7            1 octet   3f       |?|
//     4121 ms  ✗  bloc 8 : pas de réponse
//
// the time since the trace or the command started, the direction, the exchange, the length,
// the bytes in hex and as text (a dot for a byte that does not print). The exchanges are
// named from the messages themselves: the board's protocol has no other framing. A message
// written twice with no reading of the reply between went unanswered the first time; one not
// read when the next thing happens on the line, or when conclude() is called, went unanswered
// for good. Only installed while someone looks, so a line without a trace pays nothing for it.
class LinkTrace : public ISerialLine {
    Q_DECLARE_TR_FUNCTIONS(LinkTrace)

public:
    using Output = std::function<void(const QString& line)>;
    enum class Origin { Creation, EachCommand };

    // The times count from now, or from the start of each board command.
    LinkTrace(ISerialLine& line, IClock& clock, Output output, Origin origin = Origin::Creation);

    // Tells the exchange still awaiting its reply as unanswered.
    void conclude();

    int open(int number) override;
    int openDevice(const QString& device) override;
    bool isOpen() const override { return m_line.isOpen(); }
    void close() override;
    int write(const QByteArray& bytes) override;
    int bytesWaiting() override { return m_line.bytesWaiting(); }
    void listen(Listener listener) override { m_line.listen(std::move(listener)); }
    void clearInput() override;
    QByteArray readAll() override;
    // A command that finds the port still open from the last one closes it first: that
    // closing is told under the new command, with its clock.
    void beginCommand() override;
    // "✗ <exchange> : <text>", under the exchange that caused it.
    void noteFailure(const QString& text) override;

private:
    int opening(const QString& name, int code);
    QString nameOf(const QByteArray& message);
    void note(const QString& direction, const QString& text);
    void noteBytes(const QString& direction, const QString& name, const QByteArray& bytes);

    ISerialLine& m_line;
    IClock& m_clock;
    Output m_output;
    Origin m_origin;
    qint64 m_start;
    QByteArray m_message;         // the last message written
    QString m_name;               // its name
    bool m_awaitingReply = false; // written, reply not read yet
    bool m_writeFailed = false;   // the last write failed; its reply is still awaited
    int m_blocks = 0;             // data blocks announced by "P" since the last identification
};
