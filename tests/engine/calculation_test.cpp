#include "engine/calculation.h"

#include "engine/feetables.h"
#include "engine/numbers.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

using namespace varnel::engine;

namespace {

const std::string road = "公路和城市道路工程";
const std::string bridge = "公路和城市桥梁、隧道工程";
const std::string building = "建筑、人防工程";
const std::string landscape = "园林绿化工程";
const std::string municipal = "市政公用工程";

struct Setup {
    std::string amount = "1000";
    std::string type = building;
    std::string grade = "Ⅱ级";
    std::vector<int> ticked;
    std::vector<std::pair<int, std::string>> texts;
    int option = 0;

    Inputs inputs() const {
        Inputs in;
        in.amount = amount;
        in.type = type;
        in.grade = grade;
        for (int box : ticked)
            in.ticked.set(static_cast<std::size_t>(box));
        for (const auto& [box, text] : texts)
            in.texts[static_cast<std::size_t>(box)] = text;
        in.option = option;
        return in;
    }
};

Outcome run(const Setup& s, Variables& v) {
    return calculate(s.inputs(), v);
}

TEST(Calculation, HandWorkedBuildingExample) {
    Variables v;
    const Outcome out = run({.amount = "1500", .ticked = {28, 7}}, v);
    ASSERT_TRUE(out.complete());
    EXPECT_DOUBLE_EQ(*v.basePrice, 55.05);
    EXPECT_EQ(*v.profCoef, 1.1);
    EXPECT_DOUBLE_EQ(*v.basicFee, 60.555);
    EXPECT_DOUBLE_EQ(*v.otherFee, 3.02775);
    EXPECT_DOUBLE_EQ(*v.benchmarkFee, 63.58275);
    EXPECT_EQ(out.basicFee, " 60.555");
    EXPECT_EQ(out.otherFee, " 3.02775");
    EXPECT_EQ(out.benchmarkFee, " 63.58275");
    EXPECT_TRUE(out.focusAmount);
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
        CoefficientCase{"RoadI", {.type = road, .grade = "Ⅰ级"}, 0.9, 0.85, 1.8899999999999997},
        CoefficientCase{"RoadII", {.type = road, .grade = "Ⅱ级"}, 0.9, 1, 1},
        // The slots are added 2, 3, 1, 4, 5: in the order 1..5 this would be 2.1000000000000005.
        CoefficientCase{"RoadIPipesRebuildSumOrder",
                        {.type = road, .grade = "Ⅰ级", .ticked = {12, 20}, .texts = {{8, "1.11"}}},
                        0.9,
                        0.85,
                        2.0999999999999996},
        CoefficientCase{"RoadIIIExpresswayAndPipes",
                        {.type = road, .grade = "Ⅲ级", .ticked = {9, 12}},
                        0.9,
                        1.15,
                        ((((1.1 + 1.0) + 1.0) + 0.61) + 1.0) - 5 + 1},
        CoefficientCase{"RoadRebuild",
                        {.type = road, .ticked = {20}, .texts = {{8, "1.2"}}},
                        0.9,
                        1,
                        ((((1.0 + 1.2) + 1.0) + 1.0) + 1.0) - 5 + 1},
        CoefficientCase{"BridgeI", {.type = bridge, .grade = "Ⅰ级", .ticked = {6}}, 1.1, 0.85, 2},
        CoefficientCase{"BridgeIII",
                        {.type = bridge, .grade = "Ⅲ级", .ticked = {5}},
                        1.1,
                        1.15,
                        ((((1.0 + 1.0) + 0.7) + 1.0) + 1.0) - 5 + 1},
        CoefficientCase{"BridgeBothGradeBoxesFifthWins",
                        {.type = bridge, .ticked = {5, 6}},
                        1.1,
                        1,
                        ((((1.0 + 1.0) + 0.7) + 1.0) + 1.0) - 5 + 1},
        CoefficientCase{"BridgePipesRebuild",
                        {.type = bridge, .ticked = {2, 1}, .texts = {{2, "1.4"}}},
                        1.1,
                        1,
                        ((((1.1 + 1.4) + 1.0) + 1.0) + 1.0) - 5 + 1},
        CoefficientCase{"BuildingCivilDefence", {.ticked = {28}}, 1.1, 1, 1},
        CoefficientCase{"BuildingAcousticsRebuild",
                        {.grade = "Ⅲ级", .ticked = {26, 22}, .texts = {{19, "1.2"}}},
                        1,
                        1.15,
                        ((((1.0 + 1.0) + 1.2) + 2.0) + 1.0) - 5 + 1},
        CoefficientCase{"BuildingAncient",
                        {.ticked = {25}, .texts = {{20, "1.6"}}},
                        1,
                        1,
                        ((((1.6 + 1.0) + 1.0) + 1.0) + 1.0) - 5 + 1},
        CoefficientCase{
            "BuildingIntelligent", {.ticked = {23}}, 1, 1, ((((1.0 + 1.3) + 1.0) + 1.0) + 1.0) - 5 + 1},
        CoefficientCase{
            "BuildingInterior", {.ticked = {24}}, 1, 1, ((((1.0 + 1.0) + 1.0) + 1.0) + 1.5) - 5 + 1},
        CoefficientCase{"BuildingOtherGroupsBoxesNotRead", {.ticked = {9, 12, 6, 31}}, 1, 1, 1},
        CoefficientCase{"LandscapeRebuild",
                        {.type = landscape, .ticked = {31}, .texts = {{22, "1.1"}}},
                        1.1,
                        1,
                        ((((1.0 + 1.0) + 1.1) + 1.0) + 1.0) - 5 + 1},
        CoefficientCase{"MunicipalRebuild",
                        {.type = municipal, .grade = "Ⅲ级", .ticked = {27}, .texts = {{21, "1.3"}}},
                        1,
                        1.15,
                        ((((1.0 + 1.0) + 1.3) + 1.0) + 1.0) - 5 + 1}),
    [](const auto& info) { return info.param.name; });

