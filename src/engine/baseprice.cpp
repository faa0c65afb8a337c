#include "engine/baseprice.h"

namespace varnel::engine {

BasePrice basePriceFor(double feeBase) {
    if (feeBase > flatRateFrom)
        return {feeBase * flatRate, std::nullopt, std::nullopt};
    if (feeBase < basePriceTable.front().amount)
        return {belowTable.price - ((belowTable.from - feeBase) * belowTable.rise) / belowTable.run,
                std::nullopt, std::nullopt};
    for (std::size_t i = 0; i + 1 < basePriceTable.size(); ++i) {
        const BasePriceRow& low = basePriceTable[i];
        const BasePriceRow& high = basePriceTable[i + 1];
        const bool last = i + 2 == basePriceTable.size();
        if (feeBase >= low.amount && (feeBase < high.amount || (last && feeBase <= high.amount))) {
            const double d1 = high.price - low.price;
            const double d2 = feeBase - low.amount;
            const double p = d2 * d1;
            const double w = high.amount - low.amount;
            return {low.price + p / w, low, high};
        }
    }
    return {}; // not reached for a number; NaN falls through
}

} // namespace varnel::engine
