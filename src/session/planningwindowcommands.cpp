#include "session/planningwindowcommands.h"

#include "forms/desktop.h"
#include "forms/form.h"
#include "planning/planning.h"
#include "windows/secondarywindows.h"
#include "windows/windows.h"

#include <string>

namespace varnel::session {

namespace planningBox = windows::planningwindow;

namespace {

forms::Message planningMessage(const forms::Form& w) {
    return {planning::planningFeeMessage(w.text(planningBox::area), w.text(planningBox::unitPrice)),
            std::string(windows::applicationTitle), forms::MessageIcon::None};
}

} // namespace

void bindPlanningWindow(forms::Form& w, forms::Desktop& desktop) {
    w.onClick(planningBox::calculate, [&w, &desktop] { desktop.showMessage(planningMessage(w)); });
}

} // namespace varnel::session
