// The calculation of every kind of engineering: a hand-worked project of each group, the conditions each
// kind reads, the phase commission, every stop, and random projects that must end finite or stopped.
#include "engine/industrycalculation.h"

#include "engine/calculation.h"
#include "support/enteredwork.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <ostream>
#include <random>
#include <set>
#include <string>
#include <utility>
#include <vector>

using namespace varnel::engine;
using namespace varnel::engine::industry;

namespace {

using varnel::engine::Focus;
using varnel::engine::Stop;

using enum KindCondition;
using enum Service;
using enum Entry;
using Entered = varnel::test::EnteredWork;

// A project worked by hand from the standard's tables.
struct HandWorked {
    std::string name;
    Entered setup;
    double basePrice, profCoef, complexCoef, addCoef, basicFee, otherFee, benchmarkFee;
    std::optional<double> share;
};

void PrintTo(const HandWorked& c, std::ostream* os) {
    *os << c.name;
}

class ByHand : public testing::TestWithParam<HandWorked> {};

TEST_P(ByHand, GivesTheStandardsFigures) {
    const HandWorked& c = GetParam();
    const Calculation out = calculate(c.setup.project());
    ASSERT_TRUE(out.complete()) << out.stop->message;
    const Variables& v = out.variables;
    EXPECT_DOUBLE_EQ(*v.basePrice, c.basePrice);
    EXPECT_EQ(*v.profCoef, c.profCoef);
    EXPECT_EQ(*v.complexCoef, c.complexCoef);
    EXPECT_DOUBLE_EQ(*v.addCoef, c.addCoef);
    EXPECT_DOUBLE_EQ(*v.basicFee, c.basicFee);
    EXPECT_DOUBLE_EQ(*v.otherFee, c.otherFee);
    EXPECT_DOUBLE_EQ(*v.benchmarkFee, c.benchmarkFee);
    ASSERT_EQ(out.phaseShare.has_value(), c.share.has_value());
    if (c.share) {
        EXPECT_DOUBLE_EQ(*out.phaseShare, *c.share);
    }
}

INSTANTIATE_TEST_SUITE_P(
    OneOfEachGroup, ByHand,
    testing::Values(
        // 1500 万元 lies between 1000 → 38.8 and 3000 → 103.8: 55.05.
        HandWorked{"MiningCoalPreparationGradeIII",
                   {.amount = "1500",
                    .kind = Kind::CoalPreparation,
                    .grade = Grade::III,
                    .conditions = {CoalPreparationPlant},
                    .services = {OverallDesign},
                    .shareRow = "黑色冶金坑内采矿，煤炭矿山采选，水煤浆，煤层气抽放",
                    .phase = DesignPhase::Drawing},
                   55.05,
                   1.3,
                   1.15,
                   1.4,
                   115.21965,
                   5.7609825,
                   120.9806325,
                   78.637411125},
        HandWorked{"NuclearProcessing",
                   {.amount = "5000",
                    .kind = Kind::NuclearProcessing,
                    .services = {ConstructionBudget},
                    .shareRow = "核加工"},
                   163.9,
                   1.3,
                   1,
                   1,
                   213.07,
                   21.307,
                   234.377,
                   93.7508},
        HandWorked{"PetrochemicalBasicDesign",
                   {.kind = Kind::PetroleumChemical,
                    .conditions = {Renovation, PipeSegmentDrawings},
                    .entries = {{RenovationCoefficient, "1.2"}},
                    .shareRow = "一般石油化工",
                    .phase = DesignPhase::Basic},
                   38.8,
                   1.2,
                   1,
                   1.3,
                   60.528,
                   0,
                   60.528,
                   30.264},
        HandWorked{"HydroPowerTenderDesign",
                   {.amount = "10000",
                    .kind = Kind::HydroPower,
                    .grade = Grade::III,
                    .conditions = {HydroStudyMerged},
                    .services = {NonstandardEquipment},
                    .entries = {{NonstandardEquipmentAmount, "50"}, {NonstandardEquipmentRate, "0.15"}},
                    .shareRow = "水库、水电、潮汐",
                    .phase = DesignPhase::Tender},
                   304.8,
                   1.2,
                   1.15,
                   1.1,
                   462.6864,
                   7.5,
                   470.1864,
                   94.03728},
        HandWorked{"IrrigationFieldGradeI",
                   {.amount = "3000",
                    .kind = Kind::WindAndOtherWater,
                    .grade = Grade::I,
                    .conditions = {IrrigationField},
                    .shareRow = "灌区田间"},
                   103.8,
                   0.8,
                   0.85,
                   0.25,
                   17.646,
                   0,
                   17.646,
                   10.5876},
        HandWorked{"RopewayAtTheTablesFirstRow",
                   {.amount = "200",
                    .kind = Kind::Ropeway,
                    .services = {OwnPatents},
                    .entries = {{OwnPatentsAmount, "3"}},
                    .shareRow = "水运、索道",
                    .phase = DesignPhase::Drawing},
                   9,
                   1.3,
                   1,
                   1,
                   11.7,
                   3,
                   14.7,
                   8.82},
        // Above 2,000,000 万元 the base price is 1.6 % of the amount.
        HandWorked{"PostalProcessAboveTheTable",
                   {.amount = "2500000",
                    .kind = Kind::PostalProcess,
                    .grade = Grade::I,
                    .services = {AsBuiltDrawings},
                    .shareRow = "广电、邮政工艺",
                    .phase = DesignPhase::Drawing},
                   40000,
                   0.8,
                   0.85,
                   1,
                   27200,
                   2176,
                   29376,
                   17625.6},
        // Below the table the line through its first two rows goes on: 9 − 11.9 × 100 ÷ 300.
        HandWorked{"AgricultureBelowTheTableWithoutPhases",
                   {.amount = "100",
                    .kind = Kind::Agriculture,
                    .conditions = {Renovation},
                    .entries = {{RenovationCoefficient, "1.1"}}},
                   9 - 11.9 / 3,
                   0.9,
                   1,
                   1.1,
                   (9 - 11.9 / 3) * 0.99,
                   0,
                   (9 - 11.9 / 3) * 0.99,
                   std::nullopt}),
    [](const auto& info) { return info.param.name; });

// Which conditions a calculation reads: those of the kind and grade, ticked or unasked.
struct ReadCase {
    std::string name;
    Entered setup;
    double addCoef;
};

void PrintTo(const ReadCase& c, std::ostream* os) {
    *os << c.name;
}

class ConditionsRead : public testing::TestWithParam<ReadCase> {};

TEST_P(ConditionsRead, AreThoseOfTheKindAndGrade) {
    const Calculation out = calculate(GetParam().setup.project());
    ASSERT_TRUE(out.complete()) << out.stop->message;
    EXPECT_NEAR(*out.variables.addCoef, GetParam().addCoef, 1e-12);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ConditionsRead,
    testing::Values(
        ReadCase{"RoadGradeIUnasked", {.kind = Kind::Road, .grade = Grade::I}, 1.89},
        ReadCase{"RoadGradeIIHasNone", {.kind = Kind::Road, .conditions = {HighwayGradeI}}, 1},
        ReadCase{"ExpresswayOnlyWithGradeIII", {.kind = Kind::Road, .conditions = {Expressway}}, 1},
        ReadCase{"ExpresswayGradeIII",
                 {.kind = Kind::Road, .grade = Grade::III, .conditions = {Expressway}},
                 0.61},
        ReadCase{"BridgeGradeIOnlyWithGradeI",
                 {.kind = Kind::BridgeAndTunnel,
                  .grade = Grade::III,
                  .conditions = {HighwayBridgeGradeI, HighwayBridgeGradeIII}},
                 0.7},
        ReadCase{"PipesNotForRopeways", {.kind = Kind::Ropeway, .conditions = {UnderPipeNetwork}}, 1},
        ReadCase{"PipesForBridges", {.kind = Kind::BridgeAndTunnel, .conditions = {UnderPipeNetwork}}, 1.1},
        ReadCase{"OtherGroupsConditionsNotRead",
                 {.kind = Kind::Building, .conditions = {PipeSegmentDrawings, CoalPreparationPlant}},
                 1},
        ReadCase{"HydroMergerNotForThermalPower",
                 {.kind = Kind::ThermalPower, .conditions = {HydroStudyMerged}},
                 1},
        ReadCase{"BuildingWorksOnlyForBuildings",
                 {.kind = Kind::DefenceAndLandscape, .conditions = {IntelligentBuilding}},
                 1},
        // 1 + (1.2 − 1) + (1.45 − 1) + (2 − 1): the coefficients are added, not multiplied.
        ReadCase{"SeveralAreAdded",
                 {.conditions = {Renovation, HistoricBuilding, AcousticDecoration},
                  .entries = {{RenovationCoefficient, "1.2"}, {HistoricCoefficient, "1.45"}}},
                 2.65}),
    [](const auto& info) { return info.param.name; });

TEST(Commission, ChargesTheRowsShareOnlyWhereTheKindAndGradeHaveIt) {
    // 住宅工程 has no 初步设计 share; 建筑与室外工程 of grade Ⅰ is not a row of grade Ⅱ; a row of another
    // group is not the kind's.
    EXPECT_FALSE(
        calculate(Entered{.shareRow = "住宅工程", .phase = DesignPhase::Preliminary}.project()).phaseShare);
    Entered outdoor{.grade = Grade::I, .shareRow = "建筑与室外工程", .phase = DesignPhase::Scheme};
    industry::KindProject gradeI = outdoor.project();
    EXPECT_DOUBLE_EQ(*calculate(gradeI).phaseShare, 38.8 * 0.85 * 0.1);
    gradeI.grade = Grade::II;
    EXPECT_FALSE(calculate(gradeI).phaseShare);
    industry::KindProject otherGroup = Entered{.kind = Kind::Road, .shareRow = "公路"}.project();
    otherGroup.kind = Kind::Smelting;
    EXPECT_FALSE(calculate(otherGroup).phaseShare);
    industry::KindProject beyond = Entered{}.project();
    beyond.commission = Commission{shareRows.size(), DesignPhase::Drawing};
    EXPECT_FALSE(calculate(beyond).phaseShare);
}

// Every check, in the order the calculation meets them, with what it sends the user back to.
struct StopCase {
    std::string name;
    Entered setup;
    std::string message;
    Focus focus;
    std::optional<Entry> entry;
};

void PrintTo(const StopCase& c, std::ostream* os) {
    *os << c.name;
}

class Stops : public testing::TestWithParam<StopCase> {};

TEST_P(Stops, NameWhatToCorrect) {
    const StopCase& c = GetParam();
    const Calculation out = calculate(c.setup.project());
    ASSERT_FALSE(out.complete());
    EXPECT_EQ(*out.stop, (Stop{c.message, c.focus, c.entry}));
    EXPECT_FALSE(out.phaseShare.has_value());
}

const std::string notPositive = "工程计费额不能小于或等于零！";
const std::string beyond(outOfRangeMessage);
const std::string feeBaseAboveCeiling = "工程计费额不能大于100000000万元！";
const std::string amountAboveCeiling = "输入的金额不能大于100000000万元！";
const std::string renovationBeyond = "改扩建和技术改造建设项目附加调整系数超标！";
const std::string historicBeyond = "古建筑、仿古建筑、保护性建筑附加调整系数超标！";

INSTANTIATE_TEST_SUITE_P(
    Entries, Stops,
    testing::Values(
        StopCase{"AmountEmpty", {.amount = ""}, notPositive, Focus::Amount, {}},
        StopCase{"AmountZero", {.amount = "0"}, notPositive, Focus::Amount, {}},
        StopCase{"AmountNegative", {.amount = "-5"}, notPositive, Focus::Amount, {}},
        StopCase{"AmountNotANumber", {.amount = "abc"}, notPositive, Focus::Amount, {}},
        StopCase{"AmountBeyondTheDoubleRange", {.amount = "1e400"}, beyond, Focus::Amount, {}},
        StopCase{"AmountBeforeKind", {.amount = "0", .kind = std::nullopt}, notPositive, Focus::Amount, {}},
        StopCase{"NoKind",
                 {.kind = std::nullopt, .grade = std::nullopt},
                 "你还没有选择工程类型！",
                 Focus::Type,
                 {}},
        StopCase{"NoGrade", {.grade = std::nullopt}, "你还没有选择工程复杂程度！", Focus::Grade, {}},
        StopCase{"RenovationEmptyReadsZero",
                 {.kind = Kind::Smelting, .conditions = {Renovation}},
                 renovationBeyond,
                 Focus::Entry,
                 RenovationCoefficient},
        StopCase{
            "RenovationBelow",
            {.kind = Kind::Road, .conditions = {Renovation}, .entries = {{RenovationCoefficient, "1.09"}}},
            renovationBeyond,
            Focus::Entry,
            RenovationCoefficient},
        StopCase{"RenovationAbove",
                 {.kind = Kind::Forestry,
                  .conditions = {Renovation},
                  .entries = {{RenovationCoefficient, "1.41"}}},
                 renovationBeyond,
                 Focus::Entry,
                 RenovationCoefficient},
        StopCase{"RenovationNotANumber",
                 {.conditions = {Renovation}, .entries = {{RenovationCoefficient, "abc"}}},
                 renovationBeyond,
                 Focus::Entry,
                 RenovationCoefficient},
        StopCase{"RenovationBeyondTheDoubleRange",
                 {.conditions = {Renovation}, .entries = {{RenovationCoefficient, "1e400"}}},
                 beyond,
                 Focus::Entry,
                 RenovationCoefficient},
        StopCase{
            "RangeBeforeMissingGrade",
            {.grade = std::nullopt, .conditions = {Renovation}, .entries = {{RenovationCoefficient, "2"}}},
            renovationBeyond,
            Focus::Entry,
            RenovationCoefficient},
        StopCase{"HistoricBelow",
                 {.conditions = {HistoricBuilding}, .entries = {{HistoricCoefficient, "1.29"}}},
                 historicBeyond,
                 Focus::Entry,
                 HistoricCoefficient},
        StopCase{"HistoricAboveAfterAGoodRenovation",
                 {.conditions = {Renovation, HistoricBuilding},
                  .entries = {{RenovationCoefficient, "1.4"}, {HistoricCoefficient, "1.61"}}},
                 historicBeyond,
                 Focus::Entry,
                 HistoricCoefficient},
        StopCase{"PatentEmpty",
                 {.services = {OwnPatents}},
                 "请输入自有专利技术收费金额！",
                 Focus::Entry,
                 OwnPatentsAmount},
        StopCase{"ForeignDesignEmpty",
                 {.services = {ForeignDesign}},
                 "请输入境外设计收费金额！",
                 Focus::Entry,
                 ForeignDesignAmount},
        StopCase{"ForeignReviewEmpty",
                 {.services = {ForeignReview}},
                 "请输入境外审核确认收费金额！",
                 Focus::Entry,
                 ForeignReviewAmount},
        StopCase{"PrintingEmpty",
                 {.services = {ExtraPrinting}},
                 "请输入工本费收费金额！",
                 Focus::Entry,
                 ExtraPrintingAmount},
        StopCase{"DrawingsEmpty",
                 {.services = {StandardDrawings}},
                 "请输入购买标准图所用金额！",
                 Focus::Entry,
                 StandardDrawingsAmount},
        StopCase{"TypedAmountBeyondTheDoubleRange",
                 {.services = {ForeignReview}, .entries = {{ForeignReviewAmount, "1e999"}}},
                 beyond,
                 Focus::Entry,
                 ForeignReviewAmount},
        StopCase{"EquipmentAmountEmpty",
                 {.services = {NonstandardEquipment}},
                 "请输入非标准设备设计额！",
                 Focus::Entry,
                 NonstandardEquipmentAmount},
        StopCase{"EquipmentRateEmpty",
                 {.services = {NonstandardEquipment}, .entries = {{NonstandardEquipmentAmount, "50"}}},
                 "请输入非标准设备计费率！",
                 Focus::Entry,
                 NonstandardEquipmentRate},
        StopCase{"EquipmentRateAsAPercentage",
                 {.services = {NonstandardEquipment},
                  .entries = {{NonstandardEquipmentAmount, "50"}, {NonstandardEquipmentRate, "15"}}},
                 "非标准设备设计费率不得超标！",
                 Focus::Entry,
                 NonstandardEquipmentRate},
        StopCase{"EquipmentAmountBeyondTheDoubleRange",
                 {.services = {NonstandardEquipment},
                  .entries = {{NonstandardEquipmentAmount, "9e999"}, {NonstandardEquipmentRate, "0.15"}}},
                 beyond,
                 Focus::Entry,
                 NonstandardEquipmentAmount},
        StopCase{"PartialChangeEmpty",
                 {.services = {StandardDesignReuse, PartialChange}},
                 "局部修改费率超标！",
                 Focus::Entry,
                 PartialChangeRate},
        StopCase{"PartialChangeOne",
                 {.services = {PartialChange}, .entries = {{PartialChangeRate, "1"}}},
                 "局部修改费率超标！",
                 Focus::Entry,
                 PartialChangeRate},
        StopCase{"PartialChangeBeyondTheDoubleRange",
                 {.services = {PartialChange}, .entries = {{PartialChangeRate, "1e400"}}},
                 beyond,
                 Focus::Entry,
                 PartialChangeRate},
        StopCase{"AmountAboveTheCeiling", {.amount = "100000000.01"}, feeBaseAboveCeiling, Focus::Amount, {}},
        StopCase{"AmountNearTheDoubleRange",
                 {.amount = "1.7e308", .kind = Kind::NuclearPower, .grade = Grade::III},
                 feeBaseAboveCeiling,
                 Focus::Amount,
                 {}},
        StopCase{"TypedFeeAboveTheCeiling",
                 {.services = {OwnPatents, ForeignDesign},
                  .entries = {{OwnPatentsAmount, "1.7e308"}, {ForeignDesignAmount, "1.7e308"}}},
                 amountAboveCeiling,
                 Focus::Entry,
                 OwnPatentsAmount},
        StopCase{"TypedFeeBelowZero",
                 {.services = {StandardDrawings}, .entries = {{StandardDrawingsAmount, "-5"}}},
                 "请输入购买标准图所用金额！",
                 Focus::Entry,
                 StandardDrawingsAmount},
        StopCase{"EquipmentAmountAboveTheCeiling",
                 {.services = {NonstandardEquipment},
                  .entries = {{NonstandardEquipmentAmount, "1e9"}, {NonstandardEquipmentRate, "0.15"}}},
                 amountAboveCeiling,
                 Focus::Entry,
                 NonstandardEquipmentAmount}),
    [](const auto& info) { return info.param.name; });

TEST(Stops, TheBoundsOfTypedCoefficientsAreAllowed) {
    for (const auto& [entry, text] :
         std::vector<std::pair<Entry, std::string>>{{RenovationCoefficient, "1.1"},
                                                    {RenovationCoefficient, "1.4"},
                                                    {HistoricCoefficient, "1.3"},
                                                    {HistoricCoefficient, "1.6"}}) {
        Entered s{.conditions = {Renovation, HistoricBuilding},
                  .entries = {{RenovationCoefficient, "1.2"}, {HistoricCoefficient, "1.4"}}};
        s.entries.push_back({entry, text});
        EXPECT_TRUE(calculate(s.project()).complete()) << text;
    }
}

// The largest amounts and coefficients are calculated: 1.6 % of the ceiling × 1.6 × 1.15 × the largest
// additional coefficient, plus every share of the basic fee.
TEST(Range, TheLargestProjectStaysFinite) {
    Entered s{.amount = "100000000",
              .kind = Kind::Building,
              .grade = Grade::III,
              .conditions = {Renovation, HistoricBuilding, IntelligentBuilding, InteriorDecoration,
                             AcousticDecoration},
              .services = {OverallDesign, DesignCoordination, ConstructionBudget, AsBuiltDrawings,
                           StandardDesignReuse, FoundationRedesign},
              .entries = {{RenovationCoefficient, "1.4"}, {HistoricCoefficient, "1.6"}},
              .shareRow = "住宅工程",
              .phase = DesignPhase::Drawing};
    const Calculation out = calculate(s.project());
    ASSERT_TRUE(out.complete()) << out.stop->message;
    EXPECT_TRUE(std::isfinite(*out.variables.benchmarkFee));
    EXPECT_TRUE(std::isfinite(*out.phaseShare));
    s.kind = Kind::NuclearPower; // the largest professional coefficient, whose group has no 住宅工程 row
    s.shareRow.clear();
    const Calculation nuclear = calculate(s.project());
    ASSERT_TRUE(nuclear.complete());
    EXPECT_TRUE(std::isfinite(*nuclear.variables.benchmarkFee));
}

// Random projects over every kind, grade, condition, service, commission and many typed texts: each ends
// complete with every figure finite, or stopped with one of the known messages.
TEST(Random, ProjectsEndFiniteOrStopped) {
    const std::vector<std::string> texts{
        "",
        "0",
        "-1",
        "1",
        "1.1",
        "1.25",
        "1.4",
        "1.45",
        "1.6",
        "0.15",
        "0.2",
        "0.1",
        "0.5",
        "1.5",
        "abc",
        " 7",
        "1e3",
        "1e8",
        "-1e8",
        "100000000.01",
        "-100000000.01",
        "1e308",
        "1.7e308",
        "-1.7e308",
        "1e400",
        "-1e400",
        "1e-400",
        "&HFF",
        "&O17",
        "&HFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF"
        "FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF"
        "FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF",
        "1D+5",
        "2e6",
        "2000000",
        "199.9999",
        "123456.789",
        ".5",
        "1.2.3",
        "--1",
        "nan",
        "inf",
        "1 5",
        "\t1.3\n",
        "4.9e-324",
        "1e-5",
        "99999999999999999999"};
    const std::set<std::string> messages{notPositive,
                                         beyond,
                                         feeBaseAboveCeiling,
                                         amountAboveCeiling,
                                         renovationBeyond,
                                         historicBeyond,
                                         "你还没有选择工程类型！",
                                         "你还没有选择工程复杂程度！",
                                         "请输入自有专利技术收费金额！",
                                         "请输入境外设计收费金额！",
                                         "请输入境外审核确认收费金额！",
                                         "请输入工本费收费金额！",
                                         "请输入购买标准图所用金额！",
                                         "请输入非标准设备设计额！",
                                         "请输入非标准设备计费率！",
                                         "非标准设备设计费率不得超标！",
                                         "局部修改费率超标！"};
    std::mt19937 random(20020101);
    const auto pick = [&](std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(random);
    };
    // Numbers about the ceiling of amounts, and near the top of the double range, where sums and products
    // would leave it but for the ceiling.
    const std::vector<std::string> largest{"1e8",       "99999999.99", "100000000.01", "-1e8",
                                           "1.797e308", "1.7e308",     "-1.7e308",     "1e306"};
    const auto text = [&] {
        switch (pick(4)) {
        case 0: // random digits, point and exponent
            return std::to_string(std::uniform_real_distribution<double>(-10, 10)(random)) + "e" +
                   std::to_string(static_cast<int>(pick(700)) - 350);
        case 1:
            return largest[pick(largest.size())];
        default:
            return texts[pick(texts.size())];
        }
    };
    int complete = 0;
    for (int i = 0; i < 20000; ++i) {
        industry::KindProject p;
        p.amount = text();
        if (pick(20) != 0)
            p.kind = static_cast<Kind>(pick(kindCount));
        if (pick(20) != 0)
            p.grade = static_cast<Grade>(pick(3));
        for (std::size_t a = 0; a < kindConditionCount; ++a)
            p.conditions.set(static_cast<KindCondition>(a), pick(4) == 0);
        for (std::size_t s = 0; s < serviceCount; ++s)
            p.services.set(static_cast<Service>(s), pick(4) == 0);
        for (std::string& entry : p.entries)
            entry = text();
        if (pick(2) == 0)
            p.commission =
                Commission{pick(shareRows.size() + 2), static_cast<DesignPhase>(pick(designPhaseCount))};

        const Calculation out = calculate(p);
        if (!out.complete()) {
            EXPECT_TRUE(messages.contains(out.stop->message)) << out.stop->message;
            EXPECT_EQ(out.stop->entry.has_value(), out.stop->focus == Focus::Entry);
            EXPECT_FALSE(out.phaseShare.has_value());
            continue;
        }
        ++complete;
        const Variables& v = out.variables;
        for (const NamedVariable& n : namedVariables(v)) {
            if (n.value->has_value()) {
                ASSERT_TRUE(std::isfinite(**n.value)) << n.name << " of amount " << p.amount;
            }
        }
        ASSERT_TRUE(v.basicFee && v.otherFee && v.benchmarkFee);
        if (out.phaseShare) {
            ASSERT_TRUE(std::isfinite(*out.phaseShare));
        }
    }
    EXPECT_GT(complete, 1000); // enough of them went all the way (a negative fee stops the rest)
}

} // namespace
