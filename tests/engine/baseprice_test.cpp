#include "engine/baseprice.h"

#include <gtest/gtest.h>

using namespace varnel::engine;

namespace {

TEST(BasePrice, EveryTableRowGivesItsPriceAndStartsItsInterval) {
    for (std::size_t i = 0; i + 1 < basePriceTable.size(); ++i) {
        const BasePrice p = basePriceFor(basePriceTable[i].amount);
        EXPECT_EQ(p.price, basePriceTable[i].price) << basePriceTable[i].amount;
        ASSERT_TRUE(p.low && p.high);
        EXPECT_EQ(p.low->amount, basePriceTable[i].amount);
        EXPECT_EQ(p.high->amount, basePriceTable[i + 1].amount);
    }
}

TEST(BasePrice, BetweenRowsIsInterpolatedInTheStatedOrder) {
    for (std::size_t i = 0; i + 1 < basePriceTable.size(); ++i) {
        const BasePriceRow lo = basePriceTable[i], hi = basePriceTable[i + 1];
        const double amount = (lo.amount + hi.amount) / 2;
        const double expected =
            lo.price + ((amount - lo.amount) * (hi.price - lo.price)) / (hi.amount - lo.amount);
        EXPECT_EQ(basePriceFor(amount).price, expected) << amount;
        EXPECT_GT(basePriceFor(amount).price, lo.price);
        EXPECT_LT(basePriceFor(amount).price, hi.price);
    }
    EXPECT_NEAR(basePriceFor(750).price, 29.85, 1e-12);
    EXPECT_NEAR(basePriceFor(1500).price, 55.05, 1e-12);
}

TEST(BasePrice, BelowTheTableTheFirstLineIsContinued) {
    EXPECT_EQ(basePriceFor(100).price, 9 - (100 * 11.9) / 300);
    EXPECT_EQ(basePriceFor(1).price, 9 - (199 * 11.9) / 300);
    EXPECT_NEAR(basePriceFor(1e-9).price, 1.0666666, 1e-6);
    EXPECT_FALSE(basePriceFor(199.99).low.has_value());
    EXPECT_EQ(basePriceFor(200).price, 9);
}

TEST(BasePrice, TwoMillionTakesTheTablesLastRowAndAboveItTheFlatRate) {
    const BasePrice atEnd = basePriceFor(2000000);
    EXPECT_NEAR(atEnd.price, 34948.9, 1e-9);
    ASSERT_TRUE(atEnd.low);
    EXPECT_EQ(atEnd.low->amount, 1000000);
    EXPECT_LT(basePriceFor(1999999.99).price, 34948.9);
    EXPECT_GT(basePriceFor(1999999.99).price, 34948.8);
    EXPECT_EQ(basePriceFor(2000001).price, 2000001 * 0.016);
    EXPECT_FALSE(basePriceFor(2000001).low.has_value());
    EXPECT_EQ(basePriceFor(3000000).price, 48000);
}

} // namespace
