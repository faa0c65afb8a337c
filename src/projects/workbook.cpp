#include "projects/workbook.h"

#include "engine/numbers.h"
#include "projects/files.h"
#include "projects/money.h"
#include "projects/textwidth.h"
#include "projects/typednumbers.h"

#include <xlsxwriter.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <map>
#include <random>
#include <system_error>

#ifdef _WIN32
#include <windows.h>
#endif

namespace varnel::projects {

namespace {

namespace fs = std::filesystem;

// ---- The sheet

// The project's fields stand on the first four rows, the header after a blank row, then the items and the
// totals.
constexpr lxw_row_t headerRow = 5;
constexpr lxw_row_t firstItemRow = headerRow + 1;

enum Column : lxw_col_t {
    IndexColumn,
    NameColumn,
    TypeColumn,
    GradeColumn,
    AmountColumn,
    ConditionsColumn,
    ServicesColumn,
    PhaseColumn,
    BasicFeeColumn,
    OtherFeeColumn,
    BenchmarkColumn,
    PhaseFeeColumn,
    ChargedFeeColumn,
    columnCount
};

// The headers, broken where a unit follows a long name so that the number columns stay narrow.
constexpr std::array<std::string_view, columnCount> headers{
    "序号",
    "名称",
    "工程类型",
    "复杂程度",
    "计费额\n（万元）",
    "附加调整条件",
    "其他设计收费项目",
    "单独委托\n设计阶段",
    "基本设计收费\n（万元）",
    "其他设计收费\n（万元）",
    "设计收费基准价\n（万元）",
    "阶段收费\n（万元）",
    "计入合计的收费\n（万元）",
};

// Amounts are the quote's figures (money.h), to the 元: four decimals; a float shows two, as the notes
// write it (a float typed with more keeps them in its cell).
constexpr const char* numberFormat = "0.0000";
constexpr const char* percentFormat = "0.00";
constexpr int shownDecimals = 4;
constexpr int shownPercentDecimals = 2;

// Column widths are in widths of a digit of the default font; a CJK character takes about two. The lists of
// conditions and services wrap beyond `widestList`, their rows as high as their lines.
constexpr double wideCharacter = 2.0;
constexpr double cellPadding = 2.0;
constexpr double widestList = 30.0;
constexpr double lineHeight = LXW_DEF_ROW_HEIGHT; // points
// Two lines of the header.
constexpr double headerHeight = 2 * lineHeight + 2;
constexpr std::uint8_t a4Paper = 9; // Excel's paper size code

// The width of the widest line of a UTF-8 text. A byte that does not start a valid sequence counts as one
// character.
double displayWidth(std::string_view text) {
    double widest = 0;
    double line = 0;
    for (char32_t c : charactersOf(text)) {
        if (c == '\n') {
            widest = std::max(widest, line);
            line = 0;
        } else {
            line += isWide(c) ? wideCharacter : 1;
        }
    }
    return std::max(widest, line);
}

// How a number looks with `decimals` decimals, for its column's width.
double shownWidth(double value, int decimals) {
    std::array<char, 400> text{};
    const auto [end, error] =
        std::to_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed, decimals);
    return error == std::errc() ? static_cast<double>(end - text.data()) : 0;
}

// Excel reads "_x" with four hex digits and "_" in a text as an escaped character, so a name typed with
// such a sequence escapes its underscore as "_x005F_" to come back as typed. (Control characters are
// escaped by the library.)
std::string cellText(std::string_view typed) {
    const auto hex = [](char c) { return std::isxdigit(static_cast<unsigned char>(c)) != 0; };
    std::string text;
    for (std::size_t i = 0; i < typed.size(); ++i) {
        if (typed[i] == '_' && i + 6 < typed.size() && typed[i + 1] == 'x' && hex(typed[i + 2]) &&
            hex(typed[i + 3]) && hex(typed[i + 4]) && hex(typed[i + 5]) && typed[i + 6] == '_')
            text += "_x005F_";
        else
            text += typed[i];
    }
    return text;
}

std::string_view trimmed(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

// A typed number as the lists show it: an amount with its unit, a rate named as one, a coefficient bare.
template <typename Inputs>
std::string typedNumberText(const TypedNumber& number, const Inputs& inputs) {
    const std::string_view typed = trimmed(inputs.text(number.entry));
    if (typed.empty())
        return {};
    if (number.role == "amount")
        return std::string(typed) + "万元";
    if (number.role == "rate")
        return "费率 " + std::string(typed);
    return std::string(typed);
}

// A condition or service with what was typed for it: "改扩建和技术改造建设项目 1.2",
// "非标准设备设计费 100万元，费率 0.15".
template <typename Inputs>
std::string withTypedNumbers(std::string_view name, std::span<const TypedNumber> numbers,
                             const Inputs& inputs) {
    std::string text(name);
    std::string_view separator = " ";
    for (const TypedNumber& n : numbers) {
        const std::string typed = typedNumberText(n, inputs);
        if (typed.empty())
            continue;
        text += separator;
        text += typed;
        separator = "，";
    }
    return text;
}

// The conditions the calculation reads, and the services, each list joined with "；".
std::string conditionsText(const engine::Project& inputs) {
    std::string text;
    for (std::size_t i = 0; i < engine::conditionCount; ++i) {
        const auto c = static_cast<engine::Condition>(i);
        if (!inputs.has(c))
            continue;
        text += text.empty() ? "" : "；";
        text += withTypedNumbers(engine::conditionNames[i], typedNumbersOf(c), inputs);
    }
    return text;
}

// A kind of engineering's conditions ticked, in the order of its group's table.
std::string conditionsText(const engine::industry::Project& inputs) {
    std::string text;
    if (!inputs.kind)
        return text;
    for (const engine::industry::ConditionRow* row :
         engine::industry::offeredConditions(*inputs.kind, inputs.grade)) {
        if (!inputs.has(row->adjustment))
            continue;
        const TypedNumber coefficient{row->entry.value_or(engine::Entry{}), "coefficient"};
        text += text.empty() ? "" : "；";
        text += withTypedNumbers(row->name,
                                 row->entry ? std::span<const TypedNumber>(&coefficient, 1)
                                            : std::span<const TypedNumber>(),
                                 inputs);
    }
    return text;
}

template <typename Inputs>
std::string servicesText(const Inputs& inputs) {
    std::string text;
    for (const engine::OtherFee& f : engine::otherFees) {
        if (!inputs.has(f.service))
            continue;
        text += text.empty() ? "" : "；";
        text += withTypedNumbers(f.name, typedNumbersOf(f.service), inputs);
    }
    return text;
}

// The phase commissioned on its own, where it is charged a share.
std::string_view phaseText(const engine::Project& inputs) {
    const bool phase = inputs.independentPhase && inputs.phase != engine::DesignPhase::None;
    return phase ? engine::designPhaseNames[static_cast<std::size_t>(inputs.phase)] : "";
}

std::string_view phaseText(const engine::industry::Project& inputs) {
    return inputs.commission
               ? engine::industry::phaseNames[static_cast<std::size_t>(inputs.commission->phase)]
               : "";
}

struct Formats {
    lxw_format* label;
    lxw_format* header;
    lxw_format* text;
    lxw_format* list;
    lxw_format* index;
    lxw_format* number;
    lxw_format* totalLabel;
    lxw_format* totalNumber;
    lxw_format* totalPercent;
};

Formats addFormats(lxw_workbook* book) {
    const auto add = [book](bool bold, bool bordered) {
        lxw_format* f = workbook_add_format(book);
        if (bold)
            format_set_bold(f);
        if (bordered) {
            format_set_border(f, LXW_BORDER_THIN);
            format_set_align(f, LXW_ALIGN_VERTICAL_CENTER);
        }
        return f;
    };
    Formats f{add(true, false), add(true, true), add(false, true), add(false, true), add(false, true),
              add(false, true), add(true, true), add(true, true),  add(true, true)};
    format_set_align(f.header, LXW_ALIGN_CENTER);
    format_set_text_wrap(f.header);
    format_set_bg_color(f.header, 0xE7E6E6);
    format_set_text_wrap(f.list);
    format_set_align(f.index, LXW_ALIGN_CENTER);
    format_set_num_format(f.index, "0");
    format_set_num_format(f.number, numberFormat);
    format_set_align(f.totalLabel, LXW_ALIGN_RIGHT);
    format_set_num_format(f.totalNumber, numberFormat);
    format_set_align(f.totalPercent, LXW_ALIGN_RIGHT);
    format_set_num_format(f.totalPercent, percentFormat);
    return f;
}

// Writes cells, keeps the first error and how wide each column's content is.
class Sheet {
  public:
    explicit Sheet(lxw_worksheet* sheet) : m_sheet(sheet) {}

    // How a text fits: its column is as wide as it, it wraps in a column of at most `widestList`, or it runs
    // on into the empty cells beside it.
    enum class Fit { Width, Wrap, RunOn };

    void text(lxw_row_t row, Column column, std::string_view text, lxw_format* format, Fit how = Fit::Width) {
        if (how == Fit::Wrap)
            m_wrapped.push_back({row, column, displayWidth(text)});
        if (how != Fit::RunOn)
            fit(column, displayWidth(text));
        keep(worksheet_write_string(m_sheet, row, column, cellText(text).c_str(), format));
    }

    // A number; one that is not finite, which a cell cannot hold, leaves the cell empty.
    void number(lxw_row_t row, Column column, std::optional<double> value, lxw_format* format,
                int decimals = shownDecimals) {
        if (!value || !std::isfinite(*value)) {
            keep(worksheet_write_blank(m_sheet, row, column, format));
            return;
        }
        fit(column, shownWidth(*value, decimals));
        keep(worksheet_write_number(m_sheet, row, column, *value, format));
    }

    void comment(lxw_row_t row, Column column, std::string_view text) {
        keep(worksheet_write_comment(m_sheet, row, column, cellText(text).c_str()));
    }

    // A label across the columns before the charged fee, and its number below that fee: an amount, or a
    // percentage in `format`.
    void total(lxw_row_t row, std::string_view label, std::optional<double> value, const Formats& f,
               lxw_format* format = nullptr) {
        keep(worksheet_merge_range(m_sheet, row, IndexColumn, row, ChargedFeeColumn - 1,
                                   cellText(label).c_str(), f.totalLabel));
        if (format)
            number(row, ChargedFeeColumn, value, format, shownPercentDecimals);
        else
            number(row, ChargedFeeColumn, value, f.totalNumber);
    }

    // Sizes the columns to their content, and the rows to the lines of their wrapped texts.
    void sizeColumnsAndRows() {
        std::array<double, columnCount> widths{};
        for (lxw_col_t c = 0; c < columnCount; ++c) {
            widths[c] = m_widths[c] + cellPadding;
            keep(worksheet_set_column(m_sheet, c, c, widths[c], nullptr));
        }
        std::map<lxw_row_t, double> lines;
        for (const Wrapped& w : m_wrapped) {
            const double width = widths[w.column] - cellPadding;
            lines[w.row] = std::max(lines[w.row], width > 0 ? std::ceil(w.width / width) : 1.0);
        }
        for (const auto& [row, count] : lines)
            if (count > 1)
                keep(worksheet_set_row(m_sheet, row, count * lineHeight, nullptr));
    }

    lxw_error error() const { return m_error; }

  private:
    struct Wrapped {
        lxw_row_t row;
        Column column;
        double width;
    };

    void fit(Column column, double width) {
        const bool list = column == ConditionsColumn || column == ServicesColumn;
        m_widths[column] =
            std::max(m_widths[column], list ? std::min(width, widestList - cellPadding) : width);
    }
    void keep(lxw_error error) {
        if (m_error == LXW_NO_ERROR)
            m_error = error;
    }

    lxw_worksheet* m_sheet;
    std::array<double, columnCount> m_widths{}; // of the content
    std::vector<Wrapped> m_wrapped;
    lxw_error m_error = LXW_NO_ERROR;
};

// A stated figure as a cell holds it: the double nearest its decimal, which the cell writes as that
// decimal.
std::optional<double> cellValue(const std::optional<Decimal>& figure) {
    return figure ? std::optional<double>(figure->toDouble()) : std::nullopt;
}

void writeItem(Sheet& sheet, lxw_row_t row, std::size_t index, const Item& item, const ItemFigures& figures,
               const QuotedItem& quoted, const Formats& f) {
    // The main window's type or the kind of engineering stands in the type's column; the lists and the phase
    // in the same cells for both.
    const ItemInputs inputs = canonicalInputs(item.inputs);
    sheet.number(row, IndexColumn, static_cast<double>(index + 1), f.index, 0);
    sheet.text(row, NameColumn, item.name, f.text);
    sheet.text(row, TypeColumn, engineeringNameOf(inputs), f.text);
    sheet.text(row, GradeColumn, gradeNameOf(inputs), f.text);
    // The amount the calculation read. Where the text typed is not plainly that number ("1.5E3"), a
    // comment keeps it.
    const double amount = figures.feeBase();
    const std::string& typed = amountOf(inputs);
    sheet.number(row, AmountColumn, amount, f.number);
    if (readContractAmount(typed) != amount) // a plain decimal above 0
        sheet.comment(row, AmountColumn, "输入的计费额：" + typed);
    const auto textOf = [&inputs](const auto& text) { return std::visit(text, inputs); };
    sheet.text(row, ConditionsColumn, textOf([](const auto& in) { return conditionsText(in); }), f.list,
               Sheet::Fit::Wrap);
    sheet.text(row, ServicesColumn, textOf([](const auto& in) { return servicesText(in); }), f.list,
               Sheet::Fit::Wrap);
    sheet.text(row, PhaseColumn, textOf([](const auto& in) { return phaseText(in); }), f.text);
    sheet.number(row, BasicFeeColumn, cellValue(quoted.basicFee), f.number);
    sheet.number(row, OtherFeeColumn, cellValue(quoted.otherFee), f.number);
    sheet.number(row, BenchmarkColumn, cellValue(quoted.benchmarkFee), f.number);
    sheet.number(row, PhaseFeeColumn, cellValue(quoted.phaseFee), f.number);
    sheet.number(row, ChargedFeeColumn, cellValue(quoted.chargedFee), f.number);
}

void writeSummary(Sheet& sheet, const Quote& quote, const std::vector<ItemFigures>& figures,
                  const Totals& totals, const Formats& f) {
    const std::array<std::pair<std::string_view, const std::string*>, 4> fields{{{"项目名称", &quote.name},
                                                                                 {"发包人", &quote.client},
                                                                                 {"设计人", &quote.designer},
                                                                                 {"编制日期", &quote.date}}};
    for (lxw_row_t row = 0; row < fields.size(); ++row) {
        sheet.text(row, IndexColumn, fields[row].first, f.label);
        sheet.text(row, NameColumn, *fields[row].second, nullptr, Sheet::Fit::RunOn);
    }
    for (lxw_col_t c = 0; c < columnCount; ++c)
        sheet.text(headerRow, static_cast<Column>(c), headers[c], f.header);
    lxw_row_t row = firstItemRow;
    for (std::size_t i = 0; i < quote.items.size() && i < totals.items.size(); ++i)
        writeItem(sheet, row++, i, quote.items[i], figures[i], totals.items[i], f);

    sheet.total(row++, "合计", cellValue(totals.total), f);
    // Typed, the contract amount gives the float; otherwise the float gives the contract amount.
    const std::string range = "-20%～+" + engine::joinedText(highestFloatFor(quote.newTechnology)) + "%";
    if (totals.contractTyped) {
        sheet.total(row++,
                    totals.outsideRange ? "浮动幅度值（%，由合同额折算，超出 " + range + "）"
                                        : "浮动幅度值（%，由合同额折算）",
                    cellValue(totals.impliedFloat), f, f.totalPercent);
        sheet.total(row++, "合同额（万元，直接输入）", cellValue(totals.contract), f);
    } else {
        sheet.total(row++,
                    quote.newTechnology ? "浮动幅度值（%，采用新技术，" + range + "）" : "浮动幅度值（%）",
                    quote.floatPercent, f, f.totalPercent);
        sheet.total(row++, "合同额（万元）", cellValue(totals.contract), f);
    }
    // The VAT on the contract amount: its three amounts add up.
    const std::string rate = "税率 " + engine::joinedText(quote.taxRate) + "%";
    sheet.total(row++, std::string("其中不含税金额（万元") + (quote.taxIncluded ? "）" : "，合同额）"),
                cellValue(totals.tax.excluding), f);
    sheet.total(row++, "增值税税额（万元，" + rate + "）", cellValue(totals.tax.tax), f);
    sheet.total(row++, std::string("含税金额（万元") + (quote.taxIncluded ? "，合同额）" : "）"),
                cellValue(totals.tax.including), f);
    sheet.sizeColumnsAndRows();
}

// ---- Making the file

constexpr std::string_view tempFailed = "无法在系统的临时文件夹中生成工作簿";
constexpr std::string_view noMemory = "内存不足";
constexpr std::string_view textTooLong = "有一项文字超过了 Excel 单元格能容纳的 32767 个字符";
constexpr std::string_view notComplete = "项目的计算结果不完整";
constexpr std::string_view notMade = "生成工作簿时出错";

FileFailure failureOf(lxw_error error) {
    switch (error) {
    case LXW_ERROR_MEMORY_MALLOC_FAILED:
        return {std::string(noMemory), "关闭其他程序后再导出一次"};
    case LXW_ERROR_MAX_STRING_LENGTH_EXCEEDED:
        return {std::string(textTooLong), "缩短那一项文字后再导出一次"};
    case LXW_ERROR_CREATING_XLSX_FILE:
    case LXW_ERROR_CREATING_TMPFILE:
    case LXW_ERROR_READING_TMPFILE:
        return {std::string(tempFailed), "腾出系统磁盘的空间后再导出一次"};
    default:
        return {std::string(notMade), "再导出一次"};
    }
}

fs::path pathOf(const std::string& utf8) {
    return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string utf8Of(const fs::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

// A folder of the program's own in the system's temporary folder, removed with everything in it when done.
class ScratchFolder {
  public:
    ScratchFolder() {
        std::error_code error;
        const fs::path temp = fs::temp_directory_path(error);
        if (error)
            return;
        std::random_device random;
        for (int attempt = 0; attempt < 100 && m_path.empty(); ++attempt) {
            const fs::path candidate = temp / ("varnel-workbook-" + std::to_string(random()));
            if (fs::create_directory(candidate, error))
                m_path = candidate;
            else if (error)
                return;
        }
    }
    ~ScratchFolder() {
        std::error_code ignored;
        if (!m_path.empty())
            fs::remove_all(m_path, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    const fs::path& path() const { return m_path; }

  private:
    fs::path m_path;
};

// The name of the file libxlsxwriter writes in the scratch folder. On Windows the library opens it with
// fopen, which reads names in the ANSI code page rather than UTF-8: a temporary folder with characters
// outside it (a user name in Chinese on a machine not set to Chinese) could not be named. So there the
// folder is made the current one for the while, and the library is given the ASCII name alone.
constexpr const char* scratchName = "workbook.xlsx";

#ifdef _WIN32
lxw_error closeIn(lxw_workbook* book, const fs::path& folder) {
    std::wstring saved(GetCurrentDirectoryW(0, nullptr), L'\0');
    saved.resize(GetCurrentDirectoryW(static_cast<DWORD>(saved.size()), saved.data()));
    if (!SetCurrentDirectoryW(folder.c_str())) {
        lxw_workbook_free(book);
        return LXW_ERROR_CREATING_XLSX_FILE;
    }
    const lxw_error error = workbook_close(book);
    SetCurrentDirectoryW(saved.c_str());
    return error;
}

std::string libraryName(const fs::path&) {
    return scratchName;
}
#else
lxw_error closeIn(lxw_workbook* book, const fs::path&) {
    return workbook_close(book);
}

std::string libraryName(const fs::path& folder) {
    return (folder / scratchName).string();
}
#endif

// Writes the workbook into the scratch folder.
std::optional<FileFailure> writeInto(const fs::path& folder, const Quote& quote,
                                     const std::vector<ItemFigures>& figures, const Totals& totals) {
    lxw_workbook* book = workbook_new(libraryName(folder).c_str());
    if (!book)
        return failureOf(LXW_ERROR_MEMORY_MALLOC_FAILED);
    lxw_worksheet* worksheet = workbook_add_worksheet(book, std::string(summarySheetName).c_str());
    if (!worksheet) {
        lxw_workbook_free(book);
        return failureOf(LXW_ERROR_MEMORY_MALLOC_FAILED);
    }
    Sheet sheet(worksheet);
    writeSummary(sheet, quote, figures, totals, addFormats(book));
    worksheet_set_row(worksheet, headerRow, headerHeight, nullptr);
    worksheet_freeze_panes(worksheet, firstItemRow, 0);
    // Printed on A4 landscape, as wide as the page, with the header on every page.
    worksheet_set_paper(worksheet, a4Paper);
    worksheet_set_landscape(worksheet);
    worksheet_fit_to_pages(worksheet, 1, 0);
    worksheet_repeat_rows(worksheet, headerRow, headerRow);
    if (sheet.error() != LXW_NO_ERROR) {
        lxw_workbook_free(book);
        return failureOf(sheet.error());
    }
    const lxw_error closed = closeIn(book, folder); // writes the file, and frees the workbook
    if (closed != LXW_NO_ERROR)
        return failureOf(closed);
    return std::nullopt;
}

// A workbook is a zip archive, which ends with the record of its contents: a file cut short by a full
// temporary folder lacks it. libxlsxwriter writes no archive comment, so the record is the last 22 bytes.
bool complete(std::string_view archive) {
    constexpr std::size_t endRecord = 22;
    return archive.size() >= endRecord && archive.substr(archive.size() - endRecord, 4) == "PK\x05\x06";
}

} // namespace

std::variant<std::string, FileFailure>
workbookBytes(const Quote& quote, const std::vector<ItemFigures>& figures, const Totals& totals) {
    if (figures.size() != quote.items.size())
        return FileFailure{std::string(notComplete), ""};
    const ScratchFolder scratch;
    if (scratch.path().empty())
        return FileFailure{std::string(tempFailed), "腾出系统磁盘的空间后再导出一次"};
    if (std::optional<FileFailure> failure = writeInto(scratch.path(), quote, figures, totals))
        return *failure;
    FileRead made = readRegularFile(utf8Of(scratch.path() / scratchName), maxWorkbookBytes);
    if (made.failure || made.tooLarge || !complete(made.bytes))
        return FileFailure{std::string(tempFailed), "腾出系统磁盘的空间后再导出一次"};
    return std::move(made.bytes);
}

std::string workbookNotSaved(const std::string& path, const FileFailure& failure) {
    return "工作簿未能导出为“" + utf8Of(pathOf(path).filename()) + "”：" + explained(failure, "再导出一次");
}

std::optional<FileFailure> writeWorkbook(const std::string& path, const Quote& quote,
                                         const std::vector<ItemFigures>& figures, const Totals& totals) {
    std::variant<std::string, FileFailure> bytes = workbookBytes(quote, figures, totals);
    if (const auto* failure = std::get_if<FileFailure>(&bytes))
        return *failure;
    return writeWholeFile(path, std::get<std::string>(bytes));
}

} // namespace varnel::projects
