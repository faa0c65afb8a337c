#include "projects/workbook.h"

#include "engine/numbers.h"
#include "projects/files.h"
#include "projects/money.h"
#include "projects/oneline.h"
#include "projects/projectreport.h"
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
#include <span>
#include <system_error>

#ifdef _WIN32
#include <windows.h>
#endif

namespace varnel::projects {

namespace {

namespace fs = std::filesystem;

// ---- The sheet 汇总

// The title stands on the first row and the project's fields on the next four, the header after them, then
// the items and the totals.
constexpr lxw_row_t titleRow = 0;
constexpr lxw_row_t firstFieldRow = 1;
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
    BasicFeeColumn,
    OtherFeeColumn,
    BenchmarkColumn,
    PhaseColumn,
    ChargedFeeColumn,
    columnCount
};

// The headers, broken where a unit follows a long name so that the number columns stay narrow. The type's
// column is named by what stands in it (typeHeader).
constexpr std::array<std::string_view, columnCount> headers{
    "序号",
    "名称",
    "工程类型",
    "复杂程度",
    "计费额\n（万元）",
    "附加调整条件",
    "其他设计收费项目",
    "基本设计收费\n（万元）",
    "其他设计收费\n（万元）",
    "设计收费基准价\n（万元）",
    "单独委托设计",
    "计入合计的收费\n（万元）",
};

// The fee columns, summed on the total row.
constexpr std::array<Column, 4> summedColumns{BasicFeeColumn, OtherFeeColumn, BenchmarkColumn,
                                              ChargedFeeColumn};

constexpr std::string_view title = "工程设计收费计算书";

// Amounts are the quote's figures (money.h), to the 元: four decimals; a float or a rate shows two, as the
// notes write it (one typed with more keeps them in its cell).
constexpr const char* numberFormat = "0.0000";
constexpr const char* percentFormat = "0.00";
constexpr const char* dateFormat = "yyyy-mm-dd";
constexpr const char* chineseDateFormat = "yyyy\"年\"m\"月\"d\"日\"";
constexpr int shownDecimals = 4;
constexpr int shownPercentDecimals = 2;
constexpr double dateWidth = 11; // "2026-12-09", or "2026年12月9日" in a CJK font

// Column widths are in widths of a digit of the default font; a CJK character takes about two. The lists of
// conditions and services wrap beyond `widestList`, their rows as high as their lines.
constexpr double wideCharacter = 2.0;
constexpr double cellPadding = 2.0;
// A CJK character in the fonts a spreadsheet uses is a little wider than two digits: a wrapped text is
// taken this much wider, so that its row has room for every line.
constexpr double lineSpare = 1.1;
constexpr double widestList = 30.0;
constexpr double lineHeight = LXW_DEF_ROW_HEIGHT; // points
// Two lines of the header.
constexpr double headerHeight = 2 * lineHeight + 2;
constexpr double titleHeight = 30;
constexpr double titleSize = 16;
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

// A cell's reference as a formula names it: "L7". The sheet has fewer than 26 columns.
std::string reference(lxw_row_t row, Column column) {
    std::string text(1, static_cast<char>('A' + column));
    text += std::to_string(row + 1);
    return text;
}

// A formula's expression rounded to `places` decimals, half away from zero as the quote rounds.
std::string rounded(const std::string& expression, int places) {
    std::string formula = "ROUND(";
    formula += expression;
    formula += ',';
    formula += std::to_string(places);
    formula += ')';
    return formula;
}

// The date typed for the project, where it reads as a day of the calendar: year, month and day joined by
// "-", "/" or "." (2026-12-09, 2026/12/9), or written 2026年12月9日, with blanks around it. Whether it was
// written the Chinese way, to be shown so.
struct TypedDate {
    lxw_datetime date;
    bool chinese;
};

std::optional<TypedDate> typedDate(std::string_view typed) {
    std::string_view text = withoutBlanksAround(typed);
    const auto number = [&text](std::size_t fewest, std::size_t most) -> std::optional<int> {
        std::size_t n = 0;
        while (n < text.size() && n < most && text[n] >= '0' && text[n] <= '9')
            ++n;
        if (n < fewest || (n < text.size() && text[n] >= '0' && text[n] <= '9'))
            return std::nullopt;
        int value = 0;
        std::from_chars(text.data(), text.data() + n, value);
        text.remove_prefix(n);
        return value;
    };
    const auto take = [&text](std::string_view word) {
        if (!text.starts_with(word))
            return false;
        text.remove_prefix(word.size());
        return true;
    };
    const std::optional<int> year = number(4, 4);
    if (!year || text.empty())
        return std::nullopt;
    const bool chinese = take("年");
    const char separator = chinese ? '\0' : text.front();
    if (!chinese && (separator == '-' || separator == '/' || separator == '.'))
        text.remove_prefix(1);
    else if (!chinese)
        return std::nullopt;
    const std::optional<int> month = number(1, 2);
    if (!month || !(chinese ? take("月") : take(std::string_view(&separator, 1))))
        return std::nullopt;
    const std::optional<int> day = number(1, 2);
    if (!day || (chinese && !take("日")) || !text.empty())
        return std::nullopt;
    // From 1901 on: Excel's calendar counts a 29 February 1900 that never was.
    const bool leap = *year % 4 == 0 && (*year % 100 != 0 || *year % 400 == 0);
    constexpr std::array<int, 12> days{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (*year < 1901 || *month < 1 || *month > 12 || *day < 1 ||
        *day > days[static_cast<std::size_t>(*month - 1)] + (leap && *month == 2 ? 1 : 0))
        return std::nullopt;
    return TypedDate{{*year, static_cast<uint8_t>(*month), static_cast<uint8_t>(*day), 0, 0, 0}, chinese};
}

// The page header: the project's name, centred, "&" written "&&" as a header writes it, a control
// character (which the file could not hold there) as a blank, cut with "…" to the 255 characters a header
// may have.
std::string pageHeader(std::string_view name) {
    constexpr std::size_t most = LXW_HEADER_FOOTER_MAX;
    std::string header = "&C";
    std::size_t characters = header.size();
    for (std::size_t i = 0; i < name.size();) {
        std::size_t length = 1;
        while (i + length < name.size() && (static_cast<unsigned char>(name[i + length]) & 0xC0) == 0x80)
            ++length;
        std::string_view character = name.substr(i, length);
        if (length == 1 && (static_cast<unsigned char>(character[0]) < 0x20 || character[0] == 0x7F))
            character = " ";
        const std::size_t added = character == "&" ? 2 : 1;
        if (characters + added > most - 1 && i + length < name.size()) {
            header += "…";
            break;
        }
        header += character == "&" ? "&&" : std::string(character);
        characters += added;
        i += length;
    }
    return header;
}

constexpr const char* pageFooter = "&C第 &P 页 共 &N 页";

// Printed on A4, as wide as the page, with the project's name above and the page's number below.
lxw_error setUpPages(lxw_worksheet* sheet, const Quote& quote, bool landscape) {
    worksheet_set_paper(sheet, a4Paper);
    if (landscape)
        worksheet_set_landscape(sheet);
    else
        worksheet_set_portrait(sheet);
    worksheet_fit_to_pages(sheet, 1, 0);
    const lxw_error header =
        quote.name.empty() ? LXW_NO_ERROR : worksheet_set_header(sheet, pageHeader(quote.name).c_str());
    return header != LXW_NO_ERROR ? header : worksheet_set_footer(sheet, pageFooter);
}

// A typed number as the lists show it: an amount with its unit, a rate named as one, a coefficient bare.
template <typename Inputs>
std::string typedNumberText(const TypedNumber& number, const Inputs& inputs) {
    const std::string_view typed = withoutBlanksAround(inputs.text(number.entry));
    if (typed.empty())
        return {};
    if (number.role == engine::Role::Amount)
        return std::string(typed) + "万元";
    if (number.role == engine::Role::Rate)
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
std::string conditionsText(const engine::industry::KindProject& inputs) {
    std::string text;
    if (!inputs.kind)
        return text;
    for (const engine::industry::ConditionRow* row :
         engine::industry::offeredConditions(*inputs.kind, inputs.grade)) {
        if (!inputs.has(row->condition))
            continue;
        const TypedNumber coefficient{row->entry.value_or(engine::Entry{}), engine::Role::Coefficient};
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

// The type's column holds the main window's types (工程类型), the kinds of engineering of 附表二
// (工程种类), or both.
std::string_view typeHeader(const Quote& quote) {
    const auto industry = static_cast<std::size_t>(
        std::count_if(quote.items.begin(), quote.items.end(), [](const Item& i) { return i.isIndustry(); }));
    if (industry == 0)
        return "工程类型";
    return industry == quote.items.size() ? "工程种类" : "工程类型/\n工程种类";
}

struct Formats {
    lxw_format* title;
    lxw_format* label;
    lxw_format* date;
    lxw_format* chineseDate;
    lxw_format* header;
    lxw_format* text;
    lxw_format* list;
    lxw_format* index;
    lxw_format* number;
    lxw_format* totalLabel;
    lxw_format* totalNumber;
    lxw_format* totalPercent;
    lxw_format* totalText;
    // The sheet 计算过程: the heading of an item's section, and a heading or a line too long for the column.
    lxw_format* heading;
    lxw_format* wrappedHeading;
    lxw_format* wrapped;
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
    Formats f{add(true, false), add(true, false), add(false, false), add(false, false),
              add(true, true),  add(false, true), add(false, true),  add(false, true),
              add(false, true), add(true, true),  add(true, true),   add(true, true),
              add(true, true),  add(true, false), add(true, false),  add(false, false)};
    format_set_font_size(f.title, titleSize);
    format_set_align(f.title, LXW_ALIGN_CENTER);
    format_set_align(f.title, LXW_ALIGN_VERTICAL_CENTER);
    format_set_num_format(f.date, dateFormat);
    format_set_align(f.date, LXW_ALIGN_LEFT);
    format_set_num_format(f.chineseDate, chineseDateFormat);
    format_set_align(f.chineseDate, LXW_ALIGN_LEFT);
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
    format_set_align(f.totalText, LXW_ALIGN_LEFT);
    for (lxw_format* wrapped : {f.wrappedHeading, f.wrapped}) {
        format_set_text_wrap(wrapped);
        format_set_align(wrapped, LXW_ALIGN_VERTICAL_TOP);
    }
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

    // A formula with the value the program makes of it, which a reader that does not calculate shows.
    void formula(lxw_row_t row, Column column, const std::string& formula, double value, lxw_format* format,
                 int decimals = shownDecimals) {
        fit(column, shownWidth(value, decimals));
        keep(worksheet_write_formula_num(m_sheet, row, column, formula.c_str(), format, value));
    }

    void date(lxw_row_t row, Column column, lxw_datetime date, lxw_format* format) {
        fit(column, dateWidth);
        keep(worksheet_write_datetime(m_sheet, row, column, &date, format));
    }

    void blank(lxw_row_t row, Column column, lxw_format* format) {
        keep(worksheet_write_blank(m_sheet, row, column, format));
    }

    void comment(lxw_row_t row, Column column, std::string_view text) {
        keep(worksheet_write_comment(m_sheet, row, column, cellText(text).c_str()));
    }

    // A text across the columns `first` to `last`, which together are made as wide as it.
    void across(lxw_row_t row, Column first, Column last, std::string_view text, lxw_format* format) {
        m_spans.push_back({first, last, displayWidth(text)});
        keep(worksheet_merge_range(m_sheet, row, first, row, last, cellText(text).c_str(), format));
    }

    // Sizes the columns to their content, and the rows to the lines of their wrapped texts.
    void sizeColumnsAndRows() {
        std::array<double, columnCount> widths{};
        for (lxw_col_t c = 0; c < columnCount; ++c)
            widths[c] = m_widths[c] + cellPadding;
        for (const Span& s : m_spans) {
            double width = 0;
            for (lxw_col_t c = s.first; c <= s.last; ++c)
                width += widths[c];
            widths[s.last] += std::max(0.0, s.width + cellPadding - width);
        }
        for (lxw_col_t c = 0; c < columnCount; ++c)
            keep(worksheet_set_column(m_sheet, c, c, widths[c], nullptr));
        std::map<lxw_row_t, double> lines;
        for (const Wrapped& w : m_wrapped) {
            const double width = widths[w.column] - cellPadding;
            lines[w.row] = std::max(lines[w.row], width > 0 ? std::ceil(w.width * lineSpare / width) : 1.0);
        }
        for (const auto& [row, count] : lines)
            if (count > 1)
                keep(worksheet_set_row(m_sheet, row, count * lineHeight, nullptr));
    }

    void keep(lxw_error error) {
        if (m_error == LXW_NO_ERROR)
            m_error = error;
    }
    lxw_error error() const { return m_error; }
    lxw_worksheet* worksheet() const { return m_sheet; }

  private:
    struct Wrapped {
        lxw_row_t row;
        Column column;
        double width;
    };
    struct Span {
        Column first;
        Column last;
        double width;
    };

    void fit(Column column, double width) {
        const bool list = column == ConditionsColumn || column == ServicesColumn;
        m_widths[column] =
            std::max(m_widths[column], list ? std::min(width, widestList - cellPadding) : width);
    }

    lxw_worksheet* m_sheet;
    std::array<double, columnCount> m_widths{}; // of the content
    std::vector<Wrapped> m_wrapped;
    std::vector<Span> m_spans;
    lxw_error m_error = LXW_NO_ERROR;
};

// A stated figure as a cell holds it: the double nearest its decimal, which the cell writes as that
// decimal.
std::optional<double> cellValue(const std::optional<Decimal>& figure) {
    return figure ? std::optional<double>(figure->toDouble()) : std::nullopt;
}

void writeItem(Sheet& sheet, lxw_row_t row, std::size_t index, const Item& item, const ItemFigures& figures,
               const QuotedItem& quoted, const Formats& f) {
    // The main window's type or the kind of engineering stands in the type's column; the lists in the same
    // cells for both.
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
    sheet.number(row, BasicFeeColumn, cellValue(quoted.basicFee), f.number);
    sheet.number(row, OtherFeeColumn, cellValue(quoted.otherFee), f.number);
    sheet.number(row, BenchmarkColumn, cellValue(quoted.benchmarkFee), f.number);
    // The phase charged and its share, where the item is charged a phase's share rather than the benchmark.
    sheet.text(row, PhaseColumn, figures.phase ? phaseShareText(*figures.phase) : "", f.text);
    sheet.number(row, ChargedFeeColumn, cellValue(quoted.chargedFee), f.number);
}

// The title, and the project's fields with their labels: the date typed as a date where it reads as one, so
// that it sorts and calculates as a date, else as typed.
void writeTitle(Sheet& sheet, const Quote& quote, const Formats& f) {
    sheet.keep(worksheet_merge_range(sheet.worksheet(), titleRow, IndexColumn, titleRow, columnCount - 1,
                                     std::string(title).c_str(), f.title));
    sheet.keep(worksheet_set_row(sheet.worksheet(), titleRow, titleHeight, nullptr));
    const std::array<std::pair<std::string_view, const std::string*>, 4> fields{{{"项目名称", &quote.name},
                                                                                 {"发包人", &quote.client},
                                                                                 {"设计人", &quote.designer},
                                                                                 {"编制日期", &quote.date}}};
    for (lxw_row_t i = 0; i < fields.size(); ++i) {
        const lxw_row_t row = firstFieldRow + i;
        sheet.text(row, IndexColumn, fields[i].first, f.label);
        const std::optional<TypedDate> date =
            fields[i].second == &quote.date ? typedDate(quote.date) : std::nullopt;
        if (date)
            sheet.date(row, NameColumn, date->date, date->chinese ? f.chineseDate : f.date);
        else
            sheet.text(row, NameColumn, *fields[i].second, nullptr, Sheet::Fit::RunOn);
    }
}

// The totals below the items: each fee column summed, the float and the contract amount, the VAT on it,
// and the total and the contract amount in capital figures. Where a figure follows from cells above it, the
// cell holds the formula, with the program's figure as its value; the amounts are rounded to the 元 as the
// quote states them, so that a sum of doubles gives the stated sum.
void writeTotals(Sheet& sheet, lxw_row_t row, const Quote& quote, const Totals& totals, const Formats& f) {
    const lxw_row_t lastItemRow = row - 1;
    const bool items = !quote.items.empty();
    const lxw_row_t totalRow = row++;
    sheet.across(totalRow, IndexColumn, static_cast<Column>(BasicFeeColumn - 1), "合计", f.totalLabel);
    const std::array<std::pair<Column, const Decimal*>, 4> sums{{{BasicFeeColumn, &totals.basicFees},
                                                                 {OtherFeeColumn, &totals.otherFees},
                                                                 {BenchmarkColumn, &totals.benchmarkFees},
                                                                 {ChargedFeeColumn, &totals.total}}};
    static_assert(sums.size() == summedColumns.size());
    for (const auto& [column, sum] : sums) {
        if (items)
            sheet.formula(
                totalRow, column,
                rounded("SUM(" + reference(firstItemRow, column) + ":" + reference(lastItemRow, column) + ")",
                        amountPlaces),
                sum->toDouble(), f.totalNumber);
        else
            sheet.number(totalRow, column, sum->toDouble(), f.totalNumber);
    }
    sheet.blank(totalRow, PhaseColumn, f.totalNumber);

    // A label across the columns before the charged fee, and its figure below that fee.
    constexpr Column lastLabelColumn = static_cast<Column>(ChargedFeeColumn - 1);
    const auto label = [&](lxw_row_t r, std::string_view text) {
        sheet.across(r, IndexColumn, lastLabelColumn, text, f.totalLabel);
    };
    const std::string total = reference(totalRow, ChargedFeeColumn);
    const lxw_row_t floatRow = row++;
    const lxw_row_t contractRow = row++;
    const std::string floatCell = reference(floatRow, ChargedFeeColumn);
    const std::string contract = reference(contractRow, ChargedFeeColumn);
    // Typed, the contract amount gives the float; otherwise the float gives the contract amount.
    const std::string range = "-20%～+" + engine::joinedText(highestFloatFor(quote.newTechnology)) + "%";
    if (totals.contractTyped) {
        label(floatRow, totals.outsideRange ? "浮动幅度值（%，由合同额折算，超出 " + range + "）"
                                            : "浮动幅度值（%，由合同额折算）");
        if (totals.impliedFloat)
            sheet.formula(floatRow, ChargedFeeColumn,
                          rounded("(" + contract + "-" + total + ")*100/" + total, percentPlaces),
                          totals.impliedFloat->toDouble(), f.totalPercent, shownPercentDecimals);
        else // no total to compare with
            sheet.blank(floatRow, ChargedFeeColumn, f.totalPercent);
        label(contractRow, "合同额（万元，直接输入）");
        sheet.number(contractRow, ChargedFeeColumn, totals.contract.toDouble(), f.totalNumber);
    } else {
        label(floatRow,
              quote.newTechnology ? "浮动幅度值（%，采用新技术，" + range + "）" : "浮动幅度值（%）");
        sheet.number(floatRow, ChargedFeeColumn, quote.floatPercent, f.totalPercent, shownPercentDecimals);
        label(contractRow, "合同额（万元）");
        sheet.formula(contractRow, ChargedFeeColumn,
                      rounded(total + "*(1+" + floatCell + "/100)", amountPlaces), totals.contract.toDouble(),
                      f.totalNumber);
    }

    // The VAT on the contract amount at the rate in its own cell: the contract amount is one of the two
    // amounts, the other follows at the rate, and the tax is their difference, so the three add up.
    const lxw_row_t rateRow = row++;
    const lxw_row_t excludingRow = row++;
    const lxw_row_t taxRow = row++;
    const lxw_row_t includingRow = row++;
    const std::string rate = reference(rateRow, ChargedFeeColumn);
    const std::string excluding = reference(excludingRow, ChargedFeeColumn);
    const std::string including = reference(includingRow, ChargedFeeColumn);
    label(rateRow, "增值税税率（%）");
    sheet.number(rateRow, ChargedFeeColumn, quote.taxRate, f.totalPercent, shownPercentDecimals);
    label(excludingRow, std::string("其中不含税金额（万元") + (quote.taxIncluded ? "）" : "，合同额）"));
    label(taxRow, "增值税税额（万元）");
    label(includingRow, std::string("含税金额（万元") + (quote.taxIncluded ? "，合同额）" : "）"));
    if (quote.taxIncluded) {
        sheet.formula(includingRow, ChargedFeeColumn, contract, totals.tax.including.toDouble(),
                      f.totalNumber);
        sheet.formula(excludingRow, ChargedFeeColumn,
                      rounded(including + "*100/(100+" + rate + ")", amountPlaces),
                      totals.tax.excluding.toDouble(), f.totalNumber);
        sheet.formula(taxRow, ChargedFeeColumn, rounded(including + "-" + excluding, amountPlaces),
                      totals.tax.tax.toDouble(), f.totalNumber);
    } else {
        sheet.formula(excludingRow, ChargedFeeColumn, contract, totals.tax.excluding.toDouble(),
                      f.totalNumber);
        sheet.formula(taxRow, ChargedFeeColumn, rounded(excluding + "*" + rate + "/100", amountPlaces),
                      totals.tax.tax.toDouble(), f.totalNumber);
        sheet.formula(includingRow, ChargedFeeColumn,
                      rounded(excluding + "+" + reference(taxRow, ChargedFeeColumn), amountPlaces),
                      totals.tax.including.toDouble(), f.totalNumber);
    }

    // In capital figures, as a contract writes them, across the fee columns.
    for (const auto& [text, amount] :
         {std::pair<std::string_view, const Decimal*>{"合计（大写）", &totals.total},
          {"合同额（大写）", &totals.contract}}) {
        const lxw_row_t r = row++;
        sheet.across(r, IndexColumn, static_cast<Column>(BasicFeeColumn - 1), text, f.totalLabel);
        sheet.across(r, BasicFeeColumn, ChargedFeeColumn, uppercaseAmountText(*amount), f.totalText);
    }
}

void writeSummary(Sheet& sheet, const Quote& quote, const std::vector<ItemFigures>& figures,
                  const Totals& totals, const Formats& f) {
    writeTitle(sheet, quote, f);
    for (lxw_col_t c = 0; c < columnCount; ++c)
        sheet.text(headerRow, static_cast<Column>(c), c == TypeColumn ? typeHeader(quote) : headers[c],
                   f.header);
    lxw_row_t row = firstItemRow;
    for (std::size_t i = 0; i < quote.items.size() && i < totals.items.size(); ++i)
        writeItem(sheet, row++, i, quote.items[i], figures[i], totals.items[i], f);
    writeTotals(sheet, row, quote, totals, f);
    sheet.sizeColumnsAndRows();
    lxw_worksheet* worksheet = sheet.worksheet();
    sheet.keep(worksheet_set_row(worksheet, headerRow, headerHeight, nullptr));
    worksheet_freeze_panes(worksheet, firstItemRow, 0);
    sheet.keep(setUpPages(worksheet, quote, true));
    sheet.keep(worksheet_repeat_rows(worksheet, headerRow, headerRow));
}

// ---- The sheet 计算过程

// A line wider than this wraps, in a row as high as its lines: the column fits the width of an A4 page
// upright at full size, also where the spreadsheet's default font is wider than Calibri.
constexpr double widestLine = 70;

// Each item's section of the 计算书, a line to a row, its heading in bold, a blank row between sections.
lxw_error writeProcess(lxw_worksheet* sheet, const Quote& quote, const ProjectReport& report,
                       const Formats& f) {
    lxw_error error = LXW_NO_ERROR;
    const auto keep = [&error](lxw_error e) {
        if (error == LXW_NO_ERROR)
            error = e;
    };
    struct Line {
        lxw_row_t row;
        std::string text;
        bool heading;
        double width;
    };
    std::vector<Line> lines;
    lxw_row_t row = 0;
    for (const ReportSection& section : report.sections) {
        if (row > 0)
            ++row;
        bool heading = true;
        for (const std::string& line : sectionLines(section)) {
            if (!line.empty())
                lines.push_back({row, line, heading, displayWidth(line) * lineSpare});
            heading = false;
            ++row;
        }
    }
    double widest = 0;
    for (const Line& line : lines)
        widest = std::max(widest, line.width);
    const double width = std::min(widest, widestLine);
    keep(worksheet_set_column(sheet, 0, 0, width + cellPadding, nullptr));
    for (const Line& line : lines) {
        const bool wraps = line.width > width;
        lxw_format* format =
            line.heading ? (wraps ? f.wrappedHeading : f.heading) : (wraps ? f.wrapped : nullptr);
        keep(worksheet_write_string(sheet, line.row, 0, cellText(line.text).c_str(), format));
        if (wraps)
            keep(worksheet_set_row(sheet, line.row, std::ceil(line.width / width) * lineHeight, nullptr));
    }
    keep(setUpPages(sheet, quote, false));
    return error;
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
    lxw_worksheet* process = workbook_add_worksheet(book, std::string(processSheetName).c_str());
    if (!process) {
        lxw_workbook_free(book);
        return failureOf(LXW_ERROR_MEMORY_MALLOC_FAILED);
    }
    const Formats formats = addFormats(book);
    Sheet sheet(worksheet);
    writeSummary(sheet, quote, figures, totals, formats);
    sheet.keep(writeProcess(process, quote, buildProjectReport(quote, figures, totals), formats));
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
