#pragma once

#include "engine/project.h"
#include "engine/variables.h"

#include <optional>

namespace varnel::engine {

// A complete calculation as it stood: its variables, the project as it was entered at its click, and
// whether a phase row applied (the run wrote the chosen phase's share; otherwise the share variables hold
// an earlier run's value or none).
struct CalculationRecord {
    Variables variables;
    Project project;
    bool phaseShareWritten = false;
};

// What the main window keeps of its calculations for as long as it lives.
struct CalculationState {
    Variables variables;                     // as the last run left them, stopped or complete
    std::optional<CalculationRecord> record; // the last complete calculation, if any
};

} // namespace varnel::engine
