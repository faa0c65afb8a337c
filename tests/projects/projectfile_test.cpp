// The project file: what it holds, that it reads back to the same project, and every kind of file that is
// refused with what is wrong with it.
#include "projects/projectfile.h"

#include "projects/figures.h"
#include "support/samplequote.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

using namespace varnel;
using projects::FileProblem;
using projects::OpenedQuote;

namespace {

std::string sampleFile() {
    return projects::writeProjectFile(test::sampleQuote());
}

std::string replaced(std::string text, std::string_view from, std::string_view to) {
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos)
        text.replace(at, from.size(), to);
    return text;
}

std::string problemOf(std::string_view bytes) {
    auto read = projects::readProjectFile(bytes);
    const FileProblem* p = std::get_if<FileProblem>(&read);
    return p ? p->what : std::string();
}

TEST(ProjectFile, HoldsTheFieldsAndInputsInTheStandardsTerms) {
    const std::string file = sampleFile();
    for (const char* expected : {
             "\"format\": \"varnel-project\"",
             "\"version\": 1",
             "\"name\": \"某某道路工程\"",
             "\"float\": -5",
             "\"contract\": null",
             "\"type\": \"公路和城市道路工程\"",
             "\"grade\": \"Ⅱ级\"",
             "\"name\": \"改扩建和技术改造建设项目\",\n          \"coefficient\": \"1.2\"",
             "\"name\": \"非标准设备设计费\",\n          \"amount\": \"100\",\n          \"rate\": \"0.15\"",
             "\"name\": \"对原设计进行局部调整\",\n          \"rate\": \"0.3\"",
             "\"phase\": \"初步设计\"",
             "\"independentPhase\": false,\n      \"phase\": null",
         })
        EXPECT_NE(file.find(expected), std::string::npos) << expected << "\n" << file;
    EXPECT_EQ(file.find("Check"), std::string::npos);
    EXPECT_EQ(file.find("Text"), std::string::npos);
}

TEST(ProjectFile, ReadsBackTheSameProjectAndWritesTheSameFile) {
    projects::Quote quote = test::sampleQuote();
    for (std::optional<double> contract : {std::optional<double>(), std::optional<double>(0.1 + 0.2)}) {
        quote.contractAmount = contract;
        const std::string file = projects::writeProjectFile(quote);
        auto read = projects::readProjectFile(file);
        ASSERT_TRUE(std::holds_alternative<OpenedQuote>(read)) << std::get<FileProblem>(read).what;
        const OpenedQuote& opened = std::get<OpenedQuote>(read);
        EXPECT_EQ(opened.quote, quote);
        EXPECT_EQ(opened.figures.size(), 3u);
        EXPECT_EQ(projects::writeProjectFile(opened.quote), file);
    }
}

// 采用新技术, the VAT rate and 含税 are written after the contract amount only where they differ from their
// defaults (false, 6, true), and read back; a file without them reads as the defaults.
TEST(ProjectFile, NewTechnologyAndTheVatAreWrittenOnlyWhereTheyDifferFromTheDefaults) {
    struct Case {
        bool newTechnology;
        double taxRate;
        bool taxIncluded;
        double floatPercent;
        const char* written; // between "contract" and "items"
    };
    for (const Case& c :
         {Case{false, 6, true, -5, ""}, Case{true, 6, true, 25, "  \"newTechnology\": true,\n"},
          Case{false, 3, true, -5, "  \"taxRate\": 3,\n"},
          Case{false, 6, false, -5, "  \"taxIncluded\": false,\n"},
          Case{true, 0.5, false, 20.5,
               "  \"newTechnology\": true,\n  \"taxRate\": 0.5,\n  \"taxIncluded\": false,\n"}}) {
        projects::Quote quote = test::sampleQuote();
        quote.newTechnology = c.newTechnology;
        quote.taxRate = c.taxRate;
        quote.taxIncluded = c.taxIncluded;
        quote.floatPercent = c.floatPercent;
        const std::string file = projects::writeProjectFile(quote);
        const std::size_t from = file.find("  \"contract\": null,\n") + 20;
        EXPECT_EQ(file.substr(from, file.find("  \"items\"") - from), c.written) << c.written;
        EXPECT_NE(file.find("\"version\": 1,"), std::string::npos);
        auto read = projects::readProjectFile(file);
        ASSERT_TRUE(std::holds_alternative<OpenedQuote>(read)) << std::get<FileProblem>(read).what;
        EXPECT_EQ(std::get<OpenedQuote>(read).quote, quote) << c.written;
        EXPECT_EQ(projects::writeProjectFile(std::get<OpenedQuote>(read).quote), file);
    }
}

