// The real program opening a 1,000-item project on the offscreen platform, with settings of its own in a
// temporary folder: the file is read, every item recalculated and checked against a main window, and the
// project window's table shows the 1,000 rows and their total; the clock stops when the event queue has
// run dry. Timed two ways, each the median of several runs: a file opened in a running program (the main
// window already there), and `varnel FILE` from the making of the program to the same point.
// Then the memory: two processes of this program open a project of no items and one of the most items a
// file may hold; what the large one adds to the resident memory, divided by its items, is an item's cost
// in the Qt windows.
// Goals: opening, recalculating and showing 1,000 items under 100 ms; under 10 KB per item.
// Run: build/bench/project_open_bench [runs]
#include "opening/projectfiles.h"
#include "ui/program.h"
#include "windows/windows.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QMessageBox>
#include <QProcess>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>

#include <malloc.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <vector>

namespace {

using namespace varnel;

constexpr std::size_t thousand = 1000;

// Runs the event loop until every event posted so far, and those they post, have been handled.
void drainEvents() {
    QEventLoop loop;
    QTimer::singleShot(0, &loop, &QEventLoop::quit);
    loop.exec();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QString writeProject(const QTemporaryDir& folder, std::size_t items) {
    const QString path = folder.filePath(QStringLiteral("项目%1.varnel").arg(items));
    QFile file(path);
    const std::string bytes = bench::repeatedSampleFile(items);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size()))
        std::exit(1);
    return path;
}

// The rows the project window's table widget shows, with its total; none while that window is closed.
int tableRows(const ui::Program& program) {
    ui::FormWindow* w = program.window(std::string(windows::project));
    const auto* table = w ? qobject_cast<const QTableWidget*>(w->control("items")) : nullptr;
    return table && table->isVisible() ? table->rowCount() : 0;
}

void requireShown(const ui::Program& program, std::size_t items) {
    if (tableRows(program) != static_cast<int>(items) + 1) {
        std::fprintf(stderr, "the project window does not show %zu rows and the total\n", items);
        std::exit(1);
    }
}

// Wall-clock and processor time: on a machine shared with other work the processor time says more.
class Clock {
  public:
    Clock() : m_cpu(cpuNow()) { m_wall.start(); }
    double wallMs() const { return static_cast<double>(m_wall.nsecsElapsed()) / 1e6; }
    double cpuMs() const { return cpuNow() - m_cpu; }

  private:
    static double cpuNow() {
        timespec t{};
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
        return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
    }
    QElapsedTimer m_wall;
    double m_cpu;
};

struct Times {
    std::vector<double> wall, cpu;
    void add(const Clock& clock) {
        wall.push_back(clock.wallMs());
        cpu.push_back(clock.cpuMs());
    }
};

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// The offscreen platform notes, for every window, that it cannot raise it or pass on its size hints:
// noise here. Every other message goes through.
QtMessageHandler qtHandler = nullptr;
void quietOffscreenNotes() {
    qtHandler =
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context, const QString& text) {
            if (text.startsWith(QStringLiteral("This plugin does not support")))
                return;
            if (qtHandler)
                qtHandler(type, context, text);
            else
                std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
        });
}

// A message box would wait for a click that never comes: one that opens (a refused file) ends the run.
void watchForMessages(QApplication& app) {
    auto* watch = new QTimer(&app);
    QObject::connect(watch, &QTimer::timeout, &app, [] {
        if (const auto* box = qobject_cast<const QMessageBox*>(QApplication::activeModalWidget())) {
            std::fprintf(stderr, "the program says: %s\n", box->text().toStdString().c_str());
            std::exit(1);
        }
    });
    watch->start(500);
}

long long residentBytes() {
    long long size = 0, resident = 0;
    std::ifstream("/proc/self/statm") >> size >> resident;
    return resident * sysconf(_SC_PAGESIZE);
}

// In this process: the resident memory a project of `items` items adds to a running program.
int measureMemory(std::size_t items) {
    QTemporaryDir folder;
    const QString project = writeProject(folder, items);
    ui::Program program(folder.filePath(QStringLiteral("settings.ini")));
    program.start();
    drainEvents();
    malloc_trim(0);
    const long long before = residentBytes();
    program.start(project.toStdString());
    drainEvents();
    requireShown(program, items);
    malloc_trim(0);
    std::printf("%lld\n", residentBytes() - before);
    return 0;
}

long long memoryInAChild(std::size_t items) {
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--memory"), QString::number(items)});
    if (!child.waitForFinished(120000) || child.exitCode() != 0) {
        std::fprintf(stderr, "the process that opened %zu items failed\n", items);
        std::exit(1);
    }
    return child.readAllStandardOutput().trimmed().toLongLong();
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    quietOffscreenNotes();
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    ui::setUpApplication();
    watchForMessages(app);
    if (argc == 3 && QByteArray(argv[1]) == "--memory")
        return measureMemory(QByteArray(argv[2]).toULongLong());

    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 11;
    QTemporaryDir folder;
    const QString settings = folder.filePath(QStringLiteral("settings.ini"));
    const std::string project = writeProject(folder, thousand).toStdString();

    Times opening, starting;
    for (int run = 0; run <= runs; ++run) { // the first run warms the caches and is not counted
        {
            ui::Program program(settings);
            program.start();
            drainEvents();
            const Clock clock;
            program.start(project);
            drainEvents();
            if (run > 0)
                opening.add(clock);
            requireShown(program, thousand);
        }
        drainEvents();
        {
            const Clock clock;
            ui::Program program(settings);
            program.start(project);
            drainEvents();
            if (run > 0)
                starting.add(clock);
            requireShown(program, thousand);
        }
        drainEvents();
    }
    std::printf("runs: %d each; medians, wall clock (processor time)\n", runs);
    std::printf("a %zu-item project opened in a running program until its rows are shown: %.1f ms (%.1f ms); "
                "goal < 100 ms\n",
                thousand, median(opening.wall), median(opening.cpu));
    std::printf(
        "varnel FILE with %zu items, from the program's making to its rows shown: %.1f ms (%.1f ms)\n",
        thousand, median(starting.wall), median(starting.cpu));

    const long long empty = memoryInAChild(0), full = memoryInAChild(projects::maxItems);
    std::printf("resident memory an open project adds: no items %lld KiB, %zu items %lld KiB\n", empty / 1024,
                projects::maxItems, full / 1024);
    std::printf("per item: %.0f bytes (goal < 10,000 bytes)\n",
                static_cast<double>(full - empty) / static_cast<double>(projects::maxItems));
    return 0;
}
