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

} // namespace varnel::engine
