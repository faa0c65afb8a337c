#include "session/calculationcommand.h"

#include "forms/desktop.h"
#include "forms/form.h"
#include "forms/phaseline.h"

#include <string>

namespace varnel::session {

using engine::CalculationRecord;
using engine::CalculationState;
using engine::Inputs;
using engine::Outcome;
using engine::PhaseLine;

namespace {

std::string numbered(const char* kind, std::size_t number) {
    return kind + std::to_string(number);
}

void showPhaseLine(forms::Form& w, const std::optional<PhaseLine>& phase) {
    if (phase) {
        w.setVisible("Text18", true);
        w.setVisible("Label27", true);
        w.setVisible("Label28", true);
        w.setCaption("Label28", phase->caption);
        w.setText("Text18", phase->share);
    } else {
        // No phase row applies to this calculation: a share shown earlier would belong to another one.
        forms::hidePhaseLine(w);
    }
}

} // namespace

Inputs readInputs(const forms::Form& w) {
    Inputs in;
    in.amount = w.text("Text1");
    in.type = w.text("Combo2");
    in.grade = w.caption("Label7");
    for (std::size_t n = 1; n < in.ticked.size(); ++n) {
        const std::string box = numbered("Check", n);
        if (w.has(box))
            in.ticked.set(n, w.ticked(box));
    }
    for (std::size_t n = 1; n < in.texts.size(); ++n) {
        const std::string box = numbered("Text", n);
        if (w.has(box))
            in.texts[n] = w.text(box);
    }
    for (int option = 1; option <= 3; ++option)
        if (w.value(numbered("Option", static_cast<std::size_t>(option))))
            in.option = option;
    return in;
}

void runCalculation(forms::Form& w, CalculationState& state, forms::Desktop& desktop) {
    const Inputs inputs = readInputs(w);
    const Outcome outcome = engine::calculate(inputs, state.variables);
    if (outcome.focusAmount)
        w.setFocus("Text1");
    if (outcome.stop) {
        desktop.showMessage(
            {outcome.stop->message, std::string(forms::applicationTitle), forms::MessageIcon::None});
        if (!outcome.stop->emptyBox.empty())
            w.setText(outcome.stop->emptyBox, "");
        if (!outcome.stop->focusBox.empty())
            w.setFocus(outcome.stop->focusBox);
        return;
    }
    w.setText("Text15", outcome.basicFee);
    w.setText("Text16", outcome.otherFee);
    showPhaseLine(w, outcome.phase);
    w.setText("Text17", outcome.benchmarkFee);
    state.record =
        CalculationRecord{state.variables, inputs.ticked, inputs.option, outcome.phase.has_value()};
}

} // namespace varnel::session
