// 工程复杂程度: clicking a grade's description chooses that complexity grade.
#include "rules/names.h"
#include "rules/rules.h"

#include "forms/form.h"
#include "windows/mainwindow.h"
#include "windows/windows.h"

namespace varnel::rules {

namespace box = windows::mainwindow;

namespace {

bool isLandscape(const forms::Form& w) {
    return w.text(box::typeList) == landscapeType;
}

// Hides a grade-bound box and unticks it; a ticked box runs its own rule as it is unticked.
void withdraw(forms::Form& w, std::string_view check) {
    w.setVisible(check, false);
    w.untickAndClick(check);
}

// Below grade Ⅲ landscaping has no 初步设计 phase.
void withdrawLandscapePreliminary(forms::Form& w) {
    if (isLandscape(w)) {
        w.setEnabled(box::preliminaryPhase, false);
        w.deselect(box::preliminaryPhase);
    }
}

void gradeIClick(forms::Form& w) {
    withdrawLandscapePreliminary(w);
    w.setCaption(box::chosenGrade, std::string(gradeICaption));
    withdraw(w, box::expressway);
    withdraw(w, box::highwayBridgeGradeIII);
    w.setVisible(box::highwayBridgeGradeI, true);
}

void gradeIIClick(forms::Form& w) {
    withdrawLandscapePreliminary(w);
    w.setCaption(box::chosenGrade, std::string(gradeIICaption));
    withdraw(w, box::expressway);
    withdraw(w, box::highwayBridgeGradeIII);
    withdraw(w, box::highwayBridgeGradeI);
}

void gradeIIIClick(forms::Form& w) {
    if (w.ticked(box::independentPhase))
        w.setEnabled(box::preliminaryPhase, true);
    w.setCaption(box::chosenGrade, std::string(gradeIIICaption));
    w.setVisible(box::expressway, true);
    withdraw(w, box::highwayBridgeGradeI);
    w.setVisible(box::highwayBridgeGradeIII, true);
    w.untickAndClick(box::highwayBridgeGradeIII);
    if (isLandscape(w) && w.ticked(box::independentPhase))
        w.setEnabled(box::schemePhase, true);
}

} // namespace

void installGradeRules(forms::Form& w) {
    w.onClick(box::gradeIDescription, [&w] { gradeIClick(w); });
    w.onClick(box::gradeIIDescription, [&w] { gradeIIClick(w); });
    w.onClick(box::gradeIIIDescription, [&w] { gradeIIIClick(w); });
}

} // namespace varnel::rules
