#pragma once

#include "engine/calculation.h"
#include "engine/project.h"

#include <optional>
#include <string_view>

namespace varnel::forms {
class Form;
} // namespace varnel::forms

namespace varnel::session {

// The main window's reading of a project, without a toolkit: the control that holds each field of the
// project, and the project the window holds.

// The check box of a condition. 改扩建和技术改造建设项目 has a box in each type's group: the one of the
// project's type is read (no type: none).
std::optional<std::string_view> conditionBox(engine::Condition condition,
                                             std::optional<engine::EngineeringType> type);
// The text box a number is typed into; the renovation coefficient's, like its box, by type.
std::optional<std::string_view> entryBox(engine::Entry entry, std::optional<engine::EngineeringType> type);
// The option button of a design phase.
std::string_view phaseOption(engine::DesignPhase phase);

// The project as the main window holds it now.
engine::Project readMainWindow(const forms::Form& mainWindow);

} // namespace varnel::session
