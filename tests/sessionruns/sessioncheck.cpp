// sessioncheck hostile VARNEL-SCRIPT
// sessioncheck random VARNEL-SCRIPT SEED ACTIONS
// sessioncheck print long-day          (writes the long-day session, for the leak check)
// sessioncheck print random SEED ACTIONS
// sessioncheck retyping VARNEL-SCRIPT ROUNDS   (the resident size levels off however long a user retypes)
// Runs a generated session through varnel-script and judges every line it prints.
#include "sessionscript.h"

#include <QCoreApplication>
#include <QProcess>

#include <QFile>

#include <cstdio>

namespace {

// The resident set size of a running process, in KiB, from /proc.
long residentKiB(qint64 pid) {
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine())
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

// Rounds of typing 100,000 digits into the amount box and then 1500 over them. After the first rounds
// (undo records, caches and heaps reach their size) the resident size must grow by less than 10 MiB.
int retyping(const QString& program, int rounds) {
    constexpr int warmUp = 5;
    constexpr long allowedGrowthKiB = 10 * 1024;
    QProcess tool;
    tool.start(program, {});
    if (!tool.waitForStarted())
        return 1;
    const QByteArray round = "type Text1 " + QByteArray(100000, '9') + "\ntype Text1 1500\nvars\n";
    long baseline = 0, resident = 0;
    for (int i = 0; i < rounds; ++i) {
        tool.write(round);
        while (!tool.canReadLine())
            if (!tool.waitForReadyRead(60000)) {
                std::fprintf(stderr, "varnel-script gave no answer in round %d\n", i + 1);
                return 1;
            }
        tool.readLine();
        resident = residentKiB(tool.processId());
        if (i + 1 == warmUp)
            baseline = resident;
    }
    tool.closeWriteChannel();
    tool.waitForFinished();
    const long growth = resident - baseline;
    std::printf("resident size %ld KiB after %d rounds, %ld KiB after %d: %+ld KiB\n", baseline, warmUp,
                resident, rounds, growth);
    const bool flat = baseline > 0 && growth < allowedGrowthKiB;
    std::printf("%d passed, %d failed\n", flat ? 1 : 0, flat ? 0 : 1);
    return flat ? 0 : 1;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3 || (args[1] == QLatin1String("random") && args.size() != 5)) {
        std::fprintf(stderr, "usage: sessioncheck hostile|random VARNEL-SCRIPT [SEED ACTIONS]\n");
        return 2;
    }
    if (args[1] == QLatin1String("print")) {
        std::mt19937 random(args.size() > 3 ? args[3].toUInt() : 0);
        const QByteArray session = args[2] == QLatin1String("random")
                                       ? sessions::randomSession(random, args.value(4).toInt())
                                       : sessions::longDaySession();
        std::fwrite(session.constData(), 1, static_cast<size_t>(session.size()), stdout);
        return 0;
    }
    if (args[1] == QLatin1String("retyping"))
        return retyping(args[2], args.value(3).toInt());
    QByteArray session;
    unsigned seed = 0;
    if (args[1] == QLatin1String("random")) {
        seed = args[3].toUInt();
        std::mt19937 random(seed);
        session = sessions::randomSession(random, args[4].toInt());
    } else {
        session = sessions::hostileSession();
    }

    QProcess tool;
    tool.start(args[2], {});
    tool.write(session);
    tool.closeWriteChannel();
    if (!tool.waitForFinished(580000)) {
        std::fprintf(stderr, "varnel-script hung (seed %u)\n", seed);
        return 1;
    }
    const QByteArray errors = tool.readAllStandardError();
    std::fwrite(errors.constData(), 1, static_cast<size_t>(errors.size()), stderr);
    if (tool.exitStatus() != QProcess::NormalExit || tool.exitCode() != 0) {
        std::fprintf(stderr, "varnel-script ended with status %d (seed %u)\n", tool.exitCode(), seed);
        return 1;
    }
    int lines = 0, failures = 0;
    for (const QByteArray& line : tool.readAllStandardOutput().split('\n')) {
        if (line.isEmpty())
            continue;
        ++lines;
        if (const QString wrong = sessions::judge(line); !wrong.isEmpty()) {
            if (++failures <= 10)
                std::fprintf(stderr, "line %d: %s (seed %u)\n", lines, qPrintable(wrong), seed);
        }
    }
    std::printf("%d passed, %d failed\n", lines - failures, failures);
    return failures == 0 && lines > 0 ? 0 : 1;
}
