// The project's 计算书 as a document: its head and basis, the summary with its totals in figures and in
// words, a section per item whose steps cite the standard, the lines to sign, and its text form.
#include "projects/projectreport.h"

#include "support/reportlines.h"
#include "support/samplequote.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>

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

} // namespace

TEST(ProjectReport, TheHeadNamesTheProjectItsPartiesTheDateAndTheBasis) {
    const projects::ProjectReport r = reportOf(test::sampleQuote());
    EXPECT_EQ(r.title, "工程设计收费计算书");
    EXPECT_EQ(r.runningHeader, "某某道路工程 工程设计收费计算书");
    const std::vector<std::pair<std::string, std::string>> expected{{"项目名称", "某某道路工程"},
                                                                    {"发包人", "某某市城市建设投资有限公司"},
                                                                    {"设计人", "某某市政设计研究院"},
                                                                    {"编制日期", "2026-12-09"}};
    ASSERT_EQ(r.fields.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(r.fields[i].label, expected[i].first);
        EXPECT_EQ(r.fields[i].value, expected[i].second);
    }
    EXPECT_EQ(r.basis,
              (std::vector<std::string>{"编制依据：", "1. 《工程勘察设计收费管理规定》（计价格[2002]10号）",
                                        "2. 《工程设计收费标准》（2002年修订本）"}));
    projects::Quote unnamed = test::sampleQuote();
    unnamed.name.clear();
    EXPECT_EQ(reportOf(unnamed).runningHeader, "工程设计收费计算书");
}

// The road is charged its 初步设计 share (45 % of 67.628925); the others their benchmarks. 63.58275 is a
// double a little below it and still shows as 63.5828, as in the workbook.
TEST(ProjectReport, TheSummaryHasARowPerItemWithAmountsToFourDecimals) {
    const projects::ProjectReport r = reportOf(test::sampleQuote());
    const std::vector<std::string> headers{"序号",         "名称",          "工程类型",     "复杂程度",
                                           "计费额",       "基本设计收费",  "其他设计收费", "设计收费基准价",
                                           "单独委托设计", "计入合计的收费"};
    ASSERT_EQ(r.summary.columns.size(), headers.size());
    for (std::size_t c = 0; c < headers.size(); ++c)
        EXPECT_EQ(r.summary.columns[c].header, headers[c]);
    const std::vector<std::vector<std::string>> rows{
        {"1", "主线道路（一标段）", "公路和城市道路工程", "Ⅱ级", "1500.0000", "64.4085", "3.2204", "67.6289",
         "初步设计 45%", "30.4330"},
        {"2", "地下人防", "建筑、人防工程", "Ⅱ级", "1500.0000", "60.5550", "3.0278", "63.5828", "",
         "63.5828"},
        {"3", "沿线绿化", "园林绿化工程", "Ⅲ级", "300.0000", "16.4028", "22.9208", "39.3237", "", "39.3237"},
    };
    EXPECT_EQ(r.summary.rows, rows);
    // The sums of the rows as stated: 30.4330 + 63.5828 + 39.3237 (unrounded, 133.3394496…), and so on.
    EXPECT_EQ(r.summary.totalRow, (std::vector<std::string>{"合计", "", "", "", "", "141.3663", "29.1690",
                                                            "170.5354", "", "133.3395"}));
    EXPECT_EQ(r.summary.unitNote,
              "金额单位：万元，保留四位小数（至元），合计为各行金额之和；各项金额均由计算结果"
              "分别四舍五入，单项计算中的加总可能有 1 元以内的尾差");
}

