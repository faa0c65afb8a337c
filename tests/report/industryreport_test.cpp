#include "report/industryreport.h"

#include "engine/calculation.h"
#include "report/report.h"
#include "support/enteredwork.h"
#include "support/reportlines.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

using namespace varnel;
using test::linesOf;
using test::reportStars;
using namespace varnel::engine::industry;
using varnel::engine::Entry;
using varnel::engine::Grade;
using varnel::engine::Service;

namespace {

using engine::DesignPhase;
using varnel::engine::industry::KindProject;
using Entered = varnel::test::EnteredWork;

const std::string greeting = "欢迎使用本程序，下面是您的计算过程：";
const std::string closing =
    "计算完毕，请设计人与发包人在此基础上，根据《工程勘察设计收费标准》的规定，在上下浮动20%幅度范围内，"
    "协商确定该项工程设计收费合同额。谢谢使用本软件！";

std::vector<std::string> reportOf(const Entered& e) {
    const KindProject p = e.project();
    const Calculation c = calculate(p);
    EXPECT_TRUE(c.complete()) << c.stop->message;
    return linesOf(report::buildIndustryReport(p, c));
}

TEST(IndustryReport, PetrochemicalLineByLine) {
    const std::vector<std::string> expected{
        greeting,
        reportStars,
        "本工程为石油化工工程中的石油、化工、石化、化纤、医药工程",
        "本工程设计收费计费额为:  1500万元",
        "依据附表一和1.0.7，经查《工程设计收费基价表》并内插得",
        "计费额：1000万元  收费基价： 38.8万元",
        "计费额：3000万元  收费基价： 103.8万元",
        "将计费额内插，计算得到工程设计收费基价为：",
        "  (103.8-38.8)×(1500-1000)÷(3000-1000)+38.8 万元",
        "=55.05万元",
        "",
        "依据附表二，石油、化工、石化、化纤、医药工程专业调整系数为1.2",
        "",
        "依据1.0.9，Ⅱ级（较复杂）工程复杂程度调整系数为1（复杂程度见表4.3-1）",
        "",
        "依据1.0.12，改扩建和技术改造建设项目附加调整系数为1.2",
        "依据第4章，增加管段图设计附加调整系数为1.1",
        "本工程附加调整系数为：(1.2+1.1+1+1+1)-5+1=1.3（附加调整系数不连乘：1+Σ(附加调整系数-1)）",
        "",
        "依据1.0.3，本工程基本设计收费为：55.05×1.2×1×1.3 = 85.878 万元",
        reportStars,
        "依据1.0.13，您的工程总体设计费为：85.878×5% =4.2939万元",
        "",
        "您的自有专利技术收费为：2万元",
        "",
        "所以本工程其他设计收费为：4.2939 + 0 + 0 + 0 + 2 + 0 + 0 + 0 + 0 + 0 + 0 + 0 + 0 = 6.2939万元",
        reportStars,
        "依据1.0.3，本工程设计收费基准价=基本设计收费+其他设计收费=85.878万元+6.2939万元=92.1719万元",
        reportStars,
        "依据表4.2-1，一般石油化工的基础设计占50%，其中基础设计收费为：92.1719×50%=46.08595万元",
        reportStars,
        closing};
    EXPECT_EQ(reportOf({"1500",
                        Kind::PetroleumChemical,
                        Grade::II,
                        {KindCondition::Renovation, KindCondition::PipeSegmentDrawings},
                        {Service::OverallDesign, Service::OwnPatents},
                        {{Entry::RenovationCoefficient, "1.2"}, {Entry::OwnPatentsAmount, "2"}},
                        "一般石油化工",
                        DesignPhase::Basic}),
              expected);
}

TEST(IndustryReport, RoadGradeIAboveTheTableLineByLine) {
    const std::vector<std::string> expected{
        greeting,
        reportStars,
        "本工程为交通运输工程中的公路、城市道路工程",
        "本工程设计收费计费额为:  2500000万元",
        "依据附表一，经查《工程设计收费基价表》得",
        "计费额=2500000×1.6%=40000万元",
        "",
        "依据附表二，公路、城市道路工程专业调整系数为0.9",
        "",
        "依据1.0.9，Ⅰ级（一般）工程复杂程度调整系数为0.85（复杂程度见表6.3-1、表6.3-2、表6.3-3、表6.3-4）",
        "",
        "依据第6章，公路工程Ⅰ级附加调整系数为1.89",
        "依据第6章，城市道路、桥梁、隧道通过地下管网密集区的工程附加调整系数为1.1",
        "本工程附加调整系数为：(1.89+1.1+1+1+1)-5+1=1.99（附加调整系数不连乘：1+Σ(附加调整系数-1)）",
        "",
        "依据1.0.3，本工程基本设计收费为：40000×0.9×0.85×1.99 = 60894 万元",
        reportStars,
        "依据1.0.16，您的工程预算编制费为：60894×10% =6089.4万元",
        "",
        "依据1.0.10，您的非标准设备设计费为：50万元×0.15=7.5万元",
        "",
        "所以本工程其他设计收费为：0 + 0 + 6089.4 + 0 + 0 + 0 + 0 + 0 + 0 + 7.5 + 0 + 0 + 0 = 6096.9万元",
        reportStars,
        "依据1.0.3，本工程设计收费基准价=基本设计收费+其他设计收费=60894万元+6096.9万元=66990.9万元",
        reportStars,
        "依据表6.2-1，城市道路的施工图设计占55%，其中施工图设计收费为：66990.9×55%=36844.995万元",
        reportStars,
        closing};
    EXPECT_EQ(
        reportOf({"2500000",
                  Kind::Road,
                  Grade::I,
                  {KindCondition::UnderPipeNetwork},
                  {Service::ConstructionBudget, Service::NonstandardEquipment},
                  {{Entry::NonstandardEquipmentAmount, "50"}, {Entry::NonstandardEquipmentRate, "0.15"}},
                  "城市道路",
                  DesignPhase::Drawing}),
        expected);
}

// 农业林业工程: no complexity table and no phase share; below the table the line through its first rows.
TEST(IndustryReport, ForestryBelowTheTableLineByLine) {
    const std::vector<std::string> expected{
        greeting,
        reportStars,
        "本工程为农业林业工程中的林业工程",
        "本工程设计收费计费额为:  150万元",
        "依据附表一，经查《工程设计收费基价表》得",
        "计费额:150万元，收费基价=9-11.9×(200-150)÷300=7.01666666666667",
        "",
        "依据附表二，林业工程专业调整系数为0.8",
        "",
        "依据1.0.9，Ⅲ级（复杂）工程复杂程度调整系数为1.15",
        "",
        "本工程附加调整系数为：(1+1+1+1+1)-5+1=1（附加调整系数不连乘：1+Σ(附加调整系数-1)）",
        "",
        "依据1.0.3，本工程基本设计收费为：7.01666666666667×0.8×1.15×1 = 6.45533333333333 万元",
        reportStars,
        "依据1.0.15，您采用标准设备和复用设计费为：6.45533333333333万元×30%=1.9366万元",
        "",
        "所以本工程其他设计收费为：0 + 0 + 0 + 0 + 0 + 0 + 0 + 0 + 0 + 0 + 1.9366 + 0 + 0 = 1.9366万元",
        reportStars,
        "依据1.0.3，本工程设计收费基准价=基本设计收费+其他设计收费=6.45533333333333万元+1.9366万元=8."
        "39193333333333万元",
        reportStars,
        closing};
    EXPECT_EQ(reportOf({"150", Kind::Forestry, Grade::III, {}, {Service::StandardDesignReuse}, {}}),
              expected);
}

// A project of every other group: the lines that cite the standard for its kind, grade, conditions and phase.
struct CitingCase {
    std::string name;
    Entered entered;
    std::vector<std::string> citing; // in the report's order, each a whole line
};

void PrintTo(const CitingCase& c, std::ostream* os) {
    *os << c.name;
}

class CitingLines : public testing::TestWithParam<CitingCase> {};

TEST_P(CitingLines, NameTheClauseOrTable) {
    std::vector<std::string> citing;
    for (const std::string& line : reportOf(GetParam().entered))
        if (line.starts_with("依据") && !line.starts_with("依据1.0.3") && !line.starts_with("依据附表一"))
            citing.push_back(line);
    EXPECT_EQ(citing, GetParam().citing);
}

INSTANTIATE_TEST_SUITE_P(
    Groups, CitingLines,
    testing::Values(
        CitingCase{
            "Mining",
            {"5000",
             Kind::CoalPreparation,
             Grade::III,
             {KindCondition::CoalPreparationPlant},
             {},
             {},
             "黑色冶金坑内采矿，煤炭矿山采选，水煤浆，煤层气抽放",
             DesignPhase::Drawing},
            {"依据附表二，选煤及其他煤炭工程专业调整系数为1.3",
             "依据1.0.9，Ⅲ级（复杂）工程复杂程度调整系数为1.15（复杂程度见表2.3-1、表2.3-2、表2.3-3、表2."
             "3-4、表2.3-5、表2.3-6）",
             "依据第2章，Ⅲ级选煤厂、水煤浆制备及燃烧应用工程附加调整系数为1.4",
             "依据表2.2-1，黑色冶金坑内采矿，煤炭矿山采选，水煤浆，煤层气抽放的施工图设计占65%"
             "，其中施工图设计"
             "收费为：343.0427×65%=222.977755万元"}},
        CitingCase{"Processing",
                   {"5000", Kind::NuclearProcessing, Grade::I, {}, {Service::AsBuiltDrawings}, {}, "核加工"},
                   {"依据附表二，核加工工程专业调整系数为1.3",
                    "依据1.0.9，Ⅰ级（一般）工程复杂程度调整系数为0.85（复杂程度见表3.3-1）",
                    "依据1.0.16，您的工程竣工图编制费为：181.1095×8% =14.48876万元",
                    "依据表3.2-1，核加工的初步设计占40%，其中初步设计收费为：195.59826×40%=78.239304万元"}},
        CitingCase{
            "WaterPowerTenderDesign",
            {"10000",
             Kind::WindAndOtherWater,
             Grade::II,
             {KindCondition::Renovation, KindCondition::RiverWorksStructures},
             {Service::DesignCoordination},
             {{Entry::RenovationCoefficient, "1.25"}},
             "河道治理：建筑物、构筑物",
             DesignPhase::Tender},
            {"依据附表二，风力发电、其他水利工程专业调整系数为0.8",
             "依据1.0.9，Ⅱ级（较复杂）工程复杂程度调整系数为1（复杂程度见表5.3-1、表5.3-2、表5.4-1）",
             "依据1.0.12，改扩建和技术改造建设项目附加调整系数为1.25",
             "依据第5章，河道治理及引调水工程的建筑物、构筑物附加调整系数为1.3",
             "依据1.0.14，您的工程主体设计协调费为：377.952×5% =18.8976万元",
             "依据表5.2-1，河道治理：建筑物、构筑物的招标设计占20%，其中招标设计收费为：396.8496×20%=79."
             "36992万元"}},
        CitingCase{
            "BuildingHistoricScheme",
            {"1500",
             Kind::Building,
             Grade::III,
             {KindCondition::HistoricBuilding},
             {Service::StandardDesignReuse, Service::PartialChange},
             {{Entry::HistoricCoefficient, "1.5"}, {Entry::PartialChangeRate, "0.2"}},
             "古建筑、仿古建筑、保护性建筑",
             DesignPhase::Scheme},
            {"依据附表二，建筑、市政、电信工程专业调整系数为1",
             "依据1.0.9，Ⅲ级（复杂）工程复杂程度调整系数为1.15（复杂程度见表7.3-1、表7.3-2、表7.3-3、表7.3-"
             "4）",
             "依据第7章，古建筑、仿古建筑、保护性建筑附加调整系数为1.5",
             "依据1.0.15，您采用标准设备和复用设计并做局部修改设计费为：94.96125万元×0.2=18.99225万元",
             "依据表7.2-1，古建筑、仿古建筑、保护性建筑的方案设计占30%，其中方案设计收费为：113.9535×30%=34."
             "18605万元"}}),
    [](const auto& info) { return info.param.name; });

// Chosen, but the row gives the phase no share: the separators only, as in the main window's report.
TEST(IndustryReport, ACommissionWithoutAShareWritesNoShareLine) {
    const std::vector<std::string> lines =
        reportOf({"1500", Kind::Building, Grade::II, {}, {}, {}, "住宅工程", DesignPhase::Preliminary});
    ASSERT_GE(lines.size(), 4u);
    EXPECT_TRUE(lines[lines.size() - 4].starts_with("依据1.0.3，本工程设计收费基准价"));
    EXPECT_EQ(lines[lines.size() - 3], reportStars);
    EXPECT_EQ(lines[lines.size() - 2], reportStars);
    const std::vector<std::string> without = reportOf({"1500", Kind::Building, Grade::II, {}, {}, {}});
    EXPECT_EQ(without[without.size() - 2], reportStars);
    EXPECT_TRUE(without[without.size() - 3].starts_with("依据1.0.3，本工程设计收费基准价"));
}

// The base price and the other fees are the main window's lines, for the same figures.
TEST(IndustryReport, BasePriceAndOtherFeeLinesAreTheMainReports) {
    for (const char* amount : {"100", "1500", "2000000", "2500000"}) {
        const KindProject p = Entered{
            amount,
            Kind::Smelting,
            Grade::II,
            {},
            {Service::OverallDesign, Service::ForeignDesign},
            {{Entry::ForeignDesignAmount,
              "7"}}}.project();
        const Calculation c = calculate(p);
        engine::CalculationRecord record;
        record.variables = c.variables;
        record.project = otherServicesOf(p);
        const std::vector<std::string> main = linesOf(report::buildReport(record));
        const std::vector<std::string> industry = linesOf(report::buildIndustryReport(p, c));
        // The main report's lines from its base price to its other fees' sum, less its coefficient lines.
        std::vector<std::string> fromMain;
        for (std::size_t i = 4; i < main.size() && !main[i].empty(); ++i)
            fromMain.push_back(main[i]);
        fromMain.push_back("依据1.0.13，" + main[main.size() - 9]); // 您的工程总体设计费为：…
        fromMain.push_back(main[main.size() - 7]);                  // 您的境外设计收费为：…
        fromMain.push_back(main[main.size() - 5]); // 所以本工程其他设计收费为：…
        for (const std::string& line : fromMain)
            EXPECT_NE(std::find(industry.begin(), industry.end(), line), industry.end())
                << amount << ": " << line;
        EXPECT_EQ(industry.back(), main.back());
    }
}

TEST(IndustryReport, LinesEndInCarriageReturnLineFeed) {
    const KindProject p = Entered{"1500", Kind::Ropeway, Grade::II, {}, {}, {}}.project();
    const std::string text = report::buildIndustryReport(p, calculate(p));
    EXPECT_FALSE(text.ends_with("\r\n"));
    for (std::size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', at + 1))
        ASSERT_EQ(text[at - 1], '\r');
}

} // namespace
