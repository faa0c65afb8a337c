#include "report/report.h"

#include "support/reportlines.h"
#include "support/typicalrecord.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

using namespace varnel;
using engine::CalculationRecord;
using engine::DesignPhase;
using engine::Service;
using test::linesOf;
using test::reportStars;
using S = engine::Service;

namespace {

TEST(Report, TheTypicalReportLineByLine) {
    const std::string text = report::buildReport(test::typicalRecord());
    const std::vector<std::string> expected{
        "欢迎使用本程序，下面是您的计算过程：",
        reportStars,
        "本工程设计收费计费额为:  1500万元",
        "经查《工程设计收费基价表》得",
        "计费额：1000万元  收费基价： 38.8万元",
        "计费额：3000万元  收费基价： 103.8万元",
        "将计费额内插，计算得到工程设计收费基价为：",
        "  (103.8-38.8)×(1500-1000)÷(3000-1000)+38.8 万元",
        "=55.05万元",
        "",
        "本工程专业调整系数为：1",
        "",
        "本工程复杂程度调整系数为：1",
        "",
        "本工程附加调整系数为：(1+1+1+1+1)-5+1=1",
        "",
        "所以本工程基本设计收费为：55.05×1×1×1 = 55.05 万元",
        reportStars,
        "您的工程总体设计费为：55.05×5% =2.7525万元",
        "",
        "所以本工程其他设计收费为：2.7525 + 0 + 0 + 0 + 0 + 0 + 0 + 0 + 0 + 0 + 0 + 0 + 0 = 2.7525万元",
        reportStars,
        "所以本工程设计收费基准价=基本设计收费+其他设计收费=55.05万元+2.7525万元=57.8025万元",
        reportStars,
        "计算完毕，请设计人与发包人在此基础上，根据《工程勘察设计收费标准》的规定，在上下浮动20%幅度范围内，"
        "协商确定该项工程设计收费合同额。谢谢使用本软件！"};
    EXPECT_EQ(linesOf(text), expected);
    EXPECT_FALSE(text.ends_with("\r\n"));
    EXPECT_EQ(text.find('\n'), text.find("\r\n") + 1);
}

struct BaseCase {
    std::string name;
    double feeBase;
    std::vector<std::string> lines; // the base-price lines, after 经查《工程设计收费基价表》得
};

class BasePriceLines : public testing::TestWithParam<BaseCase> {};

TEST_P(BasePriceLines, FollowTheStoredAmount) {
    CalculationRecord r = test::typicalRecord();
    r.variables.feeBase = GetParam().feeBase;
    r.variables.basePrice = 9;
    const std::vector<std::string> lines = linesOf(report::buildReport(r));
    const std::vector<std::string> got(lines.begin() + 4, lines.begin() + 4 + GetParam().lines.size());
    EXPECT_EQ(got, GetParam().lines);
    EXPECT_EQ(lines[4 + GetParam().lines.size()], "");
}

INSTANTIATE_TEST_SUITE_P(
    Branches, BasePriceLines,
    testing::Values(
        BaseCase{"AboveTwoMillion", 2000001, {"计费额=2000001×1.6%=9万元"}},
        BaseCase{"BelowTheTable", 100, {"计费额:100万元，收费基价=9-11.9×(200-100)÷300=9"}},
        BaseCase{"BelowOne", 0.5, {"计费额:0.5万元，收费基价=9-11.9×(200-0.5)÷300=9"}},
        BaseCase{"TwoHundredInterpolates",
                 200,
                 {"计费额：1000万元  收费基价： 38.8万元", "计费额：3000万元  收费基价： 103.8万元",
                  "将计费额内插，计算得到工程设计收费基价为：",
                  "  (103.8-38.8)×(200-1000)÷(3000-1000)+38.8 万元", "=9万元"}},
        BaseCase{"TwoMillionInterpolates",
                 2000000,
                 {"计费额：1000万元  收费基价： 38.8万元", "计费额：3000万元  收费基价： 103.8万元",
                  "将计费额内插，计算得到工程设计收费基价为：",
                  "  (103.8-38.8)×(2000000-1000)÷(3000-1000)+38.8 万元", "=9万元"}}),
    [](const auto& info) { return info.param.name; });

struct FeeCase {
    std::string name;
    std::vector<Service> services;
    std::vector<std::string> lines; // the other-fee lines, each followed by an empty line
};

class FeeLines : public testing::TestWithParam<FeeCase> {};

TEST_P(FeeLines, KeepTheirExactSpacing) {
    CalculationRecord r = test::typicalRecord();
    r.project.services = {};
    for (Service service : GetParam().services)
        r.project.services.insert(service);
    r.variables.nonstdEquipAmount = 50;
    r.variables.nonstdEquipRate = 0.15;
    r.variables.localChangeRate = 0.2;
    const std::vector<std::string> lines = linesOf(report::buildReport(r));
    std::vector<std::string> expected;
    for (const std::string& line : GetParam().lines) {
        expected.push_back(line);
        expected.push_back("");
    }
    const std::vector<std::string> got(lines.begin() + 18, lines.begin() + 18 + expected.size());
    EXPECT_EQ(got, expected);
    EXPECT_TRUE(lines[18 + expected.size()].starts_with("所以本工程其他设计收费为："));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, FeeLines,
    testing::Values(
        FeeCase{"Percentages",
                {S::OverallDesign, S::DesignCoordination, S::ConstructionBudget, S::AsBuiltDrawings},
                {"您的工程总体设计费为：55.05×5% =2.7525万元", "您的工程主体设计协调费为：55.05×5% =0万元",
                 "您的工程预算编制费为：55.05×10% =0万元", "您的工程竣工图编制费为：55.05×8% =0万元"}},
        FeeCase{"Amounts",
                {S::OwnPatents, S::ForeignDesign, S::ForeignReview, S::ExtraPrinting, S::StandardDrawings},
                {"您的自有专利技术收费为：0万元", "您的境外设计收费为：0万元", "您的境外审核确认费为：0万元",
                 "您的另行印制设计文件工本费为：0万元", "您的购买标准设计图费为：0万元"}},
        // One box alone writes its own line only.
        FeeCase{"ForeignDesignAlone", {S::ForeignDesign}, {"您的境外设计收费为：0万元"}},
        FeeCase{"BudgetAlone", {S::ConstructionBudget}, {"您的工程预算编制费为：55.05×10% =0万元"}},
        FeeCase{"NonStandard", {S::NonstandardEquipment}, {"您的非标准设备设计费为：50万元×0.15=0万元"}},
        FeeCase{"Reuse", {S::StandardDesignReuse}, {"您采用标准设备和复用设计费为：55.05万元×30%=0万元"}},
        FeeCase{"Refoundation",
                {S::StandardDesignReuse, S::FoundationRedesign},
                {"您采用标准设备和复用设计并重新进行基础设计费为：55.05万元×40%=0万元"}},
        FeeCase{"LocalChange",
                {S::StandardDesignReuse, S::PartialChange},
                {"您采用标准设备和复用设计并做局部修改设计费为：55.05万元×0.2=0万元"}},
        FeeCase{"None", {}, {}}),
    [](const auto& info) { return info.param.name; });

struct PhaseCase {
    const char* name;
    bool commissioned; // 单独委托设计 ticked in the calculation
    std::optional<DesignPhase> phase;
    bool shareWritten;             // a phase row of that calculation applied
    std::vector<std::string> tail; // the lines between the benchmark line and the closing text
};

class PhaseLines : public testing::TestWithParam<PhaseCase> {};

TEST_P(PhaseLines, FollowTheRunThatWroteTheShare) {
    CalculationRecord r = test::typicalRecord();
    r.variables.preliminaryPhaseFee = 17.34;
    r.variables.drawingPhaseFee = 31.79;
    r.variables.schemePhaseFee = 5.78;
    r.project.independentPhase = GetParam().commissioned;
    r.project.phase = GetParam().phase;
    r.phaseShareWritten = GetParam().shareWritten;
    const std::vector<std::string> lines = linesOf(report::buildReport(r));
    ASSERT_GE(lines.size(), 24u);
    const std::vector<std::string> tail(lines.begin() + 23, lines.end() - 1);
    EXPECT_EQ(tail, GetParam().tail);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PhaseLines,
    testing::Values(PhaseCase{"Preliminary",
                              true,
                              DesignPhase::Preliminary,
                              true,
                              {reportStars, "其中初步设计收费为：17.34万元", reportStars}},
                    PhaseCase{"Drawing",
                              true,
                              DesignPhase::Drawing,
                              true,
                              {reportStars, "其中施工图设计收费为：31.79万元", reportStars}},
                    PhaseCase{"Scheme",
                              true,
                              DesignPhase::Scheme,
                              true,
                              {reportStars, "其中方案设计收费为：5.78万元", reportStars}},
                    // Chosen, but no row of the run applied: the share variable is another run's.
                    PhaseCase{
                        "NoRowApplied", true, DesignPhase::Preliminary, false, {reportStars, reportStars}},
                    PhaseCase{"NoPhaseChosen", true, std::nullopt, false, {reportStars, reportStars}},
                    PhaseCase{"NotCommissioned", false, DesignPhase::Drawing, true, {reportStars}}),
    [](const auto& info) { return info.param.name; });

TEST(Report, BeforeAnyCalculationNumbersWriteAsNothing) {
    const std::vector<std::string> lines = linesOf(report::buildReport(std::nullopt));
    EXPECT_EQ(lines[2], "本工程设计收费计费额为:  万元");
    EXPECT_EQ(lines[4], "计费额：万元  收费基价： 万元");
    EXPECT_EQ(lines[7], "  (-)×(-)÷(-)+ 万元");
    EXPECT_EQ(lines[18], "所以本工程其他设计收费为： +  +  +  +  +  +  +  +  +  +  +  +  = 万元");
    EXPECT_EQ(lines.size(), 23u);
}

} // namespace
