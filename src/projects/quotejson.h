#pragma once

#include "projects/figures.h"
#include "projects/quote.h"

#include <string>
#include <vector>

namespace varnel::projects {

// A project's quote as one line of JSON, for scripts: the project's fields, each item's inputs as the
// tables name them and its figures, the total, the float, the contract amount and its VAT. Amounts are
// written as the quote states them (money.h: 万元 to four decimals, "958.1869"), so the line reads the same
// as the window, the 计算书 and the workbook; beside them, under "…Exact", the calculation's own doubles in
// their shortest exact form. Where a figure does not apply (no phase, no grade, no float) the field is null.
//
// The project: "project" (项目名称), "client" (发包人), "designer" (设计人), "date" (编制日期, as written),
// "items", "total", "float" (浮动幅度值 in %, or the one a typed contract amount comes to, to 0.01 %; null
// without a total to compare with), "contractTyped" (the contract amount was typed instead of a float),
// "newTechnology" (采用新技术), "contract" (合同额), "taxRate" (增值税税率 in %), "taxIncluded" (whether
// the contract amount includes the VAT), "excludingTax", "tax", "includingTax".
//
// Each item: "name", "itemKind" ("main" for an item of the main window, "industry" for a work of a kind of
// engineering of 附表二), "type" (the main window's engineering type, "公路和城市道路工程"; null for a work
// of 附表二), "kind" (the kind of engineering of 附表二, "公路、城市道路工程"; null for the main window's),
// "grade" ("Ⅰ级", "Ⅱ级", "Ⅲ级" or null), "feeBaseTyped" (计费额 as typed, a string), "feeBase" (the
// 计费额 the calculation read, 万元 as stated), "basicFee", "otherFee", "benchmarkFee", "phase" (the design
// phase commissioned on its own whose share is charged), "phasePercent" (its share of the benchmark in %),
// "phaseFee", "fee" (计入合计的收费), and "basicFeeExact", "otherFeeExact", "benchmarkFeeExact",
// "phaseFeeExact", "feeExact".
std::string quoteJsonLine(const Quote& quote, const std::vector<ItemFigures>& figures, const Totals& totals);

} // namespace varnel::projects
