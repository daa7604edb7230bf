#include "cli/CommandRunner.h"

#include "model/Sequence.h"
#include "model/TimeBase.h"
#include "serial/QtPortEnumerator.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstdio>
#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

bool stderrIsTerminal() {
#ifdef Q_OS_UNIX
    return isatty(fileno(stderr)) != 0;
#else
    return false;
#endif
}

QString noIdentificationText(const QByteArray& reply) {
    return QCoreApplication::translate(
               "CommandRunner", "la réponse ne porte pas l'identification d'une carte LT840 : «%1»")
        .arg(QString::fromLatin1(reply));
}

QString notBegunText() {
    return QCoreApplication::translate(
        "CommandRunner", "Programmation interrompue avant son début : la carte garde sa séquence.");
}

// What a board that was not programmed says: its reports, else why it has none.
QString failureText(const BoardOutcome& outcome) {
    QStringList texts;
    for (const Report& report : outcome.reports)
        texts += report.text;
    if (!texts.isEmpty())
        return texts.join(u' ');
    return outcome.result == BoardOutcome::Result::Stopped ? notBegunText()
                                                           : noIdentificationText(outcome.reply);
}

} // namespace

// The trace's lines would break into a bar drawn in place on the same stream.
CommandRunner::CommandRunner(const Request& request)
    : m_request(request), m_output(!request.trace && stderrIsTerminal()),
      m_board(line(request.trace), m_clock), m_editor(m_platform.clipboard),
      m_files(m_editor, m_platform.fileDialog, m_platform.questions, m_platform.folders),
      m_boards([] { return std::make_unique<QtSerialLine>(); }, m_clock) {
    m_board.chooseDevice(request.device);
    m_editor.chooseBasePeriod(request.basePeriodIndex);
    connect(&m_board, &BoardSession::uploadProgress, this,
            [this](int sent, int blocks) { m_output.showProgress(sent, blocks); });
    connect(&m_board, &BoardSession::finished, this, &CommandRunner::boardEnded);
}

ISerialLine& CommandRunner::line(bool trace) {
    if (!trace)
        return m_serial;
    return m_trace.emplace(m_serial, m_clock,
                           [this](const QString& line) { m_output.traceLine(line); });
}

void CommandRunner::start() {
    switch (m_request.command) {
    case Request::Command::Identify:
        return identify();
    case Request::Command::Program:
        return program();
    case Request::Command::Reset:
        return reset();
    case Request::Command::Check:
        break;
    }
    emit finished(check());
}

void CommandRunner::stop() {
    m_stopping = true;
    m_board.stop();
    m_boards.stop();
}

// The exchange still open in the trace is told before the command's messages.
ExitStatus CommandRunner::finish(const BoardOutcome& outcome) {
    if (m_trace)
        m_trace->conclude();
    m_output.endBar();
    for (const Report& report : outcome.reports)
        m_output.tell(report.text);
    return exitStatusOf(outcome.result);
}

void CommandRunner::boardEnded(const BoardOutcome& outcome) {
    if (m_afterBoard)
        std::exchange(m_afterBoard, {})(outcome);
}

// A board that answers without its identification is not silent: its reply is shown.
void CommandRunner::askIdentification(Then then) {
    m_afterBoard = [this, then = std::move(then)](const BoardOutcome& outcome) {
        const ExitStatus status = finish(outcome);
        if (outcome.result == BoardOutcome::Result::NoAnswer && !outcome.reply.isEmpty())
            m_output.tell(noIdentificationText(outcome.reply));
        then(status);
    };
    m_board.identifyBoard();
}

ExitStatus CommandRunner::openFile() {
    const FileCommands::Outcome outcome = m_files.openPath(m_request.file);
    if (outcome.report)
        m_output.tellAbout(m_request.file, outcome.report->text);
    return outcome.done ? ExitStatus::Done : ExitStatus::FileRefused;
}

QString CommandRunner::baseText() const {
    return timebase::basePeriodTexts().at(m_editor.basePeriodIndex());
}

QString CommandRunner::summary(const QString& identification) const {
    const int programmed = qMin(m_editor.sequence().length(), Sequence::BoardCapacity);
    return QCoreApplication::translate("CommandRunner",
                                       "%1 enregistrements programmés, base %2, carte %3")
        .arg(QString::number(programmed), baseText(), identification.trimmed());
}

// The board holds the first records only; a longer sequence is cut there, as from the window.
void CommandRunner::noteCut() {
    if (m_editor.sequence().length() > Sequence::BoardCapacity)
        m_output.tellAbout(m_request.file,
                           QCoreApplication::translate("CommandRunner",
                                                       "seuls les enregistrements 0 à %1 tiennent "
                                                       "dans la carte")
                               .arg(Sequence::LastBoardRecord));
}

