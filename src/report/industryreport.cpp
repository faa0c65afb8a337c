#include "report/industryreport.h"

#include "engine/baseprice.h"
#include "engine/feetables.h"
#include "engine/industry.h"
#include "engine/numbers.h"
#include "report/line.h"
#include "report/report.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

namespace varnel::report {

namespace {

namespace industry = engine::industry;
using engine::Service;
using engine::Variable;

constexpr std::string_view lineEnd = "\r\n";

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t at; (at = text.find(lineEnd, start)) != std::string::npos; start = at + lineEnd.size())
        lines.push_back(text.substr(start, at - start));
    lines.push_back(text.substr(start));
    return lines;
}

// "依据<clause>，": the clause or table of the standard a line follows.
std::string citing(std::string_view clause) {
    return Line() << "依据" << clause << "，";
}

// The clause each other design fee follows; a typed amount follows none of the standard's figures.
std::string_view clauseOf(Service service) {
    switch (service) {
    case Service::OverallDesign:
        return "1.0.13";
    case Service::DesignCoordination:
        return "1.0.14";
    case Service::ConstructionBudget:
    case Service::AsBuiltDrawings:
        return "1.0.16";
    case Service::NonstandardEquipment:
        return "1.0.10";
    case Service::StandardDesignReuse:
    case Service::FoundationRedesign:
    case Service::PartialChange:
        return "1.0.15";
    default:
        return {};
    }
}

// What the main window's report writes for the same figures: its base-price lines, its other-fee lines
// (each followed by an empty line) with their sum, and its closing. This report takes them from it, so
// that both write them alike.
struct MainReportLines {
    std::vector<std::string> basePrice;
    std::vector<std::string> otherFees;
    std::string otherFeeSum;
    std::string closing;
};

MainReportLines mainReportLines(const industry::Project& project, const engine::Variables& variables) {
    engine::CalculationRecord record;
    record.variables = variables;
    record.project = industry::otherServicesOf(project);
    const std::vector<std::string> lines = linesOf(buildReport(record));

    MainReportLines found;
    found.closing = lines.back();
    std::size_t i = 0;
    while (i < lines.size() && lines[i] != "经查《工程设计收费基价表》得")
        ++i;
    for (++i; i < lines.size() && !lines[i].empty(); ++i)
        found.basePrice.push_back(lines[i]);
    while (i < lines.size() && lines[i] != separatorLine)
        ++i;
    for (++i; i < lines.size() && !lines[i].starts_with("所以本工程其他设计收费为："); ++i)
        if (!lines[i].empty())
            found.otherFees.push_back(lines[i]);
    if (i < lines.size())
        found.otherFeeSum = lines[i];
    return found;
}

// The services whose lines the main window's report writes, in its order: those commissioned, a standard
// or reused design only where it is charged at its own rate.
std::vector<Service> servicesWritten(const industry::Project& project) {
    const engine::Project services = industry::otherServicesOf(project);
    std::vector<Service> written;
    for (const engine::OtherFee& fee : engine::otherFees) {
        const bool charged = fee.service == Service::StandardDesignReuse ? engine::chargesReuseAlone(services)
                                                                         : project.has(fee.service);
        if (charged)
            written.push_back(fee.service);
    }
    return written;
}

std::string basePriceSource(const engine::Variables& v) {
    const double feeBase = engine::numeric(v.feeBase);
    if (feeBase > engine::flatRateFrom || feeBase < engine::basePriceTable.front().amount)
        return "依据附表一，经查《工程设计收费基价表》得";
    return "依据附表一和1.0.7，经查《工程设计收费基价表》并内插得";
}

// "（复杂程度见表2.3-1、表2.3-2）", or nothing where the group has no complexity table.
std::string complexityTablesNote(industry::Kind kind) {
    const std::vector<const industry::ComplexityTable*> tables = industry::complexityTablesOf(kind);
    if (tables.empty())
        return {};
    Line note;
    note << "（复杂程度见";
    const char* comma = "";
    for (const industry::ComplexityTable* t : tables) {
        note << comma << t->table;
        comma = "、";
    }
    return note << "）";
}

} // namespace

