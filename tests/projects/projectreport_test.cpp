// The project's 计算书 as a document: its title page, the summary with its totals, a section per item with
// the report window's calculation lines, the signatures, and its text form.
#include "projects/projectreport.h"

#include "report/industryreport.h"
#include "report/report.h"
#include "support/reportlines.h"
#include "support/samplequote.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace varnel;
using projects::ItemFigures;
using test::linesOf;

namespace {

std::vector<ItemFigures> figuresOfAll(const projects::Quote& q) {
    std::vector<ItemFigures> all;
    for (const projects::Item& item : q.items) {
        auto f = projects::figuresOf(item.inputs);
        EXPECT_TRUE(std::holds_alternative<ItemFigures>(f)) << item.name;
        all.push_back(std::get<ItemFigures>(f));
    }
    return all;
}

projects::ProjectReport reportOf(const projects::Quote& q) {
    const std::vector<ItemFigures> figures = figuresOfAll(q);
    return projects::buildProjectReport(q, figures, projects::totalsOf(q, figures));
}

bool startsWith(const std::string& text, std::string_view prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

} // namespace

TEST(ProjectReport, TheTitlePageNamesTheProjectTheClientTheDesignerAndTheDate) {
    const projects::ProjectReport r = reportOf(test::sampleQuote());
    EXPECT_EQ(r.title, "项目计算书");
    const std::vector<std::pair<std::string, std::string>> expected{{"项目名称", "某某道路工程"},
                                                                    {"发包人", "某某市城市建设投资有限公司"},
                                                                    {"设计人", "某某市政设计研究院"},
                                                                    {"编制日期", "2026-12-09"}};
    ASSERT_EQ(r.fields.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(r.fields[i].label, expected[i].first);
        EXPECT_EQ(r.fields[i].value, expected[i].second);
    }
}

// The road is charged its 初步设计 share (45 % of 67.628925); the others their benchmarks. 63.58275 is a
// double a little below it and still shows as 63.5828, as in the workbook.
TEST(ProjectReport, TheSummaryHasARowPerItemWithAmountsToFourDecimals) {
    const projects::ProjectReport r = reportOf(test::sampleQuote());
    const std::vector<std::string> headers{"序号",   "名称",           "工程类型",      "复杂程度",
                                           "计费额", "设计收费基准价", "计入合计的收费"};
    ASSERT_EQ(r.summary.columns.size(), headers.size());
    for (std::size_t c = 0; c < headers.size(); ++c)
        EXPECT_EQ(r.summary.columns[c].header, headers[c]);
    const std::vector<std::vector<std::string>> rows{
        {"1", "主线道路（一标段）", "公路和城市道路工程", "Ⅱ级", "1500.0000", "67.6289", "30.4330"},
        {"2", "地下人防", "建筑、人防工程", "Ⅱ级", "1500.0000", "63.5828", "63.5828"},
        {"3", "沿线绿化", "园林绿化工程", "Ⅲ级", "300.0000", "39.3237", "39.3237"},
    };
    EXPECT_EQ(r.summary.rows, rows);
    // The sums of the rows as stated: 30.4330 + 63.5828 + 39.3237 (unrounded, 133.3394496…), and the
    // benchmarks' 67.6289 + 63.5828 + 39.3237.
    EXPECT_EQ(r.summary.totalRow, (std::vector<std::string>{"合计", "", "", "", "", "170.5354", "133.3395"}));
    EXPECT_EQ(r.summary.unitNote, "金额单位：万元，保留四位小数（至元），合计为各行金额之和");
}

TEST(ProjectReport, TheTotalsLinesGiveTheFloatAndTheContractAmount) {
    struct Case {
        const char* what;
        double floatPercent;
        std::optional<double> contract;
        bool noItems;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"by the float",
         -5,
         {},
         false,
         {"浮动幅度值：-5%", "合同额：126.6725（合计 ×（1 + 浮动幅度值））",
          "合同额含增值税（税率 6%）：不含税金额 119.5024，税额 7.1701，含税金额 126.6725"}},
        {"no float",
         0,
         {},
         false,
         {"浮动幅度值：0%", "合同额：133.3395（合计 ×（1 + 浮动幅度值））",
          "合同额含增值税（税率 6%）：不含税金额 125.7920，税额 7.5475，含税金额 133.3395"}},
        // 120 ÷ 133.3395 − 1 = −10.0042…%
        {"a typed amount within the range",
         0,
         120,
         false,
         {"合同额：120.0000（直接输入）", "合同额相当于浮动幅度值：-10.00%",
          "合同额含增值税（税率 6%）：不含税金额 113.2075，税额 6.7925，含税金额 120.0000"}},
        {"a typed amount beyond it",
         -5,
         200,
         false,
         {"合同额：200.0000（直接输入）", "合同额相当于浮动幅度值：+49.99%",
          "注：这一浮动幅度值超出了《工程勘察设计收费管理规定》第六条允许的 -20% 到 +20% 的范围。",
          "合同额含增值税（税率 6%）：不含税金额 188.6792，税额 11.3208，含税金额 200.0000"}},
        {"a typed amount without a total",
         0,
         50,
         true,
         {"合同额：50.0000（直接输入）", "合同额相当于浮动幅度值：无法算出（合计为零）",
          "合同额含增值税（税率 6%）：不含税金额 47.1698，税额 2.8302，含税金额 50.0000"}},
    };
    for (const Case& c : cases) {
        projects::Quote q = test::sampleQuote();
        q.floatPercent = c.floatPercent;
        q.contractAmount = c.contract;
        if (c.noItems)
            q.items.clear();
        EXPECT_EQ(reportOf(q).summary.totalsLines, c.lines) << c.what;
    }
}

