// Starts the editor, a bare Qt main window and the same window showing one word in turn,
// offscreen (or on the platform that QT_QPA_PLATFORM names: xcb under Xvfb), each ending once
// its window's first frame has been painted, and prints the median wall time and peak memory
// of each and their ratios to the bare window: the word shows what any text on screen costs.
// Each run gets a home and a settings folder of its own, empty, so that no user's settings
// are read.
//
//     bench_startup [runs]      (15 of each by default, after one unmeasured run of each)

#include <QTemporaryDir>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Run {
    double seconds;
    long peakKiB;
};

struct Program {
    const char* name;
    const char* path;
    const char* argument; // none when null
    std::vector<Run> runs;
};

// Starts `path` with a fresh home and waits for it; exits the benchmark if the run failed,
// since the figures of a program that did not start would mean nothing.
Run runOnce(const Program& program) {
    const char* path = program.path;
    QTemporaryDir home;
    if (!home.isValid()) {
        std::fputs("bench_startup: cannot create a temporary folder\n", stderr);
        std::exit(1);
    }
    const std::string homePath = home.path().toStdString();
    const std::string configPath = homePath + "/.config";
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child < 0) {
        std::perror("bench_startup: fork");
        std::exit(1);
    }
    if (child == 0) {
        setenv("QT_QPA_PLATFORM", "offscreen", 0); // or the one the caller names (xcb under Xvfb)
        setenv("HOME", homePath.c_str(), 1);
        setenv("XDG_CONFIG_HOME", configPath.c_str(), 1);
        setenv("XDG_RUNTIME_DIR", homePath.c_str(), 1);
        setenv("LT840_QUIT_WHEN_SHOWN", "1", 1);
        // What the programs say (Qt's notes about the offscreen platform) is not the figures.
        const int quiet = open("/dev/null", O_WRONLY);
        dup2(quiet, STDOUT_FILENO);
        dup2(quiet, STDERR_FILENO);
        execl(path, path, program.argument, static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    if (wait4(child, &status, 0, &usage) != child) {
        std::perror("bench_startup: wait4");
        std::exit(1);
    }
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "bench_startup: %s did not end cleanly (status %d)\n", path, status);
        std::exit(1);
    }
    return {elapsed.count(), usage.ru_maxrss};
}

template <typename T> T median(std::vector<T> values) {
    const auto middle = values.begin() + values.size() / 2;
    std::nth_element(values.begin(), middle, values.end());
    return *middle;
}

double medianSeconds(const Program& p) {
    std::vector<double> v;
    for (const Run& r : p.runs)
        v.push_back(r.seconds);
    return median(v);
}

long medianPeak(const Program& p) {
    std::vector<long> v;
    for (const Run& r : p.runs)
        v.push_back(r.peakKiB);
    return median(v);
}

} // namespace

int main(int argc, char* argv[]) {
    const int runs = argc > 1 ? std::atoi(argv[1]) : 15;
    if (runs < 1) {
        std::fputs("usage: bench_startup [runs]\n", stderr);
        return 2;
    }
    Program editor{"editor", LT840_EDITOR_PATH, nullptr, {}};
    Program bare{"bare window", LT840_BARE_WINDOW_PATH, nullptr, {}};
    Program label{"one word", LT840_BARE_WINDOW_PATH, "label", {}};
    Program* const programs[] = {&editor, &bare, &label};
    // The first run of each fills the system's caches and is not counted.
    for (Program* p : programs)
        runOnce(*p);
    // In turn, so that a change in the machine's speed weighs on all alike.
    for (int i = 0; i < runs; ++i)
        for (Program* p : programs)
            p->runs.push_back(runOnce(*p));
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    std::printf("start-up to the window's first frame, %s, median of %d runs\n",
                platform && *platform ? platform : "offscreen", runs);
    for (const Program* p : programs)
        std::printf("  %-12s %8.1f ms %8ld KiB peak\n", p->name, medianSeconds(*p) * 1e3,
                    medianPeak(*p));
    for (const Program* p : {&editor, &label})
        std::printf("  %s / bare window: time %.2fx, peak memory %.2fx\n", p->name,
                    medianSeconds(*p) / medianSeconds(bare),
                    double(medianPeak(*p)) / double(medianPeak(bare)));
    return 0;
}
