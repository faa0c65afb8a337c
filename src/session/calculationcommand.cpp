#include "session/calculationcommand.h"

#include "engine/calculation.h"
#include "forms/desktop.h"
#include "forms/form.h"
#include "session/phaseline.h"
#include "session/projectbinding.h"
#include "windows/mainwindow.h"
#include "windows/windows.h"

#include <string>

namespace varnel::session {

namespace box = windows::mainwindow;

using engine::CalculationRecord;
using engine::Outcome;

bool runCalculation(forms::Form& w, CalculationState& state, forms::Desktop& desktop) {
    const engine::Project project = readProject(w);
    const Outcome outcome = engine::calculate(project, state.variables);
    if (outcome.amountAccepted)
        w.setFocus(box::amount);
    if (const std::optional<engine::Stop>& stop = outcome.stop) {
        desktop.showMessage(
            {stop->message, std::string(windows::applicationTitle), forms::MessageIcon::None});
        std::optional<std::string_view> retyped;
        switch (stop->focus) {
        case engine::Focus::Amount:
            retyped = box::amount;
            break;
        case engine::Focus::Entry:
            retyped = entryBox(*stop->entry, project.type);
            break;
        case engine::Focus::Type:
            w.setFocus(box::typeList);
            break;
        case engine::Focus::Grade:
        case engine::Focus::None:
            break;
        }
        if (retyped) {
            w.setText(*retyped, "");
            w.setFocus(*retyped);
        }
        return false;
    }
    w.setText(box::basicFee, outcome.basicFee);
    w.setText(box::otherFee, outcome.otherFee);
    // Without a phase row for this calculation the line is hidden: a share shown earlier would belong to
    // another one.
    if (outcome.phase)
        showPhaseLine(w, outcome.phase->caption, outcome.phase->share);
    else
        hidePhaseLine(w);
    w.setText(box::benchmarkFee, outcome.benchmarkFee);
    state.record = CalculationRecord{state.variables, project, outcome.phase.has_value()};
    return true;
}

} // namespace varnel::session