// Each amount in the table is its figure stated to the 元 and each total the sum of the amounts above it:
// three fees of 1.00004 show as 1.0000 each and come to 3.0000, as the rows add up.
TEST(ProjectReport, TotalsAreTheSumsOfTheStatedRows) {
    projects::Quote q = test::sampleQuote();
    q.floatPercent = 0;
    std::vector<ItemFigures> figures = figuresOfAll(q);
    for (ItemFigures& f : figures) {
        f.variables().basicFee = 1;
        f.variables().otherFee = 0.00004;
        f.variables().benchmarkFee = 1.00004;
        f.phase.reset();
    }
    const projects::Totals totals = projects::totalsOf(q, figures);
    const projects::ProjectReport r = projects::buildProjectReport(q, figures, totals);
    for (const auto& row : r.summary.rows) {
        EXPECT_EQ(row[5], "1.0000");
        EXPECT_EQ(row[6], "1.0000");
    }
    EXPECT_EQ(r.summary.totalRow[5], "3.0000");
    EXPECT_EQ(r.summary.totalRow[6], "3.0000");
    EXPECT_EQ(r.summary.totalsLines.at(1), "合同额：3.0000（合计 ×（1 + 浮动幅度值））");
}

// With new technology the float may reach +25 %, by 第七条; the VAT may be added to a contract amount
// taken without it.
TEST(ProjectReport, NewTechnologyAndTheVatAreSaid) {
    projects::Quote q = test::sampleQuote();
    q.newTechnology = true;
    q.floatPercent = 25;
    q.taxRate = 3;
    q.taxIncluded = false;
    EXPECT_EQ(reportOf(q).summary.totalsLines,
              (std::vector<std::string>{
                  "浮动幅度值：25%", "合同额：166.6744（合计 ×（1 + 浮动幅度值））",
                  "本项目采用新技术，按《工程勘察设计收费管理规定》第七条，浮动幅度值可达 +25%。",
                  "合同额不含增值税（税率 3%）：不含税金额 166.6744，税额 5.0002，含税金额 171.6746"}));
    q.contractAmount = 170;
    EXPECT_EQ(reportOf(q).summary.totalsLines.at(2), "注：这一浮动幅度值超出了《工程勘察设计收费管理规定》第"
                                                     "七条（采用新技术）允许的 -20% 到 +25% 的范围。");
}

