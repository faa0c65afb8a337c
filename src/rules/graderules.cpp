// Text4_Click, Text5_Click, Text6_Click: clicking a grade's description chooses that complexity grade.
#include "rules/names.h"
#include "rules/rules.h"

#include "forms/form.h"

namespace varnel::rules {

namespace {

bool isLandscape(const forms::Form& w) {
    return w.text("Combo2") == landscapeType;
}

// Hides a grade-bound box and unticks it; a ticked box runs its own rule as it is unticked.
void withdraw(forms::Form& w, std::string_view box) {
    w.setVisible(box, false);
    w.untick(box);
}

// Below grade Ⅲ landscaping has no 初步设计 phase.
void withdrawLandscapePreliminary(forms::Form& w) {
    if (isLandscape(w)) {
        w.setEnabled("Option1", false);
        w.deselect("Option1");
    }
}

void text4Click(forms::Form& w) {
    withdrawLandscapePreliminary(w);
    w.setCaption("Label7", std::string(gradeI));
    withdraw(w, "Check9");
    withdraw(w, "Check5");
    w.setVisible("Check6", true);
}

void text5Click(forms::Form& w) {
    withdrawLandscapePreliminary(w);
    w.setCaption("Label7", std::string(gradeII));
    withdraw(w, "Check9");
    withdraw(w, "Check5");
    withdraw(w, "Check6");
}

void text6Click(forms::Form& w) {
    if (w.ticked("Check4"))
        w.setEnabled("Option1", true);
    w.setCaption("Label7", std::string(gradeIII));
    w.setVisible("Check9", true);
    withdraw(w, "Check6");
    w.setVisible("Check5", true);
    w.untick("Check5");
    if (isLandscape(w) && w.ticked("Check4"))
        w.setEnabled("Option3", true);
}

} // namespace

void installGradeRules(forms::Form& w) {
    w.onClick("Text4", [&w] { text4Click(w); });
    w.onClick("Text5", [&w] { text5Click(w); });
    w.onClick("Text6", [&w] { text6Click(w); });
}

} // namespace varnel::rules
