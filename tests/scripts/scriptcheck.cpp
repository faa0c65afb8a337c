// Runs a scenario through varnel-script and compares what it prints with what the scenario expects.
//
// Usage: scriptcheck VARNEL-SCRIPT SCENARIO [LAUNCHER [ARGUMENTS...]]
// With a launcher (wine, say), the tool is started through it: LAUNCHER ARGUMENTS... VARNEL-SCRIPT.
//
// A scenario is a varnel-script input in which lines beginning with "> " are expectations: every output
// line must be met, in order, by one expectation that it contains (objects by their keys, recursively;
// arrays and scalars exactly). Output without an expectation, or an expectation without output, fails.
#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>

namespace {

bool contains(const QJsonValue& actual, const QJsonValue& expected) {
    if (expected.isObject()) {
        if (!actual.isObject())
            return false;
        const QJsonObject a = actual.toObject(), e = expected.toObject();
        for (auto it = e.begin(); it != e.end(); ++it)
            if (!a.contains(it.key()) || !contains(a.value(it.key()), it.value()))
                return false;
        return true;
    }
    if (expected.isArray()) {
        const QJsonArray a = actual.toArray(), e = expected.toArray();
        if (!actual.isArray() || a.size() != e.size())
            return false;
        for (qsizetype i = 0; i < e.size(); ++i)
            if (!contains(a[i], e[i]))
                return false;
        return true;
    }
    return actual == expected;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: scriptcheck VARNEL-SCRIPT SCENARIO [LAUNCHER [ARGUMENTS...]]\n");
        return 2;
    }
    QFile file(QString::fromLocal8Bit(argv[2]));
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", argv[2]);
        return 2;
    }
    QByteArray input;
    QList<QPair<int, QJsonValue>> expected;
    int number = 0;
    for (const QByteArray& line : file.readAll().split('\n')) {
        ++number;
        if (line.startsWith("> ")) {
            QJsonParseError error;
            const QJsonDocument doc = QJsonDocument::fromJson(line.mid(2), &error);
            if (error.error != QJsonParseError::NoError) {
                std::fprintf(stderr, "%s:%d: %s\n", argv[2], number, qPrintable(error.errorString()));
                return 2;
            }
            expected.append({number, doc.object()});
            input += '\n'; // a blank line keeps the tool's line numbers those of the scenario
        } else {
            input += line + '\n';
        }
    }

    // Each scenario runs in a fresh working folder: the files it saves start from nothing.
    QTemporaryDir folder;
    QProcess tool;
    tool.setWorkingDirectory(folder.path());
    QString program = QString::fromLocal8Bit(argv[1]);
    QStringList arguments;
    if (argc > 3) {
        for (int i = 4; i < argc; ++i)
            arguments << QString::fromLocal8Bit(argv[i]);
        arguments << program;
        program = QString::fromLocal8Bit(argv[3]);
    }
    tool.start(program, arguments);
    tool.write(input);
    tool.closeWriteChannel();
    if (!tool.waitForFinished(280000)) {
        std::fprintf(stderr, "varnel-script did not finish\n");
        return 1;
    }
    const QByteArray errors = tool.readAllStandardError();
    std::fwrite(errors.constData(), 1, static_cast<size_t>(errors.size()), stderr);
    if (tool.exitStatus() != QProcess::NormalExit || tool.exitCode() != 0) {
        std::fprintf(stderr, "varnel-script ended with status %d\n", tool.exitCode());
        return 1;
    }
    QList<QByteArray> output = tool.readAllStandardOutput().split('\n');
    if (!output.isEmpty() && output.last().isEmpty())
        output.removeLast();

    int failures = 0;
    for (qsizetype i = 0; i < std::max(output.size(), expected.size()); ++i) {
        if (i >= expected.size()) {
            std::fprintf(stderr, "unexpected output: %s\n", output[i].left(2000).constData());
            ++failures;
            continue;
        }
        if (i >= output.size()) {
            std::fprintf(stderr, "%s:%d: no output for this expectation\n", argv[2], expected[i].first);
            ++failures;
            continue;
        }
        const QJsonValue actual = QJsonDocument::fromJson(output[i]).object();
        if (!contains(actual, expected[i].second)) {
            std::fprintf(
                stderr, "%s:%d: expected %s\n  got %s\n", argv[2], expected[i].first,
                QJsonDocument(expected[i].second.toObject()).toJson(QJsonDocument::Compact).constData(),
                output[i].left(600).constData());
            ++failures;
        }
    }
    std::printf("%lld passed, %d failed\n", static_cast<long long>(expected.size()) - failures, failures);
    return failures == 0 ? 0 : 1;
}
