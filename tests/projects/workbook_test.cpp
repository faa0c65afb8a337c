// The project's workbook, read back with openpyxl (read_workbook.py): every number is the program's double
// in every locale, the texts are as typed, the columns fit their content, and a save that fails says why
// and leaves nothing behind.
#include "projects/workbook.h"

#include "engine/numbers.h"
#include "projects/json.h"
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
#include <set>
#include <sys/stat.h>
#include <unistd.h>

using namespace varnel;
namespace fs = std::filesystem;
using projects::json::Value;

namespace {

// What read_workbook.py found in a workbook.
struct ReadCell {
    std::optional<double> number;
    std::string text;
    std::string format;
    bool wrap = false;
    double shown = 0;
};

struct ReadBook {
    std::vector<std::string> sheets;
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
    for (const Value& c : *projects::json::member(*top, "cells")->array()) {
        const projects::json::Object& o = *c.object();
        ReadCell cell;
        if (const double* n = projects::json::member(o, "number")->number())
            cell.number = *n;
        cell.text = textOf(o, "text");
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

// The number cells a workbook of `quote` holds: per item (from row 7) its index, the amount read, the four
// fees and the phase's share where one is charged; below them the total, the float and the contract.
std::map<std::string, double> expectedNumbers(const projects::Quote& quote) {
    const std::vector<projects::ItemFigures> figures = figuresOf(quote);
    const projects::Totals t = projects::totalsOf(quote, figures);
    std::map<std::string, double> cells;
    std::size_t row = 7;
    for (std::size_t i = 0; i < figures.size(); ++i, ++row) {
        const projects::ItemFigures& f = figures[i];
        const projects::QuotedItem& stated = t.items[i];
        cells[cellName('A', row)] = static_cast<double>(i + 1);
        cells[cellName('E', row)] = f.feeBase();
        cells[cellName('I', row)] = stated.basicFee.toDouble();
        cells[cellName('J', row)] = stated.otherFee.toDouble();
        cells[cellName('K', row)] = stated.benchmarkFee.toDouble();
        if (stated.phaseFee)
            cells[cellName('L', row)] = stated.phaseFee->toDouble();
        cells[cellName('M', row)] = stated.chargedFee.toDouble();
    }
    cells[cellName('M', row)] = t.total.toDouble();
    cells[cellName('M', row + 1)] = t.contractTyped ? t.impliedFloat->toDouble() : quote.floatPercent;
    cells[cellName('M', row + 2)] = t.contract.toDouble();
    cells[cellName('M', row + 3)] = t.tax.excluding.toDouble();
    cells[cellName('M', row + 4)] = t.tax.tax.toDouble();
    cells[cellName('M', row + 5)] = t.tax.including.toDouble();
    return cells;
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
    for (const projects::Quote& quote : {test::sampleQuote(), sampleWithContract(), test::mixedQuote()}) {
        const ReadBook book = written(quote);
        EXPECT_EQ(differences(expectedNumbers(quote), numbersRead(book)), "") << quote.name;
    }
    // The amount is one a "%.16G" writer would change.
    const double contract = std::stod(sampleWithContract().items[1].mainInputs()->amount);
    char sixteen[64];
    std::snprintf(sixteen, sizeof sixteen, "%.16G", contract);
    EXPECT_NE(std::strtod(sixteen, nullptr), contract);
}

TEST_F(Workbook, AmountsShowFourDecimalsAndTheHeaderStaysInView) {
    const ReadBook book = written(sampleWithContract());
    EXPECT_EQ(book.sheets, std::vector<std::string>{"汇总"});
    EXPECT_EQ(book.freeze, "A7");
    for (const auto& [ref, cell] : book.cells) {
        if (cell.number) {
            // The float, below the total, has two decimals.
            EXPECT_EQ(cell.format, ref[0] == 'A' ? "0" : (ref == "M11" ? "0.00" : "0.0000")) << ref;
        }
    }
}

TEST_F(Workbook, TextsAreAsTypedAndAsTheStandardNamesThem) {
    struct Case {
        const char* cell;
        const char* text;
    };
    const Case cases[] = {
        {"A1", "项目名称"},
        {"B1", "某某道路工程"},
        {"A2", "发包人"},
        {"B2", "某某市城市建设投资有限公司"},
        {"A3", "设计人"},
        {"B3", "某某市政设计研究院"},
        {"A4", "编制日期"},
        {"B4", "2026-12-09"},
        {"A6", "序号"},
        {"E6", "计费额\n（万元）"},
        {"H6", "单独委托\n设计阶段"},
        {"M6", "计入合计的收费\n（万元）"},
        {"B7", "主线道路（一标段）"},
        {"C7", "公路和城市道路工程"},
        {"D7", "Ⅱ级"},
        {"F7", "改扩建和技术改造建设项目 1.2；城市道路通过地下管网密集区的工程"},
        {"G7", "总体设计费"},
        {"H7", "初步设计"},
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
        {"A13", "其中不含税金额（万元）"},
        {"A14", "增值税税额（万元，税率 6%）"},
        {"A15", "含税金额（万元，合同额）"},
    };
    const ReadBook book = written(test::sampleQuote());
    for (const Case& c : cases)
        EXPECT_EQ(book.cells.count(c.cell) ? book.cells.at(c.cell).text : "(empty)", c.text) << c.cell;
    // Nothing is written where an item has nothing: no phase, no conditions, no phase share.
    for (const char* empty : {"H8", "H9", "F9", "L8", "L9"})
        EXPECT_EQ(book.cells.count(empty), 0u) << empty;
    EXPECT_EQ(book.merged,
              (std::vector<std::string>{"A10:L10", "A11:L11", "A12:L12", "A13:L13", "A14:L14", "A15:L15"}));
}

// A work of a kind of engineering has its kind where the type is, and its conditions, services and phase
// in the same cells as the main window's items.
TEST_F(Workbook, WorksOfKindsOfEngineeringStandInTheSameColumns) {
    struct Case {
        const char* cell;
        const char* text;
    };
    const Case cases[] = {
        {"B7", "主线道路（一标段）"},
        {"C7", "公路和城市道路工程"},
        {"H7", "初步设计"},
        {"B10", "选煤厂"},
        {"C10", "选煤及其他煤炭工程"},
        {"D10", "Ⅲ级"},
        {"F10", "改扩建和技术改造建设项目 1.2；Ⅲ级选煤厂、水煤浆制备及燃烧应用工程"},
        {"G10", "总体设计费"},
        {"H10", "初步设计"},
        {"C11", "石油、化工、石化、化纤、医药工程"},
        {"D11", "Ⅱ级"},
        {"F11", "增加管段图设计"},
        {"G11", "非标准设备设计费 200万元，费率 0.12"},
        {"H11", "基础设计"},
        {"C12", "风力发电、其他水利工程"},
        {"D12", "Ⅰ级"},
        {"F12", "引调水渠道或管线、河道堤防工程"},
        {"H12", "招标设计"},
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
    // The channel has no services; the road no condition ticked (公路工程Ⅰ级 applies unasked), no phase, no
    // phase share.
    for (const char* empty : {"G12", "F13", "H13", "L13"})
        EXPECT_EQ(book.cells.count(empty), 0u) << empty;
    EXPECT_EQ(book.merged,
              (std::vector<std::string>{"A14:L14", "A15:L15", "A16:L16", "A17:L17", "A18:L18", "A19:L19"}));
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
        for (const char* cell : {"B1", "B2", "B8"})
            EXPECT_EQ(book.cells.count(cell) ? book.cells.at(cell).text : "(empty)", name) << cell;
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
    const ReadBook book = written(quote);
    for (const auto& [ref, cell] : book.cells) {
        const std::string column = ref.substr(0, ref.find_first_of("0123456789"));
        const int row = std::stoi(ref.substr(column.size()));
        // The project's fields run on into the empty cells beside them; a total's label spans the row.
        if ((column == "B" && row <= 4) || (column == "A" && row >= 10))
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
    for (const auto& [ref, cell] : inC.cells)
        EXPECT_EQ(inGerman.cells.count(ref) ? inGerman.cells.at(ref).text : "(none)", cell.text) << ref;
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
    EXPECT_EQ(readBack(path).cells.at("B1").text, "某某道路工程");
}

} // namespace
