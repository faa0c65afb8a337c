#pragma once

#include <string>

namespace varnel::forms {
class Form;
} // namespace varnel::forms

namespace varnel::session {

// The main window's phase line under the results, which 计算 shows: the name of the phase commissioned on
// its own, its share and the unit.
void showPhaseLine(forms::Form& mainWindow, std::string_view caption, const std::string& share);
// Hides it and empties the name and the share.
void hidePhaseLine(forms::Form& mainWindow);

} // namespace varnel::session
