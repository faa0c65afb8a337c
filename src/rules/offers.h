#pragma once

#include <string_view>

namespace varnel::forms {
class Form;
}

// What several rules offer alike.
namespace varnel::rules {

// A box for a number typed for a condition or a service: offered while its box is ticked; emptied and
// withdrawn when it is unticked: hidden (the coefficient boxes) or disabled (the amount and rate boxes).
enum class Withdrawal { Hide, Disable };
void offerEntry(forms::Form& w, std::string_view entry, bool ticked, Withdrawal withdrawal);

// While 单独委托设计 is ticked, every phase becomes a choice again (the building kinds without phases of
// their own, and the building type itself, have all three).
void offerEveryPhaseWhileCommissioned(forms::Form& w);

} // namespace varnel::rules
