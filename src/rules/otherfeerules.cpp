// The boxes of 其他设计收费: amount and rate boxes enabled while their service is ticked, and the chain of
// 采用标准设计和复用设计 with its two refinements, which exclude each other.
#include "rules/offers.h"
#include "rules/rules.h"

#include "engine/otherfees.h"
#include "forms/form.h"
#include "windows/otherfeeboxes.h"

#include <string_view>

namespace varnel::rules {

namespace {

using windows::OtherFeeBoxes;

void nonstandardEquipmentClick(forms::Form& w, const OtherFeeBoxes& box) {
    const bool ticked = w.ticked(box.nonstandardEquipment);
    offerEntry(w, box.nonstandardEquipmentBase, ticked, Withdrawal::Disable);
    offerEntry(w, box.nonstandardEquipmentRate, ticked, Withdrawal::Disable);
}

// The two refinements exist only with 采用标准设计和复用设计. They are unticked before they are disabled:
// unticking one runs its own rule, which enables the other again.
void standardDesignReuseClick(forms::Form& w, const OtherFeeBoxes& box) {
    if (w.ticked(box.standardDesignReuse)) {
        w.setEnabled(box.foundationRedesign, true);
        w.setEnabled(box.partialChange, true);
    } else {
        w.untickAndClick(box.foundationRedesign);
        w.untickAndClick(box.partialChange);
        w.setEnabled(box.foundationRedesign, false);
        w.setEnabled(box.partialChange, false);
        w.setEnabled(box.partialChangeRate, false);
        w.setText(box.partialChangeRate, "");
    }
}

void foundationRedesignClick(forms::Form& w, const OtherFeeBoxes& box) {
    if (w.ticked(box.foundationRedesign)) {
        w.setEnabled(box.partialChange, false);
        w.untickAndClick(box.partialChange);
        w.setEnabled(box.partialChangeRate, false);
        w.setText(box.partialChangeRate, "");
    } else {
        w.setEnabled(box.partialChange, true);
        w.setEnabled(box.partialChangeRate, true);
    }
}

void partialChangeClick(forms::Form& w, const OtherFeeBoxes& box) {
    if (w.ticked(box.partialChange)) {
        w.setEnabled(box.partialChangeRate, true);
        w.setEnabled(box.foundationRedesign, false);
        w.untickAndClick(box.foundationRedesign);
    } else {
        w.setEnabled(box.partialChangeRate, false);
        w.setText(box.partialChangeRate, "");
        w.setEnabled(box.foundationRedesign, true);
    }
}

} // namespace

void installOtherFeeRules(forms::Form& w, const OtherFeeBoxes& box) {
    // A typed amount's box is offered while its service is ticked.
    for (const engine::OtherFee& fee : engine::otherFees) {
        if (fee.charge != engine::Charge::TypedAmount)
            continue;
        const std::string_view check = box.of(fee.service), entry = *box.of(fee.amountEntry());
        w.onClick(check, [&w, check, entry] { offerEntry(w, entry, w.ticked(check), Withdrawal::Disable); });
    }
    w.onClick(box.nonstandardEquipment, [&w, &box] { nonstandardEquipmentClick(w, box); });
    w.onClick(box.standardDesignReuse, [&w, &box] { standardDesignReuseClick(w, box); });
    w.onClick(box.foundationRedesign, [&w, &box] { foundationRedesignClick(w, box); });
    w.onClick(box.partialChange, [&w, &box] { partialChangeClick(w, box); });
}

} // namespace varnel::rules