// The sample project as the Varnel before the kinds of engineering of 附表二 wrote it, byte for byte.
constexpr std::string_view versionOneFile = R"({
  "format": "varnel-project",
  "version": 1,
  "name": "某某道路工程",
  "client": "某某市城市建设投资有限公司",
  "designer": "某某市政设计研究院",
  "date": "2026-12-09",
  "float": -5,
  "contract": null,
  "items": [
    {
      "name": "主线道路（一标段）",
      "amount": "1500",
      "type": "公路和城市道路工程",
      "grade": "Ⅱ级",
      "conditions": [
        {
          "name": "改扩建和技术改造建设项目",
          "coefficient": "1.2"
        },
        {
          "name": "城市道路通过地下管网密集区的工程"
        }
      ],
      "services": [
        {
          "name": "总体设计费"
        }
      ],
      "independentPhase": true,
      "phase": "初步设计"
    },
    {
      "name": "地下人防",
      "amount": "1500",
      "type": "建筑、人防工程",
      "grade": "Ⅱ级",
      "conditions": [
        {
          "name": "人防工程"
        }
      ],
      "services": [
        {
          "name": "总体设计费"
        }
      ],
      "independentPhase": false,
      "phase": null
    },
    {
      "name": "沿线绿化",
      "amount": "300",
      "type": "园林绿化工程",
      "grade": "Ⅲ级",
      "conditions": [],
      "services": [
        {
          "name": "自有专利技术收费",
          "amount": "3"
        },
        {
          "name": "非标准设备设计费",
          "amount": "100",
          "rate": "0.15"
        },
        {
          "name": "采用标准设计和复用设计"
        },
        {
          "name": "对原设计进行局部调整",
          "rate": "0.3"
        }
      ],
      "independentPhase": false,
      "phase": null
    }
  ]
}
)";

// A project of the main window's items only is still version 1, exactly as an earlier Varnel wrote and
// reads it.
TEST(ProjectFile, AVersionOneFileReadsAndWritesTheSameBytes) {
    auto read = projects::readProjectFile(versionOneFile);
    ASSERT_TRUE(std::holds_alternative<OpenedQuote>(read)) << std::get<FileProblem>(read).what;
    const OpenedQuote& opened = std::get<OpenedQuote>(read);
    EXPECT_EQ(opened.quote, test::sampleQuote());
    EXPECT_EQ(projects::writeProjectFile(opened.quote), versionOneFile);
    EXPECT_EQ(sampleFile(), versionOneFile);
}

TEST(ProjectFile, HoldsWorksOfKindsOfEngineeringInTheStandardsTerms) {
    const std::string file = projects::writeProjectFile(test::mixedQuote());
    for (const char* expected : {
             "\"version\": 2",
             "\"type\": \"公路和城市道路工程\"", // the main window's items as before
             "\"name\": \"选煤厂\",\n      \"amount\": \"1500\",\n      \"kind\": \"选煤及其他煤炭工程\",\n"
             "      \"grade\": \"Ⅲ级\"",
             "\"name\": \"改扩建和技术改造建设项目\",\n          \"coefficient\": \"1.2\"\n        },\n      "
             "  "
             "{\n          \"name\": \"Ⅲ级选煤厂、水煤浆制备及燃烧应用工程\"\n        }",
             "\"commission\": {\n        \"shareRow\": "
             "\"黑色冶金坑内采矿，煤炭矿山采选，水煤浆，煤层气抽放\",\n"
             "        \"phase\": \"初步设计\"\n      }",
             "\"name\": \"非标准设备设计费\",\n          \"amount\": \"200\",\n          \"rate\": \"0.12\"",
             "\"shareRow\": \"一般石油化工\",\n        \"phase\": \"基础设计\"",
             "\"shareRow\": \"引调水：渠道、管线\",\n        \"phase\": \"招标设计\"",
             "\"name\": \"一级公路\",\n      \"amount\": \"2500\",\n      \"kind\": \"公路、城市道路工程\",\n"
             "      \"grade\": \"Ⅰ级\",\n      \"conditions\": [],",
             "\"commission\": null\n",
         })
        EXPECT_NE(file.find(expected), std::string::npos) << expected << "\n" << file;
    // An item of a kind has no type and no main-window phase; the main window's have no kind.
    const std::string industryPart = file.substr(file.find("\"name\": \"选煤厂\""));
    for (const char* absent : {"\"type\"", "\"independentPhase\"", "公路工程Ⅰ级"})
        EXPECT_EQ(industryPart.find(absent), std::string::npos) << absent;
    EXPECT_EQ(file.substr(0, file.find("\"name\": \"选煤厂\"")).find("\"kind\""), std::string::npos);
}

