#include "projects/figures.h"

#include "engine/calculation.h"
#include "engine/feetables.h"

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
    const engine::Outcome outcome = engine::calculate(inputs, record.variables);
    if (outcome.stop)
        return ItemStop{outcome.stop->message};
    record.project = inputs;
    record.phaseShareWritten = outcome.phase.has_value();
    ItemFigures figures;
    if (outcome.phase) {
        const auto phase = static_cast<std::size_t>(inputs.phase);
        figures.phase =
            ChargedPhase{engine::designPhaseNames[phase], *(record.variables.*engine::phases[phase].share)};
    }
    figures.calculation = std::move(record);
    return figures;
}

std::variant<ItemFigures, ItemStop> figuresOf(const engine::industry::Project& inputs) {
    engine::industry::Calculation calculation = engine::industry::calculate(inputs);
    if (calculation.stop)
        return ItemStop{calculation.stop->message};
    ItemFigures figures;
    if (calculation.phaseShare) {
        const auto phase = static_cast<std::size_t>(inputs.commission->phase);
        figures.phase = ChargedPhase{engine::industry::phaseNames[phase], *calculation.phaseShare};
    }
    figures.calculation = std::move(calculation);
    return figures;
}

std::variant<ItemFigures, ItemStop> figuresOf(const ItemInputs& inputs) {
    return std::visit([](const auto& in) { return figuresOf(in); }, inputs);
}

Totals totalsOf(const Quote& quote, const std::vector<ItemFigures>& figures) {
    Totals t;
    for (const ItemFigures& f : figures)
        t.total += f.chargedFee();
    if (quote.contractAmount) {
        t.contractTyped = true;
        t.contract = *quote.contractAmount;
        if (t.total > 0)
            t.impliedFloat = (t.contract / t.total - 1) * 100;
        t.outsideRange = !t.impliedFloat || *t.impliedFloat < lowestFloat || *t.impliedFloat > highestFloat;
    } else {
        t.contract = t.total * (1 + quote.floatPercent / 100);
        t.impliedFloat = quote.floatPercent;
    }
    return t;
}

} // namespace varnel::projects