struct StopCase {
    std::string name;
    Setup setup;
    std::string message;
    std::string emptyBox;
    std::string focusBox;
    bool focusAmount;
};

class Checks : public testing::TestWithParam<StopCase> {};

TEST_P(Checks, StopWithTheirMessage) {
    const StopCase& c = GetParam();
    Variables v;
    const Outcome out = run(c.setup, v);
    ASSERT_FALSE(out.complete());
    EXPECT_EQ(out.stop->message, c.message);
    EXPECT_EQ(out.stop->emptyBox, c.emptyBox);
    EXPECT_EQ(out.stop->focusBox, c.focusBox);
    EXPECT_EQ(out.focusAmount, c.focusAmount);
    EXPECT_TRUE(out.basicFee.empty() && out.otherFee.empty() && out.benchmarkFee.empty());
}

const std::string rebuildMessage = "改扩建和技术改造建设项目附加调整系数超标!！";

INSTANTIATE_TEST_SUITE_P(
    InOrder, Checks,
    testing::Values(
        StopCase{"EmptyAmount", {.amount = ""}, "工程计费额不能小于或等于零！", "", "", false},
        StopCase{"ZeroAmount", {.amount = "0"}, "工程计费额不能小于或等于零！", "", "", false},
        StopCase{"NegativeAmount", {.amount = "-5"}, "工程计费额不能小于或等于零！", "", "", false},
        StopCase{"LettersOnly", {.amount = "abc"}, "工程计费额不能小于或等于零！", "", "", false},
        StopCase{"AmountBeyondRange", {.amount = "1e400"}, std::string(outOfRangeMessage), "", "", false},
        StopCase{"NoTypeEvenWithoutGrade",
                 {.type = "", .grade = ""},
                 "你还没有选择工程类型！",
                 "",
                 "Combo2",
                 true},
        StopCase{"RoadRebuildHasItsOwnMessage",
                 {.type = road, .ticked = {20}, .texts = {{8, "1.5"}}},
                 "改扩建和技术改造建设项目附加调整系数超标！",
                 "Text8",
                 "Text8",
                 true},
        StopCase{"BridgeRebuild",
                 {.type = bridge, .ticked = {1}, .texts = {{2, "1.09"}}},
                 rebuildMessage,
                 "Text2",
                 "Text2",
                 true},
        StopCase{"BuildingRebuildAbove",
                 {.ticked = {22}, .texts = {{19, "1.41"}}},
                 rebuildMessage,
                 "Text19",
                 "Text19",
                 true},
        StopCase{"AncientEmptyReadsZero",
                 {.ticked = {25}},
                 "古建筑、仿古建筑、保护性建筑附加调整系数超标!！",
                 "Text20",
                 "Text20",
                 true},
        StopCase{"LandscapeRebuild",
                 {.type = landscape, .ticked = {31}, .texts = {{22, "2"}}},
                 rebuildMessage,
                 "Text22",
                 "Text22",
                 true},
        StopCase{"MunicipalRebuild",
                 {.type = municipal, .ticked = {27}},
                 rebuildMessage,
                 "Text21",
                 "Text21",
                 true},
        StopCase{"RangeBeforeMissingGrade",
                 {.grade = "", .ticked = {22}, .texts = {{19, "2"}}},
                 rebuildMessage,
                 "Text19",
                 "Text19",
                 true},
        StopCase{"MissingGrade",
                 {.grade = "", .ticked = {22}, .texts = {{19, "1.2"}}},
                 "你还没有选择工程复杂程度！",
                 "",
                 "",
                 true},
        StopCase{"PatentBeforeForeign", {.ticked = {13, 14}}, "请输入自有专利技术收费金额！", "", "", true},
        StopCase{"Foreign", {.ticked = {14}}, "请输入境外设计收费金额！", "", "", true},
        StopCase{"Review", {.ticked = {15}}, "请输入境外审核确认收费金额！", "", "", true},
        StopCase{"Printing", {.ticked = {16}}, "请输入工本费收费金额！", "", "", true},
        StopCase{"Drawings", {.ticked = {17}}, "请输入购买标准图所用金额！", "", "", true},
        StopCase{"NonStandardBothEmpty", {.ticked = {3}}, "请输入非标准设备设计额！", "", "", true},
        StopCase{"NonStandardRateEmpty",
                 {.ticked = {3}, .texts = {{7, "50"}}},
                 "请输入非标准设备计费率！",
                 "",
                 "",
                 true},
        StopCase{"NonStandardRateAsPercentage",
                 {.ticked = {3}, .texts = {{7, "50"}, {9, "15"}}},
                 "非标准设备设计费率不得超标！",
                 "",
                 "",
                 true},
        StopCase{
            "LocalChangeZero", {.ticked = {18, 21}, .texts = {{3, "0"}}}, "局部修改费率超标！", "", "", true},
        StopCase{"LocalChangeOne", {.ticked = {21}, .texts = {{3, "1"}}}, "局部修改费率超标！", "", "", true},
        StopCase{"LocalChangeEmpty", {.ticked = {21}}, "局部修改费率超标！", "", "", true},
        StopCase{"TypedFeeBeyondRange",
                 {.ticked = {13}, .texts = {{10, "1e999"}}},
                 std::string(outOfRangeMessage),
                 "",
                 "",
                 true},
        StopCase{"SumBeyondRange",
                 {.ticked = {13, 14}, .texts = {{10, "1.7e308"}, {11, "1.7e308"}}},
                 std::string(outOfRangeMessage),
                 "",
                 "",
                 true},
        StopCase{"BenchmarkBeyondRange",
                 {.amount = "1.7e308", .grade = "Ⅲ级", .ticked = {26, 13}, .texts = {{10, "1.797e308"}}},
                 std::string(outOfRangeMessage),
                 "",
                 "",
                 true}),
    [](const auto& info) { return info.param.name; });

