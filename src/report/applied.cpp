#include "report/applied.h"

#include "engine/baseprice.h"
#include "engine/feetables.h"
#include "engine/industry.h"
#include "engine/numbers.h"

namespace varnel::report {

namespace {

namespace industry = engine::industry;
using engine::Service;
using engine::Variables;

AppliedBasePrice basePriceOf(const Variables& v) {
    AppliedBasePrice b;
    const double feeBase = engine::numeric(v.feeBase);
    if (feeBase > engine::flatRateFrom)
        b.reading = BasePriceReading::AboveTable;
    else if (feeBase < engine::basePriceTable.front().amount && feeBase > 0)
        b.reading = BasePriceReading::BelowTable;
    b.feeBase = v.feeBase;
    b.lowAmount = v.lowAmount;
    b.lowPrice = v.lowPrice;
    b.highAmount = v.highAmount;
    b.highPrice = v.highPrice;
    b.basePrice = v.basePrice;
    return b;
}

FeeCharge chargeOf(Service service) {
    switch (service) {
    case Service::NonstandardEquipment:
        return FeeCharge::Equipment;
    case Service::StandardDesignReuse:
    case Service::FoundationRedesign:
        return FeeCharge::ShareOfReuse;
    case Service::PartialChange:
        return FeeCharge::PartialChange;
    default:
        return engine::otherFee(service).charge == engine::Charge::TypedAmount ? FeeCharge::TypedAmount
                                                                               : FeeCharge::ShareOfBasicFee;
    }
}

// The fees a calculation charged, in their order: those commissioned, a standard or reused design only
// where it is charged at its own rate (either refinement charges it instead).
std::vector<AppliedFee> feesOf(const engine::Project& services, const Variables& v) {
    std::vector<AppliedFee> fees;
    for (const engine::OtherFee& f : engine::otherFees) {
        const bool charged = f.service == Service::StandardDesignReuse ? engine::chargesReuseAlone(services)
                                                                       : services.has(f.service);
        if (!charged)
            continue;
        AppliedFee fee;
        fee.service = f.service;
        fee.clause = f.clause;
        fee.charge = chargeOf(f.service);
        fee.fee = v.fee(f.service);
        switch (fee.charge) {
        case FeeCharge::ShareOfBasicFee:
        case FeeCharge::ShareOfReuse:
            fee.basis = v.basicFee;
            fee.rate = f.rate;
            break;
        case FeeCharge::Equipment:
            fee.basis = v.nonstdEquipAmount;
            fee.rate = v.nonstdEquipRate;
            break;
        case FeeCharge::PartialChange:
            fee.basis = v.basicFee;
            fee.rate = v.localChangeRate;
            break;
        case FeeCharge::TypedAmount:
            break;
        }
        fees.push_back(fee);
    }
    return fees;
}

// The figures every calculation writes alike, from the base price to the benchmark.
void commonFigures(AppliedCalculation& a, const engine::Project& services, const Variables& v) {
    a.basePrice = basePriceOf(v);
    a.professional = v.profCoef;
    a.professionalTable = "附表二";
    a.complexity = v.complexCoef;
    a.additionalPlaces = v.additionalPlace;
    a.additional = v.addCoef;
    a.basicFee = v.basicFee;
    a.fees = feesOf(services, v);
    a.allFees = v.fees;
    a.otherFee = v.otherFee;
    a.benchmarkFee = v.benchmarkFee;
}

// The table of phase shares of the chapter a type stands in (表6.2-1 for roads and bridges, 表7.2-1 for
// the rest): the table of its group's share rows.
std::string_view shareTableOf(engine::EngineeringType type) {
    const industry::Group group = industry::groupOf(industry::kindOfType(type)).group;
    for (const industry::ShareRow& row : industry::shareRows)
        if (row.group == group)
            return row.table;
    return {};
}

} // namespace

AppliedCalculation appliedOf(const engine::CalculationRecord& record) {
    const engine::Project& p = record.project;
    const Variables& v = record.variables;
    AppliedCalculation a;
    commonFigures(a, p, v);
    a.grade = p.grade;
    // The share the calculation wrote; a share variable no phase row wrote belongs to another run.
    if (p.independentPhase && record.phaseShareWritten && p.phase) {
        AppliedPhase phase;
        phase.phase = engine::designPhaseName(*p.phase);
        phase.fee = v.*(engine::phaseResults[static_cast<std::size_t>(*p.phase)].share);
        if (const engine::PhaseRow* row = p.type && p.grade ? engine::phaseRowFor(p) : nullptr) {
            phase.table = shareTableOf(*p.type);
            if (row->kind)
                phase.row = engine::conditionNames[static_cast<std::size_t>(*row->kind)];
            phase.percent = row->proportion * 100;
        }
        a.phase = phase;
    }
    if (!p.type)
        return a;
    const engine::EngineeringType type = *p.type;
    const industry::Kind kind = industry::kindOfType(type);
    a.engineering = engine::engineeringTypeNames[static_cast<std::size_t>(type)];
    a.professionalRow = a.engineering;
    if (type == engine::EngineeringType::Building && p.has(engine::Condition::CivilDefence))
        a.professionalRow = engine::conditionNames[static_cast<std::size_t>(engine::Condition::CivilDefence)];
    // A road or a bridge is graded by the one table of its own works, the rest by their chapter's.
    const std::string_view subject = type == engine::EngineeringType::Road     ? "公路"
                                     : type == engine::EngineeringType::Bridge ? "桥梁"
                                                                               : "";
    for (const industry::ComplexityTable* t : industry::complexityTablesOf(kind))
        if (t->subject.find(subject) != std::string_view::npos)
            a.complexityTables.push_back(t->table);

    for (const engine::AdditionalCondition& c : engine::additionalConditions()) {
        if (c.type != type)
            continue;
        const bool applies = c.condition ? p.has(*c.condition) : c.grade == p.grade;
        if (!applies)
            continue;
        AppliedCondition applied;
        // A ticked condition by the main window's name for it; one a grade brings by 附表二's.
        applied.name = c.condition
                           ? std::string(engine::conditionNames[static_cast<std::size_t>(*c.condition)])
                           : std::string(c.table2Name);
        applied.clause = c.clause;
        applied.unasked = !c.condition;
        applied.coefficient = v.additionalPlace[c.place];
        a.conditions.push_back(applied);
    }
    return a;
}

AppliedCalculation appliedOf(const industry::KindProject& project, const industry::Calculation& calculation) {
    const Variables& v = calculation.variables;
    AppliedCalculation a;
    commonFigures(a, industry::otherServicesOf(project), v);
    a.grade = project.grade;
    if (!project.kind)
        return a;
    const industry::KindRow& kind = industry::kindRow(*project.kind);
    a.engineering = kind.name;
    a.group = industry::groupOf(kind.kind).name;
    a.professionalTable = kind.clause;
    a.professionalRow = kind.name;
    for (const industry::ComplexityTable* t : industry::complexityTablesOf(kind.kind))
        a.complexityTables.push_back(t->table);
    for (const industry::ConditionRow* row : industry::appliedConditions(project))
        a.conditions.push_back(
            {std::string(row->name), row->clause, row->unasked, v.additionalPlace[row->place]});
    if (project.commission && calculation.phaseShare) {
        if (const industry::ShareRow* row = industry::commissionedRow(project)) {
            const engine::DesignPhase phase = project.commission->phase;
            a.phase = AppliedPhase{engine::designPhaseName(phase), row->table, std::string(row->name),
                                   static_cast<double>(row->share(phase)), *calculation.phaseShare};
        }
    }
    return a;
}

} // namespace varnel::report
