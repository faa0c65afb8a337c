#include "projects/figures.h"

#include "engine/feetables.h"

namespace varnel::projects {

std::optional<double> ItemFigures::phaseFee() const {
    if (!chargedPhase)
        return std::nullopt;
    return record.variables.*engine::phases[static_cast<std::size_t>(*chargedPhase)].share;
}

std::variant<ItemFigures, engine::Stop> figuresOf(const engine::Project& inputs) {
    ItemFigures figures;
    const engine::Outcome outcome = engine::calculate(inputs, figures.record.variables);
    if (outcome.stop)
        return *outcome.stop;
    figures.record.project = inputs;
    figures.record.phaseShareWritten = outcome.phase.has_value();
    if (outcome.phase)
        figures.chargedPhase = inputs.phase;
    return figures;
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
