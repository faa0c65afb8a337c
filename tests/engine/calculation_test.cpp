#include "engine/calculation.h"

#include "engine/feetables.h"
#include "engine/numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <utility>
#include <vector>

using namespace varnel::engine;

namespace {

using enum Condition;
using enum Service;
using enum Entry;
using enum DesignPhase;

constexpr EngineeringType road = EngineeringType::Road, bridge = EngineeringType::Bridge,
                          building = EngineeringType::Building, landscape = EngineeringType::Landscape,
                          municipal = EngineeringType::Municipal;

// A project as each case needs it: by default 1000 万元 of building, grade Ⅱ, nothing else.
struct Setup {
    std::string amount = "1000";
    std::optional<EngineeringType> type = building;
    std::optional<Grade> grade = Grade::II;
    bool independentPhase = false;
    std::vector<Condition> conditions;
    std::vector<Service> services;
    std::vector<std::pair<Entry, std::string>> entries;
    std::optional<DesignPhase> phase;

    Project project() const {
        Project p;
        p.amount = amount;
        p.type = type;
        p.grade = grade;
        p.independentPhase = independentPhase;
        for (Condition c : conditions)
            p.conditions.insert(c);
        for (Service service : services)
            p.services.insert(service);
        for (const auto& [entry, text] : entries)
            p.text(entry) = text;
        p.phase = phase;
        return p;
    }
};

Outcome run(const Setup& s, Variables& v) {
    return calculate(s.project(), v);
}

TEST(Calculation, HandWorkedBuildingExample) {
    Variables v;
    const Outcome out = run({.amount = "1500", .conditions = {CivilDefence}, .services = {OverallDesign}}, v);
    ASSERT_TRUE(out.complete());
    EXPECT_DOUBLE_EQ(*v.basePrice, 55.05);
    EXPECT_EQ(*v.profCoef, 1.1);
    EXPECT_DOUBLE_EQ(*v.basicFee, 60.555);
    EXPECT_DOUBLE_EQ(*v.otherFee, 3.02775);
    EXPECT_DOUBLE_EQ(*v.benchmarkFee, 63.58275);
    EXPECT_EQ(out.basicFee, " 60.555");
    EXPECT_EQ(out.otherFee, " 3.02775");
    EXPECT_EQ(out.benchmarkFee, " 63.58275");
    EXPECT_TRUE(out.amountAccepted);
    EXPECT_FALSE(out.phase.has_value());
}

struct CoefficientCase {
    std::string name;
    Setup setup;
    double profCoef;
    double complexCoef;
    double addCoef;
};

class Coefficients : public testing::TestWithParam<CoefficientCase> {};

TEST_P(Coefficients, CombineByTheStandardsRule) {
    const CoefficientCase& c = GetParam();
    Variables v;
    const Outcome out = run(c.setup, v);
    ASSERT_TRUE(out.complete()) << out.stop->message;
    EXPECT_EQ(*v.profCoef, c.profCoef);
    EXPECT_EQ(*v.complexCoef, c.complexCoef);
    EXPECT_EQ(*v.addCoef, c.addCoef);
    EXPECT_EQ(*v.basicFee, ((*v.basePrice * c.profCoef) * c.complexCoef) * c.addCoef);
}

INSTANTIATE_TEST_SUITE_P(
    ByTypeAndGrade, Coefficients,
    testing::Values(
        // Σ − 5 + 1 in double arithmetic: road grade Ⅰ is 1.8899999999999997, not 1.89.
        CoefficientCase{"RoadI", {.type = road, .grade = Grade::I}, 0.9, 0.85, 1.8899999999999997},
        CoefficientCase{"RoadII", {.type = road, .grade = Grade::II}, 0.9, 1, 1},
        // The slots are added 2, 3, 1, 4, 5: in the order 1..5 this would be 2.1000000000000005.
        CoefficientCase{"RoadIPipesRebuildSumOrder",
                        {.type = road,
                         .grade = Grade::I,
                         .conditions = {UrbanRoadUnderPipes, Renovation},
                         .entries = {{RenovationCoefficient, "1.11"}}},
                        0.9,
                        0.85,
                        2.0999999999999996},
        CoefficientCase{"RoadIIIExpresswayAndPipes",
                        {.type = road, .grade = Grade::III, .conditions = {Expressway, UrbanRoadUnderPipes}},
                        0.9,
                        1.15,
                        ((((1.1 + 1.0) + 1.0) + 0.61) + 1.0) - 5 + 1},
        CoefficientCase{
            "RoadRebuild",
            {.type = road, .conditions = {Renovation}, .entries = {{RenovationCoefficient, "1.2"}}},
            0.9,
            1,
            ((((1.0 + 1.2) + 1.0) + 1.0) + 1.0) - 5 + 1},
        CoefficientCase{"BridgeI",
                        {.type = bridge, .grade = Grade::I, .conditions = {HighwayBridgeGradeI}},
                        1.1,
                        0.85,
                        2},
        CoefficientCase{"BridgeIII",
                        {.type = bridge, .grade = Grade::III, .conditions = {HighwayBridgeGradeIII}},
                        1.1,
                        1.15,
                        ((((1.0 + 1.0) + 0.7) + 1.0) + 1.0) - 5 + 1},
        CoefficientCase{"BridgeBothGradeBoxesFifthWins",
                        {.type = bridge, .conditions = {HighwayBridgeGradeIII, HighwayBridgeGradeI}},
                        1.1,
                        1,
                        ((((1.0 + 1.0) + 0.7) + 1.0) + 1.0) - 5 + 1},
        CoefficientCase{"BridgePipesRebuild",
                        {.type = bridge,
                         .conditions = {UrbanBridgeUnderPipes, Renovation},
                         .entries = {{RenovationCoefficient, "1.4"}}},
                        1.1,
                        1,
                        ((((1.1 + 1.4) + 1.0) + 1.0) + 1.0) - 5 + 1},
        CoefficientCase{"BuildingCivilDefence", {.conditions = {CivilDefence}}, 1.1, 1, 1},
        CoefficientCase{"BuildingAcousticsRebuild",
                        {.grade = Grade::III,
                         .conditions = {AcousticDecoration, Renovation},
                         .entries = {{RenovationCoefficient, "1.2"}}},
                        1,
                        1.15,
                        ((((1.0 + 1.0) + 1.2) + 2.0) + 1.0) - 5 + 1},
        CoefficientCase{"BuildingAncient",
                        {.conditions = {HistoricBuilding}, .entries = {{HistoricCoefficient, "1.6"}}},
                        1,
                        1,
                        ((((1.6 + 1.0) + 1.0) + 1.0) + 1.0) - 5 + 1},
        CoefficientCase{"BuildingIntelligent",
                        {.conditions = {IntelligentBuilding}},
                        1,
                        1,
                        ((((1.0 + 1.3) + 1.0) + 1.0) + 1.0) - 5 + 1},
        CoefficientCase{"BuildingInterior",
                        {.conditions = {InteriorDecoration}},
                        1,
                        1,
                        ((((1.0 + 1.0) + 1.0) + 1.0) + 1.5) - 5 + 1},
        CoefficientCase{"BuildingOtherGroupsBoxesNotRead",
                        {.conditions = {Expressway, UrbanRoadUnderPipes, HighwayBridgeGradeI}},
                        1,
                        1,
                        1},
        CoefficientCase{
            "LandscapeRebuild",
            {.type = landscape, .conditions = {Renovation}, .entries = {{RenovationCoefficient, "1.1"}}},
            1.1,
            1,
            ((((1.0 + 1.0) + 1.1) + 1.0) + 1.0) - 5 + 1},
        CoefficientCase{"MunicipalRebuild",
                        {.type = municipal,
                         .grade = Grade::III,
                         .conditions = {Renovation},
                         .entries = {{RenovationCoefficient, "1.3"}}},
                        1,
                        1.15,
                        ((((1.0 + 1.0) + 1.3) + 1.0) + 1.0) - 5 + 1}),
    [](const auto& info) { return info.param.name; });

struct StopCase {
    std::string name;
    Setup setup;
    std::string message;
    std::optional<Entry> wrongEntry;
    bool chooseType;
    bool amountAccepted;
};

class Checks : public testing::TestWithParam<StopCase> {};

TEST_P(Checks, StopWithTheirMessage) {
    const StopCase& c = GetParam();
    Variables v;
    const Outcome out = run(c.setup, v);
    ASSERT_FALSE(out.complete());
    EXPECT_EQ(out.stop->message, c.message);
    EXPECT_EQ(out.stop->entry, c.wrongEntry);
    EXPECT_EQ(out.stop->focus == Focus::Type, c.chooseType);
    EXPECT_EQ(out.amountAccepted, c.amountAccepted);
    EXPECT_TRUE(out.basicFee.empty() && out.otherFee.empty() && out.benchmarkFee.empty());
}

const std::string rebuildMessage = "改扩建和技术改造建设项目附加调整系数超标!！";
const std::string feeBaseAboveCeiling = "工程计费额不能大于100000000万元！";
const std::string amountAboveCeiling = "输入的金额不能大于100000000万元！";

INSTANTIATE_TEST_SUITE_P(
    InOrder, Checks,
    testing::Values(
        StopCase{"EmptyAmount", {.amount = ""}, "工程计费额不能小于或等于零！", std::nullopt, false, false},
        StopCase{"ZeroAmount", {.amount = "0"}, "工程计费额不能小于或等于零！", std::nullopt, false, false},
        StopCase{
            "NegativeAmount", {.amount = "-5"}, "工程计费额不能小于或等于零！", std::nullopt, false, false},
        StopCase{
            "LettersOnly", {.amount = "abc"}, "工程计费额不能小于或等于零！", std::nullopt, false, false},
        StopCase{"CoefficientBeyondRange",
                 {.conditions = {Renovation}, .entries = {{RenovationCoefficient, "1e400"}}},
                 std::string(outOfRangeMessage),
                 RenovationCoefficient,
                 false,
                 true},
        StopCase{
            "PartialChangeRateBeyondRange",
            {.services = {StandardDesignReuse, PartialChange}, .entries = {{PartialChangeRate, "1e400"}}},
            std::string(outOfRangeMessage),
            PartialChangeRate,
            false,
            true},
        StopCase{"AmountBeyondRange",
                 {.amount = "1e400"},
                 std::string(outOfRangeMessage),
                 std::nullopt,
                 false,
                 false},
        StopCase{"NoTypeEvenWithoutGrade",
                 {.type = std::nullopt, .grade = std::nullopt},
                 "你还没有选择工程类型！",
                 std::nullopt,
                 true,
                 true},
        StopCase{"RoadRebuildHasItsOwnMessage",
                 {.type = road, .conditions = {Renovation}, .entries = {{RenovationCoefficient, "1.5"}}},
                 "改扩建和技术改造建设项目附加调整系数超标！",
                 RenovationCoefficient,
                 false,
                 true},
        StopCase{"BridgeRebuild",
                 {.type = bridge, .conditions = {Renovation}, .entries = {{RenovationCoefficient, "1.09"}}},
                 rebuildMessage,
                 RenovationCoefficient,
                 false,
                 true},
        StopCase{"BuildingRebuildAbove",
                 {.conditions = {Renovation}, .entries = {{RenovationCoefficient, "1.41"}}},
                 rebuildMessage,
                 RenovationCoefficient,
                 false,
                 true},
        StopCase{"AncientEmptyReadsZero",
                 {.conditions = {HistoricBuilding}},
                 "古建筑、仿古建筑、保护性建筑附加调整系数超标!！",
                 HistoricCoefficient,
                 false,
                 true},
        StopCase{"LandscapeRebuild",
                 {.type = landscape, .conditions = {Renovation}, .entries = {{RenovationCoefficient, "2"}}},
                 rebuildMessage,
                 RenovationCoefficient,
                 false,
                 true},
        StopCase{"MunicipalRebuild",
                 {.type = municipal, .conditions = {Renovation}},
                 rebuildMessage,
                 RenovationCoefficient,
                 false,
                 true},
        StopCase{
            "RangeBeforeMissingGrade",
            {.grade = std::nullopt, .conditions = {Renovation}, .entries = {{RenovationCoefficient, "2"}}},
            rebuildMessage,
            RenovationCoefficient,
            false,
            true},
        StopCase{
            "MissingGrade",
            {.grade = std::nullopt, .conditions = {Renovation}, .entries = {{RenovationCoefficient, "1.2"}}},
            "你还没有选择工程复杂程度！",
            std::nullopt,
            false,
            true},
        StopCase{"PatentBeforeForeign",
                 {.services = {OwnPatents, ForeignDesign}},
                 "请输入自有专利技术收费金额！",
                 std::nullopt,
                 false,
                 true},
        StopCase{
            "Foreign", {.services = {ForeignDesign}}, "请输入境外设计收费金额！", std::nullopt, false, true},
        StopCase{"Review",
                 {.services = {ForeignReview}},
                 "请输入境外审核确认收费金额！",
                 std::nullopt,
                 false,
                 true},
        StopCase{
            "Printing", {.services = {ExtraPrinting}}, "请输入工本费收费金额！", std::nullopt, false, true},
        StopCase{"Drawings",
                 {.services = {StandardDrawings}},
                 "请输入购买标准图所用金额！",
                 std::nullopt,
                 false,
                 true},
        StopCase{"NonStandardBothEmpty",
                 {.services = {NonstandardEquipment}},
                 "请输入非标准设备设计额！",
                 std::nullopt,
                 false,
                 true},
        StopCase{"NonStandardRateEmpty",
                 {.services = {NonstandardEquipment}, .entries = {{NonstandardEquipmentAmount, "50"}}},
                 "请输入非标准设备计费率！",
                 std::nullopt,
                 false,
                 true},
        StopCase{"NonStandardRateAsPercentage",
                 {.services = {NonstandardEquipment},
                  .entries = {{NonstandardEquipmentAmount, "50"}, {NonstandardEquipmentRate, "15"}}},
                 "非标准设备设计费率不得超标！",
                 std::nullopt,
                 false,
                 true},
        StopCase{"LocalChangeZero",
                 {.services = {StandardDesignReuse, PartialChange}, .entries = {{PartialChangeRate, "0"}}},
                 "局部修改费率超标！",
                 std::nullopt,
                 false,
                 true},
        StopCase{"LocalChangeOne",
                 {.services = {PartialChange}, .entries = {{PartialChangeRate, "1"}}},
                 "局部修改费率超标！",
                 std::nullopt,
                 false,
                 true},
        StopCase{"LocalChangeEmpty",
                 {.services = {PartialChange}},
                 "局部修改费率超标！",
                 PartialChangeRate,
                 false,
                 true},
        StopCase{"TypedFeeBeyondRange",
                 {.services = {OwnPatents}, .entries = {{OwnPatentsAmount, "1e999"}}},
                 std::string(outOfRangeMessage),
                 OwnPatentsAmount,
                 false,
                 true},
        StopCase{"AmountAboveTheCeiling",
                 {.amount = "100000000.01"},
                 feeBaseAboveCeiling,
                 std::nullopt,
                 false,
                 false},
        StopCase{"AmountNearTheDoubleRange",
                 {.amount = "1.7e308", .grade = Grade::III, .conditions = {AcousticDecoration}},
                 feeBaseAboveCeiling,
                 std::nullopt,
                 false,
                 false},
        // The main window names no box for a typed amount, as for one beyond the double range.
        StopCase{"TypedFeeAboveTheCeiling",
                 {.services = {OwnPatents, ForeignDesign},
                  .entries = {{OwnPatentsAmount, "1.7e308"}, {ForeignDesignAmount, "1.7e308"}}},
                 amountAboveCeiling,
                 OwnPatentsAmount,
                 false,
                 true},
        StopCase{"TypedFeeBelowZero",
                 {.services = {ExtraPrinting}, .entries = {{ExtraPrintingAmount, "-0.01"}}},
                 "请输入工本费收费金额！",
                 ExtraPrintingAmount,
                 false,
                 true},
        StopCase{"EquipmentAmountAboveTheCeiling",
                 {.services = {NonstandardEquipment},
                  .entries = {{NonstandardEquipmentAmount, "1e9"}, {NonstandardEquipmentRate, "0.15"}}},
                 amountAboveCeiling,
                 NonstandardEquipmentAmount,
                 false,
                 true}),
    [](const auto& info) { return info.param.name; });

TEST(Calculation, AStoppedRunKeepsWhatItWroteBeforeTheCheck) {
    Variables v;
    run({.conditions = {Renovation}, .entries = {{RenovationCoefficient, "1.41"}}}, v);
    EXPECT_EQ(*v.additionalPlace[0], 1.41); // stored before the range check
    EXPECT_FALSE(v.basicFee.has_value());

    Variables w;
    run({.amount = "-1"}, w);
    EXPECT_EQ(*w.feeBase, -1);
    EXPECT_FALSE(w.basePrice.has_value());

    Variables x;
    run({.services = {NonstandardEquipment},
         .entries = {{NonstandardEquipmentAmount, "50"}, {NonstandardEquipmentRate, "15"}}},
        x);
    EXPECT_EQ(*x.nonstdEquipAmount, 50);
    EXPECT_EQ(*x.nonstdEquipRate, 15);
    EXPECT_FALSE(x.fee(NonstandardEquipment).has_value());
    EXPECT_EQ(*x.fee(OwnPatents), 0);

    Variables y; // a coefficient beyond the double range is not stored at all
    run({.conditions = {Renovation}, .entries = {{RenovationCoefficient, "1e400"}}}, y);
    EXPECT_EQ(*y.additionalPlace[0], 1);
    EXPECT_FALSE(y.basicFee.has_value());
}

// Amounts at the ceiling are still calculated, and stay finite.
const std::vector<Setup> atTheCeiling{
    {.amount = "100000000"},
    {.amount = "1e8", .grade = Grade::III, .conditions = {AcousticDecoration}},
    {.services = {OwnPatents, ForeignDesign, ForeignReview, ExtraPrinting, StandardDrawings},
     .entries = {{OwnPatentsAmount, "100000000"},
                 {ForeignDesignAmount, "100,000,000"},
                 {ForeignReviewAmount, "1e8"},
                 {ExtraPrintingAmount, "1e8"},
                 {StandardDrawingsAmount, "1e8"}}},
    {.services = {NonstandardEquipment},
     .entries = {{NonstandardEquipmentAmount, "100000000"}, {NonstandardEquipmentRate, "0.2"}}},
};

TEST(Calculation, AmountsAtTheCeilingAreCalculated) {
    for (const auto& c : atTheCeiling) {
        Variables v;
        const Outcome out = run(c, v);
        ASSERT_TRUE(out.complete()) << c.amount << ": " << out.stop->message;
        EXPECT_LE(*v.feeBase, maxTypedAmount);
        EXPECT_TRUE(std::isfinite(*v.benchmarkFee)) << c.amount;
    }
    Variables v;
    run({.amount = "100000000"}, v);
    EXPECT_EQ(*v.basePrice, 1600000); // 1.6 % of the ceiling
}

// An amount above the ceiling is kept as feeBase, as one at or below zero is; nothing after it is written.
TEST(Calculation, AnAmountAboveTheCeilingIsKeptAsTheFeeBase) {
    Variables v;
    run({.amount = "2e8"}, v);
    EXPECT_EQ(*v.feeBase, 2e8);
    EXPECT_FALSE(v.basePrice.has_value());
}

TEST(Calculation, BoundsOfTypedCoefficientsAreAllowed) {
    for (const char* text : {"1.1", "1.4"}) {
        Variables v;
        EXPECT_TRUE(
            run({.conditions = {Renovation}, .entries = {{RenovationCoefficient, text}}}, v).complete())
            << text;
    }
}

TEST(OtherFees, PercentagesOfTheBasicFee) {
    // 6,250,000 万元 is above the table: base price 100,000, and with coefficients of 1 so is the basic fee.
    Variables v;
    const Outcome out =
        run({.amount = "6250000",
             .services = {OverallDesign, DesignCoordination, ConstructionBudget, AsBuiltDrawings}},
            v);
    ASSERT_TRUE(out.complete());
    EXPECT_EQ(*v.basicFee, 100000);
    EXPECT_EQ(*v.fee(OverallDesign), 5000);
    EXPECT_EQ(*v.fee(DesignCoordination), 5000);
    EXPECT_EQ(*v.fee(ConstructionBudget), 10000);
    EXPECT_EQ(*v.fee(AsBuiltDrawings), 8000);
    EXPECT_EQ(*v.otherFee, 28000);
}

// The fees are added in the standard's order, non-standard equipment first: added after the typed
// amounts, the 1e-10 below would survive instead of being lost to 1e8.
TEST(OtherFees, AreAddedInTheStandardsOrder) {
    Variables v;
    const Outcome out = run({.services = {OwnPatents, ForeignDesign, NonstandardEquipment},
                             .entries = {{OwnPatentsAmount, "1e8"},
                                         {ForeignDesignAmount, "1e-9"},
                                         {NonstandardEquipmentAmount, "1e-9"},
                                         {NonstandardEquipmentRate, "0.1"}}},
                            v);
    ASSERT_TRUE(out.complete());
    EXPECT_EQ(*v.fee(NonstandardEquipment), 1e-9 * 0.1);
    EXPECT_EQ(*v.otherFee, (1e8 + 1e-9) + 1e-9 * 0.1);
}

TEST(OtherFees, NothingTickedIsZero) {
    Variables v;
    const Outcome out = run({}, v);
    EXPECT_EQ(*v.otherFee, 0);
    EXPECT_EQ(out.otherFee, " 0");
    for (const Variable& fee : v.fees)
        EXPECT_TRUE(fee.has_value());
    EXPECT_FALSE(v.localChangeRate.has_value());
}

TEST(OtherFees, TypedAmountsAndNonStandardEquipment) {
    Variables v;
    const Outcome out = run({.services = {OwnPatents, ForeignDesign, NonstandardEquipment},
                             .entries = {{OwnPatentsAmount, " 0 "},
                                         {ForeignDesignAmount, "2"},
                                         {NonstandardEquipmentAmount, "50"},
                                         {NonstandardEquipmentRate, "0.15"}}},
                            v);
    ASSERT_TRUE(out.complete());
    EXPECT_EQ(*v.fee(OwnPatents), 0);
    EXPECT_EQ(*v.fee(ForeignDesign), 2);
    EXPECT_EQ(*v.fee(NonstandardEquipment), 7.5);
    EXPECT_EQ(*v.otherFee, 9.5);
    for (const char* rate : {"0.1", "0.2"}) {
        Variables w;
        EXPECT_TRUE(run({.services = {NonstandardEquipment},
                         .entries = {{NonstandardEquipmentAmount, "1"}, {NonstandardEquipmentRate, rate}}},
                        w)
                        .complete())
            << rate;
    }
}

// What is typed is what is charged: a number that does not read whole, a box of blanks, or a fee below
// zero stops the run with the box's own message, and the box is typed again (emptied and focused).
TEST(TypedNumbers, AreReadWholeOrTypedAgain) {
    struct Case {
        ::Setup setup;
        const char* message;
        std::optional<Entry> entry; // none: the amount
        bool retyped = true;
    };
    const Case cases[] = {
        {{.amount = "1,500万元"}, "工程计费额不能小于或等于零！", {}},
        {{.amount = "1.500.000"}, "工程计费额不能小于或等于零！", {}},
        {{.amount = "1,5000"}, "工程计费额不能小于或等于零！", {}},
        {{.amount = "1500abc"}, "工程计费额不能小于或等于零！", {}},
        {{.amount = ""}, "工程计费额不能小于或等于零！", {}, false},
        {{.amount = "-3"}, "工程计费额不能小于或等于零！", {}, false},
        {{.services = {OwnPatents}, .entries = {{OwnPatentsAmount, "-50"}}},
         "请输入自有专利技术收费金额！",
         OwnPatentsAmount},
        {{.services = {OwnPatents}, .entries = {{OwnPatentsAmount, "  "}}},
         "请输入自有专利技术收费金额！",
         OwnPatentsAmount},
        {{.services = {ForeignDesign}, .entries = {{ForeignDesignAmount, "5万"}}},
         "请输入境外设计收费金额！",
         ForeignDesignAmount},
        {{.services = {NonstandardEquipment},
          .entries = {{NonstandardEquipmentAmount, "-1"}, {NonstandardEquipmentRate, "0.15"}}},
         "请输入非标准设备设计额！",
         NonstandardEquipmentAmount},
        {{.services = {NonstandardEquipment},
          .entries = {{NonstandardEquipmentAmount, "10"}, {NonstandardEquipmentRate, "15%"}}},
         "请输入非标准设备计费率！",
         NonstandardEquipmentRate},
        {{.conditions = {Renovation}, .entries = {{RenovationCoefficient, "1.2倍"}}},
         "改扩建和技术改造建设项目附加调整系数超标!！",
         RenovationCoefficient},
    };
    for (const Case& c : cases) {
        Variables v;
        const Outcome out = run(c.setup, v);
        ASSERT_FALSE(out.complete()) << c.message;
        EXPECT_EQ(out.stop->message, c.message);
        EXPECT_EQ(out.stop->entry, c.retyped ? c.entry : std::nullopt) << c.message;
        EXPECT_EQ(out.stop->focus == Focus::Amount, c.retyped && !c.entry) << c.message;
    }
    // What stays as it was, and what a Chinese input method types.
    for (const char* amount :
         {"1500", " 1500 ", ".5e4", "1e3", "1,500", "１５００", "1５00", "1500．0", "2 000"}) {
        Variables v;
        EXPECT_TRUE(run({.amount = amount}, v).complete()) << amount;
    }
}

TEST(OtherFees, StandardDesignAndItsRefinements) {
    Variables v;
    run({.amount = "6250000", .services = {StandardDesignReuse}}, v);
    EXPECT_EQ(*v.fee(StandardDesignReuse), 30000);

    run({.amount = "6250000", .services = {StandardDesignReuse, FoundationRedesign}}, v);
    EXPECT_EQ(*v.fee(StandardDesignReuse), 0);
    EXPECT_EQ(*v.fee(FoundationRedesign), 40000);

    run({.amount = "6250000",
         .services = {StandardDesignReuse, PartialChange},
         .entries = {{PartialChangeRate, "0.2"}}},
        v);
    EXPECT_EQ(*v.fee(StandardDesignReuse), 0);
    EXPECT_EQ(*v.fee(PartialChange), 20000);
    EXPECT_EQ(*v.localChangeRate, 0.2);

    run({.amount = "6250000"}, v);
    EXPECT_EQ(*v.fee(PartialChange), 0);
    EXPECT_EQ(*v.localChangeRate, 0.2); // kept while its box is unticked
}

struct PhaseCase {
    std::string name;
    Setup setup;
    std::string caption; // empty: no row applies
    double proportion;
};

class Phases : public testing::TestWithParam<PhaseCase> {};

TEST_P(Phases, ShareOfTheBenchmark) {
    const PhaseCase& c = GetParam();
    Variables v;
    const Outcome out = run(c.setup, v);
    ASSERT_TRUE(out.complete());
    if (c.caption.empty()) {
        EXPECT_FALSE(out.phase.has_value());
        EXPECT_FALSE(v.preliminaryPhaseFee || v.drawingPhaseFee || v.schemePhaseFee);
        return;
    }
    ASSERT_TRUE(out.phase.has_value());
    EXPECT_EQ(out.phase->caption, c.caption);
    const Variable& share = v.*phaseResults[static_cast<std::size_t>(*c.setup.phase)].share;
    EXPECT_EQ(*share, *v.benchmarkFee * c.proportion);
    EXPECT_EQ(out.phase->share, resultBoxText(*share));
}

const std::string first = "其中初步设计费", drawing = "其中施工图设计费", scheme = "其中方案设计费";

INSTANTIATE_TEST_SUITE_P(
    Rows, Phases,
    testing::Values(
        PhaseCase{"RoadPreliminary", {.type = road, .phase = Preliminary}, first, 0.45},
        PhaseCase{"RoadDrawing", {.type = road, .phase = Drawing}, drawing, 0.55},
        PhaseCase{"RoadSchemeHasNone", {.type = road, .phase = Scheme}, "", 0},
        PhaseCase{"BridgeDrawing", {.type = bridge, .grade = Grade::III, .phase = Drawing}, drawing, 0.55},
        PhaseCase{"OutdoorI",
                  {.grade = Grade::I, .conditions = {BuildingWithOutdoor}, .phase = Drawing},
                  drawing,
                  0.6},
        PhaseCase{"OutdoorII", {.conditions = {BuildingWithOutdoor}, .phase = Drawing}, drawing, 0.55},
        PhaseCase{"OutdoorIII",
                  {.grade = Grade::III, .conditions = {BuildingWithOutdoor}, .phase = Scheme},
                  scheme,
                  0.2},
        PhaseCase{
            "OutdoorPreliminary", {.conditions = {BuildingWithOutdoor}, .phase = Preliminary}, first, 0.3},
        PhaseCase{"GroupHousing", {.conditions = {HousingCluster}, .phase = Drawing}, drawing, 0.45},
        PhaseCase{"HousingHasNoPreliminary", {.conditions = {Housing}, .phase = Preliminary}, "", 0},
        PhaseCase{"HousingScheme", {.conditions = {Housing}, .phase = Scheme}, scheme, 0.25},
        PhaseCase{
            "AncientScheme",
            {.conditions = {HistoricBuilding}, .entries = {{HistoricCoefficient, "1.3"}}, .phase = Scheme},
            scheme,
            0.3},
        PhaseCase{"IntelligentPreliminary",
                  {.conditions = {IntelligentBuilding}, .phase = Preliminary},
                  first,
                  0.4},
        PhaseCase{"IntelligentHasNoScheme", {.conditions = {IntelligentBuilding}, .phase = Scheme}, "", 0},
        PhaseCase{"InteriorScheme", {.conditions = {InteriorDecoration}, .phase = Scheme}, scheme, 0.5},
        PhaseCase{"CivilDefenceScheme", {.conditions = {CivilDefence}, .phase = Scheme}, scheme, 0.1},
        PhaseCase{"AcousticsHasNoRow", {.conditions = {AcousticDecoration}, .phase = Drawing}, "", 0},
        PhaseCase{"BuildingWithoutKind", {.phase = Preliminary}, "", 0},
        PhaseCase{"LandscapeIIDrawing", {.type = landscape, .phase = Drawing}, drawing, 0.7},
        PhaseCase{"LandscapeIIIPreliminary",
                  {.type = landscape, .grade = Grade::III, .phase = Preliminary},
                  first,
                  0.2},
        PhaseCase{"LandscapeIPreliminaryHasNone",
                  {.type = landscape, .grade = Grade::I, .phase = Preliminary},
                  "",
                  0},
        PhaseCase{"LandscapeIScheme", {.type = landscape, .grade = Grade::I, .phase = Scheme}, scheme, 0.3},
        PhaseCase{"MunicipalIIIPreliminary",
                  {.type = municipal, .grade = Grade::III, .phase = Preliminary},
                  first,
                  0.5},
        PhaseCase{
            "MunicipalIDrawing", {.type = municipal, .grade = Grade::I, .phase = Drawing}, drawing, 0.6},
        PhaseCase{"MunicipalSchemeHasNone", {.type = municipal, .phase = Scheme}, "", 0},
        PhaseCase{"NoOption", {.type = road}, "", 0}),
    [](const auto& info) { return info.param.name; });

TEST(Phases, ProportionsOfEachTypeAndGradeAddUpToOne) {
    for (EngineeringType type : {EngineeringType::Road, EngineeringType::Bridge, EngineeringType::Landscape,
                                 EngineeringType::Municipal}) {
        for (GradeSet grade : {onlyGradeI, onlyGradeII, onlyGradeIII}) {
            double sum = 0;
            for (const PhaseRow& row : phaseRows())
                if (row.type == type && (row.grades == everyGrade || (row.grades & grade)))
                    sum += row.proportion;
            EXPECT_NEAR(sum, 1.0, 1e-12) << static_cast<int>(type) << " grade " << grade;
        }
    }
    for (Condition kind : {IntelligentBuilding, InteriorDecoration, HistoricBuilding, CivilDefence,
                           BuildingWithOutdoor, Housing, HousingCluster}) {
        for (GradeSet grade : {onlyGradeI, onlyGradeII, onlyGradeIII}) {
            double sum = 0;
            for (const PhaseRow& row : phaseRows())
                if (row.type == EngineeringType::Building && row.kind == kind &&
                    (row.grades == everyGrade || (row.grades & grade)))
                    sum += row.proportion;
            EXPECT_NEAR(sum, 1.0, 1e-12) << static_cast<int>(kind);
        }
    }
}

TEST(Phases, ABenchmarkJustUnderAHundredthShowsFifteenDigits) {
    // 750 万元 interpolates to 29.849999999999998, shown as 29.85.
    Variables v;
    const Outcome out = run({.amount = "750", .type = municipal, .grade = Grade::II, .phase = Drawing}, v);
    EXPECT_EQ(*v.basicFee, 20.9 + (250 * 17.9) / 500);
    EXPECT_EQ(out.basicFee, " 29.85");
    EXPECT_EQ(out.benchmarkFee, " 29.85");
}

} // namespace

