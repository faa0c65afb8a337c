#include "planning/planning.h"

#include "engine/calculation.h"
#include "engine/numbers.h"

#include <cmath>

namespace varnel::planning {

std::string planningFeeMessage(std::string_view areaText, std::string_view unitPriceText) {
    // Each box is read whole: text that is no number gets the box's own message, as an empty box does.
    const std::optional<engine::NumberReading> area = engine::readWholeNumber(areaText);
    if (area && !area->fits)
        return std::string(engine::outOfRangeMessage);
    if (!area || area->value <= 0)
        return "设计面积不能小于等于零！";
    const std::optional<engine::NumberReading> unitPrice = engine::readWholeNumber(unitPriceText);
    if (unitPrice && !unitPrice->fits)
        return std::string(engine::outOfRangeMessage);
    if (!unitPrice || unitPrice->value < lowestUnitPrice || unitPrice->value > highestUnitPrice)
        return "收费单价超标！";
    const double fee = (unitPrice->value * area->value) / 10000;
    if (!std::isfinite(fee))
        return std::string(engine::outOfRangeMessage);
    return "您的设计收费为" + engine::joinedText(fee) + "万元";
}

} // namespace varnel::planning
