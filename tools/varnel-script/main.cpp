// varnel-script: drives the real Varnel windows from commands on standard input, one per line, and
// writes what happens as JSON lines on standard output. See the README for the commands.
#include "scriptrunner.h"

#include "ui/program.h"

#include <QApplication>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>

namespace {

// The offscreen platform says what it cannot do (raise a window, grab the keyboard); none of it matters
// to a script, so only other messages reach standard error.
void quietPlatformNotes(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (message.startsWith(QLatin1String("This plugin does not support")) ||
        message.startsWith(QLatin1String("QStandardPaths:")))
        return;
    std::fprintf(stderr, "%s\n", qPrintable(message));
    if (type == QtFatalMsg)
        std::abort();
}

} // namespace

int main(int argc, char* argv[]) {
    qInstallMessageHandler(quietPlatformNotes);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    varnel::ui::setUpApplication();
    // A script starts with no recent projects and leaves none behind: its settings live in a folder of its
    // own for as long as it runs.
    const QTemporaryDir settings;
    varnel::ui::Program program(settings.filePath(QStringLiteral("varnel.ini")));
    program.start();

    varnel::script::ScriptRunner runner(program, [](const std::string& json) {
        std::fwrite(json.data(), 1, json.size(), stdout);
        std::fputc('\n', stdout);
        std::fflush(stdout);
    });
    std::string line;
    int number = 0;
    while (std::getline(std::cin, line)) {
        if (!runner.run(line, ++number))
            return 0;
    }
    program.endProgram();
    return 0;
}
