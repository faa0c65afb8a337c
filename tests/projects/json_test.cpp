// The JSON reader and writer under the project file: what they accept, what they refuse and where; and a
// quote as the JSON line varnel-calc prints.
#include "projects/json.h"
#include "projects/quotejson.h"
#include "support/samplequote.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>

using namespace varnel::projects;
namespace test = varnel::test;

namespace {

std::string refusal(std::string_view text) {
    auto parsed = json::parse(text);
    const auto* e = std::get_if<json::SyntaxError>(&parsed);
    return e ? e->what : std::string();
}

TEST(Json, ReadsEveryKindOfValueAndWritesItBackTheSame) {
    const std::string text = "{\n"
                             "  \"text\": \"主线道路（一标段）\\\"\\\\\\n\\t\",\n"
                             "  \"numbers\": [\n"
                             "    0,\n"
                             "    -1.5,\n"
                             "    0.30000000000000004,\n"
                             "    9.5,\n"
                             "    1e+300\n"
                             "  ],\n"
                             "  \"flags\": [\n"
                             "    true,\n"
                             "    false,\n"
                             "    null\n"
                             "  ],\n"
                             "  \"empty\": {},\n"
                             "  \"none\": []\n"
                             "}\n";
    auto parsed = json::parse(text);
    ASSERT_TRUE(std::holds_alternative<json::Value>(parsed)) << std::get<json::SyntaxError>(parsed).what;
    const json::Value& v = std::get<json::Value>(parsed);
    EXPECT_EQ(*json::member(*v.object(), "text")->string(), "主线道路（一标段）\"\\\n\t");
    EXPECT_EQ(*(*json::member(*v.object(), "numbers")->array())[2].number(), 0.1 + 0.2);
    EXPECT_EQ(json::write(v), text);
}

TEST(Json, EscapesReadAsTheCharactersTheyStandFor) {
    // Surrogate pairs from the first to the last of the supplementary planes, and hex digits 9, F and C.
    auto parsed = json::parse(R"(["\u5de5\u7a0b", "\ud83d\ude00", "\/\b\f\r", "\ud800\udc00", "\udbff\udfff",
                                     "\u0039\u00FF\u00C9"])");
    ASSERT_TRUE(std::holds_alternative<json::Value>(parsed));
    const json::Array& a = *std::get<json::Value>(parsed).array();
    EXPECT_EQ(*a[0].string(), "工程");
    EXPECT_EQ(*a[1].string(), "\xF0\x9F\x98\x80");
    EXPECT_EQ(*a[2].string(), "/\b\f\r");
    EXPECT_EQ(*a[3].string(), "\xF0\x90\x80\x80");
    EXPECT_EQ(*a[4].string(), "\xF4\x8F\xBF\xBF");
    EXPECT_EQ(*a[5].string(), "9\xC3\xBF\xC3\x89"); // hex digits at the ends of their ranges, either case
}

// Every well-formed UTF-8 sequence reads as it stands, at the ends of each length's range and around the
// surrogates it may not encode.
TEST(Json, TextReadsEveryWellFormedUtf8Sequence) {
    for (const std::string character :
         {"\xC2\x80", "\xC3\xA9", "\xDF\xBF", "\xE0\xA0\x80", "\xED\x9F\xBF", "\xEE\x80\x80", "\xEF\xBF\xBF",
          "\xF0\x90\x80\x80", "\xF0\x9F\x98\x80", "\xF4\x8F\xBF\xBF"}) {
        auto parsed = json::parse("[\"a" + character + "b\"]");
        ASSERT_TRUE(std::holds_alternative<json::Value>(parsed)) << std::get<json::SyntaxError>(parsed).what;
        EXPECT_EQ(*(*std::get<json::Value>(parsed).array())[0].string(), "a" + character + "b");
    }
}

// Numbers with an exponent of either case, with a sign or without.
TEST(Json, ExponentsReadWithOrWithoutTheirSign) {
    auto parsed = json::parse("[1E-5, 2e3, 2.5E+2]");
    ASSERT_TRUE(std::holds_alternative<json::Value>(parsed)) << std::get<json::SyntaxError>(parsed).what;
    const json::Array& a = *std::get<json::Value>(parsed).array();
    EXPECT_EQ(*a[0].number(), 1e-5);
    EXPECT_EQ(*a[1].number(), 2000);
    EXPECT_EQ(*a[2].number(), 250);
}

TEST(Json, AQuotedTextIsAJsonString) {
    EXPECT_EQ(json::quoted("某 \"工程\"\\"), "\"某 \\\"工程\\\"\\\\\"");
}