namespace {

// Tools list the variables by these names, in the order the window holds them; each names its own
// variable, and a typed equipment amount and rate stand before their fee.
TEST(Variables, AreNamedOnceInTheWindowsOrder) {
    Variables v;
    const std::vector<NamedVariable> named = namedVariables(v);
    std::vector<std::string_view> names;
    for (const NamedVariable& n : named)
        names.push_back(n.name);
    const std::vector<std::string_view> expected{
        "lowAmount",        "lowPrice",         "highAmount",   "highPrice",          "feeBase",
        "basePrice",        "profCoef",         "complexCoef",  "addCoef1",           "addCoef2",
        "addCoef3",         "addCoef",          "addCoef4",     "addCoef5",           "basicFee",
        "overallDesignFee", "coordinationFee",  "budgetFee",    "asBuiltFee",         "patentFee",
        "foreignDesignFee", "foreignReviewFee", "printingFee",  "standardDrawingFee", "nonstdEquipAmount",
        "nonstdEquipRate",  "nonstdEquipFee",   "reuseFee",     "refoundationFee",    "localChangeRate",
        "localChangeFee",   "otherFee",         "benchmarkFee", "drawingPhaseFee",    "preliminaryPhaseFee",
        "schemePhaseFee"};
    EXPECT_EQ(names, expected);
    for (std::size_t i = 0; i < named.size(); ++i)
        for (std::size_t j = i + 1; j < named.size(); ++j)
            EXPECT_NE(named[i].value, named[j].value) << named[i].name << " and " << named[j].name;
    v.fee(NonstandardEquipment) = 7.5;
    EXPECT_EQ(*named[26].value, 7.5);
}

} // namespace
