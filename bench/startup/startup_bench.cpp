// Times whole processes on the offscreen platform, in alternating runs: Varnel's start to its main window
// shown and idle; a bare Qt window with one Chinese label; and the main window's controls shown without the
// program. Prints the medians of time, processor time and peak memory with their ratios. Goal: Varnel
// within 1.10x of the bare window in time and in memory. The window alone shows how much of the rest is the
// controls the main window shows, built by Qt, and how much is the program's own.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

struct Run {
    double milliseconds;
    double processorMilliseconds; // user and system time: what other work on the machine stretches least
    long peakKilobytes;
};

Run runOnce(const char* program) {
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        if (std::freopen("/dev/null", "w", stderr) == nullptr)
            _exit(126);
        execl(program, program, static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    const auto end = std::chrono::steady_clock::now();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s failed\n", program);
        std::exit(1);
    }
    const auto ms = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_usec) / 1e3;
    };
    return {std::chrono::duration<double, std::milli>(end - start).count(),
            ms(usage.ru_utime) + ms(usage.ru_stime), usage.ru_maxrss};
}

template <typename T>
T median(std::vector<T> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

struct Probe {
    const char* program;
    std::vector<double> times, processor;
    std::vector<long> memory;

    void run() {
        const Run r = runOnce(program);
        times.push_back(r.milliseconds);
        processor.push_back(r.processorMilliseconds);
        memory.push_back(r.peakKilobytes);
    }
};

void printRatios(const char* what, double varnel, double window, double bare, const char* unit, bool goal) {
    std::printf("%s, median: Varnel %.1f %s, window alone %.1f %s, bare window %.1f %s\n"
                "  Varnel / bare %.2f%s, window alone / bare %.2f, Varnel / window alone %.2f\n",
                what, varnel, unit, window, unit, bare, unit, varnel / bare, goal ? " (goal <= 1.10)" : "",
                window / bare, varnel / window);
}

} // namespace

int main(int argc, char* argv[]) {
    const int runs = argc > 1 ? std::atoi(argv[1]) : 21;
    Probe varnel{VARNEL_PROBE, {}, {}, {}}, window{WINDOW_PROBE, {}, {}, {}}, bare{BARE_PROBE, {}, {}, {}};
    for (Probe* p : {&varnel, &window, &bare})
        runOnce(p->program); // warm the file cache for each
    for (int i = 0; i < runs; ++i)
        for (Probe* p : {&varnel, &window, &bare})
            p->run();
    std::printf("runs: %d each\n", runs);
    printRatios("start to shown and idle", median(varnel.times), median(window.times), median(bare.times),
                "ms", true);
    printRatios("processor time", median(varnel.processor), median(window.processor), median(bare.processor),
                "ms", false);
    printRatios("peak memory", static_cast<double>(median(varnel.memory)) / 1024,
                static_cast<double>(median(window.memory)) / 1024,
                static_cast<double>(median(bare.memory)) / 1024, "MiB", true);
    return 0;
}
