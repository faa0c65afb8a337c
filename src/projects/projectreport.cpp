#include "projects/projectreport.h"

#include "projects/textwidth.h"

#include "engine/baseprice.h"
#include "engine/industry.h"
#include "engine/numbers.h"
#include "projects/money.h"
#include "report/applied.h"

#include <algorithm>
#include <initializer_list>

namespace varnel::projects {

namespace {

using report::AppliedCalculation;
using report::AppliedFee;
using report::FeeCharge;

// The room left for a signature and for a date after their labels.
constexpr std::string_view signatureRoom = "____________________";
constexpr std::string_view dateRoom = "______年____月____日";

// An amount in 万元 as the 计算书 states it: to the 元, four decimals.
std::string money(const engine::Variable& tenThousandYuan) {
    return amountText(quotedAmount(engine::numeric(tenThousandYuan)));
}

// A coefficient or a typed rate as the standard and the user give it: 0.9, 1.15, 0.12.
std::string coefficient(const engine::Variable& value) {
    return engine::joinedText(engine::numeric(value));
}

// A share of the basic fee in percent: 0.05 as "5%".
std::string percentOf(const engine::Variable& fraction) {
    return engine::joinedText(engine::numeric(fraction) * 100) + "%";
}

// "（附表一，1.0.7）": the clauses a step cites, in full-width brackets.
std::string cited(std::initializer_list<std::string_view> clauses) {
    std::string text;
    for (std::string_view c : clauses) {
        if (c.empty())
            continue;
        text += text.empty() ? "（" : "，";
        text += c;
    }
    return text.empty() ? text : text + "）";
}

std::string joined(const std::vector<std::string_view>& parts, std::string_view between) {
    std::string text;
    for (std::string_view p : parts)
        text += (text.empty() ? "" : std::string(between)) + std::string(p);
    return text;
}

// An other design fee as its line names it: the standard's name, with 费 where the name is of the work.
std::string feeName(engine::Service service) {
    const std::string_view name = engine::otherFee(service).name;
    return name.ends_with("费") ? std::string(name) : std::string(name) + "费";
}

// The step of 附表一 and 1.0.7: the rows the amount lies between and the straight line through them, the
// line through the first two rows continued below the table, or the flat share above it.
std::vector<std::string> basePriceSteps(const report::AppliedBasePrice& b) {
    const std::string head = "工程设计收费基价";
    switch (b.reading) {
    case report::BasePriceReading::AboveTable:
        return {head + cited({"附表一"}) + "：计费额超过附表一的最大计费额 " +
                    engine::joinedText(engine::flatRateFrom) + " 万元，按计费额的 " +
                    engine::joinedText(engine::flatRate * 100) + "% 计算：",
                "    收费基价 = " + money(b.feeBase) + " × " + engine::joinedText(engine::flatRate * 100) +
                    "% = " + money(b.basePrice) + " 万元"};
    case report::BasePriceReading::BelowTable: {
        // The line through the table's first two rows, continued below the first.
        const engine::BasePriceRow& first = engine::basePriceTable[0];
        const engine::BasePriceRow& second = engine::basePriceTable[1];
        const auto figure = [](double value) { return money(value); };
        return {head + cited({"附表一", "1.0.7"}) + "：计费额低于附表一的最小计费额 " + figure(first.amount) +
                    " 万元，超出附表一的范围，按附表一前两档（" + figure(first.amount) + " 万元，收费基价 " +
                    figure(first.price) + " 万元；" + figure(second.amount) + " 万元，收费基价 " +
                    figure(second.price) + " 万元）的直线外推：",
                "    收费基价 = " + figure(first.price) + " - (" + figure(second.price) + " - " +
                    figure(first.price) + ") × (" + figure(first.amount) + " - " + money(b.feeBase) +
                    ") ÷ (" + figure(second.amount) + " - " + figure(first.amount) +
                    ") = " + money(b.basePrice) + " 万元"};
    }
    case report::BasePriceReading::Interpolated:
        break;
    }
    if (engine::numeric(b.feeBase) == engine::numeric(b.lowAmount))
        return {head + cited({"附表一"}) + "：计费额为附表一中的一档，收费基价 " + money(b.basePrice) +
                " 万元"};
    return {head + cited({"附表一", "1.0.7"}) + "：计费额介于附表一的 " + money(b.lowAmount) +
                " 万元（收费基价 " + money(b.lowPrice) + " 万元）与 " + money(b.highAmount) +
                " 万元（收费基价 " + money(b.highPrice) + " 万元）之间，直线内插：",
            "    收费基价 = " + money(b.lowPrice) + " + (" + money(b.highPrice) + " - " + money(b.lowPrice) +
                ") × (" + money(b.feeBase) + " - " + money(b.lowAmount) + ") ÷ (" + money(b.highAmount) +
                " - " + money(b.lowAmount) + ") = " + money(b.basePrice) + " 万元"};
}

// A condition with its clause and coefficient; one its grade brings says so.
std::string conditionText(const report::AppliedCondition& c) {
    return c.name + cited({c.clause, c.unasked ? "按等级计入" : ""}) + "，取 " + coefficient(c.coefficient);
}

// The additional adjustment (1.0.9): each condition that applied with its clause and coefficient, then
// their sum less their number plus 1 where there are several.
std::vector<std::string> additionalSteps(const AppliedCalculation& a) {
    const std::string head = "附加调整系数";
    if (a.conditions.empty())
        return {head + cited({"1.0.9"}) + "：无附加调整条件，取 1"};
    std::vector<std::string> lines;
    if (a.conditions.size() == 1) {
        const report::AppliedCondition& c = a.conditions.front();
        return {head + cited({"1.0.9"}) + "：" + conditionText(c)};
    }
    lines.push_back(head + cited({"1.0.9"}) + "：");
    std::string sum = "    附加调整系数 = 1";
    for (const report::AppliedCondition& c : a.conditions) {
        lines.push_back("    " + conditionText(c));
        sum += " + (" + coefficient(c.coefficient) + " - 1)";
    }
    lines.push_back(sum + " = " + coefficient(a.additional) + "（不连乘）");
    return lines;
}

std::string feeStep(const AppliedFee& fee) {
    const std::string name = "    " + feeName(fee.service);
    const std::string result = money(fee.fee) + " 万元";
    switch (fee.charge) {
    case FeeCharge::ShareOfBasicFee:
        return name + cited({fee.clause}) + " = 基本设计收费 × " + percentOf(fee.rate) + " = " +
               money(fee.basis) + " × " + percentOf(fee.rate) + " = " + result;
    case FeeCharge::ShareOfReuse:
        return name + cited({fee.clause}) + " = 同类新建项目基本设计收费 × " + percentOf(fee.rate) + " = " +
               money(fee.basis) + " × " + percentOf(fee.rate) + " = " + result;
    case FeeCharge::PartialChange:
        return name + cited({fee.clause}) + " = 基本设计收费 × 协商确定的比例 = " + money(fee.basis) + " × " +
               coefficient(fee.rate) + " = " + result;
    case FeeCharge::Equipment:
        return name + cited({fee.clause, "附表三"}) +
               " = 非标准设备计费额 × 非标准设备设计费率 = " + money(fee.basis) + " × " +
               coefficient(fee.rate) + " = " + result;
    case FeeCharge::TypedAmount:
        break;
    }
    return name + cited({fee.clause}) + "：" + result;
}

// The steps of one item, numbered (1), (2), …, from its fee base to the fee counted in the total.
std::vector<std::string> sectionSteps(const AppliedCalculation& a, const QuotedItem& quoted) {
    std::vector<std::string> lines;
    int step = 0;
    const auto numbered = [&](const std::string& first) {
        lines.push_back("（" + std::to_string(++step) + "）" + first);
    };
    const auto numberedSteps = [&](const std::vector<std::string>& steps) {
        numbered(steps.front());
        lines.insert(lines.end(), steps.begin() + 1, steps.end());
    };
    const std::string grade =
        a.grade
            ? std::string(engine::gradeNames[static_cast<std::size_t>(*a.grade)]) + "（" +
                  std::string(engine::industry::complexityNames[static_cast<std::size_t>(*a.grade)]) + "）"
            : std::string();

    lines.push_back((a.group.empty() ? "工程类型：" + a.engineering
                                     : "工程种类：" + a.engineering + "（" + a.group + "）") +
                    "；复杂程度：" + grade);
    numbered("工程设计收费计费额：" + money(a.basePrice.feeBase) + " 万元");
    numberedSteps(basePriceSteps(a.basePrice));
    numbered("专业调整系数" + cited({a.professionalTable}) + "：" + a.professionalRow + "，取 " +
             coefficient(a.professional));
    numbered("工程复杂程度调整系数" + cited({"1.0.9", joined(a.complexityTables, "、")}) + "：" + grade +
             "，取 " + coefficient(a.complexity));
    numberedSteps(additionalSteps(a));
    numbered("基本设计收费" + cited({"1.0.3"}) +
             " = 工程设计收费基价 × 专业调整系数 × 工程复杂程度调整系数 × 附加调整系数");
    lines.push_back("    = " + money(a.basePrice.basePrice) + " × " + coefficient(a.professional) + " × " +
                    coefficient(a.complexity) + " × " + coefficient(a.additional) + " = " +
                    amountText(quoted.basicFee) + " 万元");

    std::vector<const AppliedFee*> fees;
    for (const AppliedFee& fee : a.fees)
        if (!quotedAmount(engine::numeric(fee.fee)).isZero())
            fees.push_back(&fee);
    if (!fees.empty()) {
        numbered("其他设计收费" + cited({"1.0.6"}) + "：");
        std::string sum;
        for (const AppliedFee* fee : fees) {
            lines.push_back(feeStep(*fee));
            sum += (sum.empty() ? "" : " + ") + money(fee->fee);
        }
        if (fees.size() > 1)
            lines.push_back("    其他设计收费 = " + sum + " = " + amountText(quoted.otherFee) + " 万元");
        numbered("工程设计收费基准价" + cited({"1.0.3"}) +
                 " = 基本设计收费 + 其他设计收费 = " + amountText(quoted.basicFee) + " + " +
                 amountText(quoted.otherFee) + " = " + amountText(quoted.benchmarkFee) + " 万元");
    } else {
        numbered("工程设计收费基准价" + cited({"1.0.3"}) +
                 " = 基本设计收费 = " + amountText(quoted.benchmarkFee) + " 万元（无其他设计收费）");
    }
    if (a.phase && quoted.phaseFee) {
        const report::AppliedPhase& p = a.phase.value();
        const std::string share = engine::joinedText(p.percent) + "%";
        const std::string table = p.row.empty() ? std::string(p.table) : std::string(p.table) + " " + p.row;
        numbered("单独委托" + std::string(p.phase) + cited({"1.0.11", table}) + "：" + std::string(p.phase) +
                 "占 " + share + "，" + std::string(p.phase) + "收费 = " + amountText(quoted.benchmarkFee) +
                 " × " + share + " = " + amountText(*quoted.phaseFee) + " 万元");
    }
    lines.push_back("计入合计的收费：" + amountText(quoted.chargedFee) + " 万元");
    return lines;
}

AppliedCalculation appliedOf(const Item& item, const ItemFigures& figures) {
    if (const engine::industry::Calculation* calculation = figures.industryCalculation())
        if (const engine::industry::KindProject* inputs = item.industryInputs())
            return report::appliedOf(canonicalInputs(*inputs), *calculation);
    if (const engine::CalculationRecord* record = figures.mainRecord())
        return report::appliedOf(*record);
    return {};
}

// The column of the engineering is named by what the items have: 工程类型 (the main window's), 工程种类
// (附表二's), or both.
std::string engineeringHeader(const Quote& quote) {
    bool types = false, kinds = false;
    for (const Item& item : quote.items)
        (item.isIndustry() ? kinds : types) = true;
    return types && kinds ? "工程类型/种类" : kinds ? "工程种类" : "工程类型";
}

Summary summaryOf(const Quote& quote, const std::vector<ItemFigures>& figures, const Totals& totals) {
    Summary s;
    s.heading = "一、收费汇总";
    s.columns = {{"序号", Alignment::Left},
                 {"名称", Alignment::Left},
                 {engineeringHeader(quote), Alignment::Left},
                 {"复杂程度", Alignment::Left},
                 {"计费额", Alignment::Right},
                 {"基本设计收费", Alignment::Right},
                 {"其他设计收费", Alignment::Right},
                 {"设计收费基准价", Alignment::Right},
                 {"单独委托设计", Alignment::Left},
                 {"计入合计的收费", Alignment::Right}};
    for (std::size_t i = 0; i < quote.items.size() && i < figures.size() && i < totals.items.size(); ++i) {
        const Item& item = quote.items[i];
        const QuotedItem& q = totals.items[i];
        s.rows.push_back(
            {std::to_string(i + 1), item.name, std::string(engineeringNameOf(item.inputs)),
             std::string(gradeNameOf(item.inputs)), amountText(quotedAmount(figures[i].feeBase())),
             amountText(q.basicFee), amountText(q.otherFee), amountText(q.benchmarkFee),
             figures[i].phase ? phaseShareText(*figures[i].phase) : std::string(), amountText(q.chargedFee)});
    }
    s.totalRow = {"合计",
                  "",
                  "",
                  "",
                  "",
                  amountText(totals.basicFees),
                  amountText(totals.otherFees),
                  amountText(totals.benchmarkFees),
                  "",
                  amountText(totals.total)};

    std::vector<std::string>& l = s.totalsLines;
    l.push_back("合计：" + amountText(totals.total) + " 万元（大写：" + uppercaseAmountText(totals.total) +
                "）");
    // The clause the float rests on: 第六条 within ±20 %, 第七条 only for what a design using new technology
    // may go beyond it.
    const auto allowedFor = [&quote](const Decimal& percent) {
        const bool beyondSixth =
            quote.newTechnology && percent > Decimal::whole(static_cast<long long>(highestFloat));
        return "依据" + floatClause(beyondSixth) + "，允许 " + floatRangeText(beyondSixth);
    };
    if (totals.contractTyped) {
        l.push_back("工程设计收费合同额（双方商定）：" + amountText(totals.contract) + " 万元");
        if (totals.impliedFloat && totals.outsideRange) {
            l.push_back("相当于浮动幅度值：" + percentText(*totals.impliedFloat));
            l.push_back("注：这一浮动幅度值超出了" + floatClause(quote.newTechnology) + "允许的 " +
                        floatRangeText(quote.newTechnology) + " 的范围。");
        } else if (totals.impliedFloat) {
            l.push_back("相当于浮动幅度值：" + percentText(*totals.impliedFloat) + "（" +
                        allowedFor(*totals.impliedFloat) + "）");
        } else {
            l.push_back("相当于浮动幅度值：无法算出（合计为零）");
        }
    } else {
        const std::string floatText = engine::joinedText(quote.floatPercent) + "%";
        const std::string onePlusFloat = quote.floatPercent < 0
                                             ? "1 - " + engine::joinedText(-quote.floatPercent) + "%"
                                             : "1 + " + floatText;
        l.push_back("浮动幅度值：" + floatText + "（" +
                    allowedFor(Decimal::of(quote.floatPercent).value_or(Decimal())) + "）");
        l.push_back("工程设计收费合同额" + cited({"1.0.3"}) +
                    " = 合计 ×（1 + 浮动幅度值）= " + amountText(totals.total) + " ×（" + onePlusFloat +
                    "）= " + amountText(totals.contract) + " 万元");
    }
    l.push_back("合同额大写：" + uppercaseAmountText(totals.contract));
    const std::string rate = engine::joinedText(quote.taxRate) + "%";
    l.push_back(std::string("合同额") + (quote.taxIncluded ? "含" : "不含") + "增值税（税率 " + rate +
                "）：不含税金额 " + amountText(totals.tax.excluding) + " 万元，税额 " +
                amountText(totals.tax.tax) + " 万元，含税金额 " + amountText(totals.tax.including) + " 万元");
    s.unitNote =
        "金额单位：万元，保留四位小数（至元），合计为各行金额之和；各项金额均由计算结果分别四舍五入，"
        "单项计算中的加总可能有 1 元以内的尾差";
    return s;
}

// Appends a cell to its line, padded with blanks to the column's width.
void appendPadded(std::string& line, const std::string& text, std::size_t width, Alignment alignment) {
    const std::size_t room = width - std::min(width, displayWidth(text));
    if (alignment == Alignment::Left)
        line.append(text).append(room, ' ');
    else
        line.append(room, ' ').append(text);
}

} // namespace

std::size_t displayWidth(std::string_view text) {
    std::size_t width = 0;
    for (std::size_t i = 0; i < text.size();) {
        // An ASCII character, as most of a table's are, is one column wide without being decoded.
        if (static_cast<unsigned char>(text[i]) < 0x80) {
            ++width;
            ++i;
            continue;
        }
        width += isWide(nextCharacter(text, i)) ? 2 : 1;
    }
    return width;
}

ProjectReport buildProjectSummary(const Quote& quote, const std::vector<ItemFigures>& figures,
                                  const Totals& totals) {
    ProjectReport r;
    r.title = "工程设计收费计算书";
    r.runningHeader = quote.name.empty() ? r.title : quote.name + " 工程设计收费计算书";
    r.fields = {{"项目名称", quote.name},
                {"发包人", quote.client},
                {"设计人", quote.designer},
                {"编制日期", quote.date}};
    r.basis = {"编制依据：", "1. 《工程勘察设计收费管理规定》（计价格[2002]10号）",
               "2. 《工程设计收费标准》（2002年修订本）"};
    r.summary = summaryOf(quote, figures, totals);
    for (std::string_view role : {"编制", "校核", "审核"})
        r.signatures.push_back(std::string(role) + "：" + std::string(signatureRoom) + "    日期：" +
                               std::string(dateRoom));
    r.signatures.push_back("发包人确认：" + std::string(signatureRoom) + "（盖章）    日期：" +
                           std::string(dateRoom));
    return r;
}

ProjectReport buildProjectReport(const Quote& quote, const std::vector<ItemFigures>& figures,
                                 const Totals& totals) {
    ProjectReport r = buildProjectSummary(quote, figures, totals);
    r.sectionsHeading = "二、各单项工程的计算";
    for (std::size_t i = 0; i < quote.items.size() && i < figures.size() && i < totals.items.size(); ++i)
        r.sections.push_back({std::to_string(i + 1) + ". " + quote.items[i].name,
                              sectionSteps(appliedOf(quote.items[i], figures[i]), totals.items[i])});
    return r;
}

std::vector<std::string> summaryLines(const Summary& s) {
    std::vector<std::size_t> widths(s.columns.size());
    const auto fit = [&widths](const std::vector<std::string>& cells) {
        for (std::size_t c = 0; c < cells.size() && c < widths.size(); ++c)
            widths[c] = std::max(widths[c], displayWidth(cells[c]));
    };
    std::vector<std::string> header;
    for (const SummaryColumn& column : s.columns)
        header.push_back(column.header);
    fit(header);
    for (const auto& row : s.rows)
        fit(row);
    fit(s.totalRow);

    const auto line = [&](const std::vector<std::string>& cells) {
        std::string text;
        for (std::size_t c = 0; c < cells.size() && c < widths.size(); ++c) {
            text += c ? "  " : "";
            appendPadded(text, cells[c], widths[c], s.columns[c].alignment);
        }
        text.erase(text.find_last_not_of(' ') + 1); // the last column may be a blank one
        return text;
    };
    std::vector<std::string> lines{s.heading, line(header)};
    for (const auto& row : s.rows)
        lines.push_back(line(row));
    lines.push_back(line(s.totalRow));
    lines.insert(lines.end(), s.totalsLines.begin(), s.totalsLines.end());
    lines.push_back(s.unitNote);
    return lines;
}

std::vector<std::string> sectionLines(const ReportSection& section) {
    std::vector<std::string> lines{section.heading};
    lines.insert(lines.end(), section.lines.begin(), section.lines.end());
    return lines;
}

std::string projectReportText(const ProjectReport& r) {
    std::vector<std::string> lines{r.title, ""};
    for (const ReportField& f : r.fields)
        lines.push_back(f.label + "：" + f.value);
    lines.push_back("");
    lines.insert(lines.end(), r.basis.begin(), r.basis.end());
    lines.push_back("");
    const std::vector<std::string> summary = summaryLines(r.summary);
    lines.insert(lines.end(), summary.begin(), summary.end());
    lines.push_back("");
    lines.push_back(r.sectionsHeading);
    for (const ReportSection& section : r.sections) {
        lines.push_back("");
        const std::vector<std::string> text = sectionLines(section);
        lines.insert(lines.end(), text.begin(), text.end());
    }
    lines.push_back("");
    for (const std::string& signature : r.signatures) {
        lines.push_back("");
        lines.push_back(signature);
    }
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i)
        text += (i ? "\r\n" : "") + lines[i];
    return text;
}

} // namespace varnel::projects
