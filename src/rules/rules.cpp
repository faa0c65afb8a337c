#include "rules/rules.h"

#include "windows/mainwindow.h"

namespace varnel::rules {

void installMainWindowRules(forms::Form& w) {
    installTypeRule(w);
    installGradeRules(w);
    installAdjustmentRules(w);
    installOtherFeeRules(w, windows::mainwindow::otherFees);
    installPhaseRule(w);
}

} // namespace varnel::rules
