#include "rules/rules.h"

namespace varnel::rules {

void installMainWindowRules(forms::Form& w) {
    installTypeRule(w);
    installGradeRules(w);
    installAdjustmentRules(w);
    installOtherFeeRules(w);
    installPhaseRule(w);
}

} // namespace varnel::rules
