#pragma once

#include "projects/figures.h"
#include "projects/quote.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace varnel::projects {

inline constexpr std::string_view workbookExtension = ".xlsx";
// The workbook's one sheet.
inline constexpr std::string_view summarySheetName = "汇总";

// Writes the project as an Excel workbook at `path` (UTF-8): the sheet 汇总 with the project's fields, a
// row per item with its inputs and figures, then the total, the float and the contract amount. Every
// number is a number cell holding exactly the program's double, whatever the locale. `figures` are the
// items' figures in item order and `totals` what totalsOf makes of them.
//
// The file is written beside `path` under a temporary name and takes its name only once it is complete: a
// save that fails leaves a file already there as it was and nothing new behind. Returns nothing once
// saved, otherwise why not, as a sentence for the user.
std::optional<std::string> writeWorkbook(const std::string& path, const Quote& quote,
                                         const std::vector<ItemFigures>& figures, const Totals& totals);

} // namespace varnel::projects
