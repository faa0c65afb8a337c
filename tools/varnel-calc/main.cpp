// varnel-calc: a project file's figures on the command line, as the project window shows them, and its
// 计算书 and workbook written without opening a window.
#include "engine/numbers.h"
#include "forms/desktop.h"
#include "projects/files.h"
#include "projects/json.h"
#include "projects/money.h"
#include "projects/projectfile.h"
#include "projects/projectreport.h"
#include "projects/workbook.h"
#include "session/projectdocument.h"
#include "session/projectopening.h"
#include "ui/projectreportpages.h"

#include <QGuiApplication>

#include <cctype>
#include <cmath>
#include <cstdio>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

using namespace varnel;

namespace {

// The exit codes, as --help gives them.
enum Exit { Done = 0, NotOpened = 1, BadArguments = 2, NotWritten = 3 };

constexpr std::string_view usage = R"(用法：varnel-calc [选项] 文件.varnel…

打开每个项目文件，像 Varnel 的项目窗口一样重算其中的每个单项（主窗口的单项和附表二各类工程的
单项），打印项目的汇总表（序号、名称、工程类型、复杂程度、计费额、设计收费基准价、计入合计的收费，
金额单位为万元，保留四位小数）、合计、浮动幅度值、合同额及其增值税。打不开的文件在标准错误上给出与程序窗口相同的说明，其余的文件照常打印。

选项：
  --json              每个文件打印一行 JSON，代替汇总表：
                        {"project": 项目名称, "items": [{"name", "basicFee", "otherFee",
                        "benchmarkFee", "phase", "phaseFee", "fee", "basicFeeExact", …}],
                        "total", "float", "newTechnology", "contract", "taxRate",
                        "taxIncluded", "excludingTax", "tax", "includingTax"}
                      金额单位为万元，与项目窗口、计算书和工作簿相同：各项收费四舍五入到元（四位
                      小数），合计是各单项计入合计的收费之和；"…Exact" 是未经舍入的计算结果，以能
                      准确读回同一个双精度数的最短形式写出；"fee" 是计入合计的收费；"phase" 是计入
                      合计的单独委托设计阶段（如“初步设计”“招标设计”），"phaseFee" 是它的收费，
                      单项没有单独委托设计阶段的收费时两者为 null；"float" 是浮动幅度值（%），输入
                      合同额时是它相当的浮动幅度值（保留两位小数），合计为零时为 null；
                      "newTechnology" 是否采用新技术（浮动幅度值可达 +25%）；"taxRate" 是增值税
                      税率（%），"taxIncluded" 是合同额是否含税，"excludingTax"、"tax"、
                      "includingTax" 是合同额的不含税金额、税额和含税金额
  --report 文件       把项目计算书写入这个文件：以 .pdf 结尾写 PDF（A4，与程序打印的相同），
                      以 .txt 结尾写文本（UTF-8，CR LF 换行）
  --xlsx 文件         把项目写成 Excel 工作簿，文件名以 .xlsx 结尾
  -h, --help          显示这段说明

--report 和 --xlsx 只用于一个项目文件。写入的文件先以临时名称写在旁边，写完并存入磁盘后才改用这个
名称：写入失败时原有的文件保持不变。文件名是链接时写入它指向的文件，链接保留；文件夹、设备、管道等
不是普通文件的名称不会被写入。

退出码：
  0  每个文件都已打开，要写的文件都已写好
  1  有文件打不开（其余的文件照常打印）
  2  命令行有误：没有文件、选项不认识、缺少文件名，--report、--xlsx 用于多个文件，
     或 --report、--xlsx 的文件就是要读取的项目文件（也包括经过链接的同一个文件）
  3  项目计算书、工作簿或标准输出未能写入（磁盘已满、没有权限、目标不是普通文件……）
)";

struct Options {
    bool json = false;
    std::optional<std::string> report;
    std::optional<std::string> workbook;
    std::vector<std::string> files;
};

bool endsWith(const std::string& text, std::string_view end) {
    if (text.size() < end.size())
        return false;
    for (std::size_t i = 0; i < end.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(text[text.size() - end.size() + i])) != end[i])
            return false;
    return true;
}