TEST(ProjectReport, EachSectionSaysWhatWasChosen) {
    const projects::ProjectReport r = reportOf(test::sampleQuote());
    const std::vector<std::pair<std::string, std::vector<std::string>>> expected{
        {"1. 主线道路（一标段）",
         {"工程类型：公路和城市道路工程", "复杂程度：Ⅱ级",
          "附加调整条件：改扩建和技术改造建设项目（系数 1.2）；城市道路通过地下管网密集区的工程",
          "其他设计收费：总体设计费", "单独委托设计：初步设计"}},
        {"2. 地下人防",
         {"工程类型：建筑、人防工程", "复杂程度：Ⅱ级", "附加调整条件：人防工程", "其他设计收费：总体设计费",
          "单独委托设计：无"}},
        {"3. 沿线绿化",
         {"工程类型：园林绿化工程", "复杂程度：Ⅲ级", "附加调整条件：无",
          "其他设计收费：自有专利技术收费（3万元）；非标准设备设计费（100万元，费率 "
          "0.15）；采用标准设计和复用"
          "设计；对原设计进行局部调整（费率 0.3）",
          "单独委托设计：无"}},
    };
    EXPECT_EQ(r.sectionsHeading, "二、各单项工程的计算");
    ASSERT_EQ(r.sections.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(r.sections[i].heading, expected[i].first);
        EXPECT_EQ(r.sections[i].chosen, expected[i].second) << expected[i].first;
    }
}

// What the conditions and services dropped by the calculation would add is not shown: a condition of
// another type, a typed number of a service not ticked, a phase without a share.
TEST(ProjectReport, TheChosenInputsAreThoseTheCalculationRead) {
    projects::Quote q = test::sampleQuote();
    q.items.resize(2);
    engine::Project& building = *q.items[1].mainInputs();
    // 高速公路 is a road's condition; 自有专利技术收费 is not ticked.
    building.conditions = {engine::Condition::AcousticDecoration, engine::Condition::Expressway};
    building.text(engine::Entry::OwnPatentsAmount) = "7";
    const projects::ProjectReport r = reportOf(q);
    EXPECT_EQ(r.sections[1].chosen,
              (std::vector<std::string>{"工程类型：建筑、人防工程", "复杂程度：Ⅱ级",
                                        "附加调整条件：特殊声学装修工程", "其他设计收费：总体设计费",
                                        "单独委托设计：无"}));
}

// The lines between the first figure and the benchmark are the report window's, unchanged; the road is
// charged its phase's share, so its section also has the phase's line. No greeting, no thanks.
TEST(ProjectReport, EachSectionHasTheReportWindowsCalculationLines) {
    const projects::Quote q = test::sampleQuote();
    const std::vector<ItemFigures> figures = figuresOfAll(q);
    const projects::ProjectReport r =
        projects::buildProjectReport(q, figures, projects::totalsOf(q, figures));
    const std::vector<std::string> phaseLines{"其中初步设计收费为：30.43301625万元", "", ""};
    ASSERT_EQ(r.sections.size(), figures.size());
    for (std::size_t i = 0; i < figures.size(); ++i) {
        const std::vector<std::string> window = linesOf(report::buildReport(*figures[i].mainRecord()));
        const auto first = std::find_if(window.begin(), window.end(), [](const std::string& l) {
            return startsWith(l, "本工程设计收费计费额为:  ");
        });
        const auto benchmark = std::find_if(window.begin(), window.end(), [](const std::string& l) {
            return startsWith(l, "所以本工程设计收费基准价=基本设计收费+其他设计收费=");
        });
        ASSERT_NE(first, window.end());
        ASSERT_NE(benchmark, window.end());
        std::vector<std::string> expected(first, benchmark + 1);
        if (!phaseLines[i].empty())
            expected.push_back(phaseLines[i]);
        EXPECT_EQ(r.sections[i].calculation, expected) << r.sections[i].heading;
        for (const std::string& line : r.sections[i].calculation) {
            EXPECT_EQ(line.find("欢迎使用"), std::string::npos);
            EXPECT_EQ(line.find("谢谢使用"), std::string::npos);
        }
    }
    EXPECT_EQ(r.sections[0].calculation.front(), "本工程设计收费计费额为:  1500万元");
}