TEST(Json, ControlCharactersAreWrittenEscaped) {
    EXPECT_EQ(json::write(json::Value(std::string("a\x01"
                                                  "b\x1f"))),
              "\"a\\u0001b\\u001f\"\n");
}

struct Refused {
    const char* name;
    std::string text;
    const char* why;
};

class JsonRefuses : public ::testing::TestWithParam<Refused> {};

TEST_P(JsonRefuses, WithTheReason) {
    EXPECT_EQ(refusal(GetParam().text), GetParam().why) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, JsonRefuses,
    ::testing::Values(
        Refused{"empty", "", "内容不完整"}, Refused{"blanks only", " \n", "内容不完整"},
        Refused{"two values", "{} {}", "值的后面还有多余的内容"}, Refused{"a word", "nul", "无法识别的值"},
        Refused{"a raw NUL", std::string("[\0]", 3), "含有 NUL 字符"},
        Refused{"a NUL in a text", std::string("[\"a\0\"]", 6), "含有 NUL 字符"},
        Refused{"an escaped NUL", R"(["a\u0000"])", "含有 NUL 字符"},
        Refused{"a line feed in a text", "[\"a\nb\"]", "字符串中含有控制字符"},
        Refused{"an unclosed text", "[\"abc", "字符串没有结束的引号"},
        Refused{"an unknown escape", R"(["\x41"])", "无效的转义序列"},
        Refused{"a short \\u", R"(["\u12"])", "\\u 后应为四位十六进制数"},
        Refused{"a lone low surrogate", R"(["\udc00"])", "不成对的 UTF-16 代理项"},
        Refused{"a lone high surrogate", R"(["\ud800x"])", "不成对的 UTF-16 代理项"},
        Refused{"a high surrogate with no low one", R"(["\ud800\u0041"])", "不成对的 UTF-16 代理项"},
        Refused{"an overlong slash", "[\"\xC0\xAF\"]", "不是有效的 UTF-8 文本"},
        Refused{"an overlong three-byte form", "[\"\xE0\x80\xAF\"]", "不是有效的 UTF-8 文本"},
        Refused{"an encoded surrogate", "[\"\xED\xA0\x80\"]", "不是有效的 UTF-8 文本"},
        Refused{"beyond U+10FFFF", "[\"\xF4\x90\x80\x80\"]", "不是有效的 UTF-8 文本"},
        Refused{"an overlong four-byte form", "[\"\xF0\x80\x80\x80\"]", "不是有效的 UTF-8 文本"},
        Refused{"a cut sequence", "[\"\xE5\xB7\"]", "不是有效的 UTF-8 文本"},
        Refused{"a two-byte lead alone", "[\"\xC3\"]", "不是有效的 UTF-8 文本"},
        Refused{"a cut four-byte sequence", "[\"\xF0\x9F\x98\"]", "不是有效的 UTF-8 文本"},
        Refused{"a four-byte sequence cut after two", "[\"\xF0\x9F\"]", "不是有效的 UTF-8 文本"},
        Refused{"a plain character second in four bytes",
                "[\"\xF1"
                "A\x80\x80\"]",
                "不是有效的 UTF-8 文本"},
        Refused{"a plain character third in four bytes",
                "[\"\xF1\x80"
                "A\x80\"]",
                "不是有效的 UTF-8 文本"},
        Refused{"a stray continuation byte", "[\"\x80\"]", "不是有效的 UTF-8 文本"},
        Refused{"Latin-1 text", "[\"caf\xE9\"]", "不是有效的 UTF-8 文本"},
        Refused{"a name given twice", R"({"a": 1, "a": 2})", "字段“a”出现了两次"},
        Refused{"a name without quotes", "{a: 1}", "应为带引号的字段名"},
        Refused{"no colon", R"({"a" 1})", "字段名后应为冒号"},
        Refused{"a trailing comma in an object", R"({"a": 1,})", "应为带引号的字段名"},
        Refused{"an unclosed object", R"({"a": 1)", "应为逗号或右花括号"},
        Refused{"an unclosed array", "[1, 2", "应为逗号或右方括号"},
        Refused{"a trailing comma in an array", "[1,]", "无法识别的值"},
        Refused{"a leading plus", "[+1]", "无法识别的值"}, Refused{"a leading point", "[.5]", "无法识别的值"},
        Refused{"a bare point", "[1.]", "数字的格式不对"}, Refused{"a bare minus", "[-]", "数字的格式不对"},
        Refused{"an empty exponent", "[1e]", "数字的格式不对"},
        Refused{"a leading zero", "[01]", "应为逗号或右方括号"},
        Refused{"beyond the double range", "[1e400]", "数字超出范围"},
        Refused{"33 levels of arrays", std::string(33, '[') + std::string(33, ']'), "嵌套层数过多"},
        Refused{"a million levels of objects",
                [] {
                    std::string deep;
                    for (int i = 0; i < 1000000; ++i)
                        deep += "{\"a\":";
                    return deep;
                }(),
                "嵌套层数过多"}),
    [](const auto& info) {
        std::string name;
        for (char c : std::string(info.param.name))
            name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
        return name;
    });

