#pragma once

#include "board/BoardLink.h"
#include "board/PortChoice.h"
#include "model/Report.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>

class IClock;
class ISerialLine;
class Sequence;

// What a board command did, with the boxes it has for the user, in their order.
struct BoardOutcome {
    enum class Result {
        Done,
        NothingToDo,     // an upload of an empty sequence: the port is not even opened
        Busy,            // another board command holds the line: nothing happened
        PortUnavailable, // the port did not open
        NoAnswer,        // the board did not answer, or not as a board does
    };
    Result result = Result::Done;
    QList<Report> reports;
    QByteArray reply; // what the board last said, for a reply that lacks its identification
};

// The link to the board: the port in force, the exchanges (one message, a bounded wait for
// the reply, one resend), the identification of the board, its test, its reset and the
// upload of a sequence. Knows nothing of the window or of the editor's internals.
//
// A command runs to its end before it returns; the line is held meanwhile, so that a command
// started from eventsMayRun() does nothing and says Busy.
class BoardSession : public QObject {
    Q_OBJECT

public:
    BoardSession(ISerialLine& line, IClock& clock, QObject* parent = nullptr);

    // --- The port in force ---
    void chooseCom(int index);                // COM index + 1; a device chosen by name is given up
    void chooseDevice(const QString& device); // "" goes back to the COM
    int comIndex() const;
    PortInForce port() const;

    // --- Board commands ---
    BoardOutcome identifyBoard(); // opens the port; the identification shows in "CARTE"
    BoardOutcome testBoard();     // the same, then the test window shows the reply
    BoardOutcome resetBoard();
    // Writes records 0..250 of `sequence` at the base period `basePeriodIndex`.
    BoardOutcome upload(const Sequence& sequence, int basePeriodIndex);

    // "?" until the board first said who it is, then the last identification found.
    QString identification() const;

signals:
    void identificationChanged(const QString& identification);
    void testAnswered(const QString& text); // the test window shows this text
    void resettingChanged(bool resetting);  // "CARTE" turns yellow, then light grey
    void uploadingChanged(bool uploading);  // the navigator gives way to the progress bar
    // 0 of `blocks` as the bar appears, then each block while it crosses the line, so that
    // the bar may be repainted at no cost to the upload.
    void uploadProgress(int blocksSent, int blocks);
    // The one moment of a command when pending events may run (before an upload's blocks,
    // at the start of a reset, once the yellow shows).
    void eventsMayRun();
    // The port in force changed (the COM ticked in the menu, or a device chosen by name).
    void portChanged();

private:
    template <typename Command> BoardOutcome run(Command command);
    bool showIdentification();
    BoardOutcome::Result judgeIdentification(bool opened) const;
    BoardOutcome::Result runTest();
    BoardOutcome::Result runReset();
    BoardOutcome::Result runUpload(const Sequence& sequence, int basePeriodIndex);
    void setPort(const PortChoice& port);

    BoardLink m_link;
    PortChoice m_port;
    QString m_identification = QStringLiteral("?");
    bool m_busy = false;
};
