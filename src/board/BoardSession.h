#pragma once

#include "board/BoardLink.h"
#include "board/PortChoice.h"
#include "board/Upload.h"
#include "model/Report.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>

#include <functional>

class IClock;
class ISerialLine;
class Sequence;

// What a board command did, with the boxes it has for the user, in their order.
struct BoardOutcome {
    enum class Result {
        Done,
        NothingToDo,     // an upload of an empty sequence: the port is not even opened
        PortUnavailable, // the port did not open
        NoAnswer,        // the board did not answer, or not as a board does
        Stopped,         // the user stopped an upload: the board holds part of the sequence
    };
    Result result = Result::Done;
    QList<Report> reports;
    QByteArray reply; // what the board last said, for a reply that lacks its identification
};

// The link to the board: the port in force, the exchanges (one message, a bounded wait for
// the reply, one resend), the identification of the board, its test, its reset and the
// upload of a sequence. Knows nothing of the window or of the editor's internals.
//
// A command starts at once and runs on the event loop, ending with finished(). The line is
// held meanwhile: another command is refused and nothing happens.
class BoardSession : public QObject {
    Q_OBJECT

public:
    BoardSession(ISerialLine& line, IClock& clock, QObject* parent = nullptr);

    // --- The port in force ---
    void chooseCom(int index);                // COM index + 1; a device chosen by name is given up
    void chooseDevice(const QString& device); // "" goes back to the COM
    int comIndex() const;
    PortInForce port() const;

    // --- Board commands: false when another command holds the line ---
    bool identifyBoard(); // opens the port; the identification shows in "CARTE"
    bool testBoard();     // the same, then the test window shows the reply
    bool resetBoard();
    // Writes records 0..250 of `sequence`, as it is now, at the base period `basePeriodIndex`.
    bool upload(const Sequence& sequence, int basePeriodIndex);
    // An upload under way ends after the block on the line; anything else runs to its end.
    void stop();
    bool busy() const { return m_busy; }

    // "?" until the board first said who it is, then the last identification found.
    QString identification() const;

signals:
    void finished(const BoardOutcome& outcome);
    void identificationChanged(const QString& identification);
    void testAnswered(const QString& text); // the test window shows this text
    void resettingChanged(bool resetting);  // "CARTE" turns yellow, then light grey
    void uploadingChanged(bool uploading);  // the navigator gives way to the progress bar
    // 0 of `blocks` as the bar appears, then each block while it crosses the line.
    void uploadProgress(int blocksSent, int blocks);
    // The port in force changed (the COM ticked in the menu, or a device chosen by name).
    void portChanged();

private:
    using Opened = std::function<void(bool opened)>;

    bool begin(const std::function<void()>& command);
    void end(BoardOutcome::Result result, const QList<Report>& more = {});
    void openAndIdentify(Opened then);
    void noteIdentification();
    BoardOutcome::Result judgeIdentification(bool opened) const;
    void runReset();
    void endReset(bool opened);
    void runUpload();
    void uploadEnded(Upload::End end);
    void setPort(const PortChoice& port);

    BoardLink m_link;
    Upload m_upload;
    PortChoice m_port;
    PortChoice m_portInUse; // the port in force when the command began
    QString m_identification = QStringLiteral("?");
    bool m_busy = false;
};
