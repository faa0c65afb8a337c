#pragma once

#include "engine/calculation.h"
#include "engine/record.h"
#include "projects/quote.h"

#include <optional>
#include <variant>
#include <vector>

namespace varnel::projects {

// What one item comes to: its calculation as the main window would make it from the same inputs, and
// the fee that counts towards the project's total.
struct ItemFigures {
    engine::CalculationRecord record; // the variables and inputs of its complete calculation
    // The phase commissioned on its own whose share the item is charged, where that share applies.
    std::optional<engine::DesignPhase> chargedPhase;

    double basicFee() const { return *record.variables.basicFee; }
    double otherFee() const { return *record.variables.otherFee; }
    double benchmarkFee() const { return *record.variables.benchmarkFee; }
    std::optional<double> phaseFee() const;
    // 计入合计的收费: the phase's share where one is charged, else the benchmark.
    double chargedFee() const { return phaseFee().value_or(benchmarkFee()); }
};

// Calculates one item on fresh variables; a calculation that stops gives the check that stopped it.
std::variant<ItemFigures, engine::Stop> figuresOf(const engine::Project& inputs);

// The project's sums: the total of the charged fees in item order, and the contract amount, by the float
// or as typed. `impliedFloat` is the float the contract amount comes to, in percent (none without a
// total to compare with); `outsideRange` says that it lies beyond ±20 %.
struct Totals {
    double total = 0;
    double contract = 0;
    std::optional<double> impliedFloat;
    bool contractTyped = false;
    bool outsideRange = false;
};

Totals totalsOf(const Quote& quote, const std::vector<ItemFigures>& figures);

} // namespace varnel::projects
