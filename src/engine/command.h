#pragma once

#include "engine/calculation.h"
#include "engine/variables.h"

#include <bitset>
#include <optional>

namespace varnel::forms {
class Desktop;
class Form;
} // namespace varnel::forms

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

// The main window's inputs as the calculation reads them.
Inputs readInputs(const forms::Form& mainWindow);

// 计算: reads the main window, calculates, and shows the outcome. A run that stops at a check shows its
// message (and empties and focuses the offending box) but leaves the result row showing the last complete
// calculation.
void runCalculation(forms::Form& mainWindow, CalculationState& state, forms::Desktop& desktop);

} // namespace varnel::engine
