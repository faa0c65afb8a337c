#include "engine/numbers.h"

#include <gtest/gtest.h>

#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <limits>
#include <random>
#include <string>

using varnel::engine::exactText;
using varnel::engine::joinedText;
using varnel::engine::readNumber;
using varnel::engine::resultBoxText;

namespace {

struct Reading {
    std::string text;
    double value;
};

class LeadingNumber : public testing::TestWithParam<Reading> {};

TEST_P(LeadingNumber, ReadsTheNumberAtTheStart) {
    const auto r = readNumber(GetParam().text);
    EXPECT_TRUE(r.fits);
    EXPECT_EQ(r.value, GetParam().value) << "text: \"" << GetParam().text << "\"";
}

INSTANTIATE_TEST_SUITE_P(
    Texts, LeadingNumber,
    testing::Values(Reading{"", 0}, Reading{"abc", 0}, Reading{"500", 500}, Reading{"750", 750},
                    Reading{"  1500", 1500}, Reading{"1,000", 1}, Reading{"2 00", 200},
                    Reading{"1\t2\n3", 123}, Reading{"1.5", 1.5}, Reading{".5", 0.5}, Reading{"1.2.3", 1.2},
                    Reading{"-2.5", -2.5}, Reading{"+7", 7}, Reading{"- 3", -3}, Reading{"--3", 0},
                    Reading{"1e3", 1000}, Reading{"1E+3", 1000}, Reading{"2.5e-1", 0.25}, Reading{"1d2", 100},
                    Reading{"1D-2", 0.01}, Reading{"1 e 2", 100}, Reading{"1e", 1}, Reading{"1e+", 1},
                    Reading{"e5", 0}, Reading{".", 0}, Reading{"-0", 0}, Reading{"&H10", 16},
                    Reading{"&hff", 255}, Reading{"&O17", 15}, Reading{"&o8", 0},
                    Reading{"&HFFFFFFFFFFFFFFFF", 18446744073709551615.0}, Reading{"&", 0},
                    Reading{"2公顷", 2}, Reading{"１２", 0}, Reading{"\r5", 0},
                    Reading{std::string("12\0"
                                        "34",
                                        5),
                            12},
                    Reading{"1e-400", 0}, Reading{"0.000001", 1e-6}, Reading{"1e308", 1e308},
                    Reading{"007", 7}, Reading{"1.8899999999999997", 1.8899999999999997},
                    Reading{"\u200f5", 0}, Reading{"5\u200f", 5}, Reading{"😀", 0}, Reading{"   ", 0},
                    Reading{"&Ha", 10}, Reading{"2.5e1km", 25}, Reading{std::string(900, '0') + "1.5", 1.5}));

TEST(LeadingNumberRange, NumbersBeyondTheDoubleRangeDoNotFit) {
    const std::string texts[] = {"1e309",
                                 "1e400",
                                 "-1e400",
                                 "1e99999999999999999999",
                                 "&H" + std::string(300, 'F'),
                                 std::string(400, '9')};
    for (const std::string& text : texts) {
        EXPECT_FALSE(readNumber(text).fits) << text.substr(0, 40);
    }
}

TEST(LeadingNumberRange, AMegabyteOfDigitsIsReadWithoutHarm) {
    const std::string digits(1 << 20, '7');
    EXPECT_FALSE(readNumber(digits).fits);
    const std::string fraction = "0." + digits;
    const auto r = readNumber(fraction);
    EXPECT_TRUE(r.fits);
    EXPECT_DOUBLE_EQ(r.value, 7.0 / 9.0);
}

TEST(LeadingNumberRange, TheDecimalPointIsAlwaysAFullStop) {
    const char* old = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = old ? old : "C";
    if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") || std::setlocale(LC_NUMERIC, "fr_FR.UTF-8")) {
        EXPECT_EQ(readNumber("1.5").value, 1.5);
        EXPECT_EQ(readNumber("1,5").value, 1);
        EXPECT_EQ(joinedText(1.5), "1.5");
    }
    std::setlocale(LC_NUMERIC, saved.c_str());
}

struct Written {
    double value;
    std::string resultBox;
    std::string joined;
};

class NumberText : public testing::TestWithParam<Written> {};

TEST_P(NumberText, WritesBothForms) {
    EXPECT_EQ(resultBoxText(GetParam().value), GetParam().resultBox);
    EXPECT_EQ(joinedText(GetParam().value), GetParam().joined);
}

INSTANTIATE_TEST_SUITE_P(
    Values, NumberText,
    testing::Values(Written{0.85, " .85", "0.85"}, Written{29.85, " 29.85", "29.85"},
                    Written{29.849999999999998, " 29.85", "29.85"}, Written{-0.5, "-.5", "-0.5"},
                    Written{0.5, " .5", "0.5"}, Written{1e15, " 1E+15", "1E+15"},
                    Written{1.5e16, " 1.5E+16", "1.5E+16"}, Written{2e-5, " 2E-05", "2E-05"},
                    Written{0.0001, " .0001", "0.0001"}, Written{0, " 0", "0"}, Written{-0.0, " 0", "0"},
                    Written{100, " 100", "100"},
                    Written{123456789012345, " 123456789012345", "123456789012345"},
                    Written{999999999999999.9, " 1E+15", "1E+15"},
                    Written{1.8899999999999997, " 1.89", "1.89"}, Written{55.05, " 55.05", "55.05"},
                    Written{2.7525, " 2.7525", "2.7525"},
                    Written{5.0333333333333333, " 5.03333333333333", "5.03333333333333"},
                    Written{-1234.5, "-1234.5", "-1234.5"}, Written{1e100, " 1E+100", "1E+100"},
                    Written{1.7976931348623157e308, " 1.79769313486232E+308", "1.79769313486232E+308"},
                    Written{-3e-300, "-3E-300", "-3E-300"}));

