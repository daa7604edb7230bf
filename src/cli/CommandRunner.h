#pragma once

#include "board/BoardSession.h"
#include "board/MultiBoardUpload.h"
#include "cli/CommandLine.h"
#include "cli/ConsoleOutput.h"
#include "cli/ExitStatus.h"
#include "cli/InterruptWatch.h"
#include "cli/TerminalPlatform.h"
#include "editing/FileCommands.h"
#include "editing/SequenceEditor.h"
#include "serial/LinkTrace.h"
#include "serial/QtClock.h"
#include "serial/QtSerialLine.h"

#include <QObject>

#include <functional>
#include <optional>

// The board session on the serial line, and a sequence file opened as "Ouvrir" opens it, for
// one command from a terminal. Its results go to standard output, its progress, messages and
// trace to standard error; each command ends with the program's exit status. The board's
// dialogue runs on the event loop. Several boards are programmed together, one line each.
class CommandRunner : public QObject {
    Q_OBJECT

public:
    // The trace, when asked for, tells the line from now on.
    explicit CommandRunner(const Request& request);

    void start();
    // An upload under way ends after the block on the line; one not begun does not begin.
    void stop();

signals:
    void finished(ExitStatus status);

private:
    using Then = std::function<void(ExitStatus status)>;

    void identify();
    void program();
    void upload();
    void programSeveral();
    QStringList boardDevices(); // none, and that told, when --all finds no adapter
    void severalEnded();
    void noteCut();
    void reset();
    ExitStatus check();

    void askIdentification(Then then);
    void boardEnded(const BoardOutcome& outcome);
    ExitStatus finish(const BoardOutcome& outcome);
    ExitStatus openFile();
    QString baseText() const; // the base period in force, as the list shows it
    QString summary(const QString& identification) const; // of a board programmed
    // The line the session talks through: the trace in front of the port when asked for.
    ISerialLine& line(bool trace);

    Request m_request;
    ConsoleOutput m_output;
    TerminalPlatform m_platform;
    QtClock m_clock;
    QtSerialLine m_serial;
    std::optional<LinkTrace> m_trace; // made before the session, which talks through it
    BoardSession m_board;
    SequenceEditor m_editor;
    FileCommands m_files;
    std::function<void(const BoardOutcome&)> m_afterBoard; // the board command's continuation
    MultiBoardUpload m_boards;
    std::optional<InterruptWatch> m_interrupts; // while a program command runs
    bool m_stopping = false;
};
