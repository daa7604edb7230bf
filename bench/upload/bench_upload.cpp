#include "CountingLine.h"
#include "UploadBench.h"
#include "VirtualBoard.h"
#include "board/BoardSession.h"
#include "serial/QtClock.h"
#include "serial/QtSerialLine.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTextStream>
#include <algorithm>
#include <ctime>
#include <numeric>

// Times an upload ("&Programmation") against the virtual board, with the same exchanges as
// the window (identification included), and compares the time the exchanges take with the
// time the bytes that crossed the line need at 9600 baud, 10 bits a byte, both directions: no
// program can beat that bound, so the ratio shows what the board session and the serial layer
// add to it. Opening and closing the port (a lock file, the line settings, the last bytes
// leaving) are timed apart. The turnaround is the session's own time between a reply and its
// next message.

namespace {

constexpr double SecondsPerByte = 10.0 / 9600.0;
constexpr int Passes = 7;
constexpr int BasePeriodIndex = 3; // "0.1"

double processorTime() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

double maximum(const QList<double>& values) {
    return values.isEmpty() ? 0 : *std::max_element(values.begin(), values.end());
}

// Times in milliseconds.
struct Measure {
    double wall = 0;
    double openClose = 0;
    double bound = 0;
    double turnaroundSum = 0;
    double turnaroundMedian = 0;
    double turnaroundMax = 0;
    double lineMedian = 0;
    double lineMax = 0;
    double processor = 0;
    QString failure;

    double exchanges() const { return wall - openClose; }
    double ratio() const { return exchanges() / bound; }
};

void takeLineFigures(Measure& m, const CountingLine& line) {
    m.openClose = double(line.openCloseNs) / 1e6;
    m.bound = double(line.bytesSent + line.bytesReceived) * SecondsPerByte * 1000;
    const QList<double> turnarounds = milliseconds(line.turnaroundsNs);
    const QList<double> onLine = milliseconds(line.lineTurnaroundsNs);
    m.turnaroundSum = std::accumulate(turnarounds.begin(), turnarounds.end(), 0.0);
    m.turnaroundMedian = median(turnarounds);
    m.turnaroundMax = maximum(turnarounds);
    m.lineMedian = median(onLine);
    m.lineMax = maximum(onLine);
}

// A fresh session on COM 1, which the virtual board makes lead to its pseudo-terminal.
Measure upload(const Sequence& sequence) {
    Measure m;
    VirtualBoard board;
    m.failure = board.start();
    if (!m.failure.isEmpty())
        return m;
    QtSerialLine serial;
    CountingLine line(serial);
    QtClock clock;
    BoardSession session(line, clock);

    QElapsedTimer wall;
    const double processor = processorTime();
    wall.start();
    BoardOutcome outcome;
    QEventLoop loop;
    QObject::connect(&session, &BoardSession::finished, &loop, [&](const BoardOutcome& o) {
        outcome = o;
        loop.quit();
    });
    session.upload(sequence, BasePeriodIndex);
    loop.exec();
    m.wall = double(wall.nsecsElapsed()) / 1e6;
    m.processor = (processorTime() - processor) * 1000;
    takeLineFigures(m, line);
    if (outcome.result != BoardOutcome::Result::Done)
        m.failure = outcome.reports.isEmpty() ? QStringLiteral("?") : outcome.reports.first().text;
    return m;
}

QString row(const QString& name, const QString& pass, const Measure& m, double ratio) {
    return QStringLiteral("%1 %2 %3 %4 %5 %6 %7 %8 %9 %10 %11 %12 %13%\n")
        .arg(name, -6)
        .arg(pass, 6)
        .arg(m.wall, 8, 'f', 1)
        .arg(m.openClose, 7, 'f', 1)
        .arg(m.exchanges(), 8, 'f', 1)
        .arg(m.bound, 7, 'f', 1)
        .arg(ratio, 6, 'f', 3)
        .arg(m.turnaroundSum, 8, 'f', 2)
        .arg(m.turnaroundMedian, 7, 'f', 3)
        .arg(m.turnaroundMax, 7, 'f', 3)
        .arg(m.lineMedian, 7, 'f', 3)
        .arg(m.lineMax, 7, 'f', 3)
        .arg(100 * m.processor / m.wall, 6, 'f', 2);
}

// Each figure's own median over the runs.
Measure medians(const QList<Measure>& measures) {
    return medians(measures,
                   {&Measure::wall, &Measure::openClose, &Measure::bound, &Measure::turnaroundSum,
                    &Measure::turnaroundMedian, &Measure::turnaroundMax, &Measure::lineMedian,
                    &Measure::lineMax, &Measure::processor});
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    out << "(ms)      run     wall  open+cl exchanges  bound  ratio  turn sum turn med turn max "
           "line med line max cpu/wall\n";
    bool ok = true;
    for (const auto& [name, frames] : {std::pair{"full", 251}, std::pair{"short", 20}}) {
        const Sequence sequence = composed(frames);
        QList<Measure> measures;
        QList<double> ratios;
        for (int pass = 1; pass <= Passes; ++pass) {
            const Measure m = upload(sequence);
            if (!m.failure.isEmpty()) {
                out << name << ": upload failed: " << m.failure << Qt::endl;
                ok = false;
                continue;
            }
            out << row(QLatin1String(name), QString::number(pass), m, m.ratio());
            measures.append(m);
            ratios.append(m.ratio());
        }
        if (!measures.isEmpty())
            out << row(QLatin1String(name), QStringLiteral("median"), medians(measures),
                       median(ratios));
    }
    out << "ratio = exchanges / bound; goal: ratio <= 1.03 (full), turnaround median < 1 ms and "
           "max < 3 ms, cpu/wall <= 5%\n"
           "turn: from the session's first sight of a reply to its next write; line: from the "
           "reply's end on the wire by the line model, board and kernel wake-up included\n";
    return ok ? 0 : 1;
}
