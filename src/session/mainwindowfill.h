#pragma once

#include "engine/project.h"
#include "forms/form.h"

namespace varnel::session {

// Enters a single work's inputs into the main window the way a user enters them, from a window in its
// first state: the type, the grade, each condition with its typed coefficient, each service with its typed
// numbers, the amount, and 单独委托设计 with its phase. Each step runs the input rules a user's would.
// Refused when a step is one a user could not take, or when the window does not then hold exactly these
// inputs (the calculation's reading of them): such inputs did not come from the main window.
forms::Refusal fillMainWindow(forms::Form& mainWindow, const engine::Project& inputs);

} // namespace varnel::session
