// The memory an open project takes, per item, without a toolkit: a session starts with a project file of
// no items and, in another process, with one of the most items a file may hold (projects::maxItems), the
// sample quote's works over and over. Each process notes its memory before the start (the file's bytes
// already in memory) and after it (the project in the session, its figures, the project window's rows);
// what the large project adds beyond the empty one, divided by its items, is the cost of an item.
// Goal: under 10 KB per item. The Qt window's rows come on top: project_open_bench measures them.
// Run: build/bench/project_memory
#include "opening/benchdesktop.h"
#include "opening/projectfiles.h"

#include <malloc.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

namespace {

using namespace varnel;

struct Memory {
    long long resident = 0; // bytes the process holds in memory (/proc/self/statm)
    long long heap = 0;     // bytes allocated and not yet freed (mallinfo2)
};

Memory now() {
    Memory m;
    long long size = 0, resident = 0;
    std::ifstream("/proc/self/statm") >> size >> resident;
    m.resident = resident * sysconf(_SC_PAGESIZE);
    const struct mallinfo2 info = mallinfo2();
    m.heap = static_cast<long long>(info.uordblks + info.hblkhd);
    return m;
}

struct Growth {
    Memory by;
    bool shown = false;
};

// In this process: the growth from starting with a project of `items` items.
Growth startWith(std::size_t items) {
    const std::string path = "/projects/项目.varnel";
    auto desktop = std::make_unique<bench::BenchDesktop>();
    desktop->files[path] = bench::repeatedSampleFile(items);
    malloc_trim(0);
    const Memory before = now();
    desktop->session.start(path);
    malloc_trim(0);
    const Memory after = now();
    Growth g;
    g.by = {after.resident - before.resident, after.heap - before.heap};
    g.shown = bench::projectRows(*desktop) == items && desktop->messages.empty();
    return g;
}

// The same in a process of its own, so that each starts from the same clean state.
Growth startInAChild(std::size_t items) {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        std::exit(1);
    const pid_t child = fork();
    if (child == 0) {
        close(pipeEnds[0]);
        const Growth g = startWith(items);
        const bool written = write(pipeEnds[1], &g, sizeof g) == static_cast<ssize_t>(sizeof g);
        _exit(written ? 0 : 1);
    }
    close(pipeEnds[1]);
    Growth g;
    const bool read = ::read(pipeEnds[0], &g, sizeof g) == static_cast<ssize_t>(sizeof g);
    close(pipeEnds[0]);
    int status = 0;
    waitpid(child, &status, 0);
    if (!read || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "the process that opened %zu items failed\n", items);
        std::exit(1);
    }
    return g;
}

} // namespace

int main() {
    const std::size_t items = projects::maxItems;
    const Growth empty = startInAChild(0), full = startInAChild(items);
    if (!empty.shown || !full.shown) {
        std::fprintf(stderr, "a project did not open with all its rows shown\n");
        return 1;
    }
    const auto perItem = [&](long long Memory::*what) {
        return static_cast<double>(full.by.*what - empty.by.*what) / static_cast<double>(items);
    };
    std::printf("start with an empty project: resident +%lld KiB, heap +%lld KiB\n", empty.by.resident / 1024,
                empty.by.heap / 1024);
    std::printf("start with %zu items:      resident +%lld KiB, heap +%lld KiB\n", items,
                full.by.resident / 1024, full.by.heap / 1024);
    std::printf("per item: resident %.0f bytes, heap %.0f bytes (goal < 10,000 bytes)\n",
                perItem(&Memory::resident), perItem(&Memory::heap));
    return 0;
}
