// The project file: what it holds, that it reads back to the same project, and every kind of file that is
// refused with what is wrong with it.
#include "projects/projectfile.h"

#include "support/samplequote.h"

#include <gtest/gtest.h>

#include <string>

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
        Hostile{"a newer version", replaced(good, "\"version\": 1", "\"version\": 2"),
                "这是较新版本的 Varnel 保存的文件（格式版本 2），本程序只能打开格式版本 1 的项目文件"},
        Hostile{"version 0", replaced(good, "\"version\": 1", "\"version\": 0"), "格式版本 0 无效"},
        Hostile{"version 1.5", replaced(good, "\"version\": 1", "\"version\": 1.5"), "格式版本 1.5 无效"},
        Hostile{"a version as text", replaced(good, "\"version\": 1", "\"version\": \"1\""),
                "字段“version”应为数字"},
        Hostile{"no version", replaced(good, "\"version\": 1,", ""), "缺少字段“version”"},
        Hostile{"no name", replaced(good, "\"name\": \"某某道路工程\",", ""), "缺少字段“name”"},
        Hostile{"a name as a number", replaced(good, "\"某某道路工程\"", "12"), "字段“name”应为文本"},
        Hostile{"a float beyond 20 %", replaced(good, "\"float\": -5", "\"float\": 30"),
                "浮动幅度值 30% 超出了 -20% 到 +20% 的范围"},
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
        Hostile{"50 MB", std::string(50 * 1024 * 1024, ' '), "文件有 50.0 MB，超过了项目文件 16.0 MB 的上限"},
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

TEST(ProjectFile, NineThousandNineHundredNinetyNineItemsAreRead) {
    auto read = projects::readProjectFile(manyItems(projects::maxItems));
    ASSERT_TRUE(std::holds_alternative<OpenedQuote>(read)) << std::get<FileProblem>(read).what;
    EXPECT_EQ(std::get<OpenedQuote>(read).quote.items.size(), projects::maxItems);
}

TEST(ProjectFile, TheRefusalNamesTheFile) {
    EXPECT_EQ(projects::openFailureMessage("道路.varnel", FileProblem{"这不是 Varnel 的项目文件"}),
              "无法打开“道路.varnel”：这不是 Varnel 的项目文件。当前的项目没有改变。");
}

} // namespace
