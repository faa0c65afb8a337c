// The boxes of 其他设计收费: amount and rate boxes enabled while their service is ticked, and the chain of
// 采用标准设计和复用设计 with its two refinements, which exclude each other.
#include "rules/rules.h"

#include "forms/form.h"

#include <array>
#include <string_view>

namespace varnel::rules {

namespace {

constexpr std::array<std::pair<std::string_view, std::string_view>, 5> amountBoxes{{
    {"Check13", "Text10"},
    {"Check14", "Text11"},
    {"Check15", "Text12"},
    {"Check16", "Text13"},
    {"Check17", "Text14"},
}};

void offerEntry(forms::Form& w, std::string_view entry, bool ticked) {
    if (ticked) {
        w.setEnabled(entry, true);
    } else {
        w.setEnabled(entry, false);
        w.setText(entry, "");
    }
}

void check3Click(forms::Form& w) {
    if (w.ticked("Check3")) {
        w.setEnabled("Text7", true);
        w.setEnabled("Text9", true);
    } else {
        w.setEnabled("Text7", false);
        w.setEnabled("Text9", false);
        w.setText("Text7", "");
        w.setText("Text9", "");
    }
}

// The two refinements exist only with 采用标准设计和复用设计. They are unticked before they are disabled:
// unticking one runs its own rule, which enables the other again.
void check18Click(forms::Form& w) {
    if (w.ticked("Check18")) {
        w.setEnabled("Check19", true);
        w.setEnabled("Check21", true);
    } else {
        w.untick("Check19");
        w.untick("Check21");
        w.setEnabled("Check19", false);
        w.setEnabled("Check21", false);
        w.setEnabled("Text3", false);
        w.setText("Text3", "");
    }
}

void check19Click(forms::Form& w) {
    if (w.ticked("Check19")) {
        w.setEnabled("Check21", false);
        w.untick("Check21");
        w.setEnabled("Text3", false);
        w.setText("Text3", "");
    } else {
        w.setEnabled("Check21", true);
        w.setEnabled("Text3", true);
    }
}

void check21Click(forms::Form& w) {
    if (w.ticked("Check21")) {
        w.setEnabled("Text3", true);
        w.setEnabled("Check19", false);
        w.untick("Check19");
    } else {
        w.setEnabled("Text3", false);
        w.setText("Text3", "");
        w.setEnabled("Check19", true);
    }
}

} // namespace

void installOtherFeeRules(forms::Form& w) {
    for (const auto& [box, entry] : amountBoxes)
        w.onClick(box, [&w, box = box, entry = entry] { offerEntry(w, entry, w.ticked(box)); });
    w.onClick("Check3", [&w] { check3Click(w); });
    w.onClick("Check18", [&w] { check18Click(w); });
    w.onClick("Check19", [&w] { check19Click(w); });
    w.onClick("Check21", [&w] { check21Click(w); });
}

} // namespace varnel::rules