// The options, or the sentence that refuses them.
std::variant<Options, std::string> readOptions(const std::vector<std::string>& arguments) {
    Options o;
    bool onlyFiles = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& a = arguments[i];
        if (onlyFiles || a.empty() || a[0] != '-' || a == "-") {
            o.files.push_back(a);
            continue;
        }
        if (a == "--") {
            onlyFiles = true;
        } else if (a == "--json") {
            o.json = true;
        } else if (a == "--report" || a == "--xlsx" || a.starts_with("--report=") ||
                   a.starts_with("--xlsx=")) {
            const std::size_t equals = a.find('=');
            const std::string name = a.substr(0, equals);
            std::string value;
            if (equals != std::string::npos)
                value = a.substr(equals + 1);
            else if (i + 1 < arguments.size())
                value = arguments[++i];
            if (value.empty())
                return name + " 后面应有文件名";
            if (name == "--report" && !endsWith(value, ".pdf") && !endsWith(value, ".txt"))
                return "--report 的文件名应以 .pdf 或 .txt 结尾：" + value;
            if (name == "--xlsx" && !endsWith(value, projects::workbookExtension))
                return "--xlsx 的文件名应以 .xlsx 结尾：" + value;
            (name == "--report" ? o.report : o.workbook) = value;
        } else {
            return "不认识的选项：" + a;
        }
    }
    if (o.files.empty())
        return "没有给出项目文件";
    if ((o.report || o.workbook) && o.files.size() > 1)
        return "--report 和 --xlsx 只用于一个项目文件，这里给出了 " + std::to_string(o.files.size()) + " 个";
    return o;
}

// ---- JSON, one line a project

// A figure, or null where there is none. The amounts' ceiling keeps every figure finite; were one ever not,
// JSON has no word for it, and null keeps the line JSON.
std::string number(std::optional<double> value) {
    return value && std::isfinite(*value) ? engine::exactText(*value) : "null";
}

// A stated amount as the other outputs write it ("958.1869"), which is also a JSON number.
std::string amount(const std::optional<projects::Decimal>& value) {
    return value ? projects::amountText(*value) : "null";
}

std::string jsonLine(const projects::OpenedQuote& opened, const projects::Totals& totals) {
    const projects::Quote& q = opened.quote;
    std::string line = "{\"project\": " + projects::json::quoted(q.name) + ", \"items\": [";
    for (std::size_t i = 0; i < q.items.size() && i < totals.items.size(); ++i) {
        const projects::ItemFigures& f = opened.figures[i];
        const projects::QuotedItem& stated = totals.items[i];
        const std::string phase = f.phase ? projects::json::quoted(f.phase->name) : "null";
        line += (i ? ", " : "") + std::string("{\"name\": ") + projects::json::quoted(q.items[i].name) +
                ", \"basicFee\": " + amount(stated.basicFee) + ", \"otherFee\": " + amount(stated.otherFee) +
                ", \"benchmarkFee\": " + amount(stated.benchmarkFee) + ", \"phase\": " + phase +
                ", \"phaseFee\": " + amount(stated.phaseFee) + ", \"fee\": " + amount(stated.chargedFee) +
                ", \"basicFeeExact\": " + number(f.basicFee()) +
                ", \"otherFeeExact\": " + number(f.otherFee()) +
                ", \"benchmarkFeeExact\": " + number(f.benchmarkFee()) +
                ", \"phaseFeeExact\": " + number(f.phaseFee()) + ", \"feeExact\": " + number(f.chargedFee()) +
                "}";
    }
    // The float as typed, or the one a typed contract amount comes to, to 0.01 %.
    std::string floatPercent = "null";
    if (totals.contractTyped && totals.impliedFloat)
        floatPercent = totals.impliedFloat->fixedText(projects::percentPlaces);
    else if (!totals.contractTyped)
        floatPercent = engine::exactText(q.floatPercent);
    line += "], \"total\": " + amount(totals.total) + ", \"float\": " + floatPercent +
            ", \"newTechnology\": " + (q.newTechnology ? "true" : "false") +
            ", \"contract\": " + amount(totals.contract) + ", \"taxRate\": " + engine::exactText(q.taxRate) +
            ", \"taxIncluded\": " + (q.taxIncluded ? "true" : "false") +
            ", \"excludingTax\": " + amount(totals.tax.excluding) + ", \"tax\": " + amount(totals.tax.tax) +
            ", \"includingTax\": " + amount(totals.tax.including) + "}";
    return line;
}

// ---- The table as text

void printTable(const std::string& path, const projects::ProjectReport& report, bool first) {
    std::string out = first ? "" : "\n";
    out += "文件：" + path + "\n";
    for (const projects::ReportField& f : report.fields)
        out += f.label + "：" + f.value + "\n";
    const std::vector<std::string> lines = projects::summaryLines(report.summary);
    for (std::size_t i = 1; i < lines.size(); ++i) // the heading is the document's, not the terminal's
        out += lines[i] + "\n";
    std::fwrite(out.data(), 1, out.size(), stdout);
}