TEST(ProjectFile, ItemsOfBothKindsReadBackAndWriteTheSameFile) {
    projects::Quote quote = test::mixedQuote();
    // Also with the kinds first and the main window's after them.
    projects::Quote reversed = quote;
    std::reverse(reversed.items.begin(), reversed.items.end());
    projects::Quote industryOnly = quote;
    industryOnly.items.erase(industryOnly.items.begin(), industryOnly.items.begin() + 3);
    for (const projects::Quote& q : {quote, reversed, industryOnly}) {
        const std::string file = projects::writeProjectFile(q);
        EXPECT_NE(file.find("\"version\": 2,"), std::string::npos);
        auto read = projects::readProjectFile(file);
        ASSERT_TRUE(std::holds_alternative<OpenedQuote>(read)) << std::get<FileProblem>(read).what;
        const OpenedQuote& opened = std::get<OpenedQuote>(read);
        EXPECT_EQ(opened.quote, q);
        ASSERT_EQ(opened.figures.size(), q.items.size());
        for (std::size_t i = 0; i < q.items.size(); ++i) {
            const auto figures = std::get<projects::ItemFigures>(projects::figuresOf(q.items[i].inputs));
            EXPECT_EQ(opened.figures[i].chargedFee(), figures.chargedFee()) << q.items[i].name;
            EXPECT_EQ(opened.figures[i].phase, figures.phase) << q.items[i].name;
        }
        EXPECT_EQ(projects::writeProjectFile(opened.quote), file);
    }
}

// What a window could leave behind that the calculation does not read is not written, and the project
// read back is the one it calculates.
TEST(ProjectFile, AWorkOfAKindIsWrittenAsItsCalculationReadsIt) {
    projects::Quote quote = test::mixedQuote();
    engine::industry::KindProject& road = *quote.items[6].industryInputs();
    road.conditions.insert(engine::industry::KindCondition::HighwayGradeI); // applied unasked
    road.conditions.insert(engine::industry::KindCondition::Expressway);    // Ⅲ级 roads only
    road.text(engine::Entry::HistoricCoefficient) = "1.4";
    auto read = projects::readProjectFile(projects::writeProjectFile(quote));
    ASSERT_TRUE(std::holds_alternative<OpenedQuote>(read)) << std::get<FileProblem>(read).what;
    EXPECT_EQ(std::get<OpenedQuote>(read).quote, test::mixedQuote());
}

// A version 2 file of the main window's items alone (which no Varnel writes) is read; saved again it is
// version 1.
TEST(ProjectFile, AVersionTwoFileOfMainWindowItemsIsRead) {
    const std::string file = replaced(std::string(versionOneFile), "\"version\": 1", "\"version\": 2");
    auto read = projects::readProjectFile(file);
    ASSERT_TRUE(std::holds_alternative<OpenedQuote>(read)) << std::get<FileProblem>(read).what;
    EXPECT_EQ(std::get<OpenedQuote>(read).quote, test::sampleQuote());
}

TEST(ProjectFile, NamesAndTextsOfEveryKindSurvive) {
    projects::Quote quote = test::sampleQuote();
    quote.name = "名称 \"引号\" \\ 反斜杠\t制表\n换行 😀 𠀀 ⼯";
    quote.client = "";
    quote.items[0].name = "\x01";
    const std::string file = projects::writeProjectFile(quote);
    auto read = projects::readProjectFile(file);
    ASSERT_TRUE(std::holds_alternative<OpenedQuote>(read)) << std::get<FileProblem>(read).what;
    EXPECT_EQ(std::get<OpenedQuote>(read).quote, quote);
}

TEST(ProjectFile, AnEmptyProjectAndAByteOrderMarkAreRead) {
    const std::string empty = projects::writeProjectFile({});
    EXPECT_EQ(problemOf(empty), "");
    EXPECT_EQ(problemOf("\xEF\xBB\xBF" + empty), "");
}

TEST(ProjectFile, TheFiguresAreRecalculatedNotRead) {
    auto read = projects::readProjectFile(sampleFile());
    const OpenedQuote& opened = std::get<OpenedQuote>(read);
    EXPECT_DOUBLE_EQ(opened.figures[1].benchmarkFee(), 63.58275);
}

