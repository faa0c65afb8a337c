// The quote's figures: exact decimals, rounded once, half away from zero, and the texts every output writes.
#include "projects/figures.h"
#include "projects/money.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

using namespace varnel;
using projects::Decimal;

namespace {

Decimal decimal(const char* text) {
    const std::optional<Decimal> d = Decimal::parse(text);
    EXPECT_TRUE(d) << text;
    return d.value_or(Decimal());
}

TEST(Money, AnAmountIsRoundedToTheYuanFromItsDecimalValueHalfAwayFromZero) {
    struct Case {
        double value;
        const char* text;
    };
    for (const Case c : {
             Case{958.186899999999, "958.1869"},
             Case{0.884354166666667, "0.8844"},
             Case{0.00005, "0.0001"}, // the double lies below 0.00005, its decimal does not
             Case{0.00004999999, "0.0000"},
             Case{-0.00005, "-0.0001"},
             Case{-0.00004, "0.0000"}, // no sign on a zero
             Case{63.58275, "63.5828"},
             Case{148.43465, "148.4347"},
             Case{-63.58275, "-63.5828"},
             Case{2.00015, "2.0002"},
             Case{1.00025, "1.0003"}, // away from zero, not to the even digit
             Case{0.99995, "1.0000"},
             Case{9999999.99995, "10000000.0000"},
             Case{9999999.9999, "9999999.9999"},
             Case{1500, "1500.0000"},
             Case{0, "0.0000"},
             Case{-0.0, "0.0000"},
             Case{1e20, "100000000000000000000.0000"},
             Case{1.5e-300, "0.0000"},
             Case{std::numeric_limits<double>::infinity(), "0.0000"},
         }) {
        EXPECT_EQ(projects::amountText(projects::quotedAmount(c.value)), c.text) << c.value;
    }
}

TEST(Money, APercentageIsRoundedToAHundredthHalfAwayFromZeroAndSigned) {
    struct Case {
        const char* value;
        const char* text;
    };
    for (const Case c : {Case{"-19.975", "-19.98%"}, Case{"19.975", "+19.98%"}, Case{"-19.97499", "-19.97%"},
                         Case{"5", "+5.00%"}, Case{"0", "+0.00%"}, Case{"-0.004", "+0.00%"},
                         Case{"-0.005", "-0.01%"}, Case{"25", "+25.00%"}, Case{"-20", "-20.00%"}}) {
        EXPECT_EQ(projects::percentText(projects::quotedPercent(decimal(c.value))), c.text) << c.value;
    }
}

TEST(Money, AnAmountInCapitalFiguresReadsAsAContractWritesIt) {
    struct Case {
        const char* tenThousandYuan;
        const char* text;
    };
    for (const Case c : {
             Case{"0", "人民币零元整"},
             Case{"0.00004", "人民币零元整"},
             Case{"0.0001", "人民币壹元整"},
             Case{"0.00005", "人民币壹元整"}, // rounded to the 元 first
             Case{"0.001", "人民币壹拾元整"},
             Case{"0.0105", "人民币壹佰零伍元整"},
             Case{"0.1001", "人民币壹仟零壹元整"},
             Case{"0.101", "人民币壹仟零壹拾元整"},
             Case{"1", "人民币壹万元整"},
             Case{"1.0001", "人民币壹万零壹元整"},
             Case{"1.01", "人民币壹万零壹佰元整"},
             Case{"10", "人民币壹拾万元整"},
             Case{"10.5", "人民币壹拾万伍仟元整"},
             Case{"100.0005", "人民币壹佰万零伍元整"},
             Case{"1000.01", "人民币壹仟万零壹佰元整"},
             Case{"1000.1", "人民币壹仟万壹仟元整"},
             Case{"958.1869", "人民币玖佰伍拾捌万壹仟捌佰陆拾玖元整"},
             Case{"608.6619", "人民币陆佰零捌万陆仟陆佰壹拾玖元整"},
             Case{"9999.9999", "人民币玖仟玖佰玖拾玖万玖仟玖佰玖拾玖元整"},
             Case{"10000", "人民币壹亿元整"},
             Case{"10000.0001", "人民币壹亿零壹元整"},
             Case{"10001", "人民币壹亿零壹万元整"},
             Case{"10010", "人民币壹亿零壹拾万元整"},
             Case{"11000", "人民币壹亿壹仟万元整"},
             Case{"100000000", "人民币壹万亿元整"},
             Case{"100010000", "人民币壹万零壹亿元整"},
             Case{"100000001", "人民币壹万亿零壹万元整"},
             Case{"-32.01", "人民币负叁拾贰万零壹佰元整"},
         }) {
        EXPECT_EQ(projects::uppercaseAmountText(decimal(c.tenThousandYuan)), c.text) << c.tenThousandYuan;
    }
}

TEST(Money, DecimalsAddMultiplyAndDivideExactly) {
    struct Case {
        const char* a;
        const char* b;
        const char* sum;
        const char* difference;
        const char* product;
        const char* quotient; // to four places
    };
    for (const Case c : {
             Case{"0.1", "0.2", "0.3000", "-0.1000", "0.0200", "0.5000"},
             Case{"958.1869", "-0.0001", "958.1868", "958.1870", "-0.0958", "-9581869.0000"},
             Case{"-7990", "40000", "32010.0000", "-47990.0000", "-319600000.0000", "-0.1998"},
             Case{"2", "3", "5.0000", "-1.0000", "6.0000", "0.6667"},
             Case{"-2", "3", "1.0000", "-5.0000", "-6.0000", "-0.6667"},
             Case{"1", "8", "9.0000", "-7.0000", "8.0000", "0.1250"},
             Case{"1e20", "1e-5", "100000000000000000000.0000", "100000000000000000000.0000",
                  "1000000000000000.0000", "10000000000000000000000000.0000"},
             Case{"0", "7", "7.0000", "-7.0000", "0.0000", "0.0000"},
         }) {
        const Decimal a = decimal(c.a), b = decimal(c.b);
        EXPECT_EQ((a + b).fixedText(4), c.sum) << c.a << " + " << c.b;
        EXPECT_EQ((a - b).fixedText(4), c.difference) << c.a << " - " << c.b;
        EXPECT_EQ((a * b).fixedText(4), c.product) << c.a << " × " << c.b;
        EXPECT_EQ(Decimal::quotient(a, b, 4).fixedText(4), c.quotient) << c.a << " ÷ " << c.b;
    }
    EXPECT_LT(decimal("-0.0001"), decimal("0"));
    EXPECT_EQ(decimal("1.50"), decimal("1.5"));
    EXPECT_GT(decimal("20.01"), decimal("20"));
    EXPECT_EQ(decimal("958.1869").toDouble(), 958.1869);
    EXPECT_FALSE(Decimal::parse("1.2.3"));
    EXPECT_FALSE(Decimal::parse("abc"));
    EXPECT_FALSE(Decimal::parse(""));
    EXPECT_FALSE(Decimal::of(std::nan("")));
}

// Sums of many random decimals agree with the same sums in whole numbers of 元.
TEST(Money, RandomSumsOfStatedAmountsMatchWholeYuan) {
    std::mt19937_64 random(20261209);
    std::uniform_int_distribution<long long> yuan(-99'999'999'999LL, 99'999'999'999LL);
    for (int run = 0; run < 200; ++run) {
        long long whole = 0;
        Decimal sum;
        for (int i = 0; i < 20; ++i) {
            const long long y = yuan(random);
            whole += y;
            sum = sum + Decimal::quotient(Decimal::whole(y), Decimal::whole(10000), 4);
        }
        EXPECT_EQ(sum * Decimal::whole(10000), Decimal::whole(whole));
    }
}

TEST(Money, TheVatSplitAddsUpToTheContractAmount) {
    struct Case {
        const char* contract;
        double rate;
        bool included;
        const char* excluding;
        const char* tax;
        const char* including;
    };
    for (const Case c : {
             Case{"32010", 6, true, "30198.1132", "1811.8868", "32010.0000"},
             Case{"32010", 6, false, "32010.0000", "1920.6000", "33930.6000"},
             Case{"106", 6, true, "100.0000", "6.0000", "106.0000"},
             Case{"103", 3, true, "100.0000", "3.0000", "103.0000"},
             Case{"0.0001", 6, true, "0.0001", "0.0000", "0.0001"},
             Case{"0.0001", 6, false, "0.0001", "0.0000", "0.0001"},
             Case{"0.0009", 6, false, "0.0009", "0.0001", "0.0010"},
             Case{"958.1869", 1, true, "948.6999", "9.4870", "958.1869"},
             Case{"958.1869", 0, true, "958.1869", "0.0000", "958.1869"},
             Case{"1149.8243", 20, false, "1149.8243", "229.9649", "1379.7892"},
         }) {
        const projects::TaxSplit split = projects::taxSplitOf(decimal(c.contract), c.rate, c.included);
        EXPECT_EQ(projects::amountText(split.excluding), c.excluding) << c.contract << " " << c.rate;
        EXPECT_EQ(projects::amountText(split.tax), c.tax) << c.contract << " " << c.rate;
        EXPECT_EQ(projects::amountText(split.including), c.including) << c.contract << " " << c.rate;
    }
    // Whatever the amount and the rate, the three amounts as written add up.
    std::mt19937_64 random(6);
    std::uniform_int_distribution<long long> yuan(1, 999'999'999'999LL);
    for (int run = 0; run < 500; ++run) {
        const Decimal contract = Decimal::quotient(Decimal::whole(yuan(random)), Decimal::whole(10000), 4);
        for (double rate : {6.0, 3.0, 1.0, 13.0, 0.5})
            for (bool included : {true, false}) {
                const projects::TaxSplit split = projects::taxSplitOf(contract, rate, included);
                EXPECT_EQ(decimal(projects::amountText(split.excluding).c_str()) +
                              decimal(projects::amountText(split.tax).c_str()),
                          decimal(projects::amountText(split.including).c_str()));
                EXPECT_EQ(included ? split.including : split.excluding, contract);
            }
    }
}

} // namespace