// ---- Files written

// The PDF is painted with Qt's fonts, which need a GUI application; without a display it is the offscreen
// platform. Only a PDF needs one.
std::unique_ptr<QGuiApplication> guiApplication(int& argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    return std::make_unique<QGuiApplication>(argc, argv);
}

bool writeReport(const std::string& path, const projects::ProjectReport& report) {
    const ui::SavedReport saved = ui::saveProjectReport(QString::fromStdString(path), report);
    if (!saved.failure)
        return true;
    std::cerr << "varnel-calc：项目计算书未能写入“" << path << "”："
              << projects::explained(*saved.failure, "再运行一次") << "\n";
    return false;
}

bool writeWorkbook(const std::string& path, const projects::OpenedQuote& project,
                   const projects::Totals& totals) {
    const std::optional<projects::FileFailure> failure =
        projects::writeWorkbook(path, project.quote, project.figures, totals);
    if (!failure)
        return true;
    std::cerr << "varnel-calc：工作簿未能写入“" << path << "”："
              << projects::explained(*failure, "再运行一次") << "\n";
    return false;
}

// An output that is one of the project files read (the same file, also through a link) would replace
// the project with its report.
std::optional<std::string> outputOverInput(const Options& o) {
    for (const std::optional<std::string>& output : {o.report, o.workbook})
        for (const std::string& input : o.files)
            if (output && (*output == input || projects::sameFile(*output, input)))
                return "“" + *output + "”是要读取的项目文件，不能用来写入输出：请给输出另起一个文件名";
    return std::nullopt;
}

} // namespace

int main(int argc, char** argv) {
    std::vector<std::string> arguments(argv + 1, argv + argc);
    for (const std::string& a : arguments) {
        if (a == "-h" || a == "--help") {
            std::fwrite(usage.data(), 1, usage.size(), stdout);
            return Done;
        }
        if (a == "--")
            break;
    }
    const std::variant<Options, std::string> read = readOptions(arguments);
    if (const auto* refused = std::get_if<std::string>(&read)) {
        std::cerr << "varnel-calc：" << *refused
                  << "\n用法：varnel-calc [--json] [--report 文件.pdf|文件.txt] "
                  << "[--xlsx 文件.xlsx] 文件.varnel…（--help 给出详细说明）\n";
        return BadArguments;
    }
    const Options& options = std::get<Options>(read);
    if (const std::optional<std::string> refused = outputOverInput(options)) {
        std::cerr << "varnel-calc：" << *refused << "\n";
        return BadArguments;
    }

    int exit = Done;
    std::unique_ptr<QGuiApplication> application;
    bool first = true;
    for (const std::string& path : options.files) {
        const std::variant<projects::OpenedQuote, projects::FileProblem> opened =
            session::openProjectContents(
                session::fileContents(projects::readRegularFile(path, projects::maxFileBytes)));
        if (const auto* problem = std::get_if<projects::FileProblem>(&opened)) {
            std::fflush(stdout);
            std::cerr << "varnel-calc：" << projects::openFailureMessage(path, *problem) << "\n";
            exit = NotOpened;
            continue;
        }
        const projects::OpenedQuote& project = std::get<projects::OpenedQuote>(opened);
        if (!project.notes.empty()) {
            std::fflush(stdout);
            std::cerr << "varnel-calc：注意：" << projects::readingNote(path, project.notes) << "\n";
        }
        const projects::Totals totals = projects::totalsOf(project.quote, project.figures);
        const projects::ProjectReport report =
            projects::buildProjectReport(project.quote, project.figures, totals);
        if (options.json) {
            const std::string line = jsonLine(project, totals) + "\n";
            std::fwrite(line.data(), 1, line.size(), stdout);
        } else {
            printTable(path, report, first);
        }
        first = false;
        std::fflush(stdout);

        if (options.report) {
            if (endsWith(*options.report, ".pdf") && !application)
                application = guiApplication(argc, argv);
            if (!writeReport(*options.report, report))
                exit = NotWritten;
        }
        if (options.workbook && !writeWorkbook(*options.workbook, project, totals))
            exit = NotWritten;
    }
    // What was printed must have reached its destination: a full disk or a closed pipe is a failure.
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        std::cerr << "varnel-calc：无法写入标准输出：输出的去处已满或已关闭\n";
        return NotWritten;
    }
    return exit;
}
