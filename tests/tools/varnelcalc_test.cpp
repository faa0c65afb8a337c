// varnel-calc run as a user runs it: the figures it prints are the program's, a file it cannot open is
// refused in the window's words while the others still print, and the files it writes are the project's.
#include "engine/numbers.h"
#include "pdfreading.h"
#include "projects/json.h"
#include "projects/money.h"
#include "projects/projectfile.h"
#include "projects/projectreport.h"
#include "projects/quotejson.h"
#include "session/projectdocument.h"
#include "session/projectopening.h"
#include "support/samplequote.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <random>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

using namespace varnel;
namespace json = projects::json;

namespace {

struct Run {
    int exit = -1;
    QString out;
    QString err;
};

// Runs varnel-calc in `folder`; `environment` replaces the test's own where given.
Run calc(const QString& folder, const QStringList& arguments,
         const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
    QProcess p;
    p.setWorkingDirectory(folder);
    p.setProcessEnvironment(environment);
    p.start(QStringLiteral(VARNEL_CALC), arguments);
    if (!p.waitForFinished(120000))
        return {};
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}

QByteArray contentsOf(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool writeFile(const QString& path, const std::string& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) &&
           f.write(bytes.data(), static_cast<qint64>(bytes.size())) == static_cast<qint64>(bytes.size());
}

// The project as the program opens it from the same bytes.
projects::OpenedQuote opened(const std::string& bytes) {
    forms::FileContents contents;
    contents.bytes = bytes;
    contents.size = bytes.size();
    return std::get<projects::OpenedQuote>(session::openProjectContents(contents));
}

// The window's message for a file of these contents.
QString refusal(const std::string& fileName, const forms::FileContents& contents) {
    const auto read = session::openProjectContents(contents);
    const auto* problem = std::get_if<projects::FileProblem>(&read);
    return problem ? QStringLiteral("varnel-calc: ") +
                         QString::fromStdString(projects::openFailureMessage(fileName, *problem))
                   : QString();
}

const json::Value* at(const json::Value& object, std::string_view name) {
    return object.object() ? json::member(*object.object(), name) : nullptr;
}

// A JSON number that is exactly `expected`, or null where nothing is expected.
bool holds(const json::Value* value, std::optional<double> expected) {
    if (!value)
        return false;
    if (!expected)
        return value->isNull();
    return value->number() && *value->number() == *expected;
}

} // namespace

class VarnelCalcTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void initTestCase() {
        QVERIFY(m_folder.isValid());
        m_sample = projects::writeProjectFile(test::sampleQuote());
        QVERIFY(writeFile(path("道路.varnel"), m_sample));
        projects::Quote other = test::sampleQuote();
        other.name = "第二个项目";
        other.contractAmount = 200;
        other.items.resize(2);
        m_other = projects::writeProjectFile(other);
        QVERIFY(writeFile(path("其他.varnel"), m_other));
        // The main window's items and works of kinds of engineering of 附表二 in one project.
        m_mixed = projects::writeProjectFile(test::mixedQuote());
        QVERIFY(writeFile(path("园区.varnel"), m_mixed));
        // A road whose condition its grade does not offer: a file the window could not have written.
        projects::Quote conflict = test::sampleQuote();
        conflict.items[0].mainInputs()->conditions.insert(engine::Condition::Expressway);
        QVERIFY(writeFile(path("冲突.varnel"), projects::writeProjectFile(conflict)));
    }

    // The figures are the quote's, as every output states them: the fees of each item, the phase and its
    // share where that is what the item is charged, the total, the float, the contract and its VAT; the
    // calculation's own doubles follow under "…Exact", written so that they read back the same.
    void jsonGivesTheQuotesFiguresAndTheExactOnes() {
        const Run run = calc(m_folder.path(), {QStringLiteral("--json"), QStringLiteral("道路.varnel"),
                                               QStringLiteral("其他.varnel"), QStringLiteral("园区.varnel")});
        QCOMPARE(run.exit, 0);
        QCOMPARE(run.err, QString());
        const QStringList lines = run.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 3);
        const std::string files[] = {m_sample, m_other, m_mixed};
        // The phase each item is charged, by file: the road's 初步设计 share, and the phases of the works
        // of kinds of engineering, each of its group's table.
        const std::vector<std::vector<const char*>> phases{
            {"初步设计", nullptr, nullptr},
            {"初步设计", nullptr},
            {"初步设计", nullptr, nullptr, "初步设计", "基础设计", "招标设计", nullptr}};
        for (int i = 0; i < 3; ++i) {
            const projects::OpenedQuote project = opened(files[i]);
            const projects::Totals totals = projects::totalsOf(project.quote, project.figures);
            const auto parsed = json::parse(lines[i].toStdString());
            QVERIFY2(std::holds_alternative<json::Value>(parsed), qPrintable(lines[i]));
            const json::Value& v = std::get<json::Value>(parsed);
            QCOMPARE(*at(v, "project")->string(), project.quote.name);
            // The line is the quote's, as the library writes it.
            QCOMPARE(lines[i].toStdString(), projects::quoteJsonLine(project.quote, project.figures, totals));
            // Written as the other outputs write them.
            QVERIFY(lines[i].contains(
                QString::fromStdString("\"total\": " + projects::amountText(totals.total) + ",")));
            QVERIFY(lines[i].contains(
                QString::fromStdString("\"contract\": " + projects::amountText(totals.contract) + ",")));
            QVERIFY(lines[i].contains(QString::fromStdString(
                "\"excludingTax\": " + projects::amountText(totals.tax.excluding) +
                ", \"tax\": " + projects::amountText(totals.tax.tax) +
                ", \"includingTax\": " + projects::amountText(totals.tax.including) + "}")));
            const json::Array& items = *at(v, "items")->array();
            QCOMPARE(items.size(), project.quote.items.size());
            for (std::size_t k = 0; k < items.size(); ++k) {
                const projects::ItemFigures& f = project.figures[k];
                QCOMPARE(*at(items[k], "name")->string(), project.quote.items[k].name);
                const projects::QuotedItem& stated = totals.items[k];
                QVERIFY(holds(at(items[k], "basicFee"), stated.basicFee.toDouble()));
                QVERIFY(holds(at(items[k], "otherFee"), stated.otherFee.toDouble()));
                QVERIFY(holds(at(items[k], "benchmarkFee"), stated.benchmarkFee.toDouble()));
                QVERIFY(holds(at(items[k], "phaseFee"),
                              stated.phaseFee ? std::optional<double>(stated.phaseFee->toDouble())
                                              : std::nullopt));
                QVERIFY(holds(at(items[k], "fee"), stated.chargedFee.toDouble()));
                QVERIFY(holds(at(items[k], "basicFeeExact"), f.basicFee()));
                QVERIFY(holds(at(items[k], "otherFeeExact"), f.otherFee()));
                QVERIFY(holds(at(items[k], "benchmarkFeeExact"), f.benchmarkFee()));
                QVERIFY(holds(at(items[k], "phaseFeeExact"), f.phaseFee()));
                QVERIFY(holds(at(items[k], "feeExact"), f.chargedFee()));
                const json::Value* phase = at(items[k], "phase");
                QVERIFY(phase);
                if (const char* expected = phases[static_cast<std::size_t>(i)].at(k))
                    QCOMPARE(phase->string() ? *phase->string() : "(not a text)", expected);
                else
                    QVERIFY(phase->isNull());
            }
        }
        // The road is charged its 初步设计 share, 45 % of 67.628925: 30.4330 to the 元, 30.43301625 as the
        // double it comes to.
        QVERIFY(lines[0].contains(QStringLiteral(
            "\"phase\": \"初步设计\", \"phasePercent\": 45, \"phaseFee\": 30.4330, \"fee\": 30.4330,")));
        QVERIFY(lines[0].contains(QStringLiteral("\"phaseFeeExact\": 30.433016249999998,")));
        QVERIFY(
            lines[0].contains(QStringLiteral("\"total\": 133.3395, \"float\": -5, \"contractTyped\": false, "
                                             "\"newTechnology\": false, "
                                             "\"contract\": 126.6725, \"taxRate\": 6, \"taxIncluded\": true, "
                                             "\"excludingTax\": 119.5024, \"tax\": 7.1701, "
                                             "\"includingTax\": 126.6725}")));
        // A typed contract amount: the float it comes to, to 0.01 %.
        QVERIFY(lines[1].contains(QStringLiteral("\"contract\": 200.0000,")));
        // 8000 万元 of petrochemical works, charged half its benchmark for 基础设计 (表4.2-1): 249.6 × 1.2
        // × 1.1, 200 × 0.12 and the share, to the 元, and as the doubles they come to.
        QVERIFY(lines[2].contains(QStringLiteral(
            "{\"name\": \"乙烯装置\", \"itemKind\": \"industry\", \"type\": null, "
            "\"kind\": \"石油、化工、石化、化纤、医药工程\", \"grade\": \"Ⅱ级\", \"feeBaseTyped\": \"8000\", "
            "\"feeBase\": 8000.0000, \"basicFee\": 329.4720, \"otherFee\": 24.0000, "
            "\"benchmarkFee\": 353.4720, \"phase\": \"基础设计\", \"phasePercent\": 50, \"phaseFee\": "
            "176.7360, "
            "\"fee\": 176.7360, \"basicFeeExact\": 329.47199999999987, \"otherFeeExact\": 24, "
            "\"benchmarkFeeExact\": 353.47199999999987, \"phaseFeeExact\": 176.73599999999993, "
            "\"feeExact\": 176.73599999999993}")));
    }

    // Each project's table and totals as the report's summary writes them.
    void theTextIsEachProjectsTable_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("name");
        QTest::newRow("the main window's items")
            << QStringLiteral("道路.varnel") << QStringLiteral("某某道路工程");
        QTest::newRow("both kinds") << QStringLiteral("园区.varnel") << QStringLiteral("某某园区工程");
    }

    void theTextIsEachProjectsTable() {
        QFETCH(QString, file);
        QFETCH(QString, name);
        const Run run = calc(m_folder.path(), {file});
        QCOMPARE(run.exit, 0);
        const projects::OpenedQuote project = opened(contentsOf(path(file.toStdString())).toStdString());
        const projects::ProjectReport report = projects::buildProjectReport(
            project.quote, project.figures, projects::totalsOf(project.quote, project.figures));
        const std::vector<std::string> summary = projects::summaryLines(report.summary);
        for (std::size_t i = 1; i < summary.size(); ++i)
            QVERIFY2(run.out.contains(QString::fromStdString(summary[i] + "\n")), summary[i].c_str());
        QVERIFY(run.out.contains(QStringLiteral("项目名称：%1\n").arg(name)));
    }

    // A file that is not a project, one that is not there, one too large and one with a work of a kind of
    // engineering the program does not know are refused on standard error
    // in the words of the window, and the exit code says so; the projects around them still print.
    void aBadFileIsRefusedAndTheOthersStillPrint() {
        QVERIFY(writeFile(path("坏.varnel"), "{\"format\": \"varnel-project\", \"version\": 1"));
        // A work whose kind of engineering 附表二 does not have.
        std::string railwayFile = m_mixed;
        railwayFile.replace(railwayFile.find("选煤及其他煤炭工程"),
                            std::string_view("选煤及其他煤炭工程").size(), "铁路工程");
        QVERIFY(writeFile(path("铁路.varnel"), railwayFile));
        {
            QFile large(path("大.varnel"));
            QVERIFY(large.open(QIODevice::WriteOnly));
            QVERIFY(large.resize(static_cast<qint64>(projects::maxFileBytes) + 1));
        }
        const Run run = calc(m_folder.path(), {QStringLiteral("道路.varnel"), QStringLiteral("坏.varnel"),
                                               QStringLiteral("没有.varnel"), QStringLiteral("大.varnel"),
                                               QStringLiteral("铁路.varnel"), QStringLiteral("其他.varnel")});
        QCOMPARE(run.exit, 1);
        forms::FileContents bad;
        bad.bytes = contentsOf(path("坏.varnel")).toStdString();
        bad.size = bad.bytes.size();
        forms::FileContents missing;
        missing.error = "文件不存在";
        forms::FileContents large;
        large.size = projects::maxFileBytes + 1;
        large.tooLarge = true;
        forms::FileContents railway;
        railway.bytes = contentsOf(path("铁路.varnel")).toStdString();
        railway.size = railway.bytes.size();
        const QStringList expected{refusal("坏.varnel", bad), refusal("没有.varnel", missing),
                                   refusal("大.varnel", large), refusal("铁路.varnel", railway)};
        for (const QString& message : expected)
            QVERIFY(!message.isEmpty());
        QCOMPARE(run.err.split(QLatin1Char('\n'), Qt::SkipEmptyParts), expected);
        QCOMPARE(run.out.count(QStringLiteral("项目名称：")), 2);
        QVERIFY(run.out.contains(QStringLiteral("项目名称：某某道路工程")));
        QVERIFY(run.out.contains(QStringLiteral("项目名称：第二个项目")));
    }

    // Eighty works of 1.7e308 万元 each would total beyond the double range: the file is refused, naming its
    // first work, and nothing is printed for it. Eighty at the ceiling, every typed fee at it too, print
    // as JSON whose every figure is a number.
    void amountsBeyondTheCeilingAreRefused_data() {
        QTest::addColumn<QString>("amount");
        QTest::addColumn<int>("exit");
        QTest::newRow("beyond") << QStringLiteral("1.7e308") << 1;
        QTest::newRow("at the ceiling") << QStringLiteral("100000000") << 0;
    }

    void amountsBeyondTheCeilingAreRefused() {
        QFETCH(QString, amount);
        QFETCH(int, exit);
        forms::FileContents file;
        file.bytes = projects::writeProjectFile(test::equalWorks(80, amount.toStdString(), true));
        file.size = file.bytes.size();
        QVERIFY(writeFile(path("大型.varnel"), file.bytes));
        const Run run = calc(m_folder.path(), {QStringLiteral("--json"), QStringLiteral("大型.varnel")});
        QCOMPARE(run.exit, exit);
        QVERIFY2(!run.out.contains(QStringLiteral("inf")) && !run.out.contains(QStringLiteral("nan")),
                 qPrintable(run.out));
        if (exit != 0) {
            QCOMPARE(run.err.trimmed(), refusal("大型.varnel", file));
            QVERIFY2(run.err.contains(QStringLiteral("大型.varnel")) &&
                         run.err.contains(
                             QStringLiteral("第 1 个单项：无法计算（工程计费额不能大于100000000万元！）")),
                     qPrintable(run.err));
            QCOMPARE(run.out, QString());
            return;
        }
        QCOMPARE(run.err, QString());
        const auto parsed = json::parse(run.out.trimmed().toStdString());
        QVERIFY2(std::holds_alternative<json::Value>(parsed), qPrintable(run.out));
        const json::Value& v = std::get<json::Value>(parsed);
        for (std::string_view name : {"total", "float", "contract"}) {
            const json::Value* figure = at(v, name);
            QVERIFY(figure && figure->number() && std::isfinite(*figure->number()));
        }
    }

    // For random projects, JSON, the 计算书 and the workbook state the same figures, and in each the charged
    // fees as written add up to the total as written; the VAT split adds up too.
    void everyOutputStatesTheSameFiguresAndTheyFoot() {
        std::mt19937 random(20261210);
        // A cell's number as the decimal it holds, every digit of it: a stated figure has four decimals.
        const auto decimal = [](const QString& text) {
            const std::optional<projects::Decimal> d = projects::Decimal::parse(text.trimmed().toStdString());
            return d ? QString::fromStdString(d->fixedText(12))
                           .remove(QRegularExpression(QStringLiteral("0{8}$")))
                     : QStringLiteral("(not a number: %1)").arg(text);
        };
        const auto sum = [](const QStringList& amounts) {
            projects::Decimal total;
            for (const QString& a : amounts)
                total = total + projects::Decimal::parse(a.toStdString()).value_or(projects::Decimal());
            return QString::fromStdString(projects::amountText(total));
        };
        for (int run = 0; run < 6; ++run) {
            const projects::Quote quote = test::randomQuote(random);
            QVERIFY(writeFile(path("随机.varnel"), projects::writeProjectFile(quote)));
            const Run result =
                calc(m_folder.path(),
                     {QStringLiteral("--json"), QStringLiteral("--report"), QStringLiteral("随机.txt"),
                      QStringLiteral("--xlsx"), QStringLiteral("随机.xlsx"), QStringLiteral("随机.varnel")});
            QCOMPARE(result.exit, 0);
            const std::size_t n = quote.items.size();

            // JSON, as written.
            const auto field = [&result](const QString& name) {
                QStringList found;
                const QRegularExpression pattern(QStringLiteral("\"%1\": (-?[0-9.]+)").arg(name));
                for (auto m = pattern.globalMatch(result.out); m.hasNext();)
                    found << m.next().captured(1);
                return found;
            };
            const QStringList fees = field(QStringLiteral("fee"));
            QCOMPARE(static_cast<std::size_t>(fees.size()), n);
            const QString total = field(QStringLiteral("total")).value(0);
            const QString contract = field(QStringLiteral("contract")).value(0);
            QCOMPARE(sum(fees), total);
            QCOMPARE(
                sum({field(QStringLiteral("excludingTax")).value(0), field(QStringLiteral("tax")).value(0)}),
                field(QStringLiteral("includingTax")).value(0));

            // The 计算书's summary: the last column of each item's row and of the total row.
            const QStringList lines =
                QString::fromUtf8(contentsOf(path("随机.txt"))).split(QStringLiteral("\r\n"));
            const auto header = std::find_if(lines.begin(), lines.end(), [](const QString& l) {
                return l.contains(QStringLiteral("计入合计的收费"));
            });
            QVERIFY(header != lines.end());
            QStringList reportFees;
            for (std::size_t i = 1; i <= n; ++i)
                reportFees
                    << header[static_cast<qsizetype>(i)].split(QLatin1Char(' '), Qt::SkipEmptyParts).last();
            QCOMPARE(reportFees, fees);
            QVERIFY(header[static_cast<qsizetype>(n) + 1].startsWith(QStringLiteral("合计")));
            QCOMPARE(header[static_cast<qsizetype>(n) + 1].split(QLatin1Char(' '), Qt::SkipEmptyParts).last(),
                     total);
            const QString contractLine =
                quote.contractAmount
                    ? QStringLiteral("工程设计收费合同额（双方商定）：") + contract + QStringLiteral(" 万元")
                    : QStringLiteral("= ") + contract + QStringLiteral(" 万元");
            QVERIFY(std::any_of(lines.begin(), lines.end(), [&](const QString& l) {
                return l.startsWith(QStringLiteral("工程设计收费合同额")) && l.endsWith(contractLine);
            }));

            // The workbook's cells of the charged fees, the total and the contract amount.
            QProcess python;
            python.start(
                QStringLiteral(VARNEL_PYTHON),
                {QStringLiteral("-c"),
                 QStringLiteral("import openpyxl, sys\n"
                                "sheet = openpyxl.load_workbook(sys.argv[1], data_only=True).worksheets[0]\n"
                                "for row in range(7, 7 + int(sys.argv[2]) + 3):\n"
                                "    print(repr(sheet.cell(row=row, column=12).value))\n"),
                 path("随机.xlsx"), QString::number(n)});
            QVERIFY(python.waitForFinished(60000));
            QCOMPARE(python.exitCode(), 0);
            const QStringList cells = QString::fromUtf8(python.readAllStandardOutput())
                                          .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
            QCOMPARE(static_cast<std::size_t>(cells.size()), n + 3);
            QStringList cellFees;
            for (std::size_t i = 0; i < n; ++i)
                cellFees << decimal(cells[static_cast<qsizetype>(i)]);
            QCOMPARE(cellFees, fees);
            QCOMPARE(decimal(cells[static_cast<qsizetype>(n)]), total);
            QCOMPARE(decimal(cells[static_cast<qsizetype>(n) + 2]), contract);
        }
    }

    void theReportAndTheWorkbookAreWritten_data() {
        QTest::addColumn<QString>("project");
        QTest::addColumn<QStringList>("texts"); // cells of the workbook beside the items' names
        QTest::newRow("the main window's items")
            << QStringLiteral("道路") << QStringList{QStringLiteral("公路和城市道路工程")};
        QTest::newRow("both kinds") << QStringLiteral("园区")
                                    << QStringList{QStringLiteral("公路和城市道路工程"),
                                                   QStringLiteral("选煤及其他煤炭工程"),
                                                   QStringLiteral("基础设计 50%"),
                                                   QStringLiteral("招标设计 20%")};
    }

    void theReportAndTheWorkbookAreWritten() {
        QFETCH(QString, project);
        QFETCH(QStringList, texts);
        const QString report = project + QStringLiteral(".txt");
        const QString workbook = project + QStringLiteral(".xlsx");
        const QString file = project + QStringLiteral(".varnel");
        const Run run = calc(m_folder.path(),
                             {QStringLiteral("--report"), report, QStringLiteral("--xlsx"), workbook, file});
        QCOMPARE(run.exit, 0);
        const projects::OpenedQuote saved = opened(contentsOf(path(file.toStdString())).toStdString());
        const projects::Totals totals = projects::totalsOf(saved.quote, saved.figures);
        QCOMPARE(contentsOf(path(report.toStdString())),
                 QByteArray::fromStdString(projects::projectReportText(
                     projects::buildProjectReport(saved.quote, saved.figures, totals))));

        // The workbook read back by openpyxl: its sheet, the items' names and the total as the same double.
        QProcess python;
        python.start(
            QStringLiteral(VARNEL_PYTHON),
            {QStringLiteral("-c"),
             QStringLiteral("import openpyxl, sys\n"
                            "sheet = openpyxl.load_workbook(sys.argv[1], data_only=True).worksheets[0]\n"
                            "print(sheet.title)\n"
                            "for row in sheet.iter_rows(values_only=True):\n"
                            "    for value in row:\n"
                            "        if value is not None: print(repr(value))\n"),
             path(workbook.toStdString())});
        QVERIFY(python.waitForFinished(60000));
        QCOMPARE(python.exitCode(), 0);
        const QStringList cells = QString::fromUtf8(python.readAllStandardOutput()).split(QLatin1Char('\n'));
        QCOMPARE(cells.value(0), QStringLiteral("汇总"));
        for (const projects::Item& item : saved.quote.items)
            QVERIFY2(cells.contains(QStringLiteral("'%1'").arg(QString::fromStdString(item.name))),
                     item.name.c_str());
        for (const QString& text : texts)
            QVERIFY2(cells.contains(QStringLiteral("'%1'").arg(text)), qPrintable(text));
        QVERIFY2(cells.contains(QString::fromStdString(engine::exactText(totals.total.toDouble()))),
                 qPrintable(cells.join(QLatin1Char(' '))));
    }

    // Without a display and without a platform named, the PDF is made on the offscreen platform.
    void aPdfNeedsNoDisplay() {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const QString& name : {QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("DISPLAY"),
                                    QStringLiteral("WAYLAND_DISPLAY")})
            environment.remove(name);
        const Run run =
            calc(m_folder.path(),
                 {QStringLiteral("--report"), QStringLiteral("道路.pdf"), QStringLiteral("道路.varnel")},
                 environment);
        QCOMPARE(run.exit, 0);
        const QString text = test::pdfText(path("道路.pdf"));
        QVERIFY(text.contains(QStringLiteral("某某道路工程")));
        QVERIFY(test::withoutBlanks(text).contains(QStringLiteral("第1页共")));
    }

    // Each command line that goes wrong says what, in the command line's words, on standard error, with
    // the program's name first; a wrong command line adds the usage and points to --help. The exit code
    // tells the kind: 2 the command line, 1 a file not opened, 3 a file not written. Nothing is left behind.
    void theExitCodeAndTheMessageSayWhatWentWrong_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exit");
        QTest::addColumn<QString>("said");
        QTest::addColumn<QString>("written");
        const QString usage = QStringLiteral(
            "用法：varnel-calc [--json] [--report 文件.pdf|文件.txt] [--xlsx 文件.xlsx] 文件.varnel…\n"
            "运行“varnel-calc --help”查看全部选项和退出码。\n");
        const auto row = [&usage](const char* name, QStringList arguments, int exit, const char* said,
                                  const char* written = "") {
            QString message = QStringLiteral("varnel-calc: ") + QString::fromUtf8(said) + QLatin1Char('\n');
            if (exit == 2)
                message += usage;
            QTest::newRow(name) << arguments << exit << message << QString::fromUtf8(written);
        };
        const QString road = QStringLiteral("道路.varnel");
        row("no file", {QStringLiteral("--json")}, 2, "没有给出项目文件（文件.varnel）");
        row("an unknown option", {QStringLiteral("--csv"), road}, 2, "不认识的选项：--csv");
        row("an unknown short option", {QStringLiteral("-j"), road}, 2, "不认识的选项：-j");
        row("a value to an option that takes none", {QStringLiteral("--json=yes"), road}, 2,
            "选项 --json 不带参数：--json=yes");
        row("a report of two projects",
            {QStringLiteral("--report"), QStringLiteral("两个.pdf"), road, QStringLiteral("其他.varnel")}, 2,
            "--report 只用于一个项目文件，这里给出了 2 个", "两个.pdf");
        row("a report and a workbook of three projects",
            {QStringLiteral("--xlsx=三个.xlsx"), road, QStringLiteral("--report=三个.txt"),
             QStringLiteral("其他.varnel"), QStringLiteral("园区.varnel")},
            2, "--report 和 --xlsx 只用于一个项目文件，这里给出了 3 个", "三个.xlsx");
        row("a report without its name", {road, QStringLiteral("--report")}, 2,
            "选项 --report 后面缺少文件名");
        row("a workbook with an empty name", {QStringLiteral("--xlsx="), road}, 2,
            "选项 --xlsx 后面缺少文件名");
        row("a report of another type", {QStringLiteral("--report"), QStringLiteral("道路.doc"), road}, 2,
            "选项 --report 的文件名应以 .pdf 或 .txt 结尾：道路.doc", "道路.doc");
        row("a workbook of another type", {QStringLiteral("--xlsx=道路.xls"), road}, 2,
            "选项 --xlsx 的文件名应以 .xlsx 结尾：道路.xls", "道路.xls");
        row("a report asked for twice",
            {QStringLiteral("--report"), QStringLiteral("一.txt"), QStringLiteral("--report=二.txt"), road},
            2, "选项 --report 给了两次：一.txt、二.txt", "一.txt");
        row("an option's name after --", {QStringLiteral("--"), QStringLiteral("--json")}, 1,
            "无法打开“--json”：文件不存在。");
        row("an item whose conditions exclude each other", {QStringLiteral("冲突.varnel")}, 1,
            "无法打开“冲突.varnel”：第 1 "
            "个单项：附加调整条件“高速公路、一级公路工程”不是这个工程类型和复杂程度"
            "可以选择的。");
        row("a report into a folder that is not there",
            {QStringLiteral("--report"), QStringLiteral("没有的文件夹/道路.pdf"), road}, 3,
            "项目计算书未能写入“没有的文件夹/"
            "道路.pdf”：文件夹不存在。\n请换一个已有的文件夹，然后再运行一次。",
            "没有的文件夹/道路.pdf");
        row("a workbook into a folder that is not there",
            {QStringLiteral("--xlsx"), QStringLiteral("没有的文件夹/道路.xlsx"), road}, 3,
            "工作簿未能写入“没有的文件夹/道路.xlsx”：文件夹不存在。\n请换一个已有的文件夹，然后再运行一次。",
            "没有的文件夹/道路.xlsx");
    }

    void theExitCodeAndTheMessageSayWhatWentWrong() {
        QFETCH(QStringList, arguments);
        QFETCH(int, exit);
        QFETCH(QString, said);
        QFETCH(QString, written);
        const Run run = calc(m_folder.path(), arguments);
        QCOMPARE(run.exit, exit);
        // Qt's own note when it is started for a PDF without a runtime folder is not varnel-calc's.
        QString err = run.err;
        err.remove(QRegularExpression(QStringLiteral("^QStandardPaths: [^\n]*\n")));
        QCOMPARE(err, said);
        if (exit == 2)
            QCOMPARE(run.out, QString());
        if (!written.isEmpty())
            QVERIFY(!QFile::exists(path(written.toStdString())));
    }

    // --help and --version answer whatever else the command line holds, on standard output, and end well.
    void helpAndVersionAnswerAlone_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("starts");
        QTest::newRow("--version") << QStringList{QStringLiteral("--version")}
                                   << QStringLiteral("varnel-calc (Varnel) " VARNEL_VERSION "\n");
        QTest::newRow("--version beside a wrong option")
            << QStringList{QStringLiteral("--csv"), QStringLiteral("--version")}
            << QStringLiteral("varnel-calc (Varnel) " VARNEL_VERSION "\n");
        QTest::newRow("--help") << QStringList{QStringLiteral("--help")}
                                << QStringLiteral("用法：varnel-calc");
        QTest::newRow("-h before a file") << QStringList{QStringLiteral("-h"), QStringLiteral("道路.varnel")}
                                          << QStringLiteral("用法：varnel-calc");
    }

    void helpAndVersionAnswerAlone() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, starts);
        const Run run = calc(m_folder.path(), arguments);
        QCOMPARE(run.exit, 0);
        QCOMPARE(run.err, QString());
        QVERIFY2(run.out.startsWith(starts), qPrintable(run.out));
        if (starts.endsWith(QLatin1Char('\n')))
            QCOMPARE(run.out, starts);
    }

    void helpGivesTheOptionsAndTheExitCodes() {
        const Run run = calc(m_folder.path(), {QStringLiteral("--help")});
        QCOMPARE(run.exit, 0);
        for (const char* piece :
             {"--json", "--report", "--xlsx", "退出码", "\n  0  ", "\n  1  ", "\n  2  ", "\n  3  "})
            QVERIFY2(run.out.contains(QString::fromUtf8(piece)), piece);
    }

    // A name that is no project file, or an output that is one of the inputs, is refused in words at once;
    // nothing that was there changes.
    void whatIsNoProjectFileIsRefusedInWords_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exit");
        QTest::addColumn<QString>("said");
        const auto row = [](const char* name, QStringList arguments, int exit, const char* said) {
            QTest::newRow(name) << arguments << exit << QString::fromUtf8(said);
        };
        row("a pipe", {QStringLiteral("管道.varnel")}, 1,
            "无法打开“管道.varnel”：这是一个管道（FIFO），不是普通文件。");
        row("a device", {QStringLiteral("/dev/zero")}, 1,
            "无法打开“/dev/zero”：这是一个设备，不是普通文件。");
        row("a folder", {QStringLiteral("文件夹.varnel")}, 1, "这是一个文件夹，不是普通文件。");
        row("links in a circle", {QStringLiteral("圈1")}, 1, "文件名经过的链接绕成了圈，找不到真正的文件。");
        row("a link to nothing", {QStringLiteral("断了的链接.varnel")}, 1,
            "这是一个链接，它指向的文件不存在。");
        row("an empty name", {QString()}, 1, "无法打开“”：没有给出文件名。");
        row("a slash after a file's name", {QStringLiteral("道路.varnel/")}, 1,
            "名称以“/”结尾，是文件夹的写法，不是文件名。");
        row("the report over the project",
            {QStringLiteral("--report"), QStringLiteral("项目.txt"), QStringLiteral("项目.txt")}, 2,
            "--report 的文件“项目.txt”是要读取的项目文件，不能用来写入输出：请给 --report 另起一个文件名");
        row("the workbook over the project",
            {QStringLiteral("--xlsx=项目.xlsx"), QStringLiteral("项目.xlsx")}, 2,
            "--xlsx 的文件“项目.xlsx”是要读取的项目文件");
        row("the report over the project through a link",
            {QStringLiteral("--report"), QStringLiteral("项目链接.txt"), QStringLiteral("项目.txt")}, 2,
            "“项目链接.txt”是要读取的项目文件");
        row("a report onto a pipe",
            {QStringLiteral("--report"), QStringLiteral("输出管道.txt"), QStringLiteral("道路.varnel")}, 3,
            "项目计算书未能写入“输出管道.txt”：这个名称是一个管道（FIFO），不是普通文件，不能用文件替换它。");
        row("a workbook onto a folder",
            {QStringLiteral("--xlsx"), QStringLiteral("文件夹.xlsx"), QStringLiteral("道路.varnel")}, 3,
            "工作簿未能写入“文件夹.xlsx”：这个名称是一个文件夹，不是普通文件，不能用文件替换它。");
    }

    void whatIsNoProjectFileIsRefusedInWords() {
        QFETCH(QStringList, arguments);
        QFETCH(int, exit);
        QFETCH(QString, said);
        const QDir folder(m_folder.path());
        for (const char* name : {"管道.varnel", "输出管道.txt"})
            if (!QFileInfo::exists(path(name)))
                QCOMPARE(::mkfifo(path(name).toLocal8Bit().constData(), 0600), 0);
        folder.mkdir(QStringLiteral("文件夹.varnel"));
        folder.mkdir(QStringLiteral("文件夹.xlsx"));
        QFile::link(QStringLiteral("圈2"), path("圈1"));
        QFile::link(QStringLiteral("圈1"), path("圈2"));
        QFile::link(QStringLiteral("没有.varnel"), path("断了的链接.varnel"));
        QFile::link(QStringLiteral("项目.txt"), path("项目链接.txt"));
        QVERIFY(writeFile(path("项目.txt"), m_sample));
        QVERIFY(writeFile(path("项目.xlsx"), m_sample));

        QElapsedTimer clock;
        clock.start();
        const Run run = calc(m_folder.path(), arguments);
        QVERIFY2(clock.elapsed() < 20000, "varnel-calc waited on what it was given");
        QCOMPARE(run.exit, exit);
        QVERIFY2(run.err.startsWith(QStringLiteral("varnel-calc: ")) && run.err.contains(said),
                 qPrintable(run.err));
        QCOMPARE(contentsOf(path("项目.txt")), QByteArray::fromStdString(m_sample));
        QCOMPARE(contentsOf(path("项目.xlsx")), QByteArray::fromStdString(m_sample));
        QVERIFY(QFileInfo(path("项目链接.txt")).isSymLink());
        QVERIFY(QFileInfo(path("文件夹.xlsx")).isDir());
        QVERIFY(QFileInfo(path("输出管道.txt")).exists() && !QFileInfo(path("输出管道.txt")).isFile());
    }

    // A report written through a link replaces the file the link leads to and keeps the link; a device
    // is never replaced, even by root.
    void linksAreWrittenThroughAndDevicesLeftAlone() {
        QVERIFY(QDir(m_folder.path()).mkdir(QStringLiteral("真的")));
        QVERIFY(writeFile(path("真的/计算书.txt"), "原来的"));
        QVERIFY(QFile::link(QStringLiteral("真的/计算书.txt"), path("计算书链接.txt")));
        Run run = calc(m_folder.path(), {QStringLiteral("--report"), QStringLiteral("计算书链接.txt"),
                                         QStringLiteral("道路.varnel")});
        QCOMPARE(run.exit, 0);
        QVERIFY(QFileInfo(path("计算书链接.txt")).isSymLink());
        QVERIFY(contentsOf(path("真的/计算书.txt")).contains("某某道路工程"));
        if (geteuid() != 0)
            QSKIP("only root can make a device node");
        QCOMPARE(::mknod(path("设备.txt").toLocal8Bit().constData(), S_IFCHR | 0666, makedev(1, 3)), 0);
        run = calc(m_folder.path(),
                   {QStringLiteral("--report"), QStringLiteral("设备.txt"), QStringLiteral("道路.varnel")});
        QCOMPARE(run.exit, 3);
        QVERIFY2(run.err.contains(QStringLiteral("这个名称是一个设备，不是普通文件")), qPrintable(run.err));
        struct stat st {};
        QCOMPARE(::stat(path("设备.txt").toLocal8Bit().constData(), &st), 0);
        QVERIFY(S_ISCHR(st.st_mode));
    }

    // What is printed must arrive: a full device on standard output is a failure, not a success.
    void aStandardOutputThatFailsIsAFailure() {
        QProcess p;
        p.setWorkingDirectory(m_folder.path());
        p.setStandardOutputFile(QStringLiteral("/dev/full"));
        p.start(QStringLiteral(VARNEL_CALC), {QStringLiteral("道路.varnel")});
        QVERIFY(p.waitForFinished(120000));
        QCOMPARE(p.exitCode(), 3);
        QVERIFY(QString::fromUtf8(p.readAllStandardError()).contains(QStringLiteral("无法写入标准输出")));
    }

  private:
    QString path(const std::string& name) const { return m_folder.filePath(QString::fromStdString(name)); }

    QTemporaryDir m_folder;
    std::string m_sample;
    std::string m_other;
    std::string m_mixed;
};

QTEST_GUILESS_MAIN(VarnelCalcTest)
#include "varnelcalc_test.moc"