// The works of kinds of engineering stand in the summary with their kind where the type is, charged their
// phase's share where one is commissioned (48.392253, 176.736, 2.829888) or their benchmark.
TEST(ProjectReport, TheSummaryHasTheWorksOfKindsOfEngineeringToo) {
    const projects::ProjectReport r = reportOf(test::mixedQuote());
    const std::vector<std::vector<std::string>> rows{
        {"1", "主线道路（一标段）", "公路和城市道路工程", "Ⅱ级", "1500.0000", "67.6289", "30.4330"},
        {"2", "地下人防", "建筑、人防工程", "Ⅱ级", "1500.0000", "63.5828", "63.5828"},
        {"3", "沿线绿化", "园林绿化工程", "Ⅲ级", "300.0000", "39.3237", "39.3237"},
        {"4", "选煤厂", "选煤及其他煤炭工程", "Ⅲ级", "1500.0000", "138.2636", "48.3923"},
        {"5", "乙烯装置", "石油、化工、石化、化纤、医药工程", "Ⅱ级", "8000.0000", "353.4720", "176.7360"},
        {"6", "引水干渠", "风力发电、其他水利工程", "Ⅰ级", "600.0000", "14.1494", "2.8299"},
        {"7", "一级公路", "公路、城市道路工程", "Ⅰ级", "2500.0000", "132.9134", "132.9134"},
    };
    EXPECT_EQ(r.summary.rows, rows);
    // The rows' sums: 170.5354 + 138.2636 + 353.4720 + 14.1494 + 132.9134, and 133.3395 + 48.3923 +
    // 176.7360 + 2.8299 + 132.9134 (the unrounded fees would come to 494.2110).
    EXPECT_EQ(r.summary.totalRow, (std::vector<std::string>{"合计", "", "", "", "", "809.3338", "494.2111"}));
}

// What was chosen for a work of a kind of engineering: the kind with its group and coefficient (附表二),
// the grade with 1.0.9's word for it, the conditions that apply, the services, and the phase with the row
// and table of its share.
TEST(ProjectReport, ASectionOfAWorkOfAKindSaysWhatWasChosen) {
    const projects::ProjectReport r = reportOf(test::mixedQuote());
    const std::vector<std::pair<std::string, std::vector<std::string>>> expected{
        {"4. 选煤厂",
         {"工程类型：选煤及其他煤炭工程（矿山采选工程，专业调整系数 1.3）", "复杂程度：Ⅲ级（复杂）",
          "附加调整条件：改扩建和技术改造建设项目（系数 1.2）；Ⅲ级选煤厂、水煤浆制备及燃烧应用工程",
          "其他设计收费：总体设计费",
          "单独委托设计：黑色冶金坑内采矿，煤炭矿山采选，水煤浆，煤层气抽放的初步设计（表2.2-1）"}},
        {"5. 乙烯装置",
         {"工程类型：石油、化工、石化、化纤、医药工程（石油化工工程，专业调整系数 1.2）",
          "复杂程度：Ⅱ级（较复杂）", "附加调整条件：增加管段图设计",
          "其他设计收费：非标准设备设计费（200万元，费率 0.12）",
          "单独委托设计：一般石油化工的基础设计（表4.2-1）"}},
        {"6. 引水干渠",
         {"工程类型：风力发电、其他水利工程（水利电力工程，专业调整系数 0.8）", "复杂程度：Ⅰ级（一般）",
          "附加调整条件：引调水渠道或管线、河道堤防工程", "其他设计收费：无",
          "单独委托设计：引调水：渠道、管线的招标设计（表5.2-1）"}},
        {"7. 一级公路",
         {"工程类型：公路、城市道路工程（交通运输工程，专业调整系数 0.9）", "复杂程度：Ⅰ级（一般）",
          "附加调整条件：公路工程Ⅰ级（自动计入）", "其他设计收费：主体设计协调费", "单独委托设计：无"}},
    };
    ASSERT_EQ(r.sections.size(), 7u);
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(r.sections[3 + i].heading, expected[i].first);
        EXPECT_EQ(r.sections[3 + i].chosen, expected[i].second) << expected[i].first;
    }
}