TEST(ProjectReport, TheTotalsLinesGiveTheTotalTheFloatAndTheContractAmountInFiguresAndInWords) {
    struct Case {
        const char* what;
        double floatPercent;
        std::optional<double> contract;
        bool noItems;
        std::vector<std::string> lines;
    };
    const std::string total = "合计：133.3395 万元（大写：人民币壹佰叁拾叁万叁仟叁佰玖拾伍元整）";
    const std::string allowed = "（依据《工程勘察设计收费管理规定》第六条，允许 -20% 到 +20%）";
    const Case cases[] = {
        {"by the float",
         -5,
         {},
         false,
         {total, "浮动幅度值：-5%" + allowed,
          "工程设计收费合同额（1.0.3） = 合计 ×（1 + 浮动幅度值）= 133.3395 ×（1 - 5%）= 126.6725 万元",
          "合同额大写：人民币壹佰贰拾陆万陆仟柒佰贰拾伍元整",
          "合同额含增值税（税率 6%）：不含税金额 119.5024 万元，税额 7.1701 万元，含税金额 126.6725 万元"}},
        {"no float",
         0,
         {},
         false,
         {total, "浮动幅度值：0%" + allowed,
          "工程设计收费合同额（1.0.3） = 合计 ×（1 + 浮动幅度值）= 133.3395 ×（1 + 0%）= 133.3395 万元",
          "合同额大写：人民币壹佰叁拾叁万叁仟叁佰玖拾伍元整",
          "合同额含增值税（税率 6%）：不含税金额 125.7920 万元，税额 7.5475 万元，含税金额 133.3395 万元"}},
        // 120 ÷ 133.3395 − 1 = −10.0042…%
        {"a typed amount within the range",
         0,
         120,
         false,
         {total, "工程设计收费合同额（双方商定）：120.0000 万元", "相当于浮动幅度值：-10.00%" + allowed,
          "合同额大写：人民币壹佰贰拾万元整",
          "合同额含增值税（税率 6%）：不含税金额 113.2075 万元，税额 6.7925 万元，含税金额 120.0000 万元"}},
        {"a typed amount beyond it",
         -5,
         200,
         false,
         {total, "工程设计收费合同额（双方商定）：200.0000 万元", "相当于浮动幅度值：+49.99%",
          "注：这一浮动幅度值超出了《工程勘察设计收费管理规定》第六条允许的 -20% 到 +20% 的范围。",
          "合同额大写：人民币贰佰万元整",
          "合同额含增值税（税率 6%）：不含税金额 188.6792 万元，税额 11.3208 万元，含税金额 200.0000 万元"}},
        {"a typed amount without a total",
         0,
         50,
         true,
         {"合计：0.0000 万元（大写：人民币零元整）", "工程设计收费合同额（双方商定）：50.0000 万元",
          "相当于浮动幅度值：无法算出（合计为零）", "合同额大写：人民币伍拾万元整",
          "合同额含增值税（税率 6%）：不含税金额 47.1698 万元，税额 2.8302 万元，含税金额 50.0000 万元"}},
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
    using Column = projects::SummaryColumnIndex;
    for (Column c : {Column::BenchmarkFee, Column::ChargedFee}) {
        for (const auto& row : r.summary.rows)
            EXPECT_EQ(row[static_cast<std::size_t>(c)], "1.0000");
        EXPECT_EQ(r.summary.totalRow[static_cast<std::size_t>(c)], "3.0000");
    }
    EXPECT_EQ(r.summary.totalsLines.at(2),
              "工程设计收费合同额（1.0.3） = 合计 ×（1 + 浮动幅度值）= 3.0000 ×（1 + 0%）= 3.0000 万元");
}

// With new technology the float may reach +25 %, by 第七条; the VAT may be added to a contract amount
// taken without it.
TEST(ProjectReport, NewTechnologyAndTheVatAreSaid) {
    projects::Quote q = test::sampleQuote();
    q.newTechnology = true;
    q.floatPercent = 25;
    q.taxRate = 3;
    q.taxIncluded = false;
    const std::vector<std::string> lines = reportOf(q).summary.totalsLines;
    EXPECT_EQ(lines.at(1),
              "浮动幅度值：25%（依据《工程勘察设计收费管理规定》第七条（采用新技术），允许 -20% 到 +25%）");
    EXPECT_EQ(lines.at(2),
              "工程设计收费合同额（1.0.3） = 合计 ×（1 + 浮动幅度值）= 133.3395 ×（1 + 25%）= 166.6744 万元");
    EXPECT_EQ(
        lines.back(),
        "合同额不含增值税（税率 3%）：不含税金额 166.6744 万元，税额 5.0002 万元，含税金额 171.6746 万元");
    q.contractAmount = 170;
    EXPECT_EQ(reportOf(q).summary.totalsLines.at(3), "注：这一浮动幅度值超出了《工程勘察设计收费管理规定》第"
                                                     "七条（采用新技术）允许的 -20% 到 +25% 的范围。");
    // Within ±20 % the float rests on 第六条, new technology or not.
    q.contractAmount.reset();
    q.floatPercent = -10;
    EXPECT_EQ(reportOf(q).summary.totalsLines.at(1),
              "浮动幅度值：-10%（依据《工程勘察设计收费管理规定》第六条，允许 -20% 到 +20%）");
}

// The sections of the sample quotes, as a client reads them: every step of the main window's items and of
// the works of kinds of engineering, each citing its clause or table. The text is kept beside this test;
// a change to any line of any section shows here.
TEST(ProjectReport, TheSectionsReadAsTheKeptText) {
    projects::Quote q = test::mixedQuote();
    for (projects::Item& item : test::edgeItems())
        q.items.push_back(std::move(item));
    std::string text;
    for (const projects::ReportSection& section : reportOf(q).sections)
        for (const std::string& line : projects::sectionLines(section))
            text += line + "\n";
    const std::string kept = test::fileText(VARNEL_TEST_DATA "/projects/sections.txt");
    if (text != kept) {
        std::ofstream(VARNEL_TEST_OUTPUT "/sections.txt", std::ios::binary) << text;
        ADD_FAILURE()
            << "the sections differ from tests/projects/sections.txt; as written now: " VARNEL_TEST_OUTPUT
               "/sections.txt";
    }
}

// A section speaks to the client in the standard's terms: no greeting, no "您", no rows of stars, and no
// step for a fee that comes to nothing.
TEST(ProjectReport, SectionsHaveNoGreetingNoStarsAndNoZeroTerms) {
    projects::Quote q = test::mixedQuote();
    engine::Project& landscape = *q.items[2].mainInputs();
    landscape.text(engine::Entry::OwnPatentsAmount) = "0";
    const projects::ProjectReport r = reportOf(q);
    for (const projects::ReportSection& section : r.sections) {
        for (const std::string& line : section.lines) {
            for (std::string_view unwanted : {"您", "欢迎", "谢谢", "*", "自有专利技术收费"})
                EXPECT_EQ(line.find(unwanted), std::string::npos) << line;
            EXPECT_EQ(line.find(" + 0.0000"), std::string::npos) << line;
        }
    }
    // A work without other fees states its benchmark as its basic fee.
    const std::vector<std::string>& channel = r.sections[5].lines;
    EXPECT_NE(std::find(channel.begin(), channel.end(),
                        "（7）工程设计收费基准价（1.0.3） = 基本设计收费 = 14.1494 万元（无其他设计收费）"),
              channel.end());
}

// What the conditions and services dropped by the calculation would add is not shown: a condition of
// another type, a typed number of a service not ticked; for a kind, a condition of another grade, a
// coefficient typed for a condition not ticked, a phase its row gives no share.
TEST(ProjectReport, TheStepsAreThoseTheCalculationTook) {
    projects::Quote q = test::mixedQuote();
    engine::Project& building = *q.items[1].mainInputs();
    building.conditions = {engine::Condition::CivilDefence, engine::Condition::Expressway};
    building.text(engine::Entry::OwnPatentsAmount) = "7";
    engine::industry::KindProject& road = *q.items[6].industryInputs();
    road.conditions.insert(engine::industry::KindCondition::Expressway);
    road.text(engine::Entry::RenovationCoefficient) = "1.3";
    road.commission = test::commissionOf(engine::industry::Kind::Road, engine::Grade::I, "公路",
                                         engine::DesignPhase::Scheme);
    const projects::ProjectReport changed = reportOf(q);
    const projects::ProjectReport original = reportOf(test::mixedQuote());
    for (std::size_t i : {1u, 6u})
        EXPECT_EQ(changed.sections[i].lines, original.sections[i].lines) << changed.sections[i].heading;
}

TEST(ProjectReport, ItEndsWithLinesToSignAndDateAndTheClientsConfirmation) {
    const projects::ProjectReport r = reportOf(test::sampleQuote());
    const std::string date = "日期：______年____月____日";
    const std::string room(20, '_');
    EXPECT_EQ(r.signatures,
              (std::vector<std::string>{"编制：" + room + "    " + date, "校核：" + room + "    " + date,
                                        "审核：" + room + "    " + date,
                                        "发包人确认：" + room + "（盖章）    " + date}));
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
        expected.insert(expected.end(), r.basis.begin(), r.basis.end());
        expected.push_back(r.summary.heading);
        for (const auto& row : r.summary.rows)
            expected.insert(expected.end(), row.begin(), row.end());
        expected.insert(expected.end(), r.summary.totalsLines.begin(), r.summary.totalsLines.end());
        expected.push_back(r.summary.unitNote);
        expected.push_back(r.sectionsHeading);
        for (const auto& s : r.sections) {
            expected.push_back(s.heading);
            expected.insert(expected.end(), s.lines.begin(), s.lines.end());
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

// Each part of the text stands apart from the one before by a blank line: the basis, the summary, the
// sections' heading, each section, and each line to sign.
TEST(ProjectReportText, ItsPartsAreSeparatedByBlankLines) {
    const projects::ProjectReport r = reportOf(test::sampleQuote());
    const std::vector<std::string> lines = linesOf(projects::projectReportText(r));
    std::vector<std::string> starts{r.basis.front(), r.summary.heading, r.sectionsHeading};
    for (const projects::ReportSection& s : r.sections)
        starts.push_back(s.heading);
    starts.insert(starts.end(), r.signatures.begin(), r.signatures.end());
    for (const std::string& start : starts) {
        const auto at = std::find(lines.begin(), lines.end(), start);
        ASSERT_NE(at, lines.end()) << start;
        ASSERT_NE(at, lines.begin()) << start;
        EXPECT_EQ(*(at - 1), "") << "no blank line before " << start;
    }
    // The lines to sign stand two blank lines below the last section, room to sign above the first.
    const auto signing = std::find(lines.begin(), lines.end(), r.signatures.front());
    EXPECT_EQ(*(signing - 2), "");
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
