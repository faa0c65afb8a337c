// The opening's goals as ratios, each the median of several runs: a 1,000-item project's contents opened
// as the windows and the command-line tool open them (read, recalculated and every item checked against
// its window's rules), against the JSON of the same file parsed alone (goal: within 3x); and varnel-calc
// totalling 10,000 items (ten files of 1,000) as a whole process, against 100 ms (goal: below 1), with a
// file of the most items a file may hold beside it. The machine may be shared with other work, which
// stretches the wall clock: the ratios are of processor time (a process's own and its children's), and
// the wall clock is printed beside them.
// Run: build/bench/opening_goals [runs]
#include "projects/json.h"
#include "projects/projectfile.h"
#include "session/projectopening.h"

#include "opening/projectfiles.h"

#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <variant>
#include <vector>

namespace {

using namespace varnel;

constexpr std::size_t thousand = 1000;

double milliseconds(const timeval& t) {
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_usec) / 1e3;
}

// Processor time so far, this process's and that of its children that have ended.
double processorMs() {
    timespec own{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &own);
    rusage children{};
    getrusage(RUSAGE_CHILDREN, &children);
    return static_cast<double>(own.tv_sec) * 1e3 + static_cast<double>(own.tv_nsec) / 1e6 +
           milliseconds(children.ru_utime) + milliseconds(children.ru_stime);
}

double wallMs() {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

struct Times {
    double processor;
    double wall;
};

// The median times of `work`, which is run `repeat` times a run; the first run warms the caches.
template <typename Work>
Times medianMs(int runs, int repeat, Work work) {
    std::vector<double> processor, wall;
    for (int run = 0; run <= runs; ++run) {
        const double startProcessor = processorMs(), startWall = wallMs();
        for (int i = 0; i < repeat; ++i)
            work();
        if (run > 0) {
            processor.push_back((processorMs() - startProcessor) / repeat);
            wall.push_back((wallMs() - startWall) / repeat);
        }
    }
    return {median(processor), median(wall)};
}

// A whole process of the program on these arguments, its output thrown away; it must succeed.
void runProcess(const std::vector<std::string>& arguments) {
    std::fflush(stdout);
    const pid_t child = fork();
    if (child == 0) {
        if (!std::freopen("/dev/null", "w", stdout))
            _exit(126);
        std::vector<char*> argv;
        for (const std::string& a : arguments)
            argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        execv(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s failed\n", arguments[0].c_str());
        std::exit(1);
    }
}

void writeFile(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

} // namespace

int main(int argc, char* argv[]) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 21;
    const std::string file = bench::repeatedSampleFile(thousand);
    const forms::FileContents contents{file, file.size(), {}, false};

    const Times parsing = medianMs(runs, 5, [&] {
        if (!std::holds_alternative<projects::json::Value>(projects::json::parse(file)))
            std::exit(1);
    });
    const Times opening = medianMs(runs, 5, [&] {
        const auto read = session::openProjectContents(contents);
        if (!std::holds_alternative<projects::OpenedQuote>(read) ||
            std::get<projects::OpenedQuote>(read).quote.items.size() != thousand)
            std::exit(1);
    });
    std::printf("runs: %d each; medians, processor time (wall clock)\n", runs);
    std::printf("a %zu-item project's contents opened: %.2f ms (%.2f ms); its JSON parsed alone: %.2f ms "
                "(%.2f ms); ratio %.2f (goal <= 3)\n",
                thousand, opening.processor, opening.wall, parsing.processor, parsing.wall,
                opening.processor / parsing.processor);

#ifdef VARNEL_CALC
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("varnel-opening-goals-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    std::vector<std::string> ten{VARNEL_CALC};
    for (int i = 0; i < 10; ++i) {
        ten.push_back((folder / ("项目" + std::to_string(i) + ".varnel")).string());
        writeFile(ten.back(), file);
    }
    const std::string most = (folder / "最多.varnel").string();
    writeFile(most, bench::repeatedSampleFile(projects::maxItems));
    const Times tenFiles = medianMs(runs, 1, [&] { runProcess(ten); });
    const Times mostItems = medianMs(runs, 1, [&] { runProcess({VARNEL_CALC, most}); });
    const Times nothing = medianMs(runs, 1, [&] { runProcess({VARNEL_CALC, "--version"}); });
    std::filesystem::remove_all(folder);
    std::printf("varnel-calc totalling 10,000 items in ten files: %.1f ms (%.1f ms); ratio to 100 ms %.2f "
                "(goal < 1)\n",
                tenFiles.processor, tenFiles.wall, tenFiles.processor / 100);
    std::printf("varnel-calc on one file of %zu items: %.1f ms (%.1f ms); varnel-calc --version: %.1f ms "
                "(%.1f ms)\n",
                projects::maxItems, mostItems.processor, mostItems.wall, nothing.processor, nothing.wall);
#endif
    return 0;
}
