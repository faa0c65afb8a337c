// Names and project fields kept as one line of valid UTF-8, and what the project file makes of every text
// so kept: written and read back, it is the same text, and written again, the same bytes.
#include "projects/oneline.h"
#include "projects/projectfile.h"

#include "support/samplequote.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

using namespace varnel;

namespace {

TEST(OneLine, WhatBreaksTheLineBecomesABlankAndBrokenBytesTheReplacementCharacter) {
    struct Case {
        std::string typed;
        std::string kept;
    };
    const std::string nul(1, '\0');
    for (const Case& c : std::vector<Case>{
             {"主线\n道路", "主线 道路"},
             {"主线\r\n道路", "主线  道路"},
             {"a\tb\vc\fd", "a b c d"},
             {"a" + nul + "b", "a b"},
             {"\x1B[31m红", " [31m红"},
             {"a\x7F"
              "b",
              "a b"},
             {"a\xC2\x80"
              "b\xC2\x85"
              "c\xC2\x9F"
              "d",
              "a b c d"},
             {"a\xE2\x80\xA8"
              "b\xE2\x80\xA9"
              "c",
              "a b c"},
             // Not well-formed: a lone continuation byte, a C1 control as a raw byte, an overlong "/",
             // a surrogate, a sequence cut short, a code point beyond U+10FFFF.
             {"a\x80"
              "b",
              "a\xEF\xBF\xBD"
              "b"},
             {"a\x85", "a\xEF\xBF\xBD"},
             {"\xC0\xAF", "\xEF\xBF\xBD\xEF\xBF\xBD"},
             {"\xED\xA0\x80", "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},
             {"道\xE8\xB7", "道\xEF\xBF\xBD\xEF\xBF\xBD"},
             {"\xF4\x90\x80\x80", "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},
             // Kept as typed: the last characters before and first after each range, and what only looks
             // like a control.
             {" ~\xC2\xA0\xE2\x80\xA7\xE2\x80\xAA", " ~\xC2\xA0\xE2\x80\xA7\xE2\x80\xAA"},
             {"🏗️ 立交桥", "🏗️ 立交桥"},
             {"\"引号\" \\反斜杠\\ \xE2\x80\x8F"
              "RTL ＡＢＣ１２３　全角",
              "\"引号\" \\反斜杠\\ \xE2\x80\x8F"
              "RTL ＡＢＣ１２３　全角"},
             {"\xF4\x8F\xBF\xBF\xEF\xBB\xBF", "\xF4\x8F\xBF\xBF\xEF\xBB\xBF"},
         }) {
        EXPECT_EQ(projects::asOneLine(c.typed), c.kept) << c.typed;
    }
}

TEST(OneLine, CharactersAreCountedAndCutAsCodePoints) {
    struct Case {
        std::string text;
        std::size_t count;
        std::string firstTwo;
    };
    for (const Case& c : std::vector<Case>{{"", 0, ""},
                                           {"a", 1, "a"},
                                           {"ab", 2, "ab"},
                                           {"道路工程", 4, "道路"},
                                           {"🏗️x", 3, "🏗️"}, // U+1F3D7 and U+FE0F
                                           {"é立交", 3, "é立"}}) {
        EXPECT_EQ(projects::characterCount(c.text), c.count) << c.text;
        EXPECT_EQ(projects::firstCharacters(c.text, 2), c.firstTwo) << c.text;
    }
}

// Random texts of every sort of character, kept as one line, stand as the project's fields and names.
TEST(OneLine, EveryTextKeptAsOneLineIsWrittenAndReadBackExactly) {
    const unsigned seed = testing::UnitTest::GetInstance()->random_seed() + 7u;
    std::mt19937 random(seed);
    const std::vector<std::string> pieces{std::string(1, '\0'),
                                          "\n",
                                          "\r",
                                          "\t",
                                          "\x1F",
                                          "\x7F",
                                          "\xC2\x85",
                                          "\xE2\x80\xA8",
                                          "\xE2\x80\xA9",
                                          "\x80",
                                          "\xFF",
                                          "\xED\xA0\x80",
                                          "\xF0\x9F",
                                          " ",
                                          "\"",
                                          "\\",
                                          "/",
                                          "\\u0000",
                                          "a",
                                          "道",
                                          "\xE2\x80\x8F",
                                          "\xEF\xBB\xBF",
                                          "🏗️",
                                          "\xF4\x8F\xBF\xBF",
                                          "\xEF\xBF\xBE",
                                          "</script>"};
    const auto text = [&] {
        std::string t;
        for (std::size_t n = random() % 12; n > 0; --n)
            t += pieces[random() % pieces.size()];
        return projects::asOneLine(t);
    };
    for (int round = 0; round < 200; ++round) {
        projects::Quote quote = varnel::test::sampleQuote();
        quote.name = text();
        quote.client = text();
        quote.designer = text();
        quote.date = text();
        for (projects::Item& item : quote.items)
            item.name = text();
        const std::string written = projects::writeProjectFile(quote);
        const auto read = projects::readProjectFile(written);
        ASSERT_TRUE(std::holds_alternative<projects::OpenedQuote>(read))
            << std::get<projects::FileProblem>(read).what << " in round " << round << ", seed " << seed;
        ASSERT_EQ(std::get<projects::OpenedQuote>(read).quote, quote)
            << "round " << round << ", seed " << seed;
        ASSERT_EQ(projects::writeProjectFile(std::get<projects::OpenedQuote>(read).quote), written);
    }
}

TEST(OneLine, AProjectIsWrittenOnlyWhereItsFileCouldBeOpened) {
    EXPECT_FALSE(projects::writtenSizeProblem(projects::maxFileBytes));
    EXPECT_TRUE(projects::writtenSizeProblem(projects::maxFileBytes + 1));
}

} // namespace
