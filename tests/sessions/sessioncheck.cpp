// sessioncheck hostile VARNEL-SCRIPT
// sessioncheck random VARNEL-SCRIPT SEED ACTIONS
// sessioncheck print long-day          (writes the long-day session, for the leak check)
// Runs a generated session through varnel-script and judges every line it prints.
#include "sessionscript.h"

#include <QCoreApplication>
#include <QProcess>

#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3 || (args[1] == QLatin1String("random") && args.size() != 5)) {
        std::fprintf(stderr, "usage: sessioncheck hostile|random VARNEL-SCRIPT [SEED ACTIONS]\n");
        return 2;
    }
    if (args[1] == QLatin1String("print") && args[2] == QLatin1String("long-day")) {
        const QByteArray session = sessions::longDaySession();
        std::fwrite(session.constData(), 1, static_cast<size_t>(session.size()), stdout);
        return 0;
    }
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
