#pragma once

#include "model/Report.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <QString>

#include <functional>
#include <memory>

class IAlarm;
class IClock;
class ISerialLine;
struct PortChoice;

// The dialogue with the board as every board command carries it out: the port opened afresh
// with the board's identification, then exchanges of one message and its reply. An exchange
// runs on the line's announcements and an alarm for its deadline; it ends by calling its
// continuation, never by waiting. The outcome of the last exchange and its reply are kept
// between commands, since a command that finds the port closed goes on with what the last
// exchange left.
class BoardLink {
    Q_DECLARE_TR_FUNCTIONS(BoardLink)

public:
    enum class State { None, Answered, Silent };
    using Then = std::function<void()>;

    // A failed dialogue as French source texts of this class: the fault, then the advice
    // that follows it after a form feed, when there is one.
    struct Fault {
        const char* text;
        const char* advice;
    };
    static constexpr Fault DialogueFault{QT_TRANSLATE_NOOP("BoardLink", "DEFAUT DE DIALOGUE"),
                                         nullptr};

    BoardLink(ISerialLine& line, IClock& clock);
    ~BoardLink();

    ISerialLine& line() { return m_line; }
    State state() const { return m_state; }
    const QByteArray& reply() const { return m_reply; }

    // Reopens the line on `port` and asks the board who it is, then calls `then` with whether
    // the port opened. When it does not, that is reported, nothing is asked and the last
    // exchange's outcome stays.
    void openPort(const PortChoice& port, std::function<void(bool opened)> then);
    // Writes `message` (its first 32 bytes) and awaits `replyLength` bytes until the deadline,
    // sending it a second time when they do not come; the reply is everything waiting once
    // they have. `afterFirstWrite` runs once the message is first on its way.
    void exchange(const QByteArray& message, int replyLength, Then then, Then afterFirstWrite = {});
    // "?" until the board answers, twice at most, with a line of asterisks between to bring
    // a board that missed the start of the query back in step.
    void queryIdentification(Then then);
    // A failed dialogue, told in the user's language: critical, unless the French text begins
    // with "T" (what a translation begins with changes nothing).
    void reportFailure(const Fault& fault);

    // The reports of the command so far, in the order they came; taking them empties the list.
    QList<Report> takeReports();

private:
    void send(const Then& afterWrite);
    void lookAtReply();
    void deadlinePassed();
    void conclude(State state);
    void report(const Report& report);

    ISerialLine& m_line;
    IClock& m_clock;
    std::unique_ptr<IAlarm> m_deadline;
    State m_state = State::None;
    QByteArray m_reply;
    QList<Report> m_reports;
    // The exchange under way, while `m_then` is set.
    QByteArray m_message;
    int m_replyLength = 0;
    bool m_lastSending = false;
    Then m_then;
};
