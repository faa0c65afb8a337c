#pragma once

namespace varnel::forms {
class Desktop;
class Form;
} // namespace varnel::forms

namespace varnel::session {

// The report window's commands, in its text's context menu: 打印… (Ctrl+P) prints the 计算书 as the window
// holds it, 另存为… (Ctrl+S) saves it as PDF or text.
void bindReportWindow(forms::Form& reportWindow, forms::Desktop& desktop);

} // namespace varnel::session
