// Check4_Click: 单独委托设计 offers the design phases the chosen type, grade and building kind have.
#include "rules/names.h"
#include "rules/rules.h"

#include "forms/form.h"
#include "rules/phaseline.h"

namespace varnel::rules {

namespace {

void enable(forms::Form& w, std::string_view option) {
    w.setEnabled(option, true);
}

void offerPhases(forms::Form& w) {
    const std::string& type = w.text("Combo2");
    const std::string& grade = w.caption("Label7");
    const bool building = type == buildingType;
    if (type == landscapeType && (grade == gradeII || grade == gradeI)) {
        // Below grade Ⅲ landscaping has shares for 施工图设计 and 方案设计 only.
        w.setEnabled("Option1", false);
        w.deselect("Option1");
        enable(w, "Option2");
        enable(w, "Option3");
    } else if (type == municipalType || type == roadType || type == bridgeType) {
        enable(w, "Option1");
        enable(w, "Option2");
        w.select("Option1");
        w.setEnabled("Option3", false);
    } else if (building && w.ticked("Check24")) {
        enable(w, "Option2");
        enable(w, "Option3");
    } else if (building && w.ticked("Check23")) {
        enable(w, "Option2");
        enable(w, "Option1");
    } else if (building && w.ticked("Check30")) {
        enable(w, "Option2");
        enable(w, "Option3");
    } else {
        enable(w, "Option1");
        enable(w, "Option2");
        w.select("Option1");
        enable(w, "Option3");
    }
}

// The only full reset of the phases: all options off and the phase line hidden and emptied.
void withdrawPhases(forms::Form& w) {
    w.setEnabled("Option1", false);
    w.setEnabled("Option2", false);
    w.deselect("Option1");
    w.deselect("Option2");
    w.setEnabled("Option3", false);
    w.deselect("Option3");
    hidePhaseLine(w);
}

} // namespace

void installPhaseRule(forms::Form& w) {
    w.onClick("Check4", [&w] {
        if (w.ticked("Check4"))
            offerPhases(w);
        else
            withdrawPhases(w);
    });
}

} // namespace varnel::rules
