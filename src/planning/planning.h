#pragma once

#include <string>
#include <string_view>

namespace varnel::planning {

// The unit price of site-plan layout and residential-district planning, 元 per hectare, both ends allowed.
inline constexpr double lowestUnitPrice = 10000;
inline constexpr double highestUnitPrice = 20000;

// The planning fee for a design area (公顷) and a unit price (元/公顷), as the message that reports it:
// the fee in 万元, or why it cannot be computed.
std::string planningFeeMessage(std::string_view areaText, std::string_view unitPriceText);

} // namespace varnel::planning
