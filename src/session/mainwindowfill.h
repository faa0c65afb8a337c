#pragma once

#include "engine/project.h"
#include "forms/form.h"

#include <string>

namespace varnel::session {

// Enters a single work's inputs into the main window the way a user enters them, from a window in its
// first state: the type, the grade, each condition with its typed coefficient, each service with its typed
// numbers, the amount, and 单独委托设计 with its phase. Each step runs the input rules a user's would.
// Refused when a step is one a user could not take, or when the window does not then hold exactly these
// inputs (the calculation's reading of them): such inputs did not come from the main window.
forms::Refusal fillMainWindow(forms::Form& mainWindow, const engine::Project& inputs);

// After a refused filling, the first condition of `inputs` the window could not take, named for the user
// with why: not offered for the type and grade, or excluded by another condition of the inputs
// ("附加调整条件“城市道路通过地下管网密集区的工程”和“高速公路、一级公路工程”不能同时选择"). Empty when every
// condition was taken (something else was refused). Tries the conditions in the window, which it leaves in
// no particular state.
std::string conditionsNotTaken(const engine::Project& inputs, forms::Form& mainWindow);

} // namespace varnel::session
