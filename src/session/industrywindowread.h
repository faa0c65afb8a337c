#pragma once

#include "engine/industrycalculation.h"
#include "forms/form.h"

#include <optional>
#include <string_view>

namespace varnel::session {

// The industry window's reading of a project and its lists, without a toolkit: what each list offers for
// the kind and grade chosen, and the project the window holds.

// The kind and grade the window holds now.
std::optional<engine::industry::Kind> chosenKind(const forms::Form& industryWindow);
std::optional<engine::Grade> chosenGrade(const forms::Form& industryWindow);

// The box a typed number of the project is typed into: a coefficient's box in the condition's place, or an
// other fee's box. None where the window does not offer it now.
std::optional<std::string_view> industryEntryBox(const forms::Form& industryWindow, engine::Entry entry);

// The project as the industry window holds it now.
engine::industry::KindProject readIndustryProject(const forms::Form& industryWindow);

} // namespace varnel::session
