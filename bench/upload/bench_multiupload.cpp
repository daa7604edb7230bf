#include "CountingLine.h"
#include "UploadBench.h"
#include "VirtualBoard.h"
#include "board/MultiBoardUpload.h"
#include "board/UploadStream.h"
#include "model/TimeBase.h"
#include "serial/QtClock.h"
#include "serial/QtSerialLine.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTextStream>

#include <map>
#include <memory>
#include <vector>

// Times one full sequence programmed into 1, 4 and 8 virtual boards at once, as the window
// does it (each board asked who it is, then programmed, every line on the one event loop),
// and compares the wall time of 4 and 8 boards with that of one: the line is the same for
// each board, so a perfect editor takes no longer for 8 than for 1. The board processes and
// the editor share the machine's processors, so the time each side runs and the time it waits
// for a processor are shown apart: only the editor's share is the editor's to save.

namespace {

constexpr int DefaultPasses = 7;
constexpr int BasePeriodIndex = 3; // "0.1"
constexpr int Records = Sequence::BoardCapacity;
constexpr int BoardCounts[] = {1, 4, 8};

// What a process's main thread, where the editor and the board do all their work, has spent so
// far, in milliseconds: running, and ready to run but waiting for a processor.
struct Spent {
    double running = 0;
    double waiting = 0;

    Spent& operator+=(const Spent& other) {
        running += other.running;
        waiting += other.waiting;
        return *this;
    }
    Spent operator-(const Spent& other) const {
        return {running - other.running, waiting - other.waiting};
    }
};

Spent spentBy(qint64 pid) {
    QFile file(QStringLiteral("/proc/%1/schedstat").arg(pid));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QList<QByteArray> fields = file.readAll().split(' ');
    if (fields.size() < 2)
        return {};
    return {fields[0].toDouble() / 1e6, fields[1].toDouble() / 1e6};
}

Spent spentByBoards(const std::vector<std::unique_ptr<VirtualBoard>>& boards) {
    Spent sum;
    for (const auto& board : boards)
        sum += spentBy(board->processId());
    return sum;
}

// Times in milliseconds. The editor's processor time is shared out among the boards; its
// wait for a processor is whole, as it holds up every board.
struct Measure {
    double wall = 0;
    double editorCpu = 0; // per board
    double editorWait = 0;
    double boardCpu = 0;         // per board
    double boardWait = 0;        // per board
    double openClose = 0;        // per board: the event loop waits meanwhile
    double turnaroundMedian = 0; // the editor's, over every board's replies
    double lineMedian = 0;       // the same from the reply's end on the wire
    int count = 0;
    QString failure;

