#include "session/calculationcommand.h"

#include "engine/calculation.h"
#include "forms/desktop.h"
#include "forms/form.h"
#include "session/mainwindowread.h"
#include "session/phaseline.h"
#include "windows/mainwindow.h"
#include "windows/windows.h"

#include <string>

namespace varnel::session {

namespace box = windows::mainwindow;

using engine::CalculationRecord;
using engine::Outcome;

bool runCalculation(forms::Form& w, CalculationState& state, forms::Desktop& desktop) {
    const engine::Project project = readMainWindow(w);
    const Outcome outcome = engine::calculate(project, state.variables);
    if (outcome.amountAccepted)
        w.setFocus(box::amount);
    if (const std::optional<engine::Stop>& stop = outcome.stop) {
        desktop.showMessage(
            {stop->message, std::string(windows::applicationTitle), forms::MessageIcon::None});
        if (stop->wrongEntry) {
            if (const std::optional<std::string_view> box = entryBox(*stop->wrongEntry, project.type)) {
                w.setText(*box, "");
                w.setFocus(*box);
            }
        }
        if (stop->wrongAmount) {
            w.setText(box::amount, "");
            w.setFocus(box::amount);
        }
        if (stop->chooseType)
            w.setFocus(box::typeList);
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
