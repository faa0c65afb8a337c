// Combo2_Click: choosing an engineering type.
#include "rules/descriptions.h"
#include "rules/names.h"
#include "rules/rules.h"

#include "forms/form.h"

#include <array>
#include <initializer_list>
#include <string_view>

namespace varnel::rules {

namespace {

using Names = std::initializer_list<std::string_view>;

constexpr std::array<std::string_view, 5> groupFrames{"Frame4", "Frame2", "Frame5", "Frame7", "Frame8"};

// What a type choice does, told once for the five types.
struct TypeBranch {
    std::string_view type;
    std::string_view frame; // its additional-adjustment group
    bool withoutScheme;     // the type has no 方案设计 phase: Option3 is disabled and deselected first
    Names untick;           // the other groups' boxes, in the order they are unticked
    void (*last)(forms::Form&); // the branch's last step, if any
};

void showOnly(forms::Form& w, std::string_view frame) {
    w.setVisible(frame, true);
    for (std::string_view other : groupFrames)
        if (other != frame)
            w.setVisible(other, false);
}

void buildingLastStep(forms::Form& w) {
    if (w.ticked("Check4")) {
        w.setEnabled("Option1", true);
        w.setEnabled("Option2", true);
        w.setEnabled("Option3", true);
    }
}

void landscapeLastStep(forms::Form& w) {
    if (w.caption("Label7") == gradeIII && w.ticked("Check4"))
        w.setEnabled("Option3", true);
}

const TypeBranch branches[] = {
    {roadType,
     "Frame4",
     true,
     {"Check1", "Check2", "Check5", "Check6", "Check22", "Check23", "Check24", "Check25", "Check26",
      "Check27", "Check28", "Check31"},
     nullptr},
    {bridgeType,
     "Frame2",
     true,
     {"Check9", "Check12", "Check20", "Check22", "Check23", "Check24", "Check25", "Check26", "Check27",
      "Check28", "Check31"},
     nullptr},
    {buildingType,
     "Frame5",
     false,
     {"Check1", "Check2", "Check5", "Check6", "Check9", "Check12", "Check20", "Check27", "Check31"},
     buildingLastStep},
    {landscapeType,
     "Frame7",
     false,
     {"Check1", "Check2", "Check5", "Check6", "Check9", "Check12", "Check20", "Check22", "Check23", "Check24",
      "Check25", "Check26", "Check27", "Check28"},
     landscapeLastStep},
    {municipalType,
     "Frame8",
     true,
     {"Check1", "Check2", "Check5", "Check6", "Check9", "Check12", "Check20", "Check22", "Check23", "Check24",
      "Check25", "Check26", "Check28", "Check31"},
     nullptr},
};

void combo2Click(forms::Form& w) {
    w.setEnabled("Check4", true);
    const std::string& type = w.text("Combo2");
    for (const TypeBranch& branch : branches) {
        if (type != branch.type)
            continue;
        if (branch.withoutScheme) {
            w.setEnabled("Option3", false);
            w.deselect("Option3");
        }
        const GradeDescriptions& d = descriptionsOf(branch.type);
        w.setText("Text4", std::string(d.gradeI));
        w.setText("Text5", std::string(d.gradeII));
        w.setText("Text6", std::string(d.gradeIII));
        showOnly(w, branch.frame);
        // Unticking a ticked box runs its own rule, which hides and empties its entry box.
        for (std::string_view box : branch.untick)
            w.untick(box);
        if (branch.last)
            branch.last(w);
        return;
    }
}

} // namespace

void installTypeRule(forms::Form& w) {
    w.onClick("Combo2", [&w] { combo2Click(w); });
}

} // namespace varnel::rules
