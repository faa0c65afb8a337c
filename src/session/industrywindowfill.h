#pragma once

#include "engine/industrycalculation.h"
#include "forms/form.h"
#include "session/industrywindowrules.h"

namespace varnel::session {

// Enters a project into the industry window the way a user enters it, from the window in its first state,
// each step running the window's rules. Refused when a step is one a user could not take, or when the
// window then holds other inputs (the calculation's reading of them): such inputs did not come from the
// window.
forms::Refusal fillIndustryWindow(forms::Form& industryWindow, IndustryWindowRules& rules,
                                  const engine::industry::KindProject& project);

} // namespace varnel::session
