// Plays 250 records at "0.01" x1 through the editor on the desktop (its Qt timer, its window),
// offscreen, and compares the timing with a bare precise QTimer measured in the same run.

#include "TickSpread.h"
#include "editing/Player.h"
#include "editing/SequenceEditor.h"
#include "window/DesktopEditor.h"
#include "window/MainWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

namespace {

constexpr int Records = 250;
constexpr int PeriodMs = 10;
constexpr int TimeLimitMs = 30000;

// The configuration goes to folders of its own, not beside the benchmark.
struct TemporaryFolders : IProgramFolders {
    QTemporaryDir program, user;
    QString programFolder() override { return program.path(); }
    QString userFolder() override { return user.path(); }
};

void runLoop(QEventLoop& loop) {
    QTimer::singleShot(TimeLimitMs, &loop, [&] {
        std::fputs("timed out\n", stderr);
        loop.exit(1);
    });
    loop.exec();
}

QList<qint64> measureBaseline() {
    QElapsedTimer clock;
    QList<qint64> moments;
    QEventLoop loop;
    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        moments << clock.nsecsElapsed();
        if (moments.size() > Records) {
            timer.stop();
            loop.quit();
        }
    });
    clock.start();
    moments << clock.nsecsElapsed();
    timer.start(PeriodMs);
    runLoop(loop);
    return moments;
}

// Records 0..249 at x1; record 250 follows as the working record.
void recordSequence(SequenceEditor& editor) {
    editor.chooseMultiplier(0);
    for (int r = 0; r < Records; ++r)
        editor.recordFrame();
    editor.chooseBasePeriod(0);
    editor.setStartAddress(0);
}

// The start, then each step of the playback to the next record.
QList<qint64> measurePlayback() {
    QElapsedTimer clock;
    QList<qint64> moments;
    QEventLoop loop;
    TemporaryFolders folders;
    DesktopEditor desktop(&folders);
    desktop.window().show();
    recordSequence(desktop.editor());
    clock.start();
    moments << clock.nsecsElapsed();
    desktop.player().start();
    QObject::connect(&desktop.editor(), &SequenceEditor::currentRecordChanged, &loop,
                     [&] { moments << clock.nsecsElapsed(); });
    QObject::connect(&desktop.player(), &Player::playingChanged, &loop, [&](bool playing) {
        if (!playing)
            loop.quit();
    });
    runLoop(loop);
    return moments;
}

} // namespace

int main(int argc, char* argv[]) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QList<qint64> baselineMoments = measureBaseline();
    const QList<qint64> playbackMoments = measurePlayback();
    if (baselineMoments.size() != Records + 1 || playbackMoments.size() != Records + 1) {
        std::fputs("incomplete run: not every record was reached\n", stderr);
        return 1;
    }
    const TickSpread baseline = measureSpread(baselineMoments, PeriodMs);
    const TickSpread playback = measureSpread(playbackMoments, PeriodMs);
    std::printf("%d records at 0.01 x1, ideal %.1f s\n", Records, Records * PeriodMs / 1000.0);
    std::printf("%s\n", qPrintable(describe(QStringLiteral("bare QTimer (baseline)"), baseline)));
    std::printf("%s\n", qPrintable(describe(QStringLiteral("playback"), playback)));
    std::printf("playback / baseline duration: %.4f\n", playback.seconds / baseline.seconds);
    return 0;
}