// What its window could leave behind and its calculation does not read is not shown: a condition of
// another grade, a coefficient typed for a condition not ticked, a phase its row gives no share.
TEST(ProjectReport, TheChosenInputsOfAWorkOfAKindAreThoseItsCalculationRead) {
    projects::Quote q = test::mixedQuote();
    engine::industry::Project& road = *q.items[6].industryInputs();
    road.conditions.insert(engine::industry::Adjustment::Expressway);
    road.text(engine::Entry::RenovationCoefficient) = "1.3";
    road.commission = test::commissionOf(engine::industry::Kind::Road, engine::Grade::I, "公路",
                                         engine::industry::Phase::Scheme);
    EXPECT_EQ(reportOf(q).sections[6].chosen, reportOf(test::mixedQuote()).sections[6].chosen);
}

// The calculation lines of a work of a kind are its own report's, from the fee base to the benchmark, with
// the phase's line where its share is charged; the kind's line stands among what was chosen.
TEST(ProjectReport, ASectionOfAWorkOfAKindHasItsReportsCalculationLines) {
    const projects::Quote q = test::mixedQuote();
    const std::vector<ItemFigures> figures = figuresOfAll(q);
    const projects::ProjectReport r =
        projects::buildProjectReport(q, figures, projects::totalsOf(q, figures));
    struct Case {
        std::size_t item;
        const char* benchmark;
        const char* phase; // none where the benchmark is charged
    };
    const Case cases[] = {
        {3,
         "依据1.0.3，本工程设计收费基准价=基本设计收费+其他设计收费=131.6796万元+6.58398万元=138.26358万元",
         "依据表2.2-1，黑色冶金坑内采矿，煤炭矿山采选，水煤浆，煤层气抽放的初步设计占35%"
         "，其中初步设计收费为："
         "138.26358×35%=48.392253万元"},
        {4, "依据1.0.3，本工程设计收费基准价=基本设计收费+其他设计收费=329.472万元+24万元=353.472万元",
         "依据表4.2-1，一般石油化工的基础设计占50%，其中基础设计收费为：353.472×50%=176.736万元"},
        {5, "依据1.0.3，本工程设计收费基准价=基本设计收费+其他设计收费=14.14944万元+0万元=14.14944万元",
         "依据表5.2-1，引调水：渠道、管线的招标设计占20%，其中招标设计收费为：14.14944×20%=2.829888万元"},
        {6,
         "依据1.0.3，本工程设计收费基准价=基本设计收费+其他设计收费=126.5841675万元+6.329208375万元="
         "132.913375875万元",
         nullptr},
    };
    for (const Case& c : cases) {
        const projects::ReportSection& section = r.sections[c.item];
        const engine::industry::Project& inputs = *q.items[c.item].industryInputs();
        const std::vector<std::string> own =
            linesOf(report::buildIndustryReport(inputs, *figures[c.item].industryCalculation()));
        const auto first = std::find_if(own.begin(), own.end(), [](const std::string& l) {
            return startsWith(l, "本工程设计收费计费额为:  ");
        });
        const auto benchmark = std::find(own.begin(), own.end(), c.benchmark);
        ASSERT_NE(first, own.end()) << section.heading;
        ASSERT_NE(benchmark, own.end()) << section.heading;
        std::vector<std::string> expected(first, benchmark + 1);
        if (c.phase)
            expected.push_back(c.phase);
        EXPECT_EQ(section.calculation, expected) << section.heading;
        for (const std::string& line : section.calculation) {
            EXPECT_EQ(line.find("欢迎使用"), std::string::npos) << section.heading;
            EXPECT_EQ(line.find("谢谢使用"), std::string::npos) << section.heading;
            EXPECT_FALSE(startsWith(line, "本工程为")) << section.heading;
        }
    }
    EXPECT_EQ(r.sections[3].calculation.front(), "本工程设计收费计费额为:  1500万元");
    EXPECT_EQ(r.sections[3].calculation.at(1), "依据附表一和1.0.7，经查《工程设计收费基价表》并内插得");
}

