#pragma once

#include <string_view>

// The project window (项目): a whole project's quote, its single works in a table and what they come to.
// Its controls are named by what they hold.
namespace varnel::windows::projectwindow {

inline constexpr std::string_view name = "name";         // 项目名称
inline constexpr std::string_view date = "date";         // 编制日期
inline constexpr std::string_view client = "client";     // 发包人
inline constexpr std::string_view designer = "designer"; // 设计人
inline constexpr std::string_view items = "items";       // the single works, a row each, and their total

// What can be done to the current item.
inline constexpr std::string_view openItem = "openItem"; // into the main window, as a double-click does
inline constexpr std::string_view moveUp = "moveUp";
inline constexpr std::string_view moveDown = "moveDown";
inline constexpr std::string_view renameItem = "renameItem";
inline constexpr std::string_view removeItem = "removeItem";

// How the contract amount follows from the total.
inline constexpr std::string_view floatPercent = "floatPercent";   // 浮动幅度值, in percent
inline constexpr std::string_view floatRange = "floatRange";       // the unit and the range it may take
inline constexpr std::string_view newTechnology = "newTechnology"; // 采用新技术: the float may reach +25 %
inline constexpr std::string_view contractAmount = "contractAmount"; // 合同额 typed instead of a float
inline constexpr std::string_view total = "total";                   // 合计 of the charged fees
inline constexpr std::string_view contract = "contract";             // the contract amount it comes to
inline constexpr std::string_view floatNote = "floatNote";           // the float a typed amount implies

// The VAT on the contract amount.
inline constexpr std::string_view taxRate = "taxRate";         // 增值税税率, in percent
inline constexpr std::string_view taxIncluded = "taxIncluded"; // whether the contract amount includes it
inline constexpr std::string_view taxNote = "taxNote";         // 不含税金额, 税额 and 含税金额

// The project's 计算书 and workbook.
inline constexpr std::string_view printReport = "printReport";
inline constexpr std::string_view saveReport = "saveReport";
inline constexpr std::string_view exportWorkbook = "exportWorkbook";

// The project itself, as the main window's 文件 menu saves it; 保存项目 answers Ctrl+S.
inline constexpr std::string_view saveProject = "saveProject";
inline constexpr std::string_view saveProjectAs = "saveProjectAs";

// The columns of the table.
enum class Column { Name, Type, Grade, Amount, BasicFee, OtherFee, BenchmarkFee, Phase, ChargedFee };
inline constexpr int columnCount = 9;

} // namespace varnel::windows::projectwindow
