#pragma once

#include <string>

namespace varnel::ui {
class Program;
}

namespace varnel::script {

// {"Form1": {...}, ..., "Form5": {...}}: every window's controls as their widgets show them.
std::string windowsJson(const ui::Program& program);
// {"lowAmount": ..., ...}: the 36 calculation variables, numbers that read back to the same double.
std::string variablesJson(const ui::Program& program);

} // namespace varnel::script
