#pragma once

#include "projects/figures.h"
#include "projects/files.h"
#include "projects/quote.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace varnel::projects {

inline constexpr std::string_view workbookExtension = ".xlsx";
// The workbook's sheets: the quote, and each item's calculation.
inline constexpr std::string_view summarySheetName = "汇总";
inline constexpr std::string_view processSheetName = "计算过程";

// Writes the project as an Excel workbook at `path` (UTF-8). The sheet 汇总 has a title, the project's
// fields (the date as a date where it reads as one), a row per item with its inputs and figures, then the
// totals: each fee column summed, the float, the contract amount and its VAT, and the total and the contract
// amount in capital figures (大写). Where a figure follows from others the cell holds the formula, with the
// program's figure as its value for a reader that does not calculate; it prints on A4 landscape, one page
// wide, with the header row on every page. The sheet 计算过程 has each item's section of the 计算书, a line
// to a row. Every number is a number cell holding exactly the program's double, whatever the locale.
// `figures` are the items' figures in item order and `totals` what totalsOf makes of them.
//
// The file is written as every file of Varnel's is (writeWholeFile): whole or not at all. Returns nothing
// once saved, otherwise why not.
std::optional<FileFailure> writeWorkbook(const std::string& path, const Quote& quote,
                                         const std::vector<ItemFigures>& figures, const Totals& totals);

// The message that says the workbook was not exported: the file and what to do.
std::string workbookNotSaved(const std::string& path, const FileFailure& failure);

// The workbook's bytes, made in a folder of its own in the system's temporary folder, or why it could not
// be made.
std::variant<std::string, FileFailure>
workbookBytes(const Quote& quote, const std::vector<ItemFigures>& figures, const Totals& totals);
// A workbook larger than this is not read back (no project comes near it).
inline constexpr std::uintmax_t maxWorkbookBytes = std::uintmax_t{1} << 30;

} // namespace varnel::projects
