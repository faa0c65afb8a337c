#pragma once

// The design fee of a project of any kind of engineering of 附表二, in the standard's order: the base
// price from the amount, the professional, complexity and additional coefficients and the basic fee, the
// other design fees, the benchmark, and the share of a design phase commissioned on its own. The base
// price, the other fees and the phase share are the main window's own steps (calculationsteps.h).

#include "engine/calculation.h"
#include "engine/entries.h"
#include "engine/industry.h"
#include "engine/otherfees.h"
#include "engine/project.h"
#include "engine/variables.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace varnel::engine::industry {

// A design phase commissioned on its own (单独委托设计): the share row it is charged by (an index into
// shareRows) and the phase.
struct Commission {
    std::size_t shareRow = 0;
    DesignPhase phase = DesignPhase::Preliminary;
    bool operator==(const Commission&) const = default;
};

// A project as the user has entered it at the moment of 计算.
struct KindProject {
    std::string amount; // 工程设计收费计费额, in 万元, as typed
    std::optional<Kind> kind;
    std::optional<Grade> grade;
    EnumSet<KindCondition, kindConditionCount> conditions; // the conditions ticked
    EnumSet<Service, serviceCount> services;               // the other design services commissioned
    // The numbers typed: the coefficients of RenovationCoefficient and HistoricCoefficient, and the
    // other design services' amounts and rates, as in the main window.
    std::array<std::string, entryCount> entries;
    std::optional<Commission> commission;

    bool operator==(const KindProject&) const = default;
    bool has(KindCondition a) const { return conditions.contains(a); }
    bool has(Service s) const { return services.contains(s); }
    const std::string& text(Entry e) const { return entries[static_cast<std::size_t>(e)]; }
    std::string& text(Entry e) { return entries[static_cast<std::size_t>(e)]; }
};

// The main window's project holding only this project's other design services and typed numbers: what
// the main window's rules on other fees read.
engine::Project otherServicesOf(const KindProject& project);

// The conditions that apply to the project, in the table's order: those of its kind and grade that it
// ticked or that apply unasked. Empty without a kind.
std::vector<const ConditionRow*> appliedConditions(const KindProject& project);

// The share row the commissioned phase is charged by: the project's, when its kind and grade have that
// row and the row gives the phase a share; otherwise none, and no share is charged.
const ShareRow* commissionedRow(const KindProject& project);

// One whole calculation. `variables` holds every figure it wrote, in the main window's terms, also when
// it stopped (a stopped calculation shows nothing of them). Every figure is finite, or the calculation
// stops with outOfRangeMessage.
struct Calculation {
    std::optional<Stop> stop;
    Variables variables;
    std::optional<double> phaseShare; // the commissioned phase's share of the benchmark, if one is charged

    bool complete() const { return !stop.has_value(); }
};

Calculation calculate(const KindProject& project);

} // namespace varnel::engine::industry