TEST(Calculation, AStoppedRunKeepsWhatItWroteBeforeTheCheck) {
    Variables v;
    run({.ticked = {22}, .texts = {{19, "1.41"}}}, v);
    EXPECT_EQ(*v.addCoef1, 1.41); // stored before the range check
    EXPECT_FALSE(v.basicFee.has_value());

    Variables w;
    run({.amount = "-1"}, w);
    EXPECT_EQ(*w.feeBase, -1);
    EXPECT_FALSE(w.basePrice.has_value());

    Variables x;
    run({.ticked = {3}, .texts = {{7, "50"}, {9, "15"}}}, x);
    EXPECT_EQ(*x.nonstdEquipAmount, 50);
    EXPECT_EQ(*x.nonstdEquipRate, 15);
    EXPECT_FALSE(x.nonstdEquipFee.has_value());
    EXPECT_EQ(*x.patentFee, 0);
}

TEST(Calculation, BoundsOfTypedCoefficientsAreAllowed) {
    for (const char* text : {"1.1", "1.4"}) {
        Variables v;
        EXPECT_TRUE(run({.ticked = {22}, .texts = {{19, text}}}, v).complete()) << text;
    }
}

TEST(OtherFees, PercentagesOfTheBasicFee) {
    // 6,250,000 万元 is above the table: base price 100,000, and with coefficients of 1 so is the basic fee.
    Variables v;
    const Outcome out = run({.amount = "6250000", .ticked = {7, 8, 10, 11}}, v);
    ASSERT_TRUE(out.complete());
    EXPECT_EQ(*v.basicFee, 100000);
    EXPECT_EQ(*v.overallDesignFee, 5000);
    EXPECT_EQ(*v.coordinationFee, 5000);
    EXPECT_EQ(*v.budgetFee, 10000);
    EXPECT_EQ(*v.asBuiltFee, 8000);
    EXPECT_EQ(*v.otherFee, 28000);
}

