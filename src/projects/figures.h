#pragma once

#include "engine/industrycalculation.h"
#include "engine/record.h"
#include "projects/decimal.h"
#include "projects/quote.h"

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace varnel::projects {

// The design phase commissioned on its own (单独委托设计) whose share an item is charged: the phase as the
// standard names it (初步设计, 招标设计, 基础设计, …), its share of the benchmark in 万元, and that share as
// the table of phase shares gives it, in percent (45 for 45 %).
struct ChargedPhase {
    std::string_view name;
    double fee = 0;
    double percent = 0;

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
std::variant<ItemFigures, ItemStop> figuresOf(const engine::industry::KindProject& inputs);
std::variant<ItemFigures, ItemStop> figuresOf(const ItemInputs& inputs);

// An item's figures as the quote states them, each rounded once to the 元 from the decimal the calculation
// wrote (money.h): the basic fee, the other fees, the benchmark, the phase's share where one is charged, and
// the fee that counts towards the total.
struct QuotedItem {
    Decimal basicFee;
    Decimal otherFee;
    Decimal benchmarkFee;
    std::optional<Decimal> phaseFee;
    Decimal chargedFee;
};

QuotedItem quotedFigures(const ItemFigures& figures);

// The VAT (增值税) on the contract amount, each to the 元: the amount without it, the tax, and the
// amount with it, which always add up (excluding + tax = including). The contract amount is one of the
// two amounts, by whether the project takes it as 含税 or 不含税; the other follows at the project's rate.
struct TaxSplit {
    Decimal excluding; // 不含税金额
    Decimal tax;       // 税额
    Decimal including; // 含税金额
};

// A charged phase as the tables show it: its name and its share, "初步设计 45%".
std::string phaseShareText(const ChargedPhase& phase);

TaxSplit taxSplitOf(const Decimal& contract, double taxRate, bool taxIncluded);

// The project's quote in figures, each stated once (money.h) and every sum a sum of stated figures, so what
// any output prints adds up: the items' figures, the sums of their basic fees, other fees and benchmarks,
// the total of the charged fees in item order, and the contract amount, total × (1 + float ÷ 100) or as
// typed, with its VAT. `impliedFloat` is the float in percent: the float itself, or the one a typed
// contract amount comes to, from the stated figures and to 0.01 % (none without a total to compare with);
// `outsideRange` says that it lies beyond the float the project may have.
struct Totals {
    std::vector<QuotedItem> items;
    Decimal basicFees;
    Decimal otherFees;
    Decimal benchmarkFees;
    Decimal total;
    Decimal contract;
    std::optional<Decimal> impliedFloat;
    bool contractTyped = false;
    bool outsideRange = false;
    TaxSplit tax;
};

Totals totalsOf(const Quote& quote, const std::vector<ItemFigures>& figures);

} // namespace varnel::projects
