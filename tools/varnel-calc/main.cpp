// varnel-calc: a project file's figures on the command line, as the project window shows them, and its
// 计算书 and workbook written without opening a window.
//
// Built twice. varnel-calc links no Qt: loading Qt's libraries takes longer than reading and totalling ten
// thousand items, and only a PDF needs them. varnel-calc-pdf, built from this same source with
// VARNEL_CALC_PAINTS_PDF, paints the PDF 计算书 with Qt; varnel-calc hands a command line that asks for a PDF
// over to it whole, so that what is printed, written and returned is the same either way.
#include "forms/desktop.h"
#include "projects/files.h"
#include "projects/projectfile.h"
#include "projects/projectreport.h"
#include "projects/quotejson.h"
#include "projects/workbook.h"
#include "session/projectdocument.h"
#include "session/projectopening.h"
#include "session/reportfile.h"

#ifdef VARNEL_CALC_PAINTS_PDF
#include "ui/projectreportpages.h"

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#else
#include <unistd.h>

#include <filesystem>
#include <system_error>
#endif

#include <cstdio>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

using namespace varnel;

namespace {

// The exit codes, as --help gives them.
enum Exit { Done = 0, NotOpened = 1, BadArguments = 2, NotWritten = 3 };

// Every message on standard error starts with the program's name, as a shell user expects.
constexpr std::string_view prefix = "varnel-calc: ";

// The short form of the usage, under a message that refuses the command line.
constexpr std::string_view synopsis =
    "用法：varnel-calc [--json] [--report 文件.pdf|文件.txt] [--xlsx 文件.xlsx] "
    "文件.varnel…\n"
    "运行“varnel-calc --help”查看全部选项和退出码。\n";

constexpr std::string_view usage = R"(用法：varnel-calc [选项] 文件.varnel…
      varnel-calc --help | --version

打开每个项目文件，像 Varnel 的项目窗口一样重算其中的每个单项（主窗口的单项和附表二各类工程的
单项），打印项目的汇总表（序号、名称、工程类型、复杂程度、计费额、基本设计收费、其他设计收费、
设计收费基准价、单独委托设计、计入合计的收费，金额单位为万元，保留四位小数）、合计、浮动幅度值、
合同额及其增值税。打不开的文件在标准错误上说明原因，其余的文件照常打印。

选项：
  --json              每个文件打印一行 JSON，代替汇总表（字段见下）
  --report 文件       把项目计算书写入这个文件：以 .pdf 结尾写 PDF（A4，与程序打印的相同），
                      以 .txt 结尾写文本（UTF-8，CR LF 换行）
  --xlsx 文件         把项目写成 Excel 工作簿，文件名以 .xlsx 结尾
  -h, --help          显示这段说明
  --version           显示程序的名称和版本

--report 和 --xlsx 只用于一个项目文件，各给一次；也可以写成 --report=文件、--xlsx=文件。“--”之后的参数
都是项目文件。写入的文件先以临时名称写在旁边，写完并存入磁盘后才改用这个名称：写入失败时原有的文件
保持不变。文件名是链接时写入它指向的文件，链接保留；文件夹、设备、管道等不是普通文件的名称不会被写入。

--json 的字段：
  项目："project" 项目名称，"client" 发包人，"designer" 设计人，"date" 编制日期（照原样），
    "items" 各单项，"total" 合计，"float" 浮动幅度值（%，输入合同额时是它相当的浮动幅度值，保留两位
    小数；合计为零时为 null），"contractTyped" 合同额是否直接输入，"newTechnology" 是否采用新技术
    （浮动幅度值可达 +25%），"contract" 合同额，"taxRate" 增值税税率（%），"taxIncluded" 合同额是否
    含税，"excludingTax"、"tax"、"includingTax" 合同额的不含税金额、税额和含税金额
  单项："name" 名称，"itemKind" 单项的种类（"main" 主窗口的单项，"industry" 附表二各类工程的单项），
    "type" 主窗口的工程类型（如 "公路和城市道路工程"，附表二的单项为 null），"kind" 附表二的工程
    种类（如 "公路、城市道路工程"，主窗口的单项为 null），"grade" 复杂程度（"Ⅰ级"、"Ⅱ级"、"Ⅲ级"
    或 null），"feeBaseTyped" 输入的计费额（文本，照原样），"feeBase" 计算所用的计费额，
    "basicFee" 基本设计收费，"otherFee" 其他设计收费，"benchmarkFee" 设计收费基准价，"phase" 单独
    委托的设计阶段（如 "初步设计"、"招标设计"），"phasePercent" 它占基准价的比例（%），"phaseFee"
    它的收费，"fee" 计入合计的收费；没有单独委托设计阶段的收费时 "phase"、"phasePercent"、
    "phaseFee" 为 null
  金额单位为万元，与项目窗口、计算书和工作簿相同：各项收费四舍五入到元（四位小数），合计是各单项
  计入合计的收费之和。"basicFeeExact"、"otherFeeExact"、"benchmarkFeeExact"、"phaseFeeExact"、
  "feeExact" 是未经舍入的计算结果，以能准确读回同一个双精度数的最短形式写出。

退出码：
  0  每个文件都已打开，要写的文件都已写好（--help、--version 也是 0）
  1  有文件打不开（其余的文件照常打印）
  2  命令行有误：没有项目文件、选项不认识、选项缺少文件名或文件名的结尾不对、同一个选项给了两次，
     --report、--xlsx 用于多个文件，或 --report、--xlsx 的文件就是要读取的项目文件（也包括经过
     链接的同一个文件）
  3  项目计算书、工作簿或标准输出未能写入（磁盘已满、没有权限、目标不是普通文件……）

详见 man varnel-calc。
)";

