#include "session/calculationcommand.h"

#include "forms/desktop.h"
#include "forms/form.h"
#include "forms/phaseline.h"

#include <string>

namespace varnel::session {

using engine::CalculationRecord;
using engine::CalculationState;
using engine::Outcome;
using engine::PhaseLine;

namespace {

void showPhaseLine(forms::Form& w, const std::optional<PhaseLine>& phase) {
    if (phase) {
        w.setVisible(boxes::phaseShare, true);
        w.setVisible(boxes::phaseLabel, true);
        w.setVisible(boxes::phaseCaption, true);
        w.setCaption(boxes::phaseCaption, phase->caption);
        w.setText(boxes::phaseShare, phase->share);
    } else {
        // No phase row applies to this calculation: a share shown earlier would belong to another one.
        forms::hidePhaseLine(w);
    }
}

} // namespace

void runCalculation(forms::Form& w, CalculationState& state, forms::Desktop& desktop) {
    const engine::Project project = readProject(w);
    const Outcome outcome = engine::calculate(project, state.variables);
    if (outcome.amountAccepted)
        w.setFocus(boxes::amount);
    if (const std::optional<engine::Stop>& stop = outcome.stop) {
        desktop.showMessage({stop->message, std::string(forms::applicationTitle), forms::MessageIcon::None});
        if (stop->wrongEntry) {
            if (const std::optional<std::string_view> box = entryBox(*stop->wrongEntry, project.type)) {
                w.setText(*box, "");
                w.setFocus(*box);
            }
        }
        if (stop->chooseType)
            w.setFocus(boxes::typeList);
        return;
    }
    w.setText(boxes::basicFee, outcome.basicFee);
    w.setText(boxes::otherFee, outcome.otherFee);
    showPhaseLine(w, outcome.phase);
    w.setText(boxes::benchmarkFee, outcome.benchmarkFee);
    state.record = CalculationRecord{state.variables, project, outcome.phase.has_value()};
}

} // namespace varnel::session