std::string manyItems(std::size_t count) {
    const std::string file = sampleFile();
    const std::size_t from = file.find("    {\n      \"name\": \"地下人防\"");
    const std::size_t to = file.find("    {\n      \"name\": \"沿线绿化\"");
    const std::string one = file.substr(from, to - from);
    std::string items;
    for (std::size_t i = 0; i < count; ++i)
        items += one;
    items.resize(items.size() - 2); // the last comma and line feed
    return file.substr(0, file.find("  \"items\": [\n") + 13) + items + "\n  ]\n}\n";
}

struct Hostile {
    const char* name;
    std::string bytes;
    std::string problem; // the start of what the user is told
};

class ProjectFileRefuses : public ::testing::TestWithParam<Hostile> {};

TEST_P(ProjectFileRefuses, SayingWhatIsWrong) {
    const std::string problem = problemOf(GetParam().bytes);
    EXPECT_TRUE(!problem.empty() && problem.starts_with(GetParam().problem))
        << GetParam().name << ": " << problem;
}

const std::string good = sampleFile();

INSTANTIATE_TEST_SUITE_P(
    Files, ProjectFileRefuses,
    ::testing::Values(
        Hostile{"empty", "", "这不是 Varnel 的项目文件（第 1 行第 1 个字符处：内容不完整）"},
        Hostile{"plain text", "某某道路工程 1500 万元",
                "这不是 Varnel 的项目文件（第 1 行第 1 个字符处：无法识别的值）"},
        Hostile{"another program's JSON", R"({"name": "x", "items": []})", "这不是 Varnel 的项目文件"},
        Hostile{"a JSON array", "[]", "这不是 Varnel 的项目文件"},
        Hostile{"another format", replaced(good, "varnel-project", "varnel-settings"),
                "这不是 Varnel 的项目文件"},
        Hostile{"a newer version", replaced(good, "\"version\": 1", "\"version\": 3"),
                "这是较新版本的 Varnel 保存的文件（格式版本 3），本程序只能打开格式版本 2 及以前的项目文件"},
        Hostile{"version 0", replaced(good, "\"version\": 1", "\"version\": 0"), "格式版本 0 无效"},
        Hostile{"version 1.5", replaced(good, "\"version\": 1", "\"version\": 1.5"), "格式版本 1.5 无效"},
        Hostile{"a version as text", replaced(good, "\"version\": 1", "\"version\": \"1\""),
                "字段“version”应为数字"},
        Hostile{"no version", replaced(good, "\"version\": 1,", ""), "缺少字段“version”"},
        Hostile{"no name", replaced(good, "\"name\": \"某某道路工程\",", ""), "缺少字段“name”"},
        Hostile{"a name as a number", replaced(good, "\"某某道路工程\"", "12"), "字段“name”应为文本"},
        Hostile{"a float beyond 20 %", replaced(good, "\"float\": -5", "\"float\": 30"),
                "浮动幅度值 30% 超出了 -20% 到 +20% 的范围"},
        Hostile{"a float above 20 % without new technology",
                replaced(good, "\"float\": -5", "\"float\": 20.01"),
                "浮动幅度值 20.01% 超出了 -20% 到 +20% 的范围"},
        Hostile{"a float above 25 % with new technology",
                replaced(good, "\"float\": -5,", "\"float\": 25.01,\n  \"newTechnology\": true,"),
                "浮动幅度值 25.01% 超出了 -20% 到 +25% 的范围"},
        Hostile{"new technology as text",
                replaced(good, "\"float\": -5,", "\"float\": -5,\n  \"newTechnology\": \"是\","),
                "字段“newTechnology”应为 true 或 false"},
        Hostile{"a VAT rate above 20 %",
                replaced(good, "\"float\": -5,", "\"float\": -5,\n  \"taxRate\": 20.5,"),
                "增值税税率 20.5% 超出了 0% 到 20% 的范围"},
        Hostile{"a negative VAT rate", replaced(good, "\"float\": -5,", "\"float\": -5,\n  \"taxRate\": -1,"),
                "增值税税率 -1% 超出了 0% 到 20% 的范围"},
        Hostile{"a VAT rate as text",
                replaced(good, "\"float\": -5,", "\"float\": -5,\n  \"taxRate\": \"6%\","),
                "字段“taxRate”应为数字"},
        Hostile{"含税 as a number", replaced(good, "\"float\": -5,", "\"float\": -5,\n  \"taxIncluded\": 1,"),
                "字段“taxIncluded”应为 true 或 false"},
        Hostile{"a float as text", replaced(good, "\"float\": -5", "\"float\": \"5\""),
                "字段“float”应为数字"},
        Hostile{"a contract of nothing", replaced(good, "\"contract\": null", "\"contract\": 0"),
                "合同额 0 万元不是正数"},
        Hostile{"a contract as text", replaced(good, "\"contract\": null", "\"contract\": \"100\""),
                "字段“contract”应为数字或 null"},
        Hostile{"items as an object", replaced(good, "\"items\": [", "\"items\": {}, \"unread\": ["),
                "字段“items”应为数组"},
        Hostile{"an item as text", replaced(good, "\"items\": [", "\"items\": [\"road\","),
                "第 1 个单项应为一个对象"},
        Hostile{"an item without its amount", replaced(good, "\"amount\": \"1500\",", ""),
                "第 1 个单项：缺少字段“amount”"},
        Hostile{"an amount as a number", replaced(good, "\"amount\": \"1500\"", "\"amount\": 1500"),
                "第 1 个单项：字段“amount”应为文本"},
        Hostile{"an amount that does not read", replaced(good, "\"amount\": \"1500\"", "\"amount\": \"abc\""),
                "第 1 个单项：无法计算（工程计费额不能小于或等于零！）"},
        Hostile{"an amount beyond the double range",
                replaced(good, "\"amount\": \"1500\"", "\"amount\": \"1e999\""),
                "第 1 个单项：无法计算（输入的数值超出计算范围！）"},
        Hostile{"an amount above the ceiling",
                replaced(good, "\"amount\": \"1500\"", "\"amount\": \"100000000.01\""),
                "第 1 个单项：无法计算（工程计费额不能大于100000000万元！）"},
        Hostile{"a typed fee above the ceiling",
                replaced(good, "\"amount\": \"3\"", "\"amount\": \"1.7e308\""),
                "第 3 个单项：无法计算（输入的金额不能大于100000000万元！）"},
        Hostile{"a typed fee below zero", replaced(good, "\"amount\": \"3\"", "\"amount\": \"-1.7e308\""),
                "第 3 个单项：无法计算（请输入自有专利技术收费金额！）"},
        Hostile{"an equipment amount above the ceiling",
                replaced(good, "\"amount\": \"100\"", "\"amount\": \"1e9\""),
                "第 3 个单项：无法计算（输入的金额不能大于100000000万元！）"},
        Hostile{"a contract above the ceiling",
                replaced(good, "\"contract\": null", "\"contract\": 100000000.01"),
                "合同额 100000000.01 万元超过了 100000000 万元的上限"},
        Hostile{"a contract of the largest double",
                replaced(good, "\"contract\": null", "\"contract\": 1.7976931348623157e308"),
                "合同额 1.79769313486232E+308 万元超过了 100000000 万元的上限"},
        Hostile{"an unknown type", replaced(good, "公路和城市道路工程", "铁路工程"),
                "第 1 个单项：工程类型“铁路工程”不是本程序的五种工程类型之一"},
        Hostile{"an unknown grade", replaced(good, "Ⅱ级", "Ⅳ级"),
                "第 1 个单项：工程复杂程度“Ⅳ级”不是Ⅰ级、Ⅱ级或Ⅲ级"},
        Hostile{"no grade", replaced(good, "\"grade\": \"Ⅱ级\"", "\"grade\": null"),
                "第 1 个单项：字段“grade”应为文本"},
        Hostile{"an unknown condition", replaced(good, "城市道路通过地下管网密集区的工程", "山区道路"),
                "第 1 个单项：附加调整条件“山区道路”不是本程序认识的条件"},
        Hostile{"a condition of another type", replaced(good, "城市道路通过地下管网密集区的工程", "人防工程"),
                "第 1 个单项：“公路和城市道路工程”没有附加调整条件“人防工程”"},
        Hostile{"a condition twice",
                replaced(good, "城市道路通过地下管网密集区的工程", "改扩建和技术改造建设项目"),
                "第 1 个单项：附加调整条件“改扩建和技术改造建设项目”出现了两次"},
        Hostile{"a coefficient missing",
                replaced(good, "\"改扩建和技术改造建设项目\",\n          \"coefficient\": \"1.2\"",
                         "\"改扩建和技术改造建设项目\""),
                "第 1 个单项：附加调整条件第 1 项：缺少字段“coefficient”"},
        Hostile{"a service as text", replaced(good, "\"services\": [", "\"services\": [\"总体设计费\","),
                "第 1 个单项：其他设计收费第 1 项应为一个对象"},
        Hostile{"an unknown service", replaced(good, "\"总体设计费\"", "\"勘察费\""),
                "第 1 个单项：其他设计收费“勘察费”不是本程序认识的收费"},
        Hostile{"a rate missing",
                replaced(good, "\"amount\": \"100\",\n          \"rate\": \"0.15\"", "\"amount\": \"100\""),
                "第 3 个单项：其他设计收费第 2 项：缺少字段“rate”"},
        Hostile{"an unknown phase", replaced(good, "\"phase\": \"初步设计\"", "\"phase\": \"招标设计\""),
                "第 1 个单项：设计阶段“招标设计”不是初步设计、施工图设计或方案设计"},
        Hostile{"a phase without its commission",
                replaced(good, "\"independentPhase\": true", "\"independentPhase\": false"),
                "第 1 个单项：没有单独委托设计，却选了设计阶段“初步设计”"},
        Hostile{"a coefficient out of its range",
                replaced(good, "\"coefficient\": \"1.2\"", "\"coefficient\": \"2\""),
                "第 1 个单项：无法计算（改扩建和技术改造建设项目附加调整系数超标！）"},
        Hostile{"10,000 items", manyItems(10000), "项目有 10000 个单项，超过了 9999 个的上限"},
        Hostile{"50 MB", std::string(50 * 1024 * 1024, ' '),
                "文件有 52,428,800 字节，超过了项目文件 16 MB（16,777,216 字节）的上限"},
        Hostile{"NUL bytes", replaced(good, "某某道路工程", std::string("某某\0道路", 10)),
                "这不是 Varnel 的项目文件（第 4 行第 14 个字符处：含有 NUL 字符）"},
        Hostile{"deep nesting",
                replaced(good, "\"client\"", "\"deep\": " + std::string(100000, '[') + ", \"client\""),
                "这不是 Varnel 的项目文件（第 5 行第 42 个字符处：嵌套层数过多）"},
        Hostile{"Latin-1 text", replaced(good, "某某道路工程", "caf\xE9"), "这不是 Varnel 的项目文件"}),
    [](const auto& info) {
        std::string name;
        for (char c : std::string(info.param.name))
            name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
        return name;
    });

