// What each item is charged and what the project comes to.
#include "projects/figures.h"

#include "support/samplequote.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace varnel;
using namespace varnel::engine;
using projects::ItemFigures;

namespace {

ItemFigures figures(const Project& p) {
    auto f = projects::figuresOf(p);
    EXPECT_TRUE(std::holds_alternative<ItemFigures>(f)) << std::get<Stop>(f).message;
    return std::get<ItemFigures>(f);
}

std::vector<ItemFigures> figuresOfAll(const projects::Quote& q) {
    std::vector<ItemFigures> all;
    for (const projects::Item& item : q.items)
        all.push_back(figures(item.inputs));
    return all;
}

TEST(ItemFigures, ChargesTheBenchmarkOrTheShareOfThePhaseCommissionedOnItsOwn) {
    const projects::Quote q = test::sampleQuote();
    const ItemFigures road = figures(q.items[0].inputs);
    // 55.05 × 0.9 × 1 × (1 + 0.2 + 0.1); 总体设计费 5 %; 初步设计 45 % of the benchmark.
    EXPECT_DOUBLE_EQ(road.basicFee(), 55.05 * 0.9 * 1.3);
    EXPECT_DOUBLE_EQ(road.benchmarkFee(), road.basicFee() * 1.05);
    ASSERT_TRUE(road.phaseFee());
    EXPECT_EQ(road.chargedPhase, DesignPhase::Preliminary);
    EXPECT_EQ(road.chargedFee(), *road.phaseFee());
    EXPECT_DOUBLE_EQ(road.chargedFee(), road.benchmarkFee() * 0.45);

    const ItemFigures building = figures(q.items[1].inputs);
    EXPECT_DOUBLE_EQ(building.basicFee(), 60.555);
    EXPECT_FALSE(building.phaseFee());
    EXPECT_EQ(building.chargedFee(), building.benchmarkFee());
    EXPECT_DOUBLE_EQ(building.chargedFee(), 63.58275);
}

TEST(ItemFigures, APhaseWithoutAShareIsNotCharged) {
    Project p = test::sampleQuote().items[1].inputs;
    p.conditions = {Condition::AcousticDecoration}; // a building without a kind that has phase shares
    p.independentPhase = true;
    p.phase = DesignPhase::Drawing;
    const ItemFigures f = figures(p);
    EXPECT_FALSE(f.chargedPhase);
    EXPECT_EQ(f.chargedFee(), f.benchmarkFee());
}

TEST(ItemFigures, ACalculationThatStopsGivesItsCheck) {
    Project p = test::sampleQuote().items[1].inputs;
    p.amount = "abc";
    auto f = projects::figuresOf(p);
    ASSERT_TRUE(std::holds_alternative<Stop>(f));
    EXPECT_EQ(std::get<Stop>(f).message, "工程计费额不能小于或等于零！");
}

TEST(Totals, TheContractAmountFollowsTheFloat) {
    projects::Quote q = test::sampleQuote();
    const std::vector<ItemFigures> all = figuresOfAll(q);
    const projects::Totals t = projects::totalsOf(q, all);
    EXPECT_EQ(t.total, (all[0].chargedFee() + all[1].chargedFee()) + all[2].chargedFee());
    EXPECT_EQ(t.contract, t.total * (1 + -5.0 / 100));
    EXPECT_EQ(t.impliedFloat, -5);
    EXPECT_FALSE(t.contractTyped);
    EXPECT_FALSE(t.outsideRange);
}

TEST(Totals, ATypedContractAmountImpliesItsFloat) {
    projects::Quote q = test::sampleQuote();
    const std::vector<ItemFigures> all = figuresOfAll(q);
    const double total = projects::totalsOf(q, all).total;
    struct Case {
        double contract;
        bool outside;
    };
    for (const Case c : {Case{total * 1.2, false}, Case{total * 0.8, false}, Case{total * 1.21, true},
                         Case{total * 0.79, true}, Case{total, false}}) {
        q.contractAmount = c.contract;
        const projects::Totals t = projects::totalsOf(q, all);
        EXPECT_TRUE(t.contractTyped);
        EXPECT_EQ(t.contract, c.contract);
        ASSERT_TRUE(t.impliedFloat);
        EXPECT_NEAR(*t.impliedFloat, (c.contract / total - 1) * 100, 1e-12);
        EXPECT_EQ(t.outsideRange, c.outside) << c.contract / total;
    }
}

TEST(Totals, AnEmptyProjectHasNothingToCompareATypedContractWith) {
    projects::Quote q;
    q.contractAmount = 10;
    const projects::Totals t = projects::totalsOf(q, {});
    EXPECT_EQ(t.total, 0);
    EXPECT_FALSE(t.impliedFloat);
    EXPECT_TRUE(t.outsideRange);
}

TEST(Quote, TheFloatIsAPlainNumberWithinTwentyPercent) {
    struct Case {
        const char* text;
        std::optional<double> read;
    };
    for (const Case c : {Case{"5", 5}, Case{" -20 ", -20}, Case{"+20", 20}, Case{"20.0", 20}, Case{"0", 0},
                         Case{"-0", 0}, Case{"3.25", 3.25}, Case{".5", 0.5}, Case{"20.0001", {}},
                         Case{"-20.5", {}}, Case{"", {}}, Case{"abc", {}}, Case{"5%", {}}, Case{"1e1", {}},
                         Case{"1.2.3", {}}, Case{"- 5", {}}, Case{"+", {}}, Case{".", {}}}) {
        EXPECT_EQ(projects::readFloat(c.text), c.read) << c.text;
    }
    EXPECT_FALSE(std::signbit(*projects::readFloat("-0")));
}

TEST(Quote, AContractAmountIsAPositivePlainNumber) {
    struct Case {
        const char* text;
        std::optional<double> read;
    };
    const std::string beyondTheDoubleRange(400, '9');
    for (const Case c : {Case{"250", 250}, Case{"0.5", 0.5}, Case{"0", {}}, Case{"-3", {}}, Case{"", {}},
                         Case{"1e3", {}}, Case{"12万元", {}}, Case{beyondTheDoubleRange.c_str(), {}}}) {
        EXPECT_EQ(projects::readContractAmount(c.text), c.read) << c.text;
    }
}

TEST(Quote, CanonicalInputsKeepOnlyWhatTheCalculationReads) {
    Project p = test::sampleQuote().items[0].inputs; // a road
    p.conditions.insert(Condition::Housing);         // a building kind left ticked in a hidden group
    p.text(Entry::HistoricCoefficient) = "1.4";      // a typed number of a condition not ticked
    p.text(Entry::OwnPatentsAmount) = "3";           // and of a service not ticked
    const Project c = projects::canonicalInputs(p);
    EXPECT_FALSE(c.has(Condition::Housing));
    EXPECT_TRUE(c.has(Condition::UrbanRoadUnderPipes));
    EXPECT_EQ(c.text(Entry::RenovationCoefficient), "1.2");
    EXPECT_EQ(c.text(Entry::HistoricCoefficient), "");
    EXPECT_EQ(c.text(Entry::OwnPatentsAmount), "");
    EXPECT_EQ(c.phase, DesignPhase::Preliminary);
    EXPECT_EQ(projects::canonicalInputs(c), c);

    p.independentPhase = false;
    EXPECT_EQ(projects::canonicalInputs(p).phase, DesignPhase::None);

    // The canonical inputs calculate to the same figures.
    Variables before, after;
    EXPECT_EQ(calculate(p, before).benchmarkFee, calculate(projects::canonicalInputs(p), after).benchmarkFee);
}

} // namespace
