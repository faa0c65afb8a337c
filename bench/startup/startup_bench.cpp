// Times whole processes: Varnel's start to its main window shown and idle, and a bare Qt window with one
// Chinese label, both on the offscreen platform, alternating runs. Prints the medians, their ratio and the
// peak memory of each. Goal: within 1.10x of the bare window's time and of its memory.
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

} // namespace

int main(int argc, char* argv[]) {
    const int runs = argc > 1 ? std::atoi(argv[1]) : 21;
    std::vector<double> varnelTimes, bareTimes, varnelProcessor, bareProcessor;
    std::vector<long> varnelMemory, bareMemory;
    runOnce(VARNEL_PROBE); // warm the file cache for both
    runOnce(BARE_PROBE);
    for (int i = 0; i < runs; ++i) {
        const Run v = runOnce(VARNEL_PROBE), b = runOnce(BARE_PROBE);
        varnelTimes.push_back(v.milliseconds);
        varnelProcessor.push_back(v.processorMilliseconds);
        bareProcessor.push_back(b.processorMilliseconds);
        varnelMemory.push_back(v.peakKilobytes);
        bareTimes.push_back(b.milliseconds);
        bareMemory.push_back(b.peakKilobytes);
    }
    const double vt = median(varnelTimes), bt = median(bareTimes);
    const double vp = median(varnelProcessor), bp = median(bareProcessor);
    const long vm = median(varnelMemory), bm = median(bareMemory);
    std::printf("runs: %d each\n", runs);
    std::printf(
        "start to shown and idle, median: Varnel %.1f ms, bare window %.1f ms, ratio %.2f (goal <= 1.10)\n",
        vt, bt, vt / bt);
    std::printf("processor time, median: Varnel %.1f ms, bare window %.1f ms, ratio %.2f\n", vp, bp, vp / bp);
    std::printf("peak memory, median: Varnel %ld KiB, bare window %ld KiB, ratio %.2f (goal <= 1.10)\n", vm,
                bm, static_cast<double>(vm) / static_cast<double>(bm));
    return 0;
}
