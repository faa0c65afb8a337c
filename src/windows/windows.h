#pragma once

#include "forms/formdef.h"

#include <string>
#include <string_view>
#include <vector>

// The program's windows, each defined as data (its controls, their places and first states), and the one
// header of each that names its controls by what they hold.
namespace varnel::windows {

// The windows by name.
inline constexpr std::string_view main = "Form1";     // the fee calculator
inline constexpr std::string_view report = "Form2";   // 计算书
inline constexpr std::string_view help = "Form3";     // 帮助
inline constexpr std::string_view author = "Form4";   // Varnel 的作者
inline constexpr std::string_view planning = "Form5"; // 建筑总平面布置及小区规划设计收费计算
inline constexpr std::string_view project = "Project"; // 项目: a whole project's quote
inline constexpr std::string_view industry =
    "Industry"; // 全行业设计收费: every kind of engineering of 附表二

// A window's definition by name; throws std::out_of_range for a name that is none of the program's.
const forms::FormDef& definition(std::string_view window);
const std::vector<std::string>& names();

const forms::FormDef& mainWindowDefinition();
const forms::FormDef& reportWindowDefinition();
const forms::FormDef& helpWindowDefinition();
const forms::FormDef& authorWindowDefinition();
const forms::FormDef& planningWindowDefinition();
const forms::FormDef& projectWindowDefinition();
const forms::FormDef& industryWindowDefinition();

// The short program name that titles every message box that has no title of its own.
inline constexpr std::string_view applicationTitle = "Varnel";

} // namespace varnel::windows
