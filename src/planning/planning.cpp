#include "planning/planning.h"

#include "engine/calculation.h"
#include "engine/numbers.h"

#include <cmath>

namespace varnel::planning {

std::string planningFeeMessage(std::string_view areaText, std::string_view unitPriceText) {
    const engine::NumberReading area = engine::readNumber(areaText);
    if (!area.fits)
        return std::string(engine::outOfRangeMessage);
    if (area.value <= 0)
        return "设计面积不能小于等于零！";
    const engine::NumberReading unitPrice = engine::readNumber(unitPriceText);
    if (!unitPrice.fits)
        return std::string(engine::outOfRangeMessage);
    if (unitPrice.value < lowestUnitPrice || unitPrice.value > highestUnitPrice)
        return "收费单价超标！";
    const double fee = (unitPrice.value * area.value) / 10000;
    if (!std::isfinite(fee))
        return std::string(engine::outOfRangeMessage);
    return "您的设计收费为" + engine::joinedText(fee) + "万元";
}

} // namespace varnel::planning