std::string buildIndustryReport(const industry::Project& project, const industry::Calculation& calculation) {
    const engine::Variables& v = calculation.variables;
    const MainReportLines main = mainReportLines(project, v);
    std::vector<std::string> out;
    const auto empty = [&] { out.push_back({}); };
    const auto separator = [&] { out.push_back(std::string(separatorLine)); };

    out.push_back("欢迎使用本程序，下面是您的计算过程：");
    separator();
    if (project.kind) {
        const industry::KindRow& kind = industry::kindRow(*project.kind);
        out.push_back(Line() << "本工程为" << industry::groupOf(kind.kind).name << "中的" << kind.name);
    }
    out.push_back(Line() << "本工程设计收费计费额为:  " << v.feeBase << "万元");
    out.push_back(basePriceSource(v));
    out.insert(out.end(), main.basePrice.begin(), main.basePrice.end());
    empty();

    if (project.kind) {
        const industry::KindRow& kind = industry::kindRow(*project.kind);
        out.push_back(Line() << citing(kind.clause) << kind.name << "专业调整系数为" << v.profCoef);
        empty();
    }
    if (project.grade && project.kind) {
        const std::size_t grade = static_cast<std::size_t>(*project.grade);
        out.push_back(Line() << citing(industry::complexityClause) << engine::gradeNames[grade] << "（"
                             << industry::complexityNames[grade] << "）工程复杂程度调整系数为"
                             << v.complexCoef << complexityTablesNote(*project.kind));
        empty();
    }
    for (const industry::ConditionRow* row : industry::appliedConditions(project))
        out.push_back(Line() << citing(row->clause) << row->name << "附加调整系数为"
                             << v.additionalPlace[row->place]);
    out.push_back(Line() << "本工程附加调整系数为：(" << v.additionalPlace[0] << "+" << v.additionalPlace[1]
                         << "+" << v.additionalPlace[2] << "+" << v.additionalPlace[3] << "+"
                         << v.additionalPlace[4] << ")-5+1=" << v.addCoef
                         << "（附加调整系数不连乘：1+Σ(附加调整系数-1)）");
    empty();
    out.push_back(Line() << citing("1.0.3") << "本工程基本设计收费为：" << v.basePrice << "×" << v.profCoef
                         << "×" << v.complexCoef << "×" << v.addCoef << " = " << v.basicFee << " 万元");
    separator();

    // The main window's lines, each with the clause of its fee where the standard gives the fee.
    const std::vector<Service> services = servicesWritten(project);
    for (std::size_t i = 0; i < main.otherFees.size(); ++i) {
        const std::string_view clause = i < services.size() && services.size() == main.otherFees.size()
                                            ? clauseOf(services[i])
                                            : std::string_view();
        out.push_back(clause.empty() ? main.otherFees[i] : citing(clause) + main.otherFees[i]);
        empty();
    }
    out.push_back(main.otherFeeSum);
    separator();
    out.push_back(Line() << citing("1.0.3") << "本工程设计收费基准价=基本设计收费+其他设计收费=" << v.basicFee
                         << "万元+" << v.otherFee << "万元=" << v.benchmarkFee << "万元");

    if (project.commission) {
        separator();
        const industry::ShareRow* row = industry::commissionedRow(project);
        if (row && calculation.phaseShare) {
            const industry::Phase phase = project.commission->phase;
            const std::string_view name = industry::phaseNames[static_cast<std::size_t>(phase)];
            out.push_back(Line() << citing(row->table) << row->name << "的" << name << "占"
                                 << row->share(phase) << "%，其中" << name << "收费为：" << v.benchmarkFee
                                 << "×" << row->share(phase) << "%=" << *calculation.phaseShare << "万元");
        }
    }
    separator();
    out.push_back(main.closing);

    std::string text;
    for (std::size_t i = 0; i < out.size(); ++i) {
        if (i > 0)
            text += lineEnd;
        text += out[i];
    }
    return text;
}

} // namespace varnel::report
