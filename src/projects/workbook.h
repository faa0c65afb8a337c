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
// The workbook's one sheet.
inline constexpr std::string_view summarySheetName = "汇总";

// Writes the project as an Excel workbook at `path` (UTF-8): the sheet 汇总 with the project's fields, a
// row per item with its inputs and figures, then the total, the float and the contract amount. Every
// number is a number cell holding exactly the program's double, whatever the locale. `figures` are the
// items' figures in item order and `totals` what totalsOf makes of them.
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
