#pragma once

#include "engine/entries.h"
#include "engine/otherfees.h"
#include "engine/project.h"
#include "engine/variables.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace varnel::engine {

// The steps of the standard's calculation that do not depend on the kind of engineering: the base price
// from the typed amount, the additional adjustment's sum, the other design fees, the benchmark and a
// phase's share. The main window's calculation and the calculation of every industry both take them, so
// the same project gives the same figures in either window.

// A check of a step that ended the calculation: its message and the typed number it concerns, if any.
struct StepStop {
    std::string_view message;
    std::optional<Entry> entry;
    // What was typed could not be taken (it does not read whole, or it lies beyond what may be typed):
    // the box it was typed into is emptied and focused in every window. A box left empty is only named.
    bool retype = false;
    bool amount = false; // the fee base amount is that box
};
using StepResult = std::optional<StepStop>; // empty: the step went through

// Reads a typed number whole (readWholeNumber): text that is no number stops with the box's own message
// (`message`), a number beyond the double range with outOfRangeMessage; both leave `value` as it was and
// have the box typed again.
StepResult readTypedNumber(std::string_view text, Entry entry, std::string_view message, double& value);

// 工程设计收费基价 of the amount as typed (工程设计收费计费额, 万元), which must read whole, lie above 0 and
// be at most maxTypedAmount. Writes feeBase (also when the amount is refused), the two table rows
// interpolated between, if any, and basePrice.
StepResult basePriceStep(std::string_view amount, Variables& v);

// 附加调整系数 = 1 + Σ(cᵢ − 1) over the additional adjustment's five places: their sum less 5 plus 1, a
// place no condition took adding 1 − 1. The places are added in the standard's order (2, 3, 1, 4, 5):
// another order can change the last bit.
double combinedAdditionalCoefficient(const std::array<Variable, additionalPlaces>& places);

// What the other design fees read of a project: the services commissioned, the numbers typed for them,
// and whether a standard or reused design is charged at its own rate (chargesReuseAlone).
struct CommissionedServices {
    const EnumSet<Service, serviceCount>& services;
    const std::array<std::string, entryCount>& entries;
    bool reuseChargedAlone;
};

// 其他设计收费: each fee of `otherFees` in its order from the basic fee and the typed numbers, then their sum
// in the order of `sumOrder`. Writes each fee, the typed equipment amount and rate, the partial change's
// rate and otherFee. A typed amount beyond ±maxTypedAmount stops with its entry.
StepResult otherFeesStep(const CommissionedServices& order, Variables& v);

// 工程设计收费基准价 = 基本设计收费 + 其他设计收费: writes benchmarkFee.
StepResult benchmarkStep(Variables& v);

// The share of the benchmark a design phase commissioned on its own is charged (a proportion of at most 1:
// always finite).
inline double phaseShare(double benchmark, double proportion) {
    return benchmark * proportion;
}

} // namespace varnel::engine