const std::string mixed = projects::writeProjectFile(test::mixedQuote());

// The mixed file with each `from` replaced by its `to`, the first after the name of the item given.
std::string replacedIn(std::string_view item,
                       std::initializer_list<std::pair<std::string_view, std::string_view>> replacements) {
    const std::size_t at = mixed.find("\"name\": \"" + std::string(item) + "\"");
    EXPECT_NE(at, std::string::npos) << item;
    std::string rest = mixed.substr(at);
    for (const auto& [from, to] : replacements)
        rest = replaced(rest, from, to);
    return mixed.substr(0, at) + rest;
}

std::string replacedIn(std::string_view item, std::string_view from, std::string_view to) {
    return replacedIn(item, {{from, to}});
}

class IndustryItemRefused : public ProjectFileRefuses {};

TEST_P(IndustryItemRefused, SayingWhatIsWrong) {
    const std::string problem = problemOf(GetParam().bytes);
    EXPECT_TRUE(!problem.empty() && problem.starts_with(GetParam().problem))
        << GetParam().name << ": " << problem;
}

INSTANTIATE_TEST_SUITE_P(
    Items, IndustryItemRefused,
    ::testing::Values(
        Hostile{"an unknown kind", replacedIn("选煤厂", "选煤及其他煤炭工程", "铁路工程"),
                "第 4 个单项：工程类型“铁路工程”不是附表二中本程序能计算的工程类型"},
        Hostile{"a main window's type as a kind",
                replacedIn("选煤厂", "选煤及其他煤炭工程", "公路和城市道路工程"),
                "第 4 个单项：工程类型“公路和城市道路工程”不是附表二中本程序能计算的工程类型"},
        Hostile{"no kind", replacedIn("选煤厂", "\"选煤及其他煤炭工程\"", "null"),
                "第 4 个单项：字段“kind”应为文本"},
        Hostile{"a type and a kind",
                replacedIn("选煤厂", "\"kind\":", "\"type\": \"建筑、人防工程\",\n      \"kind\":"),
                "第 4 个单项：单项不能既有工程类型“type”又有工程类型“kind”"},
        Hostile{"an unknown grade", replacedIn("选煤厂", "Ⅲ级\"", "Ⅳ级\""),
                "第 4 个单项：工程复杂程度“Ⅳ级”不是Ⅰ级、Ⅱ级或Ⅲ级"},
        Hostile{"an unknown condition",
                replacedIn("选煤厂", "Ⅲ级选煤厂、水煤浆制备及燃烧应用工程", "露天煤矿"),
                "第 4 个单项：附加调整条件“露天煤矿”不是本程序认识的条件"},
        Hostile{"a condition of another group",
                replacedIn("选煤厂", "Ⅲ级选煤厂、水煤浆制备及燃烧应用工程", "增加管段图设计"),
                "第 4 个单项：“选煤及其他煤炭工程”（Ⅲ级）没有附加调整条件“增加管段图设计”"},
        Hostile{"a main window's condition",
                replacedIn("选煤厂", "Ⅲ级选煤厂、水煤浆制备及燃烧应用工程", "人防工程"),
                "第 4 个单项：附加调整条件“人防工程”不是本程序认识的条件"},
        Hostile{
            "a condition of another kind of the group",
            replacedIn("引水干渠", "引调水渠道或管线、河道堤防工程", "水电工程可行性研究与初步设计合并"),
            "第 6 个单项：“风力发电、其他水利工程”（Ⅰ级）没有附加调整条件“水电工程可行性研究与初步设计合并”"},
        Hostile{
            "a grade Ⅲ plant's condition at grade Ⅱ", replacedIn("选煤厂", "Ⅲ级\"", "Ⅱ级\""),
            "第 4 个单项：“选煤及其他煤炭工程”（Ⅱ级）没有附加调整条件“Ⅲ级选煤厂、水煤浆制备及燃烧应用工程”"},
        Hostile{"a condition of another grade",
                replacedIn("一级公路", "\"conditions\": []",
                           "\"conditions\": [{\"name\": \"高速公路、一级公路工程\"}]"),
                "第 7 个单项：“公路、城市道路工程”（Ⅰ级）没有附加调整条件“高速公路、一级公路工程”"},
        Hostile{"a condition applied unasked",
                replacedIn("一级公路", "\"conditions\": []", "\"conditions\": [{\"name\": \"公路工程Ⅰ级\"}]"),
                "第 7 个单项：附加调整条件“公路工程Ⅰ级”不需选择，“公路、城市道路工程”（Ⅰ级）自动计入"},
        Hostile{"a condition twice",
                replacedIn("选煤厂", "Ⅲ级选煤厂、水煤浆制备及燃烧应用工程", "改扩建和技术改造建设项目"),
                "第 4 个单项：附加调整条件“改扩建和技术改造建设项目”出现了两次"},
        Hostile{"conditions that exclude each other",
                replacedIn("引水干渠", "{\n          \"name\": \"引调水渠道或管线、河道堤防工程\"\n        }",
                           "{\"name\": \"引调水渠道或管线、河道堤防工程\"}, {\"name\": \"灌区田间工程\"}"),
                "第 6 个单项：附加调整条件“引调水渠道或管线、河道堤防工程”和“灌区田间工程”不能同时选择"},
        Hostile{"a coefficient missing", replacedIn("选煤厂", ",\n          \"coefficient\": \"1.2\"", ""),
                "第 4 个单项：附加调整条件第 1 项：缺少字段“coefficient”"},
        Hostile{"a coefficient out of its range", replacedIn("选煤厂", "\"1.2\"", "\"1.5\""),
                "第 4 个单项：无法计算（改扩建和技术改造建设项目附加调整系数超标！）"},
        Hostile{"an amount that does not read", replacedIn("选煤厂", "\"1500\"", "\"一千五百\""),
                "第 4 个单项：无法计算（工程计费额不能小于或等于零！）"},
        Hostile{"an unknown service", replacedIn("选煤厂", "总体设计费", "勘察费"),
                "第 4 个单项：其他设计收费“勘察费”不是本程序认识的收费"},
        Hostile{"a rate missing", replacedIn("乙烯装置", ",\n          \"rate\": \"0.12\"", ""),
                "第 5 个单项：其他设计收费第 1 项：缺少字段“rate”"},
        Hostile{"no commission", replacedIn("一级公路", ",\n      \"commission\": null", ""),
                "第 7 个单项：缺少字段“commission”"},
        Hostile{"a commission as text",
                replacedIn("一级公路", "\"commission\": null", "\"commission\": \"初步设计\""),
                "第 7 个单项：字段“commission”应为对象或 null"},
        Hostile{"a commission without its phase",
                replacedIn("乙烯装置", ",\n        \"phase\": \"基础设计\"", ""),
                "第 5 个单项：单独委托设计：缺少字段“phase”"},
        Hostile{"an unknown share row", replacedIn("乙烯装置", "一般石油化工", "加工冶炼（核加工除外）"),
                "第 5 "
                "个单项：单独委托设计：“石油、化工、石化、化纤、医药工程”（Ⅱ级）的设计阶段分成中没有“加工冶炼"
                "（核加工除外）”这一行"},
        Hostile{
            "a commission of a kind without shares",
            replacedIn("一级公路", {{"公路、城市道路工程", "林业工程"},
                                    {"\"commission\": null",
                                     "\"commission\": {\"shareRow\": \"公路\", \"phase\": \"初步设计\"}"}}),
            "第 7 个单项：单独委托设计：“林业工程”（Ⅰ级）的设计阶段分成中没有“公路”这一行"},
        Hostile{"an unknown phase", replacedIn("乙烯装置", "\"基础设计\"", "\"扩大初步设计\""),
                "第 5 "
                "个单项：单独委托设计：设计阶段“扩大初步设计”不是方案设计、初步设计、招标设计、施工图设计、基"
                "础设计或详细设计"},
        Hostile{"a phase its row gives no share",
                replacedIn("选煤厂", "\"phase\": \"初步设计\"", "\"phase\": \"方案设计\""),
                "第 4 "
                "个单项：单独委托设计：表2.2-"
                "1中“黑色冶金坑内采矿，煤炭矿山采选，水煤浆，煤层气抽放”没有方案设计的分成"},
        Hostile{"a main window's phase fields instead of a commission",
                replacedIn("一级公路", "\"commission\": null",
                           "\"independentPhase\": false,\n      \"phase\": null"),
                "第 7 个单项：缺少字段“commission”"},
        Hostile{"a work of a kind in a version 1 file", replaced(mixed, "\"version\": 2", "\"version\": 1"),
                "第 4 个单项：缺少字段“type”"}),
    [](const auto& info) {
        std::string name;
        for (char c : std::string(info.param.name))
            name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
        return name;
    });