TEST(OtherFees, NothingTickedIsZero) {
    Variables v;
    const Outcome out = run({}, v);
    EXPECT_EQ(*v.otherFee, 0);
    EXPECT_EQ(out.otherFee, " 0");
    for (const VariableName& n : variableNames) {
        if (std::string(n.name).ends_with("Fee") && n.name.find("Phase") == std::string::npos) {
            EXPECT_TRUE((v.*n.member).has_value()) << n.name;
        }
    }
    EXPECT_FALSE(v.localChangeRate.has_value());
}

TEST(OtherFees, TypedAmountsAndNonStandardEquipment) {
    Variables v;
    const Outcome out =
        run({.ticked = {13, 14, 3}, .texts = {{10, " "}, {11, "-2"}, {7, "50"}, {9, "0.15"}}}, v);
    ASSERT_TRUE(out.complete());
    EXPECT_EQ(*v.patentFee, 0); // a blank is not empty and reads as 0
    EXPECT_EQ(*v.foreignDesignFee, -2);
    EXPECT_EQ(*v.nonstdEquipFee, 7.5);
    EXPECT_EQ(*v.otherFee, 5.5);
    for (const char* rate : {"0.1", "0.2"}) {
        Variables w;
        EXPECT_TRUE(run({.ticked = {3}, .texts = {{7, "1"}, {9, rate}}}, w).complete()) << rate;
    }
}

TEST(OtherFees, StandardDesignAndItsRefinements) {
    Variables v;
    run({.amount = "6250000", .ticked = {18}}, v);
    EXPECT_EQ(*v.reuseFee, 30000);

    run({.amount = "6250000", .ticked = {18, 19}}, v);
    EXPECT_EQ(*v.reuseFee, 0);
    EXPECT_EQ(*v.refoundationFee, 40000);

    run({.amount = "6250000", .ticked = {18, 21}, .texts = {{3, "0.2"}}}, v);
    EXPECT_EQ(*v.reuseFee, 0);
    EXPECT_EQ(*v.localChangeFee, 20000);
    EXPECT_EQ(*v.localChangeRate, 0.2);

    run({.amount = "6250000"}, v);
    EXPECT_EQ(*v.localChangeFee, 0);
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
    const Variable& share = v.*phases[static_cast<std::size_t>(c.setup.option)].share;
    EXPECT_EQ(*share, *v.benchmarkFee * c.proportion);
    EXPECT_EQ(out.phase->share, resultBoxText(*share));
}

const std::string first = "其中初步设计费", drawing = "其中施工图设计费", scheme = "其中方案设计费";

