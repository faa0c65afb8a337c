#pragma once

#include "engine/industrycalculation.h"
#include "engine/record.h"
#include "projects/quote.h"

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace varnel::projects {

// The design phase commissioned on its own (单独委托设计) whose share an item is charged: the phase as the
// standard names it (初步设计, 招标设计, 基础设计, …) and its share of the benchmark in 万元.
struct ChargedPhase {
    std::string_view name;
    double fee = 0;

    bool operator==(const ChargedPhase&) const = default;
};

// What one item comes to: its calculation as the window that calculates such an item would make it from
// the same inputs, and the fee that counts towards the project's total.
struct ItemFigures {
    // The calculation its report is written from: the main window's record (its variables, inputs, and
    // whether the phase's share was written), or the calculation of a kind of engineering of 附表二,
    // whose project is the item's inputs.
    std::variant<engine::CalculationRecord, engine::industry::Calculation> calculation;
    // The phase whose share the item is charged, where the standard gives that phase a share.
    std::optional<ChargedPhase> phase;

    // Every figure of the calculation, in the main window's terms: both kinds write the same variables.
    const engine::Variables& variables() const;
    engine::Variables& variables();
    const engine::CalculationRecord* mainRecord() const {
        return std::get_if<engine::CalculationRecord>(&calculation);
    }
    const engine::industry::Calculation* industryCalculation() const {
        return std::get_if<engine::industry::Calculation>(&calculation);
    }

    double feeBase() const { return engine::numeric(variables().feeBase); } // 计费额 as read, 万元
    double basicFee() const { return *variables().basicFee; }
    double otherFee() const { return *variables().otherFee; }
    double benchmarkFee() const { return *variables().benchmarkFee; }
    std::optional<double> phaseFee() const {
        return phase ? std::optional<double>(phase->fee) : std::nullopt;
    }
    // 计入合计的收费: the phase's share where one is charged, else the benchmark.
    double chargedFee() const { return phaseFee().value_or(benchmarkFee()); }
};

// Why an item cannot be calculated: the message of the check that stopped it, as its window says it.
struct ItemStop {
    std::string message;

    bool operator==(const ItemStop&) const = default;
};

// Calculates one item on fresh variables, by the calculation of its kind; a calculation that stops gives
// the check that stopped it.
std::variant<ItemFigures, ItemStop> figuresOf(const engine::Project& inputs);
std::variant<ItemFigures, ItemStop> figuresOf(const engine::industry::Project& inputs);
std::variant<ItemFigures, ItemStop> figuresOf(const ItemInputs& inputs);

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
