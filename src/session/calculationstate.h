#pragma once

#include "engine/record.h"

#include <optional>

namespace varnel::session {

// What the program keeps of the main window's calculations for as long as it runs. The variables outlive
// each run because the report reads them: a run that stops keeps what it wrote, and 计算书 then shows it.
struct CalculationState {
    engine::Variables variables;                     // as the last run left them, stopped or complete
    std::optional<engine::CalculationRecord> record; // the last complete calculation, if any
};

} // namespace varnel::session
