// What each item is charged and what the project comes to.
#include "projects/figures.h"

#include "engine/calculation.h"
#include "projects/money.h"
#include "support/samplequote.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

using namespace varnel;
using namespace varnel::engine;
using projects::ItemFigures;
namespace industry = varnel::engine::industry;

namespace {

ItemFigures figures(const projects::ItemInputs& p) {
    auto f = projects::figuresOf(p);
    EXPECT_TRUE(std::holds_alternative<ItemFigures>(f)) << std::get<projects::ItemStop>(f).message;
    return std::get<ItemFigures>(f);
}

const Project& mainInputs(const projects::Item& item) {
    return std::get<Project>(item.inputs);
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
    ASSERT_TRUE(road.phase);
    EXPECT_EQ(road.phase->name, "初步设计");
    EXPECT_EQ(road.chargedFee(), *road.phaseFee());
    EXPECT_DOUBLE_EQ(road.chargedFee(), road.benchmarkFee() * 0.45);

    const ItemFigures building = figures(q.items[1].inputs);
    EXPECT_DOUBLE_EQ(building.basicFee(), 60.555);
    EXPECT_FALSE(building.phaseFee());
    EXPECT_EQ(building.chargedFee(), building.benchmarkFee());
    EXPECT_DOUBLE_EQ(building.chargedFee(), 63.58275);
}

TEST(ItemFigures, APhaseWithoutAShareStopsTheCalculation) {
    Project p = mainInputs(test::sampleQuote().items[1]);
    p.conditions = {Condition::AcousticDecoration}; // a building without a kind that has phase shares
    p.independentPhase = true;
    p.phase = DesignPhase::Drawing;
    const auto f = projects::figuresOf(p);
    ASSERT_TRUE(std::holds_alternative<projects::ItemStop>(f));
    EXPECT_TRUE(std::get<projects::ItemStop>(f).message.starts_with(
        "单独委托施工图设计的收费比例取决于建筑工程的类别"));
}

TEST(ItemFigures, ACalculationThatStopsGivesItsCheck) {
    Project p = mainInputs(test::sampleQuote().items[1]);
    p.amount = "abc";
    auto f = projects::figuresOf(p);
    ASSERT_TRUE(std::holds_alternative<projects::ItemStop>(f));
    EXPECT_EQ(std::get<projects::ItemStop>(f).message, "工程计费额不能小于或等于零！");
}

// Each work of a kind of engineering worked out by hand: the base price of 附表一, the coefficient of
// 附表二, the grade's of 1.0.9, the conditions added (not multiplied), the services, and the phase's share
// of its group's table.
TEST(ItemFigures, AWorkOfAKindOfEngineeringIsChargedAsTheStandardGivesIt) {
    struct Case {
        const char* name;
        double basicFee;
        double otherFee;
        std::optional<double> phaseFee;
        const char* phase;
    };
    const Case cases[] = {
        // 55.05 × 1.3 × 1.15 × (1 + 0.2 + 0.4); 总体设计费 5 %; 初步设计 35 % (表2.2-1).
        {"选煤厂", 131.6796, 6.58398, 48.392253, "初步设计"},
        // 249.6 × 1.2 × 1 × 1.1; 200万元 × 0.12; 基础设计 50 % (表4.2-1).
        {"乙烯装置", 329.472, 24, 176.736, "基础设计"},
        // (20.9 + 100 × 17.9 ÷ 500) × 0.8 × 0.85 × 0.85; 招标设计 20 % (表5.2-1).
        {"引水干渠", 14.14944, 0, 2.829888, "招标设计"},
        // (38.8 + 1500 × 65 ÷ 2000) × 0.9 × 0.85 × 1.89, 公路工程Ⅰ级 applied unasked; 主体设计协调费 5 %.
        {"一级公路", 126.5841675, 6.329208375, std::nullopt, nullptr},
    };
    const std::vector<projects::Item> items = test::industrySampleItems();
    ASSERT_EQ(items.size(), std::size(cases));
    for (std::size_t i = 0; i < items.size(); ++i) {
        const Case& c = cases[i];
        ASSERT_EQ(items[i].name, c.name);
        const ItemFigures f = figures(items[i].inputs);
        EXPECT_TRUE(f.industryCalculation()) << c.name;
        EXPECT_FALSE(f.mainRecord()) << c.name;
        EXPECT_DOUBLE_EQ(f.basicFee(), c.basicFee) << c.name;
        EXPECT_DOUBLE_EQ(f.otherFee(), c.otherFee) << c.name;
        EXPECT_DOUBLE_EQ(f.benchmarkFee(), c.basicFee + c.otherFee) << c.name;
        ASSERT_EQ(f.phaseFee().has_value(), c.phaseFee.has_value()) << c.name;
        if (c.phaseFee) {
            EXPECT_DOUBLE_EQ(*f.phaseFee(), *c.phaseFee) << c.name;
            EXPECT_EQ(f.phase->name, c.phase) << c.name;
            EXPECT_EQ(f.chargedFee(), *f.phaseFee()) << c.name;
        } else {
            EXPECT_FALSE(f.phase) << c.name;
            EXPECT_EQ(f.chargedFee(), f.benchmarkFee()) << c.name;
        }
    }
}

TEST(ItemFigures, AWorkOfAKindOfEngineeringThatStopsGivesItsCheck) {
    struct Case {
        const char* what;
        std::function<void(industry::KindProject&)> change;
        const char* message;
    };
    const Case cases[] = {
        {"an amount that does not read", [](industry::KindProject& p) { p.amount = "abc"; },
         "工程计费额不能小于或等于零！"},
        {"a coefficient beyond its range",
         [](industry::KindProject& p) { p.text(Entry::RenovationCoefficient) = "1.5"; },
         "改扩建和技术改造建设项目附加调整系数超标！"},
        {"no grade", [](industry::KindProject& p) { p.grade.reset(); }, "你还没有选择工程复杂程度！"},
    };
    for (const Case& c : cases) {
        industry::KindProject coal = std::get<industry::KindProject>(test::industrySampleItems()[0].inputs);
        c.change(coal);
        auto f = projects::figuresOf(coal);
        ASSERT_TRUE(std::holds_alternative<projects::ItemStop>(f)) << c.what;
        EXPECT_EQ(std::get<projects::ItemStop>(f).message, c.message) << c.what;
    }
}

TEST(Totals, TheTotalAddsTheStatedChargedFeesOfBothKindsInItemOrder) {
    const projects::Quote q = test::mixedQuote();
    const std::vector<ItemFigures> all = figuresOfAll(q);
    ASSERT_EQ(all.size(), 7u);
    const projects::Totals t = projects::totalsOf(q, all);
    ASSERT_EQ(t.items.size(), all.size());
    projects::Decimal total;
    for (std::size_t i = 0; i < all.size(); ++i) {
        // Each charged fee is the calculation's, to the 元.
        EXPECT_EQ(t.items[i].chargedFee, projects::quotedAmount(all[i].chargedFee())) << i;
        total = total + t.items[i].chargedFee;
    }
    EXPECT_EQ(t.total, total);
    // The sample's three, then 48.392253 + 176.736 + 2.829888 + 132.913375875 stated as 48.3923 + 176.736 +
    // 2.8299 + 132.9134.
    const projects::Totals sample =
        projects::totalsOf(test::sampleQuote(), figuresOfAll(test::sampleQuote()));
    EXPECT_EQ(projects::amountText(t.total - sample.total), "360.8716");
}

// An item whose calculation came to these fees, charged its benchmark.
ItemFigures charged(double basic, double other, double benchmark) {
    engine::CalculationRecord record;
    record.variables.basicFee = basic;
    record.variables.otherFee = other;
    record.variables.benchmarkFee = benchmark;
    return ItemFigures{std::move(record), std::nullopt};
}

TEST(Totals, EachFigureIsStatedOnceAndEverySumAddsTheStatedFigures) {
    struct Case {
        std::vector<double> benchmarks; // each item's, its basic fee the same and no other fee
        double floatPercent;
        std::optional<double> contract;
        const char* total;
        const char* stated;  // the contract amount
        const char* implied; // the float, as the notes write it
    };
    for (const Case& c : {
             // 0.00005 is a half of the last place as a decimal, though the double lies a little below it.
             Case{{0.00005, 0.00005}, 0, {}, "0.0002", "0.0002", "+0.00%"},
             Case{{958.186899999999}, 0, {}, "958.1869", "958.1869", "+0.00%"},
             // Stated one by one, 0.33335 three times is 1.0002, where the unrounded sum would be 1.0001.
             Case{{0.33335, 0.33335, 0.33335}, 0, {}, "1.0002", "1.0002", "+0.00%"},
             Case{{100}, -5, {}, "100.0000", "95.0000", "-5.00%"},
             Case{{0.0001}, -5, {}, "0.0001", "0.0001", "-5.00%"},
             Case{{1}, 0.005, {}, "1.0000", "1.0001", "+0.01%"},
             Case{{1}, -0.005, {}, "1.0000", "1.0000", "-0.01%"},
             Case{{958.1869}, 20, {}, "958.1869", "1149.8243", "+20.00%"},
             // The float a typed contract amount comes to, from the stated figures, to 0.01 %.
             Case{{40000}, 0, 32010, "40000.0000", "32010.0000", "-19.98%"},
             Case{{40000}, 0, 47990, "40000.0000", "47990.0000", "+19.98%"},
             Case{{40000}, 0, 40002, "40000.0000", "40002.0000", "+0.01%"},
             Case{{40000}, 0, 40001.99999, "40000.0000", "40002.0000", "+0.01%"},
             Case{{3}, 0, 1, "3.0000", "1.0000", "-66.67%"},
         }) {
        projects::Quote q;
        q.floatPercent = c.floatPercent;
        q.contractAmount = c.contract;
        std::vector<ItemFigures> all;
        for (double b : c.benchmarks)
            all.push_back(charged(b, b, b));
        const projects::Totals t = projects::totalsOf(q, all);
        EXPECT_EQ(projects::amountText(t.total), c.total) << c.total;
        EXPECT_EQ(projects::amountText(t.benchmarkFees), c.total);
        EXPECT_EQ(projects::amountText(t.basicFees), c.total);
        EXPECT_EQ(projects::amountText(t.contract), c.stated) << c.total;
        ASSERT_TRUE(t.impliedFloat);
        EXPECT_EQ(projects::percentText(*t.impliedFloat), c.implied) << c.stated;
        EXPECT_EQ(t.contractTyped, c.contract.has_value());
    }
}

TEST(Totals, ATypedContractAmountImpliesItsFloatToAHundredthOfAPercent) {
    projects::Quote q = test::sampleQuote();
    const std::vector<ItemFigures> all = figuresOfAll(q);
    const double total = projects::totalsOf(q, all).total.toDouble();
    struct Case {
        double contract;
        bool newTechnology;
        bool outside;
    };
    for (const Case c :
         {Case{total * 1.2, false, false}, Case{total * 0.8, false, false}, Case{total * 1.21, false, true},
          Case{total * 0.79, false, true}, Case{total, false, false}, Case{total * 1.25, true, false},
          Case{total * 1.26, true, true}, Case{total * 0.79, true, true}}) {
        q.contractAmount = c.contract;
        q.newTechnology = c.newTechnology;
        const projects::Totals t = projects::totalsOf(q, all);
        EXPECT_TRUE(t.contractTyped);
        EXPECT_EQ(t.contract, projects::quotedAmount(c.contract));
        ASSERT_TRUE(t.impliedFloat);
        EXPECT_NEAR(t.impliedFloat->toDouble(), (c.contract / total - 1) * 100, 0.005);
        EXPECT_EQ(t.outsideRange, c.outside) << c.contract / total;
    }
}

TEST(Totals, AnEmptyProjectHasNothingToCompareATypedContractWith) {
    projects::Quote q;
    q.contractAmount = 10;
    const projects::Totals t = projects::totalsOf(q, {});
    EXPECT_TRUE(t.total.isZero());
    EXPECT_FALSE(t.impliedFloat);
    EXPECT_TRUE(t.outsideRange);
}

TEST(Quote, TheFloatIsAPlainNumberWithinTwentyPercentOrTwentyFiveWithNewTechnology) {
    struct Case {
        const char* text;
        std::optional<double> read;
        std::optional<double> withNewTechnology = read;
    };
    // A number beyond the double's range does not read as the 0 a failed conversion leaves behind.
    const std::string beyondTheDoubleRange(400, '9');
    for (const Case c : {Case{"5", 5},
                         Case{" -20 ", -20},
                         Case{"+20", 20},
                         Case{"20.0", 20},
                         Case{"0", 0},
                         Case{"-0", 0},
                         Case{"3.25", 3.25},
                         Case{".5", 0.5},
                         Case{"20.0001", {}, 20.0001},
                         Case{"20.01", {}, 20.01},
                         Case{"25", {}, 25},
                         Case{"25.01", {}, {}},
                         Case{"-20.5", {}},
                         Case{"-20.01", {}},
                         Case{"", {}},
                         Case{"abc", {}},
                         Case{"5%", {}},
                         Case{"1e1", {}},
                         Case{"1.2.3", {}},
                         Case{"- 5", {}},
                         Case{"+", {}},
                         Case{".", {}},
                         Case{beyondTheDoubleRange.c_str(), {}}}) {
        EXPECT_EQ(projects::readFloat(c.text, false), c.read) << c.text;
        EXPECT_EQ(projects::readFloat(c.text, true), c.withNewTechnology) << c.text;
    }
    EXPECT_FALSE(std::signbit(*projects::readFloat("-0", false)));
}

TEST(Quote, AContractAmountIsAPositivePlainNumberAtMostTheCeiling) {
    struct Case {
        const char* text;
        std::optional<double> read;
    };
    const std::string beyondTheDoubleRange(400, '9');
    for (const Case c : {Case{"250", 250}, Case{"0.5", 0.5}, Case{"0", {}}, Case{"-3", {}}, Case{"", {}},
                         Case{"1e3", {}}, Case{"12万元", {}}, Case{"100000000", 1e8},
                         Case{"100000000.01", {}}, Case{beyondTheDoubleRange.c_str(), {}}}) {
        EXPECT_EQ(projects::readContractAmount(c.text), c.read) << c.text;
    }
}

TEST(Quote, CanonicalInputsKeepOnlyWhatTheCalculationReads) {
    Project p = mainInputs(test::sampleQuote().items[0]); // a road
    p.conditions.insert(Condition::Housing);              // a building kind left ticked in a hidden group
    p.text(Entry::HistoricCoefficient) = "1.4";           // a typed number of a condition not ticked
    p.text(Entry::OwnPatentsAmount) = "3";                // and of a service not ticked
    const Project c = projects::canonicalInputs(p);
    EXPECT_FALSE(c.has(Condition::Housing));
    EXPECT_TRUE(c.has(Condition::UrbanRoadUnderPipes));
    EXPECT_EQ(c.text(Entry::RenovationCoefficient), "1.2");
    EXPECT_EQ(c.text(Entry::HistoricCoefficient), "");
    EXPECT_EQ(c.text(Entry::OwnPatentsAmount), "");
    EXPECT_EQ(c.phase, DesignPhase::Preliminary);
    EXPECT_EQ(projects::canonicalInputs(c), c);

    p.independentPhase = false;
    EXPECT_EQ(projects::canonicalInputs(p).phase, std::nullopt);

    // A phase left ticked without a type or a grade to give it a share is dropped, not looked up.
    for (const bool withoutType : {true, false}) {
        Project incomplete = c;
        if (withoutType)
            incomplete.type.reset();
        else
            incomplete.grade.reset();
        const Project canonical = projects::canonicalInputs(incomplete);
        EXPECT_FALSE(canonical.independentPhase) << withoutType;
        EXPECT_EQ(canonical.phase, std::nullopt) << withoutType;
    }

    // The canonical inputs calculate to the same figures.
    Variables before, after;
    EXPECT_EQ(calculate(p, before).benchmarkFee, calculate(projects::canonicalInputs(p), after).benchmarkFee);
}

// Whatever a kind's window could leave behind that its calculation does not read is dropped; the rest is
// kept as entered, and the figures stay the same.
TEST(Quote, CanonicalInputsOfAKindOfEngineeringKeepOnlyWhatItsCalculationReads) {
    using industry::Kind;
    using industry::KindCondition;
    using Change = std::function<void(industry::KindProject&)>;
    const auto nothing = [](industry::KindProject&) {};
    const auto noCommission = [](industry::KindProject& p) { p.commission.reset(); };
    struct Case {
        const char* what;
        std::size_t item; // of the industry sample
        Change change;
        Change expected; // what the canonical inputs are, from the item as entered
    };
    const Case cases[] = {
        {"the item as entered", 0, nothing, nothing},
        {"a condition of another group", 0,
         [](industry::KindProject& p) { p.conditions.insert(KindCondition::InteriorDecoration); }, nothing},
        {"a condition of another kind of the group", 2,
         [](industry::KindProject& p) { p.conditions.insert(KindCondition::HydroStudyMerged); }, nothing},
        {"a condition of another grade", 3,
         [](industry::KindProject& p) { p.conditions.insert(KindCondition::Expressway); }, nothing},
        {"a condition applied unasked, ticked", 3,
         [](industry::KindProject& p) { p.conditions.insert(KindCondition::HighwayGradeI); }, nothing},
        {"a coefficient typed for a condition not ticked", 0,
         [](industry::KindProject& p) { p.text(Entry::HistoricCoefficient) = "1.4"; }, nothing},
        {"the coefficient of a condition unticked", 0,
         [](industry::KindProject& p) { p.conditions.set(KindCondition::Renovation, false); },
         [](industry::KindProject& p) {
             p.conditions.set(KindCondition::Renovation, false);
             p.text(Entry::RenovationCoefficient).clear();
         }},
        {"an amount typed for a service not ticked", 1,
         [](industry::KindProject& p) { p.text(Entry::OwnPatentsAmount) = "3"; }, nothing},
        {"a commission by a row of another group", 0,
         [](industry::KindProject& p) {
             p.commission = test::commissionOf(Kind::PetroleumChemical, Grade::III, "一般石油化工",
                                               engine::DesignPhase::Preliminary);
         },
         noCommission},
        {"a commission of a phase its row gives no share", 0,
         [](industry::KindProject& p) { p.commission->phase = engine::DesignPhase::Scheme; }, noCommission},
        {"a commission by no row", 1,
         [](industry::KindProject& p) { p.commission->shareRow = industry::shareRows.size(); }, noCommission},
    };
    const std::vector<projects::Item> items = test::industrySampleItems();
    for (const Case& c : cases) {
        industry::KindProject entered = std::get<industry::KindProject>(items[c.item].inputs);
        industry::KindProject expected = entered;
        c.change(entered);
        c.expected(expected);
        const industry::KindProject canonical = projects::canonicalInputs(entered);
        EXPECT_EQ(canonical, expected) << c.what;
        EXPECT_EQ(projects::canonicalInputs(canonical), canonical) << c.what;
        EXPECT_EQ(figures(entered).chargedFee(), figures(canonical).chargedFee()) << c.what;
    }
}

TEST(Quote, AnItemSaysWhichKindItHoldsAndNamesItsEngineering) {
    const projects::Quote q = test::mixedQuote();
    struct Case {
        std::size_t item;
        bool industry;
        const char* engineering;
        const char* grade;
    };
    for (const Case c :
         {Case{0, false, "公路和城市道路工程", "Ⅱ级"}, Case{2, false, "园林绿化工程", "Ⅲ级"},
          Case{3, true, "选煤及其他煤炭工程", "Ⅲ级"}, Case{6, true, "公路、城市道路工程", "Ⅰ级"}}) {
        const projects::Item& item = q.items[c.item];
        EXPECT_EQ(item.isIndustry(), c.industry) << item.name;
        EXPECT_EQ(item.industryInputs() != nullptr, c.industry) << item.name;
        EXPECT_EQ(item.mainInputs() != nullptr, !c.industry) << item.name;
        EXPECT_EQ(projects::engineeringNameOf(item.inputs), c.engineering) << item.name;
        EXPECT_EQ(projects::gradeNameOf(item.inputs), c.grade) << item.name;
        // The canonical inputs of either kind stay that kind.
        EXPECT_EQ(projects::canonicalInputs(item.inputs).index(), item.inputs.index()) << item.name;
    }
}

} // namespace