TEST(Json, ThirtyTwoLevelsAreRead) {
    EXPECT_EQ(refusal(std::string(32, '[') + std::string(32, ']')), "");
}

TEST(Json, APlaceIsGivenByLineAndCharacter) {
    auto parsed = json::parse("{\n  \"名称\": 工程\n}");
    const auto& e = std::get<json::SyntaxError>(parsed);
    EXPECT_EQ(e.line, 2u);
    EXPECT_EQ(e.column, 9u); // after two blanks, the quoted name (four characters), a colon and a blank
}

// ---- A quote as one line of JSON

std::vector<ItemFigures> figuresOfAll(const Quote& quote) {
    std::vector<ItemFigures> all;
    for (const Item& item : quote.items)
        all.push_back(std::get<ItemFigures>(figuresOf(item.inputs)));
    return all;
}

std::string lineOf(const Quote& quote) {
    const std::vector<ItemFigures> figures = figuresOfAll(quote);
    return quoteJsonLine(quote, figures, totalsOf(quote, figures));
}

json::Object objectOf(const std::string& line) {
    auto parsed = json::parse(line);
    if (const auto* e = std::get_if<json::SyntaxError>(&parsed))
        ADD_FAILURE() << e->what << " in " << line;
    const json::Value v = std::get_if<json::Value>(&parsed) ? std::get<json::Value>(parsed) : json::Value();
    return v.object() ? *v.object() : json::Object();
}

// A member's text, "null" for null, "(missing)" where there is none.
std::string textOf(const json::Object& object, std::string_view name) {
    const json::Value* v = json::member(object, name);
    if (!v)
        return "(missing)";
    if (v->isNull())
        return "null";
    return v->string() ? *v->string() : "(not a text)";
}

// What each item of the mixed project is, as a script reads it beside the figures: the main window's type
// or the kind of engineering of 附表二 (never both), the grade, the amount as typed and the phase charged
// with its share.
struct ItemDescription {
    std::size_t index;
    const char* itemKind;
    const char* type;
    const char* kind;
    const char* grade;
    const char* feeBaseTyped;
    double feeBase;
    const char* phase;
    std::optional<double> phasePercent;
};

void PrintTo(const ItemDescription& d, std::ostream* out) {
    *out << "item " << d.index + 1 << " of the mixed project";
}

class QuoteJsonItem : public ::testing::TestWithParam<ItemDescription> {};

TEST_P(QuoteJsonItem, SaysWhatTheItemIs) {
    const ItemDescription& d = GetParam();
    const json::Object project = objectOf(lineOf(test::mixedQuote()));
    const json::Value* items = json::member(project, "items");
    ASSERT_TRUE(items && items->array() && d.index < items->array()->size());
    const json::Object& item = *(*items->array())[d.index].object();
    EXPECT_EQ(textOf(item, "itemKind"), d.itemKind);
    EXPECT_EQ(textOf(item, "type"), d.type);
    EXPECT_EQ(textOf(item, "kind"), d.kind);
    EXPECT_EQ(textOf(item, "grade"), d.grade);
    EXPECT_EQ(textOf(item, "feeBaseTyped"), d.feeBaseTyped);
    ASSERT_TRUE(json::member(item, "feeBase")->number());
    EXPECT_EQ(*json::member(item, "feeBase")->number(), d.feeBase);
    EXPECT_EQ(textOf(item, "phase"), d.phase);
    const json::Value* percent = json::member(item, "phasePercent");
    ASSERT_TRUE(percent);
    if (d.phasePercent)
        EXPECT_EQ(percent->number() ? *percent->number() : -1, *d.phasePercent);
    else
        EXPECT_TRUE(percent->isNull());
}

