#pragma once

#include <string_view>

// The report, help, author and planning-fee windows, their controls named by what each holds. Only their
// definitions (secondarywindowdefs.cpp) and this list use the windows' own names, which varnel-script's
// scenarios use too.
namespace varnel::windows {

// 计算书 (Form2).
namespace reportwindow {
inline constexpr std::string_view text = "Text1"; // the report, to read, print and save
// 打印… (Ctrl+P) and 另存为… (Ctrl+S), in the text's context menu.
inline constexpr std::string_view print = "print";
inline constexpr std::string_view save = "save";
} // namespace reportwindow

// 帮助 (Form3).
namespace helpwindow {
inline constexpr std::string_view text = "Text1"; // the standard's text
} // namespace helpwindow

// Varnel 的作者 (Form4).
namespace authorwindow {
inline constexpr std::string_view picture = "Image1";
} // namespace authorwindow

// 建筑总平面布置及小区规划设计收费计算 (Form5).
namespace planningwindow {
inline constexpr std::string_view area = "Text1";      // 设计面积, 公顷
inline constexpr std::string_view unitPrice = "Text2"; // 单价, 元/公顷
inline constexpr std::string_view calculate = "Command1";
} // namespace planningwindow

} // namespace varnel::windows
