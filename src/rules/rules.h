#pragma once

namespace varnel::forms {
class Form;
}

namespace varnel::windows {
struct OtherFeeBoxes;
}

namespace varnel::rules {

// Binds every input rule of the main window to its control: the engineering type, the grade descriptions,
// the additional-adjustment boxes, the other-fee boxes and 单独委托设计.
// The rules only show, hide, enable, disable, tick, untick and empty controls; they compute nothing.
void installMainWindowRules(forms::Form& mainWindow);

// The families, each binding its own handlers.
void installTypeRule(forms::Form& w);
void installGradeRules(forms::Form& w);
void installAdjustmentRules(forms::Form& w);
// The other design fees' rules work on any window that offers them, with its own boxes (which must outlive
// the window: each window's are constants of its header).
void installOtherFeeRules(forms::Form& w, const windows::OtherFeeBoxes& boxes);
void installPhaseRule(forms::Form& w);

} // namespace varnel::rules