struct Options {
    bool json = false;
    std::optional<std::string> report;
    std::optional<std::string> workbook;
    std::vector<std::string> files;
};

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
        const std::size_t equals = a.find('=');
        const std::string name = a.substr(0, equals);
        if (a == "--") {
            onlyFiles = true;
        } else if (a == "--json") {
            o.json = true;
        } else if (name == "--json" || name == "--help" || name == "--version") {
            return "选项 " + name + " 不带参数：" + a;
        } else if (name == "--report" || name == "--xlsx") {
            std::string value;
            if (equals != std::string::npos)
                value = a.substr(equals + 1);
            else if (i + 1 < arguments.size())
                value = arguments[++i];
            if (value.empty())
                return "选项 " + name + " 后面缺少文件名";
            if (name == "--report" && !projects::hasExtension(value, ".pdf") &&
                !projects::hasExtension(value, ".txt"))
                return "选项 --report 的文件名应以 .pdf 或 .txt 结尾：" + value;
            if (name == "--xlsx" && !projects::hasExtension(value, projects::workbookExtension))
                return "选项 --xlsx 的文件名应以 .xlsx 结尾：" + value;
            std::optional<std::string>& option = name == "--report" ? o.report : o.workbook;
            if (option)
                return "选项 " + name + " 给了两次：" + *option + "、" + value;
            option = value;
        } else {
            return "不认识的选项：" + a;
        }
    }
    if (o.files.empty())
        return "没有给出项目文件（文件.varnel）";
    if ((o.report || o.workbook) && o.files.size() > 1) {
        const std::string options = o.report && o.workbook ? "--report 和 --xlsx"
                                    : o.report             ? "--report"
                                                           : "--xlsx";
        return options + " 只用于一个项目文件，这里给出了 " + std::to_string(o.files.size()) + " 个";
    }
    return o;
}

// Why a file is not opened, on the command line. An item its window could not hold is told by what the
// file holds: no window is at hand to be filled.
std::string
openingRefusal(const std::string& path,
               const std::variant<projects::OpenedQuote, projects::FileProblem, session::ItemNotHeld>& read) {
    if (const auto* problem = std::get_if<projects::FileProblem>(&read))
        return projects::openFailureMessage(path, *problem);
    const session::ItemNotHeld& item = std::get<session::ItemNotHeld>(read);
    std::string what = "第 " + std::to_string(item.index + 1) + " 个单项";
    if (!item.conflict.empty())
        what += "：" + item.conflict;
    else
        what +=
            std::string(item.industry ? "（附表二的工程）" : "") + "的输入不是一组能够同时选用的条件和选项";
    return projects::openFailureMessage(path, projects::FileProblem{what});
}

// ---- The table as text

void printTable(const std::string& path, const projects::ProjectReport& report, bool first) {
    std::string out = first ? "" : "\n";
    out += "文件：" + path + "\n";
    for (const projects::ReportField& f : report.fields)
        out += f.label + "：" + f.value + "\n";
    const std::vector<std::string> lines = projects::summaryLines(report.summary);
    for (std::size_t i = 1; i < lines.size(); ++i) { // the heading is the document's, not the terminal's
        out += lines[i];
        out += '\n';
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
}

// ---- Files written

#ifdef VARNEL_CALC_PAINTS_PDF
// The PDF is painted with Qt's fonts, which need a GUI application; without a display it is the offscreen
// platform. Only a PDF needs one.
// Started from a script or a service there may be no runtime folder, which Qt would complain of on standard
// error in its own words; a private one, removed at exit, keeps standard error to varnel-calc's messages.
std::unique_ptr<QGuiApplication> guiApplication(int& argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
#ifndef Q_OS_WIN
    static QTemporaryDir runtimeFolder;
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") && runtimeFolder.isValid())
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtimeFolder.path()));
#endif
    return std::make_unique<QGuiApplication>(argc, argv);
}

// The 计算书 as a PDF, painted with Qt.
std::optional<std::string> reportPdf(const projects::ProjectReport& report) {
    return ui::projectReportPdf(report);
}
#else
// The program that paints PDFs: beside this one in the build folder, in libexec/varnel beside its bin folder
// once installed.
constexpr std::string_view pdfPainter = "varnel-calc-pdf";

