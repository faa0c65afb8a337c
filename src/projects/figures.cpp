#include "projects/figures.h"

#include "engine/calculation.h"
#include "engine/feetables.h"
#include "engine/numbers.h"
#include "projects/money.h"

#include <utility>

namespace varnel::projects {

const engine::Variables& ItemFigures::variables() const {
    if (const engine::industry::Calculation* c = industryCalculation())
        return c->variables;
    return std::get<engine::CalculationRecord>(calculation).variables;
}

engine::Variables& ItemFigures::variables() {
    return const_cast<engine::Variables&>(std::as_const(*this).variables());
}

std::variant<ItemFigures, ItemStop> figuresOf(const engine::Project& inputs) {
    engine::CalculationRecord record;
    engine::FiguresOutcome outcome = engine::calculateFigures(inputs, record.variables);
    if (outcome.stop)
        return ItemStop{std::move(outcome.stop->message)};
    record.project = inputs;
    record.phaseShareWritten = outcome.phaseShareWritten;
    ItemFigures figures;
    if (outcome.phaseShareWritten) {
        const auto phase = static_cast<std::size_t>(*inputs.phase);
        const engine::PhaseRow* row = engine::phaseRowFor(inputs);
        figures.phase = ChargedPhase{engine::designPhaseNames[phase],
                                     *(record.variables.*engine::phaseResults[phase].share),
                                     row ? row->proportion * 100 : 0};
    }
    figures.calculation = std::move(record);
    return figures;
}

std::variant<ItemFigures, ItemStop> figuresOf(const engine::industry::KindProject& inputs) {
    engine::industry::Calculation calculation = engine::industry::calculate(inputs);
    if (calculation.stop)
        return ItemStop{calculation.stop->message};
    ItemFigures figures;
    if (calculation.phaseShare) {
        const auto phase = static_cast<std::size_t>(inputs.commission->phase);
        const engine::industry::ShareRow* row = engine::industry::commissionedRow(inputs);
        figures.phase = ChargedPhase{engine::designPhaseNames[phase], *calculation.phaseShare,
                                     row ? static_cast<double>(row->share(inputs.commission->phase)) : 0};
    }
    figures.calculation = std::move(calculation);
    return figures;
}

std::variant<ItemFigures, ItemStop> figuresOf(const ItemInputs& inputs) {
    return std::visit([](const auto& in) { return figuresOf(in); }, inputs);
}

std::string phaseShareText(const ChargedPhase& phase) {
    return std::string(phase.name) + " " + engine::joinedText(phase.percent) + "%";
}

QuotedItem quotedFigures(const ItemFigures& figures) {
    QuotedItem q;
    q.basicFee = quotedAmount(figures.basicFee());
    q.otherFee = quotedAmount(figures.otherFee());
    q.benchmarkFee = quotedAmount(figures.benchmarkFee());
    if (const std::optional<double> phase = figures.phaseFee())
        q.phaseFee = quotedAmount(*phase);
    q.chargedFee = q.phaseFee.value_or(q.benchmarkFee);
    return q;
}

TaxSplit taxSplitOf(const Decimal& contract, double taxRate, bool taxIncluded) {
    const Decimal rate = Decimal::of(taxRate).value_or(Decimal());
    const Decimal hundred = Decimal::whole(100);
    TaxSplit split;
    if (taxIncluded) {
        split.including = contract;
        split.excluding = Decimal::quotient(contract * hundred, hundred + rate, amountPlaces);
        split.tax = split.including - split.excluding;
    } else {
        split.excluding = contract;
        split.tax = Decimal::quotient(contract * rate, hundred, amountPlaces);
        split.including = split.excluding + split.tax;
    }
    return split;
}

Totals totalsOf(const Quote& quote, const std::vector<ItemFigures>& figures) {
    Totals t;
    t.items.reserve(figures.size());
    for (const ItemFigures& f : figures) {
        QuotedItem item = quotedFigures(f);
        t.basicFees = t.basicFees + item.basicFee;
        t.otherFees = t.otherFees + item.otherFee;
        t.benchmarkFees = t.benchmarkFees + item.benchmarkFee;
        t.total = t.total + item.chargedFee;
        t.items.push_back(std::move(item));
    }
    const Decimal hundred = Decimal::whole(100);
    if (quote.contractAmount) {
        t.contractTyped = true;
        t.contract = quotedAmount(*quote.contractAmount);
        if (!t.total.isZero())
            t.impliedFloat = Decimal::quotient((t.contract - t.total) * hundred, t.total, percentPlaces);
        const std::optional<Decimal> lowest = Decimal::of(lowestFloat);
        const std::optional<Decimal> highest = Decimal::of(highestFloatFor(quote.newTechnology));
        t.outsideRange = !t.impliedFloat || *t.impliedFloat < *lowest || *t.impliedFloat > *highest;
    } else {
        const Decimal percent = Decimal::of(quote.floatPercent).value_or(Decimal());
        t.contract = Decimal::quotient(t.total * (hundred + percent), hundred, amountPlaces);
        t.impliedFloat = percent;
    }
    t.tax = taxSplitOf(t.contract, quote.taxRate, quote.taxIncluded);
    return t;
}

} // namespace varnel::projects
