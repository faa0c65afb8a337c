#pragma once

#include "engine/project.h"
#include "engine/variables.h"

#include <optional>
#include <string>
#include <string_view>

namespace varnel::engine {

inline constexpr std::string_view outOfRangeMessage = "输入的数值超出计算范围！";

// The largest amount in 万元 a project may be given: the fee base amount, a typed fee and the contract
// amount. The base-price table ends at 2,000,000 万元 and the largest works come nowhere near 10^8 万元
// (一万亿元), so a larger amount is a slip of the keyboard, not a project. Bounding every typed amount
// keeps every sum finite: a fee is at most a few times its amount, and a project holds at most 9,999
// items. A typed fee is never negative.
inline constexpr double maxTypedAmount = 100'000'000;

// What the user is sent back to when a check stops a calculation.
enum class Focus {
    Amount, // the amount: emptied and focused
    Type,   // the engineering type (in the industry window, the kind of engineering), to be chosen
    Grade,  // the complexity grade, to be chosen
    Entry,  // the typed number `entry`: emptied and focused
    None,   // nothing to correct in one place: a box left empty, or a sum beyond the double range
};

// A check that ended the calculation: its message, and what the user is sent back to.
struct Stop {
    std::string message;
    Focus focus = Focus::None;
    std::optional<Entry> entry; // with Focus::Entry
    bool operator==(const Stop&) const = default;
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
// an amount beyond maxTypedAmount stops the run, and every value stays within the double range or the run
// stops with outOfRangeMessage.
Outcome calculate(const Project& project, Variables& variables);

// The same calculation for a project's figures, which are read from the variables: the check that stopped
// it, if one did, and whether a phase's share was written, without the result boxes' texts, which take
// longer to write than the calculation takes.
struct FiguresOutcome {
    std::optional<Stop> stop;
    bool phaseShareWritten = false;
};
FiguresOutcome calculateFigures(const Project& project, Variables& variables);

} // namespace varnel::engine