TEST(ProjectReport, ItEndsWithLinesToSign) {
    const projects::ProjectReport r = reportOf(test::sampleQuote());
    const std::vector<std::string> roles{"编制：", "校核：", "审核："};
    ASSERT_EQ(r.signatures.size(), roles.size());
    for (std::size_t i = 0; i < roles.size(); ++i) {
        EXPECT_TRUE(startsWith(r.signatures[i], roles[i])) << r.signatures[i];
        EXPECT_EQ(r.signatures[i].substr(roles[i].size()), std::string(20, '_')) << "room to sign";
    }
}

TEST(ProjectReportText, HasEveryTextOfTheReportInOrderWithCrLfLineEnds) {
    for (const projects::Quote& quote : {test::sampleQuote(), test::mixedQuote()}) {
        const projects::ProjectReport r = reportOf(quote);
        const std::string text = projects::projectReportText(r);
        EXPECT_EQ(linesOf(text, "\n").size(), linesOf(text, "\r\n").size()) << "a line end without CR";
        EXPECT_NE(text.back(), '\n');

        std::vector<std::string> expected{r.title};
        for (const auto& f : r.fields)
            expected.push_back(f.label + "：" + f.value);
        expected.push_back(r.summary.heading);
        for (const auto& row : r.summary.rows)
            expected.insert(expected.end(), row.begin(), row.end());
        expected.insert(expected.end(), r.summary.totalsLines.begin(), r.summary.totalsLines.end());
        expected.push_back(r.summary.unitNote);
        expected.push_back(r.sectionsHeading);
        for (const auto& s : r.sections) {
            expected.push_back(s.heading);
            expected.insert(expected.end(), s.chosen.begin(), s.chosen.end());
            expected.insert(expected.end(), s.calculation.begin(), s.calculation.end());
        }
        expected.insert(expected.end(), r.signatures.begin(), r.signatures.end());
        std::size_t at = 0;
        for (const std::string& piece : expected) {
            const std::size_t found = text.find(piece, at);
            ASSERT_NE(found, std::string::npos) << "missing or out of order: " << piece;
            at = found + piece.size();
        }
    }
}

// In a fixed-pitch CJK font the table's columns line up: the amounts end where their headers end.
TEST(ProjectReportText, TheSummaryIsATableOfAlignedLines) {
    projects::Quote q = test::sampleQuote();
    q.items[1].name = "Underground 人防 B2"; // Latin and CJK mixed
    const projects::ProjectReport r = reportOf(q);
    const std::vector<std::string> lines = projects::summaryLines(r.summary);
    ASSERT_GE(lines.size(), 2 + r.summary.rows.size() + 1);
    const std::size_t width = projects::displayWidth(lines[1]);
    for (std::size_t i = 1; i < 2 + r.summary.rows.size() + 1; ++i)
        EXPECT_EQ(projects::displayWidth(lines[i]), width) << lines[i];
    // Where each item's name starts, under its header.
    const std::size_t nameColumn = projects::displayWidth(lines[1].substr(0, lines[1].find("名称")));
    for (std::size_t i = 0; i < r.summary.rows.size(); ++i) {
        const std::string& line = lines[2 + i];
        EXPECT_EQ(projects::displayWidth(line.substr(0, line.find(r.summary.rows[i][1]))), nameColumn)
            << line;
    }
}

TEST(ProjectReportText, DisplayWidthCountsWideCharactersTwice) {
    const std::pair<std::string_view, std::size_t> cases[] = {{"", 0},    {"abc", 3},   {"工程", 4},
                                                              {"Ⅱ级", 4}, {"（1）", 5}, {"1500.0000", 9}};
    for (const auto& [text, width] : cases)
        EXPECT_EQ(projects::displayWidth(text), width) << text;
}
