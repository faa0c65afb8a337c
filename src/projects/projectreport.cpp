#include "projects/projectreport.h"

#include "projects/textwidth.h"

#include "engine/numbers.h"
#include "projects/money.h"
#include "projects/typednumbers.h"
#include "report/industryreport.h"
#include "report/report.h"

#include <algorithm>
#include <span>

namespace varnel::projects {

namespace {

// The calculation lines an item's section takes from the report window's text: from its first figure to
// the benchmark. The greeting before and the thanks after are for the screen, not for a client.
constexpr std::string_view firstFigure = "本工程设计收费计费额为:";
constexpr std::string_view benchmarkLine = "所以本工程设计收费基准价=";
// The benchmark's line in the report of a kind of engineering, which cites the clause it follows.
constexpr std::string_view industryBenchmarkLine = "依据1.0.3，本工程设计收费基准价=";

// The room left for a signature after its label.
constexpr std::string_view signatureRoom = "____________________";

std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t from = 0;
    while (true) {
        const std::size_t end = text.find("\r\n", from);
        lines.push_back(text.substr(from, end == std::string::npos ? std::string::npos : end - from));
        if (end == std::string::npos)
            return lines;
        from = end + 2;
    }
}

std::string_view trimmed(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

template <typename Names, typename Value>
std::string nameOf(const Names& names, const std::optional<Value>& value) {
    return value ? std::string(names[static_cast<std::size_t>(*value)]) : std::string();
}

// A condition or a service with the numbers typed for it: "改扩建和技术改造建设项目（系数 1.2）",
// "非标准设备设计费（100万元，费率 0.15）".
template <typename Inputs>
std::string withTypedNumbers(std::string_view name, std::span<const TypedNumber> numbers,
                             const Inputs& inputs) {
    std::string typed;
    for (const TypedNumber& n : numbers) {
        const std::string_view text = trimmed(inputs.text(n.entry));
        if (text.empty())
            continue;
        typed += typed.empty() ? "" : "，";
        if (n.role == "coefficient")
            typed += "系数 " + std::string(text);
        else if (n.role == "rate")
            typed += "费率 " + std::string(text);
        else
            typed += std::string(text) + "万元";
    }
    return typed.empty() ? std::string(name) : std::string(name) + "（" + typed + "）";
}

std::string listOrNone(const std::vector<std::string>& entries) {
    if (entries.empty())
        return "无";
    std::string text;
    for (const std::string& e : entries)
        text += (text.empty() ? "" : "；") + e;
    return text;
}

template <typename Inputs>
std::vector<std::string> servicesChosen(const Inputs& inputs) {
    std::vector<std::string> services;
    for (const engine::OtherFee& f : engine::otherFees)
        if (inputs.has(f.service))
            services.push_back(withTypedNumbers(f.name, typedNumbersOf(f.service), inputs));
    return services;
}

std::vector<std::string> chosenLines(const engine::Project& canonical, const ItemFigures& figures) {
    const engine::Project& inputs = canonical;
    std::vector<std::string> conditions;
    for (std::size_t i = 0; i < engine::conditionCount; ++i) {
        const auto c = static_cast<engine::Condition>(i);
        if (inputs.has(c))
            conditions.push_back(withTypedNumbers(engine::conditionNames[i], typedNumbersOf(c), inputs));
    }
    const std::vector<std::string> services = servicesChosen(inputs);
    return {
        "工程类型：" + nameOf(engine::engineeringTypeNames, inputs.type),
        "复杂程度：" + nameOf(engine::gradeNames, inputs.grade),
        "附加调整条件：" + listOrNone(conditions),
        "其他设计收费：" + listOrNone(services),
        "单独委托设计：" + (figures.phase ? std::string(figures.phase->name) : "无"),
    };
}

// A kind of engineering: the kind with its group and professional coefficient, the grade as 1.0.9 words
// it, the conditions that apply (those applied without a tick so marked), the services, and the phase
// commissioned on its own with the row of the share table that gives its share.
std::vector<std::string> chosenLines(const engine::industry::Project& inputs, const ItemFigures& figures) {
    namespace industry = engine::industry;
    std::string kind;
    if (inputs.kind) {
        const industry::KindRow& row = industry::kindRow(*inputs.kind);
        kind = std::string(row.name) + "（" + std::string(industry::groupOf(row.kind).name) +
               "，专业调整系数 " + engine::joinedText(row.coefficient) + "）";
    }
    std::string grade;
    if (inputs.grade) {
        const auto g = static_cast<std::size_t>(*inputs.grade);
        grade = std::string(engine::gradeNames[g]) + "（" + std::string(industry::complexityNames[g]) + "）";
    }
    std::vector<std::string> conditions;
    for (const industry::ConditionRow* row : industry::appliedConditions(inputs)) {
        if (row->unasked) {
            conditions.push_back(std::string(row->name) + "（自动计入）");
            continue;
        }
        const TypedNumber coefficient{row->entry.value_or(engine::Entry{}), "coefficient"};
        conditions.push_back(withTypedNumbers(row->name,
                                              row->entry ? std::span<const TypedNumber>(&coefficient, 1)
                                                         : std::span<const TypedNumber>(),
                                              inputs));
    }
    std::string commission = "无";
    if (const industry::ShareRow* row = industry::commissionedRow(inputs); row && figures.phase)
        commission = std::string(row->name) + "的" + std::string(figures.phase->name) + "（" +
                     std::string(row->table) + "）";
    return {
        "工程类型：" + kind,
        "复杂程度：" + grade,
        "附加调整条件：" + listOrNone(conditions),
        "其他设计收费：" + listOrNone(servicesChosen(inputs)),
        "单独委托设计：" + commission,
    };
}

std::vector<std::string> chosenLines(const Item& item, const ItemFigures& figures) {
    return std::visit([&](const auto& in) { return chosenLines(canonicalInputs(in), figures); }, item.inputs);
}

// The report window's lines from the first figure to the benchmark, then the phase's line where the item
// is charged that phase's share.
// An item of a kind of engineering takes the lines of its own report the same way.
std::vector<std::string> calculationLines(const Item& item, const ItemFigures& figures) {
    std::string text;
    std::string_view benchmarkStart = benchmarkLine;
    const engine::industry::Calculation* calculation = figures.industryCalculation();
    if (const engine::industry::Project* inputs = item.industryInputs(); inputs && calculation) {
        text = report::buildIndustryReport(canonicalInputs(*inputs), *calculation);
        benchmarkStart = industryBenchmarkLine;
    } else if (const engine::CalculationRecord* record = figures.mainRecord()) {
        text = report::buildReport(*record);
    }
    const std::vector<std::string> lines = splitLines(text);
    const auto startsWith = [](std::string_view prefix) {
        return [prefix](const std::string& line) { return line.starts_with(prefix); };
    };
    const auto first = std::find_if(lines.begin(), lines.end(), startsWith(firstFigure));
    const auto benchmark = std::find_if(first, lines.end(), startsWith(benchmarkStart));
    if (benchmark == lines.end())
        return {first, lines.end()};
    std::vector<std::string> taken(first, benchmark + 1);
    if (figures.phase) {
        // Between the benchmark and the closing thanks the report writes only separators and the phase.
        for (auto line = benchmark + 1; line + 1 < lines.end(); ++line)
            if (!line->empty() && *line != report::separatorLine)
                taken.push_back(*line);
    }
    return taken;
}

Summary summaryOf(const Quote& quote, const std::vector<ItemFigures>& figures, const Totals& totals) {
    Summary s;
    s.heading = "一、收费汇总";
    s.columns = {{"序号", Alignment::Left},           {"名称", Alignment::Left},
                 {"工程类型", Alignment::Left},       {"复杂程度", Alignment::Left},
                 {"计费额", Alignment::Right},        {"设计收费基准价", Alignment::Right},
                 {"计入合计的收费", Alignment::Right}};
    for (std::size_t i = 0; i < quote.items.size() && i < figures.size() && i < totals.items.size(); ++i) {
        const Item& item = quote.items[i];
        const QuotedItem& q = totals.items[i];
        s.rows.push_back({std::to_string(i + 1), item.name, std::string(engineeringNameOf(item.inputs)),
                          std::string(gradeNameOf(item.inputs)),
                          amountText(quotedAmount(figures[i].feeBase())), amountText(q.benchmarkFee),
                          amountText(q.chargedFee)});
    }
    s.totalRow = {"合计", "", "", "", "", amountText(totals.benchmarkFees), amountText(totals.total)};
    if (totals.contractTyped) {
        s.totalsLines.push_back("合同额：" + amountText(totals.contract) + "（直接输入）");
        if (totals.impliedFloat) {
            s.totalsLines.push_back("合同额相当于浮动幅度值：" + percentText(*totals.impliedFloat));
            if (totals.outsideRange)
                s.totalsLines.push_back("注：这一浮动幅度值超出了" + floatClause(quote.newTechnology) +
                                        "允许的 " + floatRangeText(quote.newTechnology) + " 的范围。");
        } else {
            s.totalsLines.push_back("合同额相当于浮动幅度值：无法算出（合计为零）");
        }
    } else {
        s.totalsLines.push_back("浮动幅度值：" + engine::joinedText(quote.floatPercent) + "%");
        s.totalsLines.push_back("合同额：" + amountText(totals.contract) + "（合计 ×（1 + 浮动幅度值））");
    }
    if (quote.newTechnology)
        s.totalsLines.push_back(
            "本项目采用新技术，按《工程勘察设计收费管理规定》第七条，浮动幅度值可达 +25%。");
    const std::string rate = engine::joinedText(quote.taxRate) + "%";
    s.totalsLines.push_back(std::string("合同额") + (quote.taxIncluded ? "含" : "不含") + "增值税（税率 " +
                            rate + "）：不含税金额 " + amountText(totals.tax.excluding) + "，税额 " +
                            amountText(totals.tax.tax) + "，含税金额 " + amountText(totals.tax.including));
    s.unitNote = "金额单位：万元，保留四位小数（至元），合计为各行金额之和";
    return s;
}

std::string padded(const std::string& text, std::size_t width, Alignment alignment) {
    const std::size_t room = width - std::min(width, displayWidth(text));
    return alignment == Alignment::Left ? text + std::string(room, ' ') : std::string(room, ' ') + text;
}

} // namespace

std::size_t displayWidth(std::string_view text) {
    std::size_t width = 0;
    for (char32_t c : charactersOf(text))
        width += isWide(c) ? 2 : 1;
    return width;
}

ProjectReport buildProjectReport(const Quote& quote, const std::vector<ItemFigures>& figures,
                                 const Totals& totals) {
    ProjectReport r;
    r.title = "项目计算书";
    r.fields = {{"项目名称", quote.name},
                {"发包人", quote.client},
                {"设计人", quote.designer},
                {"编制日期", quote.date}};
    r.summary = summaryOf(quote, figures, totals);
    r.sectionsHeading = "二、各单项工程的计算";
    for (std::size_t i = 0; i < quote.items.size() && i < figures.size(); ++i)
        r.sections.push_back({std::to_string(i + 1) + ". " + quote.items[i].name,
                              chosenLines(quote.items[i], figures[i]),
                              calculationLines(quote.items[i], figures[i])});
    for (std::string_view role : {"编制", "校核", "审核"})
        r.signatures.push_back(std::string(role) + "：" + std::string(signatureRoom));
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
            text += padded(cells[c], widths[c], s.columns[c].alignment);
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
    lines.insert(lines.end(), section.chosen.begin(), section.chosen.end());
    lines.push_back("");
    lines.insert(lines.end(), section.calculation.begin(), section.calculation.end());
    return lines;
}

std::string projectReportText(const ProjectReport& r) {
    std::vector<std::string> lines{r.title, ""};
    for (const ReportField& f : r.fields)
        lines.push_back(f.label + "：" + f.value);
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