TEST(ProjectFile, NineThousandNineHundredNinetyNineItemsAreRead) {
    auto read = projects::readProjectFile(manyItems(projects::maxItems));
    ASSERT_TRUE(std::holds_alternative<OpenedQuote>(read)) << std::get<FileProblem>(read).what;
    EXPECT_EQ(std::get<OpenedQuote>(read).quote.items.size(), projects::maxItems);
}

// Eighty works whose amounts would sum beyond the double range are refused at the first; as many at the
// ceiling, with every typed fee at it too, open, and every sum stays finite.
TEST(ProjectFile, AmountsAboveTheCeilingAreRefusedAndAtItEverySumIsFinite) {
    EXPECT_EQ(problemOf(projects::writeProjectFile(test::equalWorks(80, "1.7e308"))),
              "第 1 个单项：无法计算（工程计费额不能大于100000000万元！）");

    projects::Quote largest = test::equalWorks(80, "100000000", true);
    for (const std::optional<double> contract : {std::optional<double>(), std::optional<double>(1e8)}) {
        largest.contractAmount = contract;
        auto read = projects::readProjectFile(projects::writeProjectFile(largest));
        ASSERT_TRUE(std::holds_alternative<OpenedQuote>(read)) << std::get<FileProblem>(read).what;
        const OpenedQuote& opened = std::get<OpenedQuote>(read);
        const projects::Totals totals = projects::totalsOf(opened.quote, opened.figures);
        EXPECT_TRUE(std::isfinite(totals.total.toDouble()));
        // five typed fees of 10^8, the equipment 2 × 10^7, the basic fee
        EXPECT_GT(totals.total.toDouble(), 80 * 5.2e8);
        EXPECT_TRUE(std::isfinite(totals.contract.toDouble()));
        if (totals.impliedFloat) {
            EXPECT_TRUE(std::isfinite(totals.impliedFloat->toDouble()));
        }
    }
}

TEST(ProjectFile, TheRefusalNamesTheFile) {
    EXPECT_EQ(projects::openFailureMessage("道路.varnel", FileProblem{"这不是 Varnel 的项目文件"}),
              "无法打开“道路.varnel”：这不是 Varnel 的项目文件。");
}

} // namespace
