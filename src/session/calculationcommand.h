#pragma once

#include "session/calculationstate.h"

namespace varnel::forms {
class Desktop;
class Form;
} // namespace varnel::forms

namespace varnel::session {

// 计算: reads the main window, calculates, and shows the outcome. A run that stops at a check shows its
// message (and empties and focuses the offending box) but leaves the result row showing the last complete
// calculation. Whether the run was complete.
bool runCalculation(forms::Form& mainWindow, CalculationState& state, forms::Desktop& desktop);

} // namespace varnel::session
