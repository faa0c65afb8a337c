#pragma once

namespace varnel::forms {
class Desktop;
class Form;
} // namespace varnel::forms

namespace varnel::session {

// The planning window's command: 计算 tells the planning fee of the area and the unit price typed, or what
// is wrong with them, in a message.
void bindPlanningWindow(forms::Form& planningWindow, forms::Desktop& desktop);

} // namespace varnel::session
