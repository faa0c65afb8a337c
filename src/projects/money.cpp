#include "projects/money.h"

namespace varnel::projects {

Decimal quotedAmount(double tenThousandYuan) {
    return Decimal::of(tenThousandYuan).value_or(Decimal()).rounded(amountPlaces);
}

Decimal quotedPercent(const Decimal& percent) {
    return percent.rounded(percentPlaces);
}

std::string amountText(const Decimal& amount) {
    return amount.fixedText(amountPlaces);
}

std::string percentText(const Decimal& percent) {
    const std::string text = percent.fixedText(percentPlaces);
    return (text.front() == '-' ? text : "+" + text) + "%";
}

} // namespace varnel::projects
