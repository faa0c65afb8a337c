// The project's workbook, read back with openpyxl (read_workbook.py): every number is the program's double
// in every locale, the figures that follow from others are formulas whose values are the program's, the
// texts are as typed, the columns fit their content, the pages are set up, and a save that fails says why
// and leaves nothing behind. Then opened in LibreOffice, which recalculates it and prints it.
#include "projects/workbook.h"

#include "engine/numbers.h"
#include "projects/json.h"
#include "projects/money.h"
#include "projects/projectreport.h"
#include "support/samplequote.h"

#include <gtest/gtest.h>

#include <array>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <random>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

using namespace varnel;
namespace fs = std::filesystem;
using projects::json::Value;

namespace {

// What read_workbook.py found in a workbook.
struct ReadCell {
    std::optional<double> number; // a formula's as the file holds it
    std::string text;
    std::string date;    // yyyy-mm-dd
    std::string formula; // "=ROUND(SUM(H7:H9),4)"
    std::string format;
    bool wrap = false;
    double shown = 0;
};

// How a sheet prints, as openpyxl reads it ("None" where the file leaves the default).
struct ReadPages {
    std::string paper, orientation, fitToWidth, fitToHeight, titleRows, header, footer;
    bool fitToPage = false;

    bool operator==(const ReadPages&) const = default;
};

std::ostream& operator<<(std::ostream& out, const ReadPages& p) {
    return out << "paper " << p.paper << ", " << p.orientation << ", fit " << p.fitToPage << " "
               << p.fitToWidth << "×" << p.fitToHeight << ", titles " << p.titleRows << ", header "
               << p.header << ", footer " << p.footer;
}

struct ReadBook {
    std::vector<std::string> sheets;
    std::vector<ReadPages> pages;   // by sheet
    std::vector<std::string> lines; // the second sheet's first column, "" for an empty row
    std::string freeze;
    std::map<std::string, ReadCell> cells; // by reference, "B7"
    std::map<std::string, double> widths;  // by column letter
    std::map<int, double> heights;         // in points, by row number, where set
    std::map<std::string, std::string> comments;
    std::vector<std::string> merged;
};

const std::string& textOf(const projects::json::Object& o, std::string_view name) {
    static const std::string none;
    const Value* v = projects::json::member(o, name);
    return v && v->string() ? *v->string() : none;
}

double numberOf(const projects::json::Object& o, std::string_view name) {
    const Value* v = projects::json::member(o, name);
    return v && v->number() ? *v->number() : -1;
}

ReadBook readBack(const fs::path& file) {
    const std::string command =
        std::string(VARNEL_PYTHON) + " " + VARNEL_READ_WORKBOOK + " '" + file.string() + "'";
    FILE* pipe = popen(command.c_str(), "r");
    std::string out;
    std::array<char, 4096> buffer{};
    for (std::size_t n; pipe && (n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0;)
        out.append(buffer.data(), n);
    const int status = pipe ? pclose(pipe) : -1;
    EXPECT_EQ(status, 0) << command;
    auto parsed = projects::json::parse(out);
    const projects::json::Object* top =
        std::holds_alternative<Value>(parsed) ? std::get<Value>(parsed).object() : nullptr;
    EXPECT_TRUE(top) << out;
    ReadBook book;
    if (!top)
        return book;
    for (const Value& s : *projects::json::member(*top, "sheets")->array())
        book.sheets.push_back(*s.string());
    book.freeze = textOf(*top, "freeze");
    for (const Value& p : *projects::json::member(*top, "pages")->array()) {
        const projects::json::Object& o = *p.object();
        book.pages.push_back({textOf(o, "paper"), textOf(o, "orientation"), textOf(o, "fitToWidth"),
                              textOf(o, "fitToHeight"), textOf(o, "titleRows"), textOf(o, "header"),
                              textOf(o, "footer"), *projects::json::member(o, "fitToPage")->boolean()});
    }
    for (const Value& l : *projects::json::member(*top, "lines")->array())
        book.lines.push_back(*l.string());
    for (const Value& c : *projects::json::member(*top, "cells")->array()) {
        const projects::json::Object& o = *c.object();
        ReadCell cell;
        if (const double* n = projects::json::member(o, "number")->number())
            cell.number = *n;
        cell.text = textOf(o, "text");
        cell.date = textOf(o, "date");
        cell.formula = textOf(o, "formula");
        cell.format = textOf(o, "format");
        cell.wrap = *projects::json::member(o, "wrap")->boolean();
        cell.shown = numberOf(o, "shown");
        book.cells[textOf(o, "cell")] = cell;
    }
    for (const auto& [column, width] : *projects::json::member(*top, "widths")->object())
        book.widths[column] = *width.number();
    for (const auto& [row, height] : *projects::json::member(*top, "heights")->object())
        book.heights[std::stoi(row)] = *height.number();
    for (const auto& [cell, text] : *projects::json::member(*top, "comments")->object())
        book.comments[cell] = *text.string();
    for (const Value& m : *projects::json::member(*top, "merged")->array())
        book.merged.push_back(*m.string());
    return book;
}

std::vector<projects::ItemFigures> figuresOf(const projects::Quote& quote) {
    std::vector<projects::ItemFigures> all;
    for (const projects::Item& item : quote.items) {
        auto f = projects::figuresOf(item.inputs);
        EXPECT_TRUE(std::holds_alternative<projects::ItemFigures>(f)) << item.name;
        if (auto* figures = std::get_if<projects::ItemFigures>(&f))
            all.push_back(*figures);
    }
    return all;
}

// The sample with a contract amount typed, and an item's amount whose double takes 17 significant digits:
// written with "%.16G" it would read back as another double.
projects::Quote sampleWithContract() {
    projects::Quote q = test::sampleQuote();
    q.contractAmount = 60.1 + 60.2;
    q.items[1].mainInputs()->amount = engine::exactText(1000.1 + 0.2); // 1000.3000000000001
    return q;
}

std::string cellName(char column, std::size_t row) {
    return column + std::to_string(row);
}

// The sample with the VAT added to the contract amount, which it does not include.
projects::Quote sampleWithoutTax() {
    projects::Quote q = test::sampleQuote();
    q.taxIncluded = false;
    q.taxRate = 3;
    return q;
}

// The rows below the items: the total, the float, the contract amount, the VAT's rate and its three
// amounts, the total and the contract amount in capital figures.
struct TotalRows {
    std::size_t total, floatRow, contract, rate, excluding, tax, including, totalInWords, contractInWords;
};

TotalRows totalRowsOf(const projects::Quote& quote) {
    const std::size_t t = 7 + quote.items.size();
    return {t, t + 1, t + 2, t + 3, t + 4, t + 5, t + 6, t + 7, t + 8};
}

// The number cells a workbook of `quote` holds, a formula's by the value the file holds: per item (from
// row 7) its index, the amount read, the three fees and the fee charged; below them the sums of the fees,
// the float, the contract amount, the VAT's rate and its amounts.
std::map<std::string, double> expectedNumbers(const projects::Quote& quote) {
    const std::vector<projects::ItemFigures> figures = figuresOf(quote);
    const projects::Totals t = projects::totalsOf(quote, figures);
    std::map<std::string, double> cells;
    std::size_t row = 7;
    for (std::size_t i = 0; i < figures.size(); ++i, ++row) {
        const projects::QuotedItem& stated = t.items[i];
        cells[cellName('A', row)] = static_cast<double>(i + 1);
        cells[cellName('E', row)] = figures[i].feeBase();
        cells[cellName('H', row)] = stated.basicFee.toDouble();
        cells[cellName('I', row)] = stated.otherFee.toDouble();
        cells[cellName('J', row)] = stated.benchmarkFee.toDouble();
        cells[cellName('L', row)] = stated.chargedFee.toDouble();
    }
    const TotalRows r = totalRowsOf(quote);
    cells[cellName('H', r.total)] = t.basicFees.toDouble();
    cells[cellName('I', r.total)] = t.otherFees.toDouble();
    cells[cellName('J', r.total)] = t.benchmarkFees.toDouble();
    cells[cellName('L', r.total)] = t.total.toDouble();
    cells[cellName('L', r.floatRow)] = t.contractTyped ? t.impliedFloat->toDouble() : quote.floatPercent;
    cells[cellName('L', r.contract)] = t.contract.toDouble();
    cells[cellName('L', r.rate)] = quote.taxRate;
    cells[cellName('L', r.excluding)] = t.tax.excluding.toDouble();
    cells[cellName('L', r.tax)] = t.tax.tax.toDouble();
    cells[cellName('L', r.including)] = t.tax.including.toDouble();
    return cells;
}

std::map<std::string, std::string> formulasRead(const ReadBook& book) {
    std::map<std::string, std::string> formulas;
    for (const auto& [ref, cell] : book.cells)
        if (!cell.formula.empty())
            formulas[ref] = cell.formula;
    return formulas;
}

std::map<std::string, double> numbersRead(const ReadBook& book) {
    std::map<std::string, double> numbers;
    for (const auto& [ref, cell] : book.cells)
        if (cell.number)
            numbers[ref] = *cell.number;
    return numbers;
}

// Each cell that differs, its number in the shortest exact form.
std::string differences(const std::map<std::string, double>& expected,
                        const std::map<std::string, double>& read) {
    std::string text;
    std::set<std::string> refs;
    for (const auto& [ref, _] : expected)
        refs.insert(ref);
    for (const auto& [ref, _] : read)
        refs.insert(ref);
    const auto shown = [](const std::map<std::string, double>& cells, const std::string& ref) {
        const auto it = cells.find(ref);
        return it == cells.end() ? std::string("none") : engine::exactText(it->second);
    };
    for (const std::string& ref : refs)
        if (shown(expected, ref) != shown(read, ref))
            text += ref + ": expected " + shown(expected, ref) + ", read " + shown(read, ref) + "\n";
    return text;
}

class Workbook : public testing::Test {
  protected:
    void SetUp() override {
        std::string pattern = (fs::path(testing::TempDir()) / "workbook-XXXXXX").string();
        ASSERT_TRUE(mkdtemp(pattern.data())) << pattern;
        m_folder = pattern;
    }
    void TearDown() override {
        std::error_code ignored;
        for (const auto& entry : fs::recursive_directory_iterator(m_folder, ignored))
            fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, ignored);
        fs::remove_all(m_folder, ignored);
    }

    // Writes the quote's workbook at `path` and says why it could not, if it could not.
    static std::optional<std::string> write(const fs::path& path, const projects::Quote& quote) {
        const std::vector<projects::ItemFigures> figures = figuresOf(quote);
        const std::optional<projects::FileFailure> failure =
            projects::writeWorkbook(path.string(), quote, figures, projects::totalsOf(quote, figures));
        if (!failure)
            return std::nullopt;
        return projects::workbookNotSaved(path.string(), *failure);
    }

    ReadBook written(const projects::Quote& quote, std::string_view name = "汇总表.xlsx") {
        const fs::path path = m_folder / name;
        const std::optional<std::string> problem = write(path, quote);
        EXPECT_FALSE(problem) << *problem;
        return readBack(path);
    }

    fs::path m_folder;
};

TEST_F(Workbook, EveryNumberCellIsTheProgramsDouble) {
    for (const projects::Quote& quote :
         {test::sampleQuote(), sampleWithContract(), sampleWithoutTax(), test::mixedQuote()}) {
        const ReadBook book = written(quote);
        EXPECT_EQ(differences(expectedNumbers(quote), numbersRead(book)), "") << quote.name;
    }
    // The amount is one a "%.16G" writer would change.
    const double contract = std::stod(sampleWithContract().items[1].mainInputs()->amount);
    char sixteen[64];
    std::snprintf(sixteen, sizeof sixteen, "%.16G", contract);
    EXPECT_NE(std::strtod(sixteen, nullptr), contract);
}

// The sums, the contract amount from the float (or the float from a typed contract amount) and the VAT are
// formulas of the cells they follow from; the items' figures, the float or the contract amount typed and
// the rate are the numbers they are.
TEST_F(Workbook, FiguresThatFollowFromOthersAreFormulas) {
    struct Case {
        const char* what;
        projects::Quote quote;
        std::map<std::string, std::string> formulas;
    };
    const std::map<std::string, std::string> sums{{"H10", "=ROUND(SUM(H7:H9),4)"},
                                                  {"I10", "=ROUND(SUM(I7:I9),4)"},
                                                  {"J10", "=ROUND(SUM(J7:J9),4)"},
                                                  {"L10", "=ROUND(SUM(L7:L9),4)"}};
    const auto with = [&sums](std::map<std::string, std::string> more) {
        more.insert(sums.begin(), sums.end());
        return more;
    };
    projects::Quote one = test::sampleQuote();
    one.items.resize(1);
    const Case cases[] = {
        {"the float, VAT included", test::sampleQuote(),
         with({{"L12", "=ROUND(L10*(1+L11/100),4)"},
               {"L14", "=ROUND(L16*100/(100+L13),4)"},
               {"L15", "=ROUND(L16-L14,4)"},
               {"L16", "=L12"}})},
        {"a contract amount typed", sampleWithContract(),
         with({{"L11", "=ROUND((L12-L10)*100/L10,2)"},
               {"L14", "=ROUND(L16*100/(100+L13),4)"},
               {"L15", "=ROUND(L16-L14,4)"},
               {"L16", "=L12"}})},
        {"VAT added", sampleWithoutTax(),
         with({{"L12", "=ROUND(L10*(1+L11/100),4)"},
               {"L14", "=L12"},
               {"L15", "=ROUND(L14*L13/100,4)"},
               {"L16", "=ROUND(L14+L15,4)"}})},
        {"one item",
         one,
         {{"H8", "=ROUND(SUM(H7:H7),4)"},
          {"I8", "=ROUND(SUM(I7:I7),4)"},
          {"J8", "=ROUND(SUM(J7:J7),4)"},
          {"L8", "=ROUND(SUM(L7:L7),4)"},
          {"L10", "=ROUND(L8*(1+L9/100),4)"},
          {"L12", "=ROUND(L14*100/(100+L11),4)"},
          {"L13", "=ROUND(L14-L12,4)"},
          {"L14", "=L10"}}},
    };
    for (const Case& c : cases) {
        const ReadBook book = written(c.quote);
        EXPECT_EQ(formulasRead(book), c.formulas) << c.what;
    }
    // Without a total to compare a typed contract amount with, the float is left empty.
    projects::Quote none = sampleWithContract();
    none.items.clear();
    const ReadBook book = written(none);
    EXPECT_EQ(formulasRead(book),
              (std::map<std::string, std::string>{
                  {"L11", "=ROUND(L13*100/(100+L10),4)"}, {"L12", "=ROUND(L13-L11,4)"}, {"L13", "=L9"}}));
    EXPECT_EQ(book.cells.count("L8"), 0u);
    EXPECT_EQ(book.cells.at("L7").number, 0);
}

TEST_F(Workbook, AmountsShowFourDecimalsAndTheHeaderStaysInView) {
    const ReadBook book = written(sampleWithContract());
    EXPECT_EQ(book.sheets, (std::vector<std::string>{"汇总", "计算过程"}));
    EXPECT_EQ(book.freeze, "A7");
    for (const auto& [ref, cell] : book.cells) {
        if (cell.number) {
            // The float and the VAT's rate, below the total, have two decimals.
            EXPECT_EQ(cell.format, ref[0] == 'A' ? "0" : (ref == "L11" || ref == "L13" ? "0.00" : "0.0000"))
                << ref;
        }
    }
}

TEST_F(Workbook, PagesAreA4OnePageWideWithTheProjectAndThePageNumber) {
    struct Case {
        const char* name;
        const char* header; // as the page header holds it: "&" doubled
    };
    const std::string ampersands(200, '&');
    const std::string cut = std::string(252, '&') + "…"; // 126 of them, and the ellipsis
    for (const Case c : {Case{"某某道路工程", "某某道路工程"}, Case{"A&B 工程", "A&&B 工程"},
                         Case{ampersands.c_str(), cut.c_str()}, Case{"", ""}}) {
        projects::Quote quote = test::sampleQuote();
        quote.name = c.name;
        const ReadBook book = written(quote);
        const std::string footer = "第 &P 页 共 &N 页";
        EXPECT_EQ(book.pages, (std::vector<ReadPages>{
                                  {"9", "landscape", "None", "0", "$6:$6", c.header, footer, true},
                                  {"9", "portrait", "None", "0", "", c.header, footer, true},
                              }))
            << c.name;
    }
}

TEST_F(Workbook, TextsAreAsTypedAndAsTheStandardNamesThem) {
    struct Case {
        const char* cell;
        const char* text;
    };
    const Case cases[] = {
        {"A1", "工程设计收费计算书"},
        {"A2", "项目名称"},
        {"B2", "某某道路工程"},
        {"A3", "发包人"},
        {"B3", "某某市城市建设投资有限公司"},
        {"A4", "设计人"},
        {"B4", "某某市政设计研究院"},
        {"A5", "编制日期"},
        {"A6", "序号"},
        {"C6", "工程类型"},
        {"E6", "计费额\n（万元）"},
        {"H6", "基本设计收费\n（万元）"},
        {"K6", "单独委托设计"},
        {"L6", "计入合计的收费\n（万元）"},
        {"B7", "主线道路（一标段）"},
        {"C7", "公路和城市道路工程"},
        {"D7", "Ⅱ级"},
        {"F7", "改扩建和技术改造建设项目 1.2；城市道路通过地下管网密集区的工程"},
        {"G7", "总体设计费"},
        {"K7", "初步设计 45%"},
        {"B8", "地下人防"},
        {"C8", "建筑、人防工程"},
        {"F8", "人防工程"},
        {"B9", "沿线绿化"},
        {"D9", "Ⅲ级"},
        {"G9", "自有专利技术收费 3万元；非标准设备设计费 100万元，费率 0.15；采用标准设计和复用设计；"
               "对原设计进行局部调整 费率 0.3"},
        {"A10", "合计"},
        {"A11", "浮动幅度值（%）"},
        {"A12", "合同额（万元）"},
        {"A13", "增值税税率（%）"},
        {"A14", "其中不含税金额（万元）"},
        {"A15", "增值税税额（万元）"},
        {"A16", "含税金额（万元，合同额）"},
        {"A17", "合计（大写）"},
        {"A18", "合同额（大写）"},
    };
    const projects::Quote quote = test::sampleQuote();
    const ReadBook book = written(quote);
    for (const Case& c : cases)
        EXPECT_EQ(book.cells.count(c.cell) ? book.cells.at(c.cell).text : "(empty)", c.text) << c.cell;
    // The total and the contract amount in capital figures, across the fee columns.
    const projects::Totals totals = projects::totalsOf(quote, figuresOf(quote));
    EXPECT_EQ(book.cells.at("H17").text, projects::uppercaseAmountText(totals.total));
    EXPECT_EQ(book.cells.at("H18").text, projects::uppercaseAmountText(totals.contract));
    // Nothing is written where an item has nothing: no phase, no conditions; the phase has no sum.
    for (const char* empty : {"K8", "K9", "F9", "K10"})
        EXPECT_EQ(book.cells.count(empty), 0u) << empty;
    EXPECT_EQ(book.merged,
              (std::vector<std::string>{"A10:G10", "A11:K11", "A12:K12", "A13:K13", "A14:K14", "A15:K15",
                                        "A16:K16", "A17:G17", "A18:G18", "A1:L1", "H17:L17", "H18:L18"}));
}

// A work of a kind of engineering has its kind where the type is, and its conditions, services and phase
// in the same cells as the main window's items; the column is named by what it holds.
TEST_F(Workbook, WorksOfKindsOfEngineeringStandInTheSameColumns) {
    struct Case {
        const char* cell;
        const char* text;
    };
    const Case cases[] = {
        {"C6", "工程类型/\n工程种类"},
        {"B7", "主线道路（一标段）"},
        {"C7", "公路和城市道路工程"},
        {"K7", "初步设计 45%"},
        {"B10", "选煤厂"},
        {"C10", "选煤及其他煤炭工程"},
        {"D10", "Ⅲ级"},
        {"F10", "改扩建和技术改造建设项目 1.2；Ⅲ级选煤厂、水煤浆制备及燃烧应用工程"},
        {"G10", "总体设计费"},
        {"K10", "初步设计 35%"},
        {"C11", "石油、化工、石化、化纤、医药工程"},
        {"D11", "Ⅱ级"},
        {"F11", "增加管段图设计"},
        {"G11", "非标准设备设计费 200万元，费率 0.12"},
        {"K11", "基础设计 50%"},
        {"C12", "风力发电、其他水利工程"},
        {"D12", "Ⅰ级"},
        {"F12", "引调水渠道或管线、河道堤防工程"},
        {"K12", "招标设计 20%"},
        {"B13", "一级公路"},
        {"C13", "公路、城市道路工程"},
        {"G13", "主体设计协调费"},
        {"A14", "合计"},
        {"A15", "浮动幅度值（%）"},
        {"A16", "合同额（万元）"},
    };
    const ReadBook book = written(test::mixedQuote());
    for (const Case& c : cases)
        EXPECT_EQ(book.cells.count(c.cell) ? book.cells.at(c.cell).text : "(empty)", c.text) << c.cell;
    // The channel has no services; the road no condition ticked (公路工程Ⅰ级 applies unasked), no phase.
    for (const char* empty : {"G12", "F13", "K13"})
        EXPECT_EQ(book.cells.count(empty), 0u) << empty;

    projects::Quote kinds = test::mixedQuote();
    kinds.items.erase(kinds.items.begin(), kinds.items.begin() + 3);
    EXPECT_EQ(written(kinds).cells.at("C6").text, "工程种类");
}

// 编制日期 is a date where what was typed reads as a day of the calendar, shown as it was written; otherwise
// the text typed.
TEST_F(Workbook, TheDateTypedIsADateWhereItReadsAsOne) {
    struct Case {
        const char* typed;
        const char* date;   // none where it stays a text
        const char* format; // of a date
    };
    const Case cases[] = {
        {"2026-12-09", "2026-12-09", "yyyy-mm-dd"},
        {" 2026/1/5 ", "2026-01-05", "yyyy-mm-dd"},
        {"2026.02.28", "2026-02-28", "yyyy-mm-dd"},
        {"2024-02-29", "2024-02-29", "yyyy-mm-dd"},
        {"2026年12月9日", "2026-12-09", "yyyy\"年\"m\"月\"d\"日\""},
        {"1901-01-01", "1901-01-01", "yyyy-mm-dd"},
        {"2023-02-29", nullptr, nullptr},
        {"2026-13-01", nullptr, nullptr},
        {"2026-04-31", nullptr, nullptr},
        {"2026-12-00", nullptr, nullptr},
        {"2026-12/09", nullptr, nullptr},
        {"2026-12-09 上午", nullptr, nullptr},
        {"2026-012-09", nullptr, nullptr},
        {"26-12-09", nullptr, nullptr},
        {"12/09/2026", nullptr, nullptr},
        {"1900-03-01", nullptr, nullptr},
        {"2026年12月9", nullptr, nullptr},
        {"二〇二六年十二月", nullptr, nullptr},
    };
    for (const Case& c : cases) {
        projects::Quote quote = test::sampleQuote();
        quote.date = c.typed;
        const ReadBook book = written(quote);
        const ReadCell& cell = book.cells.at("B5");
        if (c.date) {
            EXPECT_EQ(cell.date, c.date) << c.typed;
            EXPECT_EQ(cell.format, c.format) << c.typed;
        } else {
            EXPECT_EQ(cell.date, "") << c.typed;
            EXPECT_EQ(cell.text, c.typed);
        }
    }
    projects::Quote undated = test::sampleQuote();
    undated.date.clear();
    EXPECT_EQ(written(undated).cells.count("B5"), 0u);
}

TEST_F(Workbook, ATypedContractAmountShowsTheFloatItComesTo) {
    struct Case {
        double contractShare; // of the total
        const char* floatLabel;
    };
    const double total =
        projects::totalsOf(test::sampleQuote(), figuresOf(test::sampleQuote())).total.toDouble();
    for (const Case c : {Case{1.1, "浮动幅度值（%，由合同额折算）"},
                         Case{0.7, "浮动幅度值（%，由合同额折算，超出 -20%～+20%）"}}) {
        projects::Quote quote = test::sampleQuote();
        quote.contractAmount = total * c.contractShare;
        const ReadBook book = written(quote);
        EXPECT_EQ(book.cells.at("A11").text, c.floatLabel);
        EXPECT_EQ(book.cells.at("A12").text, "合同额（万元，直接输入）");
        EXPECT_EQ(differences(expectedNumbers(quote), numbersRead(book)), "") << c.contractShare;
    }
}

// The sheet 计算过程 is each item's section of the 计算书, a line to a row, a blank row between sections.
TEST_F(Workbook, TheCalculationSheetHoldsTheReportsSections) {
    for (const projects::Quote& quote : {test::sampleQuote(), test::mixedQuote()}) {
        const std::vector<projects::ItemFigures> figures = figuresOf(quote);
        const projects::ProjectReport report =
            projects::buildProjectReport(quote, figures, projects::totalsOf(quote, figures));
        std::vector<std::string> expected;
        for (const projects::ReportSection& section : report.sections) {
            if (!expected.empty())
                expected.push_back("");
            for (const std::string& line : projects::sectionLines(section))
                expected.push_back(line);
        }
        ASSERT_EQ(report.sections.size(), quote.items.size());
        EXPECT_EQ(written(quote).lines, expected) << quote.name;
    }
}

TEST_F(Workbook, NamesOfAnyKindComeBackAsTyped) {
    const char* names[] = {
        "🏗️ 立交桥 & <匝道> \"甲\" '乙'",
        "  前后空格  ",
        "_x0041_ 不是 A，_x005F_ 也不是 _",
        "制表\t符与\n换行",
        "控制\x01字符",
        "𠀀 ⼯ Ｗｉｄｅ",
        "=1+1",
    };
    for (const char* name : names) {
        projects::Quote quote = test::sampleQuote();
        quote.name = name;
        quote.client = name;
        quote.items[1].name = name;
        const ReadBook book = written(quote);
        for (const char* cell : {"B2", "B3", "B8"})
            EXPECT_EQ(book.cells.count(cell) ? book.cells.at(cell).text : "(empty)", name) << cell;
        // The page header holds no control character: a blank stands for it.
        ASSERT_EQ(book.pages.size(), 2u);
        EXPECT_EQ(book.pages[0].header.find('\x01'), std::string::npos);
    }
}

TEST_F(Workbook, AnAmountTypedOtherThanPlainlyIsKeptInAComment) {
    struct Case {
        const char* typed;
        const char* comment; // none where the number says it all
    };
    for (const Case c : {Case{"1500", nullptr}, Case{" 1500 ", nullptr}, Case{"1500.0", nullptr},
                         Case{"1,500", nullptr}, Case{"１５００", nullptr},
                         Case{"1.5E3", "输入的计费额：1.5E3"}, Case{"&H5DC", "输入的计费额：&H5DC"}}) {
        projects::Quote quote = test::sampleQuote();
        quote.items[1].mainInputs()->amount = c.typed;
        const ReadBook book = written(quote);
        EXPECT_EQ(book.cells.at("E8").number, 1500) << c.typed;
        if (c.comment)
            EXPECT_EQ(book.comments.count("E8") ? book.comments.at("E8") : "(none)", c.comment) << c.typed;
        else
            EXPECT_EQ(book.comments.count("E8"), 0u) << c.typed;
    }
}

TEST_F(Workbook, EveryTextAndNumberFitsItsCell) {
    projects::Quote quote = test::sampleQuote();
    quote.items[0].name = "一个名称相当长的单项工程（第二标段）";
    quote.items[1].name = "短";
    const ReadBook book = written(quote);
    for (const auto& [ref, cell] : book.cells) {
        const std::string column = ref.substr(0, ref.find_first_of("0123456789"));
        const int row = std::stoi(ref.substr(column.size()));
        // The title spans the sheet, the project's fields run on into the empty cells beside them, and a
        // total's label and the capital figures span their rows (checked below).
        if (row == 1 || (column == "B" && row <= 5 && cell.date.empty()) || (column == "A" && row >= 10) ||
            (column == "H" && row >= 17))
            continue;
        ASSERT_TRUE(book.widths.count(column)) << column;
        const double width = book.widths.at(column);
        if (cell.wrap && row > 6) {
            // A list wraps at a width still easy to read, in a row high enough for all its lines.
            EXPECT_GE(width, std::min(cell.shown, 20.0)) << ref;
            const double height = book.heights.count(row) ? book.heights.at(row) : 15;
            EXPECT_GE(height, std::ceil(cell.shown / width) * 15) << ref << " " << cell.text;
        } else {
            EXPECT_GE(width, cell.shown) << ref << " " << cell.text;
        }
    }
    EXPECT_TRUE(book.cells.at("F7").wrap);
    EXPECT_TRUE(book.cells.at("G9").wrap);
    // The capital figures fit the fee columns they span.
    double fees = 0;
    for (const char* column : {"H", "I", "J", "K", "L"})
        fees += book.widths.at(column);
    EXPECT_GE(fees, book.cells.at("H17").shown);
}

TEST_F(Workbook, ADecimalCommaLocaleChangesNoCell) {
    const projects::Quote quote = sampleWithContract();
    const ReadBook inC = written(quote, "c.xlsx");
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    // Made by the workbook_locale test (localedef, from Debian's locale data) into LOCPATH.
    ASSERT_TRUE(std::setlocale(LC_ALL, "de_DE.UTF-8"))
        << "LOCPATH=" << (getenv("LOCPATH") ? getenv("LOCPATH") : "");
    EXPECT_STREQ(std::localeconv()->decimal_point, ",");
    const ReadBook inGerman = written(quote, "de.xlsx");
    std::setlocale(LC_ALL, previous.c_str());
    EXPECT_EQ(differences(expectedNumbers(quote), numbersRead(inGerman)), "");
    EXPECT_EQ(differences(numbersRead(inC), numbersRead(inGerman)), "");
    EXPECT_EQ(formulasRead(inGerman), formulasRead(inC));
    EXPECT_FALSE(formulasRead(inC).empty());
    for (const auto& [ref, cell] : inC.cells) {
        EXPECT_EQ(inGerman.cells.count(ref) ? inGerman.cells.at(ref).text : "(none)", cell.text) << ref;
        EXPECT_EQ(inGerman.cells.count(ref) ? inGerman.cells.at(ref).date : "(none)", cell.date) << ref;
    }
    EXPECT_EQ(inGerman.lines, inC.lines);
}

std::set<std::string> listing(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        names.insert(fs::relative(entry.path(), folder).string());
    return names;
}

std::string contentOf(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST_F(Workbook, ASaveThatFailsSaysWhyAndLeavesNothingBehind) {
    struct Case {
        const char* what;
        std::function<fs::path(const fs::path&)> prepare; // makes the folder's state, gives the path saved to
        const char* message;
    };
    const Case cases[] = {
        {"a folder that does not exist", [](const fs::path& f) { return f / "没有的文件夹" / "汇总.xlsx"; },
         "工作簿未能导出为“汇总.xlsx”：文件夹不存在。\n请换一个已有的文件夹，然后再导出一次。"},
        {"a file where the folder should be",
         [](const fs::path& f) {
             std::ofstream(f / "文件") << "不是文件夹";
             return f / "文件" / "汇总.xlsx";
         },
         "工作簿未能导出为“汇总."
         "xlsx”：路径中有一段是文件，不是文件夹。\n请检查文件名前面的文件夹，然后再导出一次。"},
        {"a folder of the name chosen",
         [](const fs::path& f) {
             fs::create_directory(f / "汇总.xlsx");
             return f / "汇总.xlsx";
         },
         "工作簿未能导出为“汇总."
         "xlsx”：这个名称是一个文件夹，不是普通文件，不能用文件替换它。\n请换一个文件名，"
         "然后再导出一次。"},
        {"a folder without write permission, with a file of that name in it (for root, who may write anyway, "
         "/sys, where no one may create a file)",
         [](const fs::path& f) {
             if (geteuid() == 0)
                 return fs::path("/sys/汇总.xlsx");
             fs::create_directory(f / "只读");
             std::ofstream(f / "只读" / "汇总.xlsx") << "原来的内容";
             fs::permissions(f / "只读", fs::perms::owner_read | fs::perms::owner_exec);
             return f / "只读" / "汇总.xlsx";
         },
         "工作簿未能导出为“汇总."
         "xlsx”：没有在这个文件夹中写入文件的权限。\n请换一个可以写入的文件夹，然后再导出"
         "一次。"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TearDown();
        SetUp();
        const fs::path path = c.prepare(m_folder);
        const std::set<std::string> before = listing(m_folder);
        const std::string content = fs::is_regular_file(path) ? contentOf(path) : "";
        EXPECT_EQ(write(path, test::sampleQuote()), c.message);
        EXPECT_EQ(listing(m_folder), before);
        if (fs::is_regular_file(path)) {
            EXPECT_EQ(contentOf(path), content);
        }
    }
}

TEST_F(Workbook, ASaveReplacesAFileOfThatNameWholeAndKeepsItsPermissions) {
    const fs::path path = m_folder / "汇总.xlsx";
    std::ofstream(path) << "原来的内容";
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(write(path, test::sampleQuote()), std::nullopt);
    EXPECT_EQ(listing(m_folder), std::set<std::string>{"汇总.xlsx"});
    EXPECT_EQ(contentOf(path).substr(0, 2), "PK"); // a zip container
    EXPECT_EQ(fs::status(path).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(readBack(path).cells.at("B2").text, "某某道路工程");
}

// ---- Opened in a spreadsheet program

// What a command prints, and whether it succeeded.
std::string outputOf(const std::string& command, bool* succeeded = nullptr) {
    FILE* pipe = popen(command.c_str(), "r");
    std::string out;
    std::array<char, 4096> buffer{};
    for (std::size_t n; pipe && (n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0;)
        out.append(buffer.data(), n);
    const int status = pipe ? pclose(pipe) : -1;
    if (succeeded)
        *succeeded = status == 0;
    return out;
}

std::string inQuotes(const fs::path& path) {
    return "'" + path.string() + "'";
}

// LibreOffice, headless, with a profile of its own that recalculates every formula of a workbook it
// opens (by default it keeps the values the file holds).
class Spreadsheet {
  public:
    Spreadsheet(const fs::path& folder) : m_profile(folder / "profile") {
        m_program = outputOf("command -v soffice");
        m_program.erase(m_program.find_last_not_of('\n') + 1);
        fs::create_directories(m_profile / "user");
        std::ofstream(m_profile / "user" / "registrymodifications.xcu")
            << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
               "<oor:items xmlns:oor=\"http://openoffice.org/2001/registry\" "
               "xmlns:xs=\"http://www.w3.org/2001/XMLSchema\" "
               "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\">\n"
               "<item oor:path=\"/org.openoffice.Office.Calc/Formula/Load\">"
               "<prop oor:name=\"OOXMLRecalcMode\" oor:op=\"fuse\"><value>0</value></prop></item>\n"
               "</oor:items>\n";
    }
    bool present() const { return !m_program.empty(); }

    // Converts each file into `format` ("xlsx", "pdf") in `out`, under the same name, run in `locale`.
    void convert(const std::vector<fs::path>& files, const std::string& format, const fs::path& out,
                 const std::string& locale) const {
        std::string command = "LC_ALL=" + locale + " " + inQuotes(m_program) +
                              " --headless --norestore -env:UserInstallation=file://" + m_profile.string() +
                              " --convert-to " + format + " --outdir " + inQuotes(out);
        for (const fs::path& f : files)
            command += " " + inQuotes(f);
        bool succeeded = false;
        const std::string said = outputOf(command + " 2>&1", &succeeded);
        EXPECT_TRUE(succeeded) << command << "\n" << said;
        for (const fs::path& f : files)
            EXPECT_TRUE(fs::exists(out / f.filename().replace_extension(format))) << f << "\n" << said;
    }

  private:
    fs::path m_profile;
    std::string m_program;
};

// Every formula, recalculated by LibreOffice in a decimal-comma locale, comes to the value the workbook
// holds for it, the program's figure: a reader that calculates and one that does not show the same numbers.
TEST_F(Workbook, ASpreadsheetProgramCalculatesTheFiguresTheWorkbookHolds) {
    const Spreadsheet spreadsheet(m_folder);
    if (!spreadsheet.present())
        GTEST_SKIP() << "LibreOffice (soffice) is not installed; scripts/test installs it";
    std::vector<projects::Quote> quotes{test::sampleQuote(), sampleWithContract(), sampleWithoutTax(),
                                        test::mixedQuote()};
    std::mt19937 random(20261209);
    for (int i = 0; i < 6; ++i)
        quotes.push_back(test::randomQuote(random));
    fs::create_directories(m_folder / "in");
    fs::create_directories(m_folder / "out");
    std::vector<fs::path> files;
    for (std::size_t i = 0; i < quotes.size(); ++i) {
        files.push_back(m_folder / "in" / (std::to_string(i) + ".xlsx"));
        ASSERT_EQ(write(files.back(), quotes[i]), std::nullopt);
    }
    // A workbook whose total holds a value one more than its items' sum: recalculated, it is their sum. So
    // the check below compares recalculated values, not the ones the file holds.
    const projects::Quote sample = test::sampleQuote();
    const std::vector<projects::ItemFigures> figures = figuresOf(sample);
    projects::Totals offByOne = projects::totalsOf(sample, figures);
    const double total = offByOne.total.toDouble();
    offByOne.total = offByOne.total + projects::Decimal::whole(1);
    files.push_back(m_folder / "in" / "off-by-one.xlsx");
    ASSERT_EQ(projects::writeWorkbook(files.back().string(), sample, figures, offByOne), std::nullopt);

    // Made by the workbook_locale test into LOCPATH.
    spreadsheet.convert(files, "xlsx", m_folder / "out", "de_DE.UTF-8");
    for (std::size_t i = 0; i < quotes.size(); ++i) {
        const ReadBook held = readBack(files[i]);
        const ReadBook recalculated = readBack(m_folder / "out" / files[i].filename());
        const std::map<std::string, double> expected = expectedNumbers(quotes[i]);
        std::map<std::string, double> formulas, values;
        for (const auto& [ref, formula] : formulasRead(held)) {
            formulas[ref] = expected.at(ref);
            const auto cell = recalculated.cells.find(ref);
            if (cell != recalculated.cells.end() && cell->second.number)
                values[ref] = *cell->second.number;
        }
        EXPECT_EQ(formulas.size(), 8u);
        EXPECT_EQ(differences(formulas, values), "") << quotes[i].name << " " << files[i].filename();
    }
    const ReadBook corrected = readBack(m_folder / "out" / "off-by-one.xlsx");
    EXPECT_EQ(corrected.cells.at("L10").number, total);
}

// Printed by LibreOffice: the sheet 汇总 on one landscape page with the title, the items and the capital
// figures, nothing shown as "###" for want of room; the sheet 计算过程 upright; the project's name at the top
// of every page and the page's number at the bottom.
TEST_F(Workbook, ASpreadsheetProgramPrintsItAsSetUp) {
    const Spreadsheet spreadsheet(m_folder);
    if (!spreadsheet.present())
        GTEST_SKIP() << "LibreOffice (soffice) is not installed; scripts/test installs it";
    projects::Quote longNames = test::mixedQuote();
    longNames.items[1].name = "一个名称相当长的单项工程（地下人防，第二标段）";
    std::mt19937 random(20261210);
    const std::vector<projects::Quote> quotes{test::sampleQuote(), longNames, test::randomQuote(random)};
    std::vector<fs::path> files;
    for (std::size_t i = 0; i < quotes.size(); ++i) {
        files.push_back(m_folder / (std::to_string(i) + ".xlsx"));
        ASSERT_EQ(write(files.back(), quotes[i]), std::nullopt);
    }
    spreadsheet.convert(files, "pdf", m_folder, "C.UTF-8");
    for (std::size_t i = 0; i < quotes.size(); ++i) {
        const projects::Quote& quote = quotes[i];
        const std::string pdf = inQuotes(fs::path(files[i]).replace_extension(".pdf"));
        const std::string info = outputOf("pdfinfo " + pdf);
        const std::size_t at = info.find("Pages:");
        ASSERT_NE(at, std::string::npos) << info;
        const int pages = std::stoi(info.substr(at + 6));
        ASSERT_GE(pages, 2) << quote.name;
        const auto unspaced = [](std::string text) {
            std::erase(text, ' ');
            return text;
        };
        const auto textOf = [&pdf, &unspaced](int page) {
            std::string text = outputOf("pdftotext -f " + std::to_string(page) + " -l " +
                                        std::to_string(page) + " -layout " + pdf + " -");
            return unspaced(text);
        };
        const auto landscape = [&pdf](int page) {
            const std::string sizes = outputOf("pdfinfo -f " + std::to_string(page) + " -l " +
                                               std::to_string(page) + " " + pdf + " | grep 'size:'");
            double width = 0, height = 0;
            std::sscanf(sizes.substr(sizes.find("size:") + 5).c_str(), "%lf x %lf", &width, &height);
            EXPECT_GT(width * height, 0) << sizes;
            return width > height;
        };
        const std::vector<projects::ItemFigures> figures = figuresOf(quote);
        const projects::Totals totals = projects::totalsOf(quote, figures);
        const std::string summary = textOf(1);
        EXPECT_TRUE(landscape(1));
        for (const std::string& text :
             {std::string("工程设计收费计算书"), quote.client, projects::uppercaseAmountText(totals.contract),
              projects::amountText(totals.total), projects::amountText(totals.tax.including)})
            EXPECT_NE(summary.find(unspaced(text)), std::string::npos) << text << "\n" << summary;
        for (const projects::Item& item : quote.items)
            EXPECT_NE(summary.find(unspaced(item.name)), std::string::npos) << item.name << "\n" << summary;
        for (int page = 1; page <= pages; ++page) {
            const std::string text = textOf(page);
            EXPECT_EQ(text.find("###"), std::string::npos) << page << "\n" << text;
            EXPECT_NE(text.find(unspaced(quote.name)), std::string::npos) << page;
            EXPECT_NE(text.find("第" + std::to_string(page) + "页共" + std::to_string(pages) + "页"),
                      std::string::npos)
                << page << "\n"
                << text;
            if (page > 1) {
                EXPECT_FALSE(landscape(page)) << page;
            }
        }
    }
}

} // namespace