    // Percent of one processor over the wall time, all boards together.
    double editorLoad() const { return 100 * editorCpu * count / wall; }
    double boardsLoad() const { return 100 * boardCpu * count / wall; }
};

// Every board must hold the whole stream, or the time means nothing.
QString judge(const MultiBoardUpload& upload,
              const std::vector<std::unique_ptr<VirtualBoard>>& boards, const QByteArray& stream) {
    for (qsizetype b = 0; b < upload.boards().size(); ++b) {
        const BoardOutcome& outcome = upload.boards().at(b).outcome;
        if (outcome.result != BoardOutcome::Result::Done)
            return outcome.reports.isEmpty() ? QStringLiteral("?") : outcome.reports.first().text;
        if (boards[size_t(b)]->receivedStream() != stream)
            return QStringLiteral("board %1 holds another stream").arg(b + 1);
    }
    return {};
}

void takeLineFigures(Measure& m, const QList<CountingLine*>& lines) {
    QList<qint64> turnarounds, onLine;
    for (const CountingLine* line : lines) {
        m.openClose += double(line->openCloseNs) / 1e6 / double(lines.size());
        turnarounds += line->turnaroundsNs;
        onLine += line->lineTurnaroundsNs;
    }
    m.turnaroundMedian = median(milliseconds(turnarounds));
    m.lineMedian = median(milliseconds(onLine));
}

// Fresh boards, lines and upload for each run.
Measure programBoards(int count, const Sequence& sequence) {
    Measure m;
    m.count = count;
    std::vector<std::unique_ptr<VirtualBoard>> boards;
    QStringList devices;
    for (int b = 0; b < count; ++b) {
        boards.push_back(std::make_unique<VirtualBoard>());
        m.failure = boards.back()->start();
        if (!m.failure.isEmpty())
            return m;
        devices << boards.back()->device();
    }
    std::vector<std::unique_ptr<QtSerialLine>> serialLines; // outlive the upload's sessions
    QList<CountingLine*> lines;
    QtClock clock;
    MultiBoardUpload upload(
        [&] {
            serialLines.push_back(std::make_unique<QtSerialLine>());
            auto line = std::make_unique<CountingLine>(*serialLines.back());
            lines << line.get();
            return line;
        },
        clock);
    QEventLoop loop;
    QElapsedTimer wall;
    QObject::connect(&upload, &MultiBoardUpload::finished, &loop, &QEventLoop::quit);

    const qint64 editorPid = QCoreApplication::applicationPid();
    const Spent editorBefore = spentBy(editorPid);
    const Spent boardsBefore = spentByBoards(boards);
    wall.start();
    if (upload.start(devices, sequence, BasePeriodIndex) && upload.running())
        loop.exec();
    m.wall = double(wall.nsecsElapsed()) / 1e6;
    const Spent editor = spentBy(editorPid) - editorBefore;
    const Spent board = spentByBoards(boards) - boardsBefore;
    m.editorCpu = editor.running / count;
    m.editorWait = editor.waiting;
    m.boardCpu = board.running / count;
    m.boardWait = board.waiting / count;
    takeLineFigures(m, lines);
    m.failure =
        judge(upload, boards, uploadstream::build(sequence, timebase::basePeriod(BasePeriodIndex)));
    return m;
}

QString row(const QString& pass, const Measure& m, const QString& ratio) {
    return QStringLiteral("%1 %2 %3 %4 %5 %6 %7 %8 %9 %10 %11 %12 %13\n")
        .arg(m.count, 6)
        .arg(pass, 6)
        .arg(m.wall, 7, 'f', 1)
        .arg(ratio, 6)
        .arg(m.editorCpu, 7, 'f', 2)
        .arg(m.editorWait, 7, 'f', 2)
        .arg(m.boardCpu, 7, 'f', 2)
        .arg(m.boardWait, 7, 'f', 2)
        .arg(m.openClose, 7, 'f', 2)
        .arg(m.editorLoad(), 6, 'f', 1)
        .arg(m.boardsLoad(), 6, 'f', 1)
        .arg(m.turnaroundMedian, 7, 'f', 3)
        .arg(m.lineMedian, 7, 'f', 3);
}

// Each figure's own median over the runs.
Measure medians(const QList<Measure>& measures) {
    return medians(measures, {&Measure::wall, &Measure::editorCpu, &Measure::editorWait,
                              &Measure::boardCpu, &Measure::boardWait, &Measure::openClose,
                              &Measure::turnaroundMedian, &Measure::lineMedian});
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const int passes = argc > 1 ? qMax(1, QByteArray(argv[1]).toInt()) : DefaultPasses;
    QTextStream out(stdout);
    out << "                        editor (ms)    board (ms)   open+cl   % cpu       (ms)\n"
           "boards    run    wall  ratio    cpu    wait     cpu    wait    (ms) editor boards "
           "turn med line med\n";
    const Sequence sequence = composed(Records);
    std::map<int, QList<Measure>> measures;
    bool ok = true;
    // The counts take turns, so that a busier moment of the machine weighs on each alike.
    for (int pass = 1; pass <= passes; ++pass) {
        for (int count : BoardCounts) {
            const Measure m = programBoards(count, sequence);
            if (!m.failure.isEmpty()) {
                out << count << " boards: upload failed: " << m.failure << Qt::endl;
                ok = false;
                continue;
            }
            out << row(QString::number(pass), m, QString()) << Qt::flush;
            measures[count].append(m);
        }
    }
    const double single = measures.contains(1) ? medians(measures[1]).wall : 0;
    for (const auto& [count, runs] : measures) {
        const Measure m = medians(runs);
        out << row(QStringLiteral("median"), m, QString::number(m.wall / single, 'f', 3));
    }
    out << "ratio = median wall / median wall of one board; goal: 8 boards <= 1.15\n"
           "editor, board: processor time running and ready but waiting for a processor; per "
           "board, except the editor's wait, which holds up every board\n"
           "open+cl: per board, the editor's wait for the port to open and close, during which "
           "no line is served; % cpu: all boards together, of one processor over the wall time\n"
           "turn: from the editor's first sight of a reply to its next write; line: from the "
           "reply's end on the wire, board and kernel wake-up included\n";
    return ok ? 0 : 1;
}
