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

// "依据<clause>，": the clause or table of the standard a line follows.
std::string citing(std::string_view clause) {
    return Line() << "依据" << clause << "，";
}

// The clause each other design fee's line cites: the standard's figures only; a typed amount follows none
// of them.
std::string_view citedClauseOf(const AppliedFee& fee) {
    return fee.charge == FeeCharge::TypedAmount ? std::string_view() : engine::otherFee(fee.service).clause;
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

std::string buildIndustryReport(const industry::KindProject& project,
                                const industry::Calculation& calculation) {
    const engine::Variables& v = calculation.variables;
    const AppliedCalculation applied = appliedOf(project, calculation);
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
    const std::vector<std::string> basePrice = basePriceLines(applied.basePrice);
    out.insert(out.end(), basePrice.begin(), basePrice.end());
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
    for (const AppliedFee& fee : applied.fees) {
        const std::string_view clause = citedClauseOf(fee);
        out.push_back(clause.empty() ? feeLine(fee) : citing(clause) + feeLine(fee));
        empty();
    }
    out.push_back(otherFeeSumLine(applied));
    separator();
    out.push_back(Line() << citing("1.0.3") << "本工程设计收费基准价=基本设计收费+其他设计收费=" << v.basicFee
                         << "万元+" << v.otherFee << "万元=" << v.benchmarkFee << "万元");

    if (project.commission) {
        separator();
        const industry::ShareRow* row = industry::commissionedRow(project);
        if (row && calculation.phaseShare) {
            const engine::DesignPhase phase = project.commission->phase;
            const std::string_view name = engine::designPhaseName(phase);
            out.push_back(Line() << citing(row->table) << row->name << "的" << name << "占"
                                 << row->share(phase) << "%，其中" << name << "收费为：" << v.benchmarkFee
                                 << "×" << row->share(phase) << "%=" << *calculation.phaseShare << "万元");
        }
    }
    separator();
    out.push_back(std::string(closingLine));

    std::string text;
    for (std::size_t i = 0; i < out.size(); ++i) {
        if (i > 0)
            text += lineEnd;
        text += out[i];
    }
    return text;
}

} // namespace varnel::report
