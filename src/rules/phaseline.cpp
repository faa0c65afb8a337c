#include "rules/phaseline.h"

#include "forms/form.h"

namespace varnel::rules {

namespace {
constexpr std::string_view name = "Label28";
constexpr std::string_view unit = "Label27";
constexpr std::string_view share = "Text18";
} // namespace

void showPhaseLine(forms::Form& w, std::string_view caption, const std::string& shareText) {
    w.setVisible(share, true);
    w.setVisible(unit, true);
    w.setVisible(name, true);
    w.setCaption(name, std::string(caption));
    w.setText(share, shareText);
}

void hidePhaseLine(forms::Form& w) {
    w.setVisible(name, false);
    w.setCaption(name, "");
    w.setVisible(unit, false);
    w.setVisible(share, false);
    w.setText(share, "");
}

} // namespace varnel::rules
