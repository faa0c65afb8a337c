// Opening whole projects without a toolkit: reading a project file (the JSON, then each item's
// calculation), the session's opening as the window does it, and reading and totalling 10,000 items as
// the command-line tool does. Goals: a 1,000-item project opened, recalculated and shown under 100 ms
// (the Qt window's part is project_open_bench); 10,000 items read and totalled under 1 s.
// Run: build/bench/projectfile_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
#include "forms/form.h"
#include "projects/json.h"
#include "projects/projectfile.h"
#include "rules/rules.h"
#include "session/mainwindowfill.h"
#include "session/projectopening.h"
#include "windows/windows.h"

#include "opening/benchdesktop.h"
#include "opening/projectfiles.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <variant>

namespace {

using namespace varnel;

constexpr std::size_t thousand = 1000;

const std::string& thousandItemFile() {
    static const std::string file = bench::repeatedSampleFile(thousand);
    return file;
}

// Stops the benchmark when a file that should open does not: a figure for a refusal is worthless.
bool opened(benchmark::State& state, const std::variant<projects::OpenedQuote, projects::FileProblem>& read,
            std::size_t items) {
    if (const auto* problem = std::get_if<projects::FileProblem>(&read)) {
        state.SkipWithError(problem->what.c_str());
        return false;
    }
    if (std::get<projects::OpenedQuote>(read).quote.items.size() != items) {
        state.SkipWithError("the file did not give all its items");
        return false;
    }
    return true;
}

// The whole library's part of opening: the JSON, the fields, and every item's calculation.
void readingAThousandItems(benchmark::State& state) {
    const std::string& file = thousandItemFile();
    for (auto _ : state) {
        auto read = projects::readProjectFile(file);
        if (!opened(state, read, thousand))
            break;
        benchmark::DoNotOptimize(read);
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * thousand));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * file.size()));
}
BENCHMARK(readingAThousandItems)->Unit(benchmark::kMillisecond);

// Its first part alone: the JSON text into values.
void parsingTheJsonOfAThousandItems(benchmark::State& state) {
    const std::string& file = thousandItemFile();
    for (auto _ : state) {
        auto parsed = projects::json::parse(file);
        if (!std::holds_alternative<projects::json::Value>(parsed)) {
            state.SkipWithError("the file is not JSON");
            break;
        }
        benchmark::DoNotOptimize(parsed);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * file.size()));
}
BENCHMARK(parsingTheJsonOfAThousandItems)->Unit(benchmark::kMillisecond);

// Its last part alone: each item's calculation on fresh variables.
void recalculatingAThousandItems(benchmark::State& state) {
    const projects::Quote quote = bench::repeatedSampleQuote(thousand);
    for (auto _ : state) {
        for (const projects::Item& item : quote.items) {
            auto figures = projects::figuresOf(item.inputs);
            benchmark::DoNotOptimize(figures);
        }
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * thousand));
}
BENCHMARK(recalculatingAThousandItems)->Unit(benchmark::kMillisecond);

// Entering every item into a scratch main window as a user would, with the input rules running: what
// opening did to check each item before it asked the rules' data (session::mainWindowHolds), and still
// does for an item the data does not vouch for.
void fillingAMainWindowWithEachOfAThousandItems(benchmark::State& state) {
    const projects::Quote quote = bench::repeatedSampleQuote(thousand);
    forms::Form scratch(windows::mainWindowDefinition());
    rules::installMainWindowRules(scratch);
    for (auto _ : state) {
        for (const projects::Item& item : quote.items) {
            if (session::fillMainWindow(scratch, *item.mainInputs())) {
                state.SkipWithError("an item does not fill a main window");
                return;
            }
        }
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * thousand));
}
BENCHMARK(fillingAMainWindowWithEachOfAThousandItems)->Unit(benchmark::kMillisecond);

// Reading and checking together, as both the window and the command-line tool open a file.
void openingTheContentsOfAThousandItems(benchmark::State& state) {
    const forms::FileContents contents{thousandItemFile(), thousandItemFile().size(), {}, false};
    for (auto _ : state) {
        auto read = session::openProjectContents(contents);
        if (!opened(state, read, thousand))
            break;
        benchmark::DoNotOptimize(read);
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * thousand));
}
BENCHMARK(openingTheContentsOfAThousandItems)->Unit(benchmark::kMillisecond);

// `varnel FILE` without a toolkit: the session starts, opens its main window and the file, checks each
// item against its window's rules, and sets the project window's table rows. Only the start is timed.
void startingWithAThousandItemProject(benchmark::State& state) {
    const std::string path = "/projects/千项.varnel";
    for (auto _ : state) {
        state.PauseTiming();
        auto desktop = std::make_unique<bench::BenchDesktop>();
        desktop->files[path] = thousandItemFile();
        state.ResumeTiming();

        desktop->session.start(path);

        state.PauseTiming();
        if (bench::projectRows(*desktop) != thousand) {
            state.SkipWithError(desktop->messages.empty() ? "the project window shows no rows"
                                                          : desktop->messages.back().text.c_str());
            break;
        }
        desktop.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * thousand));
}
BENCHMARK(startingWithAThousandItemProject)->Unit(benchmark::kMillisecond);

// The same start without a project, to tell the opening from the main window's own making.
void startingWithoutAProject(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        auto desktop = std::make_unique<bench::BenchDesktop>();
        state.ResumeTiming();

        desktop->session.start();

        state.PauseTiming();
        desktop.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(startingWithoutAProject)->Unit(benchmark::kMillisecond);

// 10,000 items read and totalled by `read`: ten files of 1,000 (one file holds at most projects::maxItems).
template <typename Read>
void readAndTotalTenThousandItems(benchmark::State& state, Read read) {
    for (auto _ : state) {
        projects::Decimal total;
        for (int file = 0; file < 10; ++file) {
            auto opening = read();
            if (!opened(state, opening, thousand))
                return;
            const auto& quote = std::get<projects::OpenedQuote>(opening);
            total = total + projects::totalsOf(quote.quote, quote.figures).total;
        }
        benchmark::DoNotOptimize(total);
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * 10 * thousand));
}

// As the command-line tool reads them: each file read, checked against its windows' rules and totalled.
void readingAndTotallingTenThousandItems(benchmark::State& state) {
    const forms::FileContents contents{thousandItemFile(), thousandItemFile().size(), {}, false};
    readAndTotalTenThousandItems(state, [&] { return session::openProjectContents(contents); });
}
BENCHMARK(readingAndTotallingTenThousandItems)->Unit(benchmark::kMillisecond);

// The library's part alone, without the check against the windows' rules.
void readingAndTotallingTenThousandItemsWithoutTheWindowCheck(benchmark::State& state) {
    const std::string& file = thousandItemFile();
    readAndTotalTenThousandItems(state, [&] { return projects::readProjectFile(file); });
}
BENCHMARK(readingAndTotallingTenThousandItemsWithoutTheWindowCheck)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
