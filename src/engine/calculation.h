#pragma once

#include "engine/project.h"
#include "engine/variables.h"

#include <optional>
#include <string>
#include <string_view>

namespace varnel::engine {

inline constexpr std::string_view outOfRangeMessage = "输入的数值超出计算范围！";

// A check that ended the calculation: its message, and what the user is sent back to: the typed number
// that was out of range (it is emptied and takes the focus), or the type that was not chosen.
struct Stop {
    std::string message;
    std::optional<Entry> wrongEntry;
    bool chooseType = false;
};

// The phase line under the results: its caption (one of the phases' own) and the share it shows.
struct PhaseLine {
    std::string_view caption;
    std::string share;
};

// What one click of 计算 comes to on screen.
struct Outcome {
    bool amountAccepted = false;    // the amount was read: the focus goes back to it for the next one
    std::optional<Stop> stop;       // set when a check ended the run; nothing below is shown then
    std::string basicFee;           // 基本设计收费, as the result box shows it
    std::string otherFee;           // 其他设计收费
    std::string benchmarkFee;       // 设计收费基准价
    std::optional<PhaseLine> phase; // empty: no phase row applies and the phase line is hidden

    bool complete() const { return !stop.has_value(); }
};

// One whole calculation in the standard's order: base price, coefficients and basic fee, other fees,
// benchmark and phase share. Writes the variables as it goes (a run that stops keeps what it wrote);
// every value stays within the double range or the run stops with outOfRangeMessage.
Outcome calculate(const Project& project, Variables& variables);

} // namespace varnel::engine
