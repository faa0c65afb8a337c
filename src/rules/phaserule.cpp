// 单独委托设计: ticking it offers the design phases the chosen type, grade and building kind have.
#include "rules/names.h"
#include "rules/rules.h"

#include "forms/form.h"
#include "windows/mainwindow.h"
#include "windows/windows.h"

namespace varnel::rules {

namespace box = windows::mainwindow;

namespace {

void enable(forms::Form& w, std::string_view option) {
    w.setEnabled(option, true);
}

void offerPhases(forms::Form& w) {
    const std::string& type = w.text(box::typeList);
    const std::string& grade = w.caption(box::chosenGrade);
    const bool building = type == buildingType;
    if (type == landscapeType && (grade == gradeIICaption || grade == gradeICaption)) {
        // Below grade Ⅲ landscaping has shares for 施工图设计 and 方案设计 only.
        w.setEnabled(box::preliminaryPhase, false);
        w.deselect(box::preliminaryPhase);
        enable(w, box::drawingPhase);
        enable(w, box::schemePhase);
    } else if (type == municipalType || type == roadType || type == bridgeType) {
        enable(w, box::preliminaryPhase);
        enable(w, box::drawingPhase);
        w.select(box::preliminaryPhase);
        w.setEnabled(box::schemePhase, false);
    } else if (building && w.ticked(box::interiorDecoration)) {
        enable(w, box::drawingPhase);
        enable(w, box::schemePhase);
    } else if (building && w.ticked(box::intelligentBuilding)) {
        enable(w, box::drawingPhase);
        enable(w, box::preliminaryPhase);
    } else if (building && w.ticked(box::housing)) {
        enable(w, box::drawingPhase);
        enable(w, box::schemePhase);
    } else {
        enable(w, box::preliminaryPhase);
        enable(w, box::drawingPhase);
        w.select(box::preliminaryPhase);
        enable(w, box::schemePhase);
    }
}

// The only full reset of the phases: all options off, and the share of a phase no longer commissioned on
// its own withdrawn from under the results (its name, share and unit hidden, the name and share emptied).
void withdrawPhases(forms::Form& w) {
    w.setEnabled(box::preliminaryPhase, false);
    w.setEnabled(box::drawingPhase, false);
    w.deselect(box::preliminaryPhase);
    w.deselect(box::drawingPhase);
    w.setEnabled(box::schemePhase, false);
    w.deselect(box::schemePhase);
    for (std::string_view part : {box::phaseLineName, box::phaseLineUnit, box::phaseLineShare})
        w.setVisible(part, false);
    w.setCaption(box::phaseLineName, "");
    w.setText(box::phaseLineShare, "");
}

} // namespace

void installPhaseRule(forms::Form& w) {
    w.onClick(box::independentPhase, [&w] {
        if (w.ticked(box::independentPhase))
            offerPhases(w);
        else
            withdrawPhases(w);
    });
}

} // namespace varnel::rules
