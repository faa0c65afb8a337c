#pragma once

#include "projects/decimal.h"

#include <string>

namespace varnel::projects {

// How a quote states its figures: amounts in 万元 to the 元 (four decimals), percentages to 0.01 %, each
// rounded once, half away from zero, from the decimal a calculation wrote. Every output of a project (its
// window, its 计算书, its workbook, varnel-calc) writes them with the texts below, so the same figure reads
// the same everywhere, and the rows printed add up to the total printed.
inline constexpr int amountPlaces = 4;
inline constexpr int percentPlaces = 2;

// An amount in 万元 as the quote states it: the double's decimal value rounded to the 元. A double that is
// not finite (no calculation stores one) counts as zero.
Decimal quotedAmount(double tenThousandYuan);
// A percentage as the quote states it, rounded to 0.01 %.
Decimal quotedPercent(const Decimal& percent);

// An amount with four decimals, "." as the point in every locale: "958.1869", "0.0000", "-12.5000".
std::string amountText(const Decimal& amount);
// A percentage with its sign and two decimals: "+5.00%", "-19.98%", "+0.00%".
std::string percentText(const Decimal& percent);

// An amount in 万元 written out in capital figures (大写) as a contract or an invoice states it, from the
// amount rounded to the 元: "人民币玖佰伍拾捌万壹仟捌佰陆拾玖元整". One 零 stands for any run of zeros
// between figures, also across 万 and 亿 ("壹亿零壹万元整"), none at the end; 拾 always has its figure
// ("壹拾万元整"); a negative amount starts "人民币负".
std::string uppercaseAmountText(const Decimal& tenThousandYuan);

} // namespace varnel::projects