TEST(NumberText, UnsetJoinsAsNothing) {
    EXPECT_EQ(joinedText(std::optional<double>{}), "");
}

TEST(NumberText, WrittenNumbersReadBackToFifteenDigits) {
    for (double v : {1.0 / 3, 2.0 / 3, 1e-7 / 3, 12345.678901234567, 9.87654321e20, 0.1 + 0.2}) {
        const double back = readNumber(joinedText(v)).value;
        EXPECT_NEAR(back, v, std::fabs(v) * 1e-14) << exactText(v);
        EXPECT_EQ(readNumber(exactText(v)).value, v);
    }
}

// Short decimals take a quicker way than long ones; both must give the correctly rounded double, as the
// standard library's reading does, and the result-box text must be the 15-digit rounding either way.
TEST(NumberReadingAndWriting, AgreeWithTheStandardLibraryOnRandomDecimals) {
    std::mt19937_64 random(20021);
    for (int i = 0; i < 200000; ++i) {
        const int digits = 1 + static_cast<int>(random() % 19);
        const int point = static_cast<int>(random() % static_cast<unsigned>(digits + 1));
        std::string text;
        for (int d = 0; d <= digits; ++d) {
            if (d == point)
                text += '.';
            if (d < digits)
                text += static_cast<char>('0' + random() % 10);
        }
        text += 'e';
        text += std::to_string(static_cast<int>(random() % 61) - 30);
        double expected = 0;
        std::from_chars(text.data(), text.data() + text.size(), expected);
        ASSERT_EQ(readNumber(text).value, expected) << text;

        char rounded[40];
        const auto r =
            std::to_chars(rounded, rounded + sizeof rounded, expected, std::chars_format::scientific, 14);
        double fifteen = 0;
        std::from_chars(rounded, r.ptr, fifteen);
        ASSERT_EQ(readNumber(resultBoxText(expected)).value, fifteen) << text;
    }
}

// The joining form is C's %.15G: 15 significant digits correctly rounded, trailing zeros dropped, the
// exponent from E-05 and from E+15 on. Values near a rounding half, at powers of ten and beyond the plain
// range take another way than the rest; every way must agree with it.
TEST(NumberText, AgreesWithFifteenDigitPrintfOnRandomValues) {
    std::mt19937_64 random(20022);
    std::vector<double> values{
        1e-4,   9.99999999999999e-5, 1e14, 1e15, 999999999999999.4, 100000000000000.5, 0.30000000000000004,
        60.555, 1.0000000000000002};
    for (int i = 0; i < 200000; ++i) {
        const double unit = std::ldexp(static_cast<double>(random() >> 11), -53); // [0, 1)
        values.push_back(unit * std::pow(10.0, static_cast<int>(random() % 30) - 10));
        const double decimal = static_cast<double>(random() % 100000000) / std::pow(10.0, random() % 9);
        values.push_back(std::nextafter(decimal, random() % 2 ? 0.0 : 1e300));
        values.push_back(static_cast<double>(random() % 2000000000) + 0.5);
    }
    for (double v : values) {
        if (v == 0)
            continue;
        char expected[64];
        std::snprintf(expected, sizeof expected, "%.15G", v);
        ASSERT_EQ(joinedText(v), expected) << exactText(v);
        ASSERT_EQ(resultBoxText(-v), "-" + joinedText(v).erase(0, joinedText(v).starts_with("0.") ? 1 : 0))
            << exactText(v);
    }
}

} // namespace

namespace {

// A typed number read whole: what a Chinese input method types reads as its ASCII form; separators only in
// groups of three before the point; anything else around or inside the number makes it no number.
TEST(WholeNumbers, ReadAsTypedOrNotAtAll) {
    struct Case {
        std::string typed;
        std::optional<double> value;
    };
    const Case cases[] = {
        {"\u30001500\u3000", 1500},
        {"－５", -5},
        {"１，５００", 1500},
        {"＋1e３", 1000},
        {" 2,000,000.5 ", 2000000.5},
        {"2 00", 200},
        {"&H5DC", 1500},
        {".5", 0.5},
        {"1500\xEF\xBC", {}},
        {"1,500,00", {}},
        {"1,5000", {}},
        {",500", {}},
        {"1.500,5", {}},
        {"1500元", {}},
        {"1500abc", {}},
        {"", {}},
        {"\u3000", {}},
        {"1,500.5,0", {}},
        {"1,500e3", 1500000},
        {"1500．5．", {}},
    };
    for (const Case& c : cases) {
        const std::optional<varnel::engine::NumberReading> r = varnel::engine::readWholeNumber(c.typed);
        EXPECT_EQ(r.has_value(), c.value.has_value()) << c.typed;
        if (r && c.value) {
            EXPECT_EQ(r->value, *c.value) << c.typed;
        }
    }
}

} // namespace