INSTANTIATE_TEST_SUITE_P(
    Rows, Phases,
    testing::Values(
        PhaseCase{"RoadPreliminary", {.type = road, .option = 1}, first, 0.45},
        PhaseCase{"RoadDrawing", {.type = road, .option = 2}, drawing, 0.55},
        PhaseCase{"RoadSchemeHasNone", {.type = road, .option = 3}, "", 0},
        PhaseCase{"BridgeDrawing", {.type = bridge, .grade = "Ⅲ级", .option = 2}, drawing, 0.55},
        PhaseCase{"OutdoorI", {.grade = "Ⅰ级", .ticked = {29}, .option = 2}, drawing, 0.6},
        PhaseCase{"OutdoorII", {.ticked = {29}, .option = 2}, drawing, 0.55},
        PhaseCase{"OutdoorIII", {.grade = "Ⅲ级", .ticked = {29}, .option = 3}, scheme, 0.2},
        PhaseCase{"OutdoorPreliminary", {.ticked = {29}, .option = 1}, first, 0.3},
        PhaseCase{"GroupHousing", {.ticked = {32}, .option = 2}, drawing, 0.45},
        PhaseCase{"HousingHasNoPreliminary", {.ticked = {30}, .option = 1}, "", 0},
        PhaseCase{"HousingScheme", {.ticked = {30}, .option = 3}, scheme, 0.25},
        PhaseCase{"AncientScheme", {.ticked = {25}, .texts = {{20, "1.3"}}, .option = 3}, scheme, 0.3},
        PhaseCase{"IntelligentPreliminary", {.ticked = {23}, .option = 1}, first, 0.4},
        PhaseCase{"IntelligentHasNoScheme", {.ticked = {23}, .option = 3}, "", 0},
        PhaseCase{"InteriorScheme", {.ticked = {24}, .option = 3}, scheme, 0.5},
        PhaseCase{"CivilDefenceScheme", {.ticked = {28}, .option = 3}, scheme, 0.1},
        PhaseCase{"AcousticsHasNoRow", {.ticked = {26}, .option = 2}, "", 0},
        PhaseCase{"BuildingWithoutKind", {.option = 1}, "", 0},
        PhaseCase{"LandscapeIIDrawing", {.type = landscape, .option = 2}, drawing, 0.7},
        PhaseCase{"LandscapeIIIPreliminary", {.type = landscape, .grade = "Ⅲ级", .option = 1}, first, 0.2},
        PhaseCase{"LandscapeIPreliminaryHasNone", {.type = landscape, .grade = "Ⅰ级", .option = 1}, "", 0},
        PhaseCase{"LandscapeIScheme", {.type = landscape, .grade = "Ⅰ级", .option = 3}, scheme, 0.3},
        PhaseCase{"MunicipalIIIPreliminary", {.type = municipal, .grade = "Ⅲ级", .option = 1}, first, 0.5},
        PhaseCase{"MunicipalIDrawing", {.type = municipal, .grade = "Ⅰ级", .option = 2}, drawing, 0.6},
        PhaseCase{"MunicipalSchemeHasNone", {.type = municipal, .option = 3}, "", 0},
        PhaseCase{"NoOption", {.type = road}, "", 0}),
    [](const auto& info) { return info.param.name; });

TEST(Phases, ProportionsOfEachTypeAndGradeAddUpToOne) {
    for (EngineeringType type : {EngineeringType::Road, EngineeringType::Bridge, EngineeringType::Landscape,
                                 EngineeringType::Municipal}) {
        for (unsigned grade : {gradeI, gradeII, gradeIII}) {
            double sum = 0;
            for (const PhaseRow& row : phaseRows)
                if (row.type == type && (row.grades == everyGrade || (row.grades & grade)))
                    sum += row.proportion;
            EXPECT_NEAR(sum, 1.0, 1e-12) << static_cast<int>(type) << " grade " << grade;
        }
    }
    for (int box : {23, 24, 25, 28, 29, 30, 32}) {
        for (unsigned grade : {gradeI, gradeII, gradeIII}) {
            double sum = 0;
            for (const PhaseRow& row : phaseRows)
                if (row.type == EngineeringType::Building && row.box == box &&
                    (row.grades == everyGrade || (row.grades & grade)))
                    sum += row.proportion;
            EXPECT_NEAR(sum, 1.0, 1e-12) << "Check" << box;
        }
    }
}

TEST(Phases, ABenchmarkJustUnderAHundredthShowsFifteenDigits) {
    // 750 万元 interpolates to 29.849999999999998, shown as 29.85.
    Variables v;
    const Outcome out = run({.amount = "750", .type = municipal, .grade = "Ⅱ级", .option = 2}, v);
    EXPECT_EQ(*v.basicFee, 20.9 + (250 * 17.9) / 500);
    EXPECT_EQ(out.basicFee, " 29.85");
    EXPECT_EQ(out.benchmarkFee, " 29.85");
}

} // namespace