void CommandRunner::identify() {
    askIdentification([this](ExitStatus status) {
        if (status == ExitStatus::Done)
            m_output.result(m_board.identification().trimmed());
        emit finished(status);
    });
}

// The board is asked who it is before the upload, which asks again: a board that does not
// answer is thus told once, and the upload itself starts only with a board at the end.
void CommandRunner::program() {
    if (const ExitStatus status = openFile(); status != ExitStatus::Done)
        return emit finished(status);
    if (m_editor.sequence().length() == 0) {
        m_output.tellAbout(m_request.file,
                           QCoreApplication::translate("CommandRunner",
                                                       "la séquence est vide, rien à programmer"));
        return emit finished(ExitStatus::FileRefused);
    }
    m_interrupts.emplace();
    connect(&*m_interrupts, &InterruptWatch::interrupted, this, &CommandRunner::stop);
    if (m_request.severalBoards())
        return programSeveral();
    askIdentification([this](ExitStatus status) {
        if (status != ExitStatus::Done)
            return emit finished(status);
        if (m_stopping) {
            m_output.tell(notBegunText());
            return emit finished(ExitStatus::Stopped);
        }
        upload();
    });
}

void CommandRunner::upload() {
    m_afterBoard = [this](const BoardOutcome& outcome) {
        const ExitStatus status = finish(outcome);
        if (status != ExitStatus::Done)
            return emit finished(status);
        noteCut();
        m_output.result(summary(m_board.identification()));
        emit finished(ExitStatus::Done);
    };
    m_board.upload(m_editor.sequence(), m_editor.basePeriodIndex());
}

void CommandRunner::programSeveral() {
    const QStringList devices = boardDevices();
    if (devices.isEmpty())
        return emit finished(ExitStatus::PortUnavailable);
    connect(&m_boards, &MultiBoardUpload::progress, this,
            [this, devices](int board, int sent, int blocks) {
                m_output.showProgress(board, int(devices.size()), devices[board], sent, blocks);
            });
    connect(&m_boards, &MultiBoardUpload::finished, this, &CommandRunner::severalEnded);
    m_boards.start(devices, m_editor.sequence(), m_editor.basePeriodIndex());
}

QStringList CommandRunner::boardDevices() {
    if (!m_request.allAdapters)
        return m_request.devices;
    QtPortEnumerator system;
    QStringList devices;
    for (const PortEntry& entry : deviceEntries(system.ports(), {}))
        devices += entry.device;
    if (devices.isEmpty())
        m_output.tell(QCoreApplication::translate(
            "CommandRunner", "aucun adaptateur série trouvé : branchez les cartes, ou donnez "
                             "--port"));
    return devices;
}

// Each board's line in the order its port was given; the worst outcome is the program's.
void CommandRunner::severalEnded() {
    m_output.endBar();
    noteCut();
    ExitStatus status = ExitStatus::Done;
    for (const MultiBoardUpload::Board& board : m_boards.boards()) {
        const bool programmed = board.outcome.result == BoardOutcome::Result::Done;
        m_output.boardResult(board.device, programmed ? summary(board.identification)
                                                      : failureText(board.outcome));
        status = std::max(status, exitStatusOf(board.outcome.result));
    }
    emit finished(status);
}

void CommandRunner::reset() {
    askIdentification([this](ExitStatus status) {
        if (status != ExitStatus::Done)
            return emit finished(status);
        m_afterBoard = [this](const BoardOutcome& outcome) {
            const ExitStatus status = finish(outcome);
            if (status == ExitStatus::Done)
                m_output.result(
                    QCoreApplication::translate("CommandRunner", "carte %1 réinitialisée")
                        .arg(m_board.identification().trimmed()));
            emit finished(status);
        };
        m_board.resetBoard();
    });
}

ExitStatus CommandRunner::check() {
    if (const ExitStatus status = openFile(); status != ExitStatus::Done)
        return status;
    const Sequence& sequence = m_editor.sequence();
    const double seconds =
        timebase::loopSeconds(sequence, timebase::basePeriod(m_editor.basePeriodIndex()));
    m_output.result(QCoreApplication::translate(
                        "CommandRunner", "%1 : %2 enregistrements, un tour dure %3 s à la base %4")
                        .arg(shownFileName(m_request.file), QString::number(sequence.length()),
                             timebase::periodText(seconds), baseText()));
    return ExitStatus::Done;
}