// Runs varnel-calc-pdf on this very command line in this process's place, with the same standard output,
// standard error and exit code; returns only where it could not be started.
int handOverToPdfPainter(char** argv, const std::string& report) {
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error) {
        const std::filesystem::path folder = program.parent_path();
        for (const std::filesystem::path& painter :
             {folder / pdfPainter, folder / ".." / "libexec" / "varnel" / pdfPainter})
            execv(painter.c_str(), argv);
    }
    std::cerr << prefix << "项目计算书未能写入“" << report << "”：找不到写 PDF 的程序 " << pdfPainter
              << "，请重新安装 Varnel\n";
    return NotWritten;
}

// This program writes only text; a PDF is left to varnel-calc-pdf before anything is read.
std::optional<std::string> reportPdf(const projects::ProjectReport&) {
    return std::nullopt;
}
#endif

bool writeReport(const std::string& path, const projects::ProjectReport& report) {
    const std::optional<projects::FileFailure> failure = session::writeReportFile(
        path, projects::projectReportText(report), [&] { return reportPdf(report); },
        [](const std::string& file, std::string_view bytes) {
            return projects::writeWholeFile(file, bytes);
        });
    if (!failure)
        return true;
    std::cerr << prefix << "项目计算书未能写入“" << path << "”："
              << projects::explained(*failure, "再运行一次") << "\n";
    return false;
}

bool writeWorkbook(const std::string& path, const projects::OpenedQuote& project,
                   const projects::Totals& totals) {
    const std::optional<projects::FileFailure> failure =
        projects::writeWorkbook(path, project.quote, project.figures, totals);
    if (!failure)
        return true;
    std::cerr << prefix << "工作簿未能写入“" << path << "”：" << projects::explained(*failure, "再运行一次")
              << "\n";
    return false;
}

// An output that is one of the project files read (the same file, also through a link) would replace
// the project with its report.
std::optional<std::string> outputOverInput(const Options& o) {
    for (const auto& [option, output] : {std::pair{"--report", o.report}, std::pair{"--xlsx", o.workbook}})
        for (const std::string& input : o.files)
            if (output && (*output == input || projects::sameFile(*output, input)))
                return std::string(option) + " 的文件“" + *output +
                       "”是要读取的项目文件，不能用来写入输出：请给 " + option + " 另起一个文件名";
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
        if (a == "--version") {
            const std::string version = "varnel-calc (Varnel) " VARNEL_VERSION "\n";
            std::fwrite(version.data(), 1, version.size(), stdout);
            return Done;
        }
        if (a == "--")
            break;
    }
    const std::variant<Options, std::string> read = readOptions(arguments);
    if (const auto* refused = std::get_if<std::string>(&read)) {
        std::cerr << prefix << *refused << "\n" << synopsis;
        return BadArguments;
    }
    const Options& options = std::get<Options>(read);
    if (const std::optional<std::string> refused = outputOverInput(options)) {
        std::cerr << prefix << *refused << "\n";
        return BadArguments;
    }
#ifndef VARNEL_CALC_PAINTS_PDF
    if (options.report && projects::hasExtension(*options.report, ".pdf"))
        return handOverToPdfPainter(argv, *options.report);
#endif

    int exit = Done;
#ifdef VARNEL_CALC_PAINTS_PDF
    std::unique_ptr<QGuiApplication> application;
#endif
    bool first = true;
    for (const std::string& path : options.files) {
        const std::variant<projects::OpenedQuote, projects::FileProblem, session::ItemNotHeld> opened =
            session::readProjectContents(
                session::fileContents(projects::readRegularFile(path, projects::maxFileBytes)));
        if (!std::holds_alternative<projects::OpenedQuote>(opened)) {
            std::fflush(stdout);
            std::cerr << prefix << openingRefusal(path, opened) << "\n";
            exit = NotOpened;
            continue;
        }
        const projects::OpenedQuote& project = std::get<projects::OpenedQuote>(opened);
        if (!project.notes.empty()) {
            std::fflush(stdout);
            std::cerr << prefix << "注意：" << projects::readingNote(path, project.notes) << "\n";
        }
        const projects::Totals totals = projects::totalsOf(project.quote, project.figures);
        // The table is read off the summary; only a 计算书 written needs the items' sections.
        const projects::ProjectReport report =
            options.report ? projects::buildProjectReport(project.quote, project.figures, totals)
                           : projects::buildProjectSummary(project.quote, project.figures, totals);
        if (options.json) {
            const std::string line = projects::quoteJsonLine(project.quote, project.figures, totals) + "\n";
            std::fwrite(line.data(), 1, line.size(), stdout);
        } else {
            printTable(path, report, first);
        }
        first = false;
        std::fflush(stdout);

        if (options.report) {
#ifdef VARNEL_CALC_PAINTS_PDF
            if (projects::hasExtension(*options.report, ".pdf") && !application)
                application = guiApplication(argc, argv);
#endif
            if (!writeReport(*options.report, report))
                exit = NotWritten;
        }
        if (options.workbook && !writeWorkbook(*options.workbook, project, totals))
            exit = NotWritten;
    }
    // What was printed must have reached its destination: a full disk or a closed pipe is a failure.
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        std::cerr << prefix << "无法写入标准输出：输出的去处已满或已关闭\n";
        return NotWritten;
    }
    return exit;
}
