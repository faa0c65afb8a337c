#pragma once

#include "engine/variables.h"

#include <bitset>
#include <optional>

namespace varnel::engine {

// A complete calculation as it stood: its variables, the boxes and options as they were at its click, and
// whether a phase row applied (the run wrote the chosen phase's share; otherwise the share variables hold
// an earlier run's value or none).
struct CalculationRecord {
    Variables variables;
    std::bitset<33> ticked;
    int option = 0;
    bool phaseShareWritten = false;
};

// What the main window keeps of its calculations for as long as it lives.
struct CalculationState {
    Variables variables;                     // as the last run left them, stopped or complete
    std::optional<CalculationRecord> record; // the last complete calculation, if any
};

} // namespace varnel::engine
