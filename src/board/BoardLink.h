#pragma once

#include "model/Report.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <QString>

#include <functional>

class IClock;
class ISerialLine;
struct PortChoice;

// The dialogue with the board as every board command carries it out: the port opened afresh
// with the board's identification, then exchanges of one message and its reply. The outcome
// of the last exchange and its reply are kept between commands, since a command that finds
// the port closed goes on with what the last exchange left.
class BoardLink {
    Q_DECLARE_TR_FUNCTIONS(BoardLink)

public:
    enum class State { None, Answered, Silent };

    // A failed dialogue as French source texts of this class: the fault, then the advice
    // that follows it after a form feed, when there is one.
    struct Fault {
        const char* text;
        const char* advice;
    };
    static constexpr Fault DialogueFault{QT_TRANSLATE_NOOP("BoardLink", "DEFAUT DE DIALOGUE"),
                                         nullptr};

    BoardLink(ISerialLine& line, IClock& clock) : m_line(line), m_clock(clock) {}

    ISerialLine& line() { return m_line; }
    State state() const { return m_state; }
    const QByteArray& reply() const { return m_reply; }

    // Reopens the line on `port` and asks the board who it is. False, reported, when the port
    // does not open: nothing is asked then, and the last exchange's outcome stays.
    bool openPort(const PortChoice& port);
    // Writes `message` (its first 32 bytes) and waits for `replyLength` bytes, sending it a
    // second time when they do not come; the reply is everything waiting once they have.
    // `whileOnLine` runs once, after the first writing, while the message is on its way.
    void exchange(const QByteArray& message, int replyLength,
                  const std::function<void()>& whileOnLine = {});
    // "?" until the board answers, twice at most, with a line of asterisks between to bring
    // a board that missed the start of the query back in step.
    void queryIdentification();
    // A failed dialogue, told in the user's language: critical, unless the French text begins
    // with "T" (what a translation begins with changes nothing).
    void reportFailure(const Fault& fault);

    // The reports of the command so far, in the order they came; taking them empties the list.
    QList<Report> takeReports();

private:
    void report(const Report& report);
    bool replyArrived(int replyLength);

    ISerialLine& m_line;
    IClock& m_clock;
    State m_state = State::None;
    QByteArray m_reply;
    QList<Report> m_reports;
};
