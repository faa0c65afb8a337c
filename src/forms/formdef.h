#pragma once

#include "forms/control.h"

#include <string>
#include <string_view>
#include <vector>

namespace varnel::forms {

enum class Placement { Centred, SystemDefault };

// A window as data: its caption, client size in twips, first placement and controls.
struct FormDef {
    std::string name;
    std::string caption;
    int clientWidth = 0;  // twips
    int clientHeight = 0; // twips
    Placement placement = Placement::SystemDefault;
    bool hasMenuBar = false;
    std::vector<ControlDef> controls;

    const ControlDef* find(std::string_view control) const;
    const ControlDef& at(std::string_view control) const; // throws std::out_of_range for an unknown name
};

// The program's windows by name.
namespace windows {
inline constexpr std::string_view main = "Form1";     // the fee calculator
inline constexpr std::string_view report = "Form2";   // 计算书
inline constexpr std::string_view help = "Form3";     // 帮助
inline constexpr std::string_view author = "Form4";   // Varnel 的作者
inline constexpr std::string_view planning = "Form5"; // 建筑总平面布置及小区规划设计收费计算
inline constexpr std::string_view project = "Project"; // 项目: a whole project's quote
} // namespace windows

// A window's definition by name; throws std::out_of_range for a name that is none of the program's.
const FormDef& windowDefinition(std::string_view form);
const std::vector<std::string>& windowNames();

const FormDef& mainWindowDefinition();
const FormDef& reportWindowDefinition();
const FormDef& helpWindowDefinition();
const FormDef& authorWindowDefinition();
const FormDef& planningWindowDefinition();
const FormDef& projectWindowDefinition();

// The short program name that titles every message box that has no title of its own.
inline constexpr std::string_view applicationTitle = "Varnel";

} // namespace varnel::forms
