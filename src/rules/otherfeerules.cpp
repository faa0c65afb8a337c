// The boxes of 其他设计收费: amount and rate boxes enabled while their service is ticked, and the chain of
// 采用标准设计和复用设计 with its two refinements, which exclude each other.
#include "rules/rules.h"

#include "forms/form.h"
#include "forms/mainwindow.h"

#include <array>
#include <string_view>

namespace varnel::rules {

namespace box = forms::mainwindow;

namespace {

constexpr std::array<std::pair<std::string_view, std::string_view>, 5> amountBoxes{{
    {box::ownPatents, box::ownPatentsAmount},
    {box::foreignDesign, box::foreignDesignAmount},
    {box::foreignReview, box::foreignReviewAmount},
    {box::extraPrinting, box::extraPrintingAmount},
    {box::standardDrawings, box::standardDrawingsAmount},
}};

void offerEntry(forms::Form& w, std::string_view entry, bool ticked) {
    if (ticked) {
        w.setEnabled(entry, true);
    } else {
        w.setEnabled(entry, false);
        w.setText(entry, "");
    }
}

void nonstandardEquipmentClick(forms::Form& w) {
    if (w.ticked(box::nonstandardEquipment)) {
        w.setEnabled(box::nonstandardEquipmentBase, true);
        w.setEnabled(box::nonstandardEquipmentRate, true);
    } else {
        w.setEnabled(box::nonstandardEquipmentBase, false);
        w.setEnabled(box::nonstandardEquipmentRate, false);
        w.setText(box::nonstandardEquipmentBase, "");
        w.setText(box::nonstandardEquipmentRate, "");
    }
}

// The two refinements exist only with 采用标准设计和复用设计. They are unticked before they are disabled:
// unticking one runs its own rule, which enables the other again.
void standardDesignReuseClick(forms::Form& w) {
    if (w.ticked(box::standardDesignReuse)) {
        w.setEnabled(box::foundationRedesign, true);
        w.setEnabled(box::partialChange, true);
    } else {
        w.untick(box::foundationRedesign);
        w.untick(box::partialChange);
        w.setEnabled(box::foundationRedesign, false);
        w.setEnabled(box::partialChange, false);
        w.setEnabled(box::partialChangeRate, false);
        w.setText(box::partialChangeRate, "");
    }
}

void foundationRedesignClick(forms::Form& w) {
    if (w.ticked(box::foundationRedesign)) {
        w.setEnabled(box::partialChange, false);
        w.untick(box::partialChange);
        w.setEnabled(box::partialChangeRate, false);
        w.setText(box::partialChangeRate, "");
    } else {
        w.setEnabled(box::partialChange, true);
        w.setEnabled(box::partialChangeRate, true);
    }
}

void partialChangeClick(forms::Form& w) {
    if (w.ticked(box::partialChange)) {
        w.setEnabled(box::partialChangeRate, true);
        w.setEnabled(box::foundationRedesign, false);
        w.untick(box::foundationRedesign);
    } else {
        w.setEnabled(box::partialChangeRate, false);
        w.setText(box::partialChangeRate, "");
        w.setEnabled(box::foundationRedesign, true);
    }
}

} // namespace

void installOtherFeeRules(forms::Form& w) {
    for (const auto& [check, entry] : amountBoxes)
        w.onClick(check, [&w, check = check, entry = entry] { offerEntry(w, entry, w.ticked(check)); });
    w.onClick(box::nonstandardEquipment, [&w] { nonstandardEquipmentClick(w); });
    w.onClick(box::standardDesignReuse, [&w] { standardDesignReuseClick(w); });
    w.onClick(box::foundationRedesign, [&w] { foundationRedesignClick(w); });
    w.onClick(box::partialChange, [&w] { partialChangeClick(w); });
}

} // namespace varnel::rules
