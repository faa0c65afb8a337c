#pragma once

#include "engine/inputs.h"
#include "engine/variables.h"

#include <optional>
#include <string>
#include <string_view>

namespace varnel::engine {

inline constexpr std::string_view outOfRangeMessage = "输入的数值超出计算范围！";

// A check that ended the calculation: its message, and the text box it empties and gives the focus to.
struct Stop {
    std::string message;
    std::string emptyBox; // a control name, or empty
    std::string focusBox; // a control name, or empty
};

// The phase line under the results: the caption of Label28 and the share shown in Text18.
struct PhaseLine {
    std::string caption;
    std::string share;
};

// What one click of 计算 comes to on screen.
struct Outcome {
    bool focusAmount = false;       // the amount was accepted: the focus moves to Text1
    std::optional<Stop> stop;       // set when a check ended the run; nothing below is shown then
    std::string basicFee;           // Text15
    std::string otherFee;           // Text16
    std::string benchmarkFee;       // Text17
    std::optional<PhaseLine> phase; // empty: no phase row applies and the phase line is hidden

    bool complete() const { return !stop.has_value(); }
};

// One whole calculation in the standard's order: base price, coefficients and basic fee, other fees,
// benchmark and phase share. Writes the variables as it goes (a run that stops keeps what it wrote);
// every value stays within the double range or the run stops with outOfRangeMessage.
Outcome calculate(const Inputs& inputs, Variables& variables);

} // namespace varnel::engine