INSTANTIATE_TEST_SUITE_P(
    MixedProject, QuoteJsonItem,
    ::testing::Values(
        ItemDescription{0, "main", "公路和城市道路工程", "null", "Ⅱ级", "1500", 1500, "初步设计", 45},
        ItemDescription{1, "main", "建筑、人防工程", "null", "Ⅱ级", "1500", 1500, "null", std::nullopt},
        ItemDescription{2, "main", "园林绿化工程", "null", "Ⅲ级", "300", 300, "null", std::nullopt},
        ItemDescription{3, "industry", "null", "选煤及其他煤炭工程", "Ⅲ级", "1500", 1500, "初步设计", 35},
        ItemDescription{4, "industry", "null", "石油、化工、石化、化纤、医药工程", "Ⅱ级", "8000", 8000,
                        "基础设计", 50},
        ItemDescription{5, "industry", "null", "风力发电、其他水利工程", "Ⅰ级", "600", 600, "招标设计", 20},
        ItemDescription{6, "industry", "null", "公路、城市道路工程", "Ⅰ级", "2500", 2500, "null",
                        std::nullopt}),
    [](const auto& info) { return "item" + std::to_string(info.param.index + 1); });

// The project's own fields, and the float as a script must read it: as typed, the one a typed contract
// amount comes to, or none without a total to compare with. Every line is one line of valid JSON.
struct ProjectCase {
    const char* name;
    Quote quote;
    std::vector<std::string> pieces; // as written, in this order
};

Quote withContract(Quote quote, double amount) {
    quote.contractAmount = amount;
    return quote;
}

Quote withNameAndTax(Quote quote) {
    quote.name = "某\"工程\"\n二期";
    quote.client.clear();
    quote.newTechnology = true;
    quote.floatPercent = 22.5;
    quote.taxRate = 3;
    quote.taxIncluded = false;
    return quote;
}

Quote withoutItems(Quote quote) {
    quote.items.clear();
    quote.contractAmount = 10;
    return quote;
}

void PrintTo(const ProjectCase& c, std::ostream* out) {
    *out << c.name;
}

class QuoteJsonProject : public ::testing::TestWithParam<ProjectCase> {};

TEST_P(QuoteJsonProject, GivesTheProjectsFields) {
    const std::string line = lineOf(GetParam().quote);
    EXPECT_EQ(line.find('\n'), std::string::npos);
    EXPECT_FALSE(objectOf(line).empty());
    std::size_t from = 0;
    for (const std::string& piece : GetParam().pieces) {
        const std::size_t at = line.find(piece, from);
        ASSERT_NE(at, std::string::npos) << piece << " not after " << from << " in " << line;
        from = at + piece.size();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Projects, QuoteJsonProject,
    ::testing::Values(
        ProjectCase{
            "a float",
            test::sampleQuote(),
            {"{\"project\": \"某某道路工程\", \"client\": \"某某市城市建设投资有限公司\", "
             "\"designer\": \"某某市政设计研究院\", \"date\": \"2026-12-09\", \"items\": [{",
             "\"feeBaseTyped\": \"1500\", \"feeBase\": 1500.0000, \"basicFee\": 64.4085,",
             "\"phase\": \"初步设计\", \"phasePercent\": 45, \"phaseFee\": 30.4330, \"fee\": 30.4330,",
             "], \"total\": 133.3395, \"float\": -5, \"contractTyped\": false, \"newTechnology\": false, "
             "\"contract\": 126.6725, \"taxRate\": 6, \"taxIncluded\": true, \"excludingTax\": 119.5024, "
             "\"tax\": 7.1701, \"includingTax\": 126.6725}"}},
        ProjectCase{
            "a typed contract amount",
            withContract(test::sampleQuote(), 200),
            {"\"total\": 133.3395, \"float\": 49.99, \"contractTyped\": true, \"newTechnology\": false, "
             "\"contract\": 200.0000,"}},
        ProjectCase{"text to escape, new technology, tax excluded",
                    withNameAndTax(test::sampleQuote()),
                    {"{\"project\": \"某\\\"工程\\\"\\n二期\", \"client\": \"\", ",
                     "\"float\": 22.5, \"contractTyped\": false, \"newTechnology\": true, ",
                     "\"taxRate\": 3, \"taxIncluded\": false, "}},
        ProjectCase{"no items",
                    withoutItems(test::sampleQuote()),
                    {"\"items\": [], \"total\": 0.0000, \"float\": null, \"contractTyped\": true, ",
                     "\"contract\": 10.0000,"}}),
    [](const auto& info) {
        std::string name;
        for (char c : std::string(info.param.name))
            name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
        return name;
    });

} // namespace
