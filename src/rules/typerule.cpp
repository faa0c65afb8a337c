// 工程类型: choosing an engineering type shows its group and its grade descriptions.
#include "rules/descriptions.h"
#include "rules/names.h"
#include "rules/rules.h"

#include "forms/form.h"
#include "rules/boxes.h"

#include <array>
#include <initializer_list>
#include <string_view>

namespace varnel::rules {

namespace {

using Names = std::initializer_list<std::string_view>;

constexpr std::array<std::string_view, 5> groupFrames{box::roadGroup, box::bridgeGroup, box::buildingGroup,
                                                      box::landscapeGroup, box::municipalGroup};

// What a type choice does, told once for the five types.
struct TypeBranch {
    std::string_view type;
    std::string_view frame; // its additional-adjustment group
    bool withoutScheme;     // the type has no 方案设计 phase: its option is disabled and deselected first
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
    if (w.ticked(box::independentPhase)) {
        w.setEnabled(box::preliminaryPhase, true);
        w.setEnabled(box::drawingPhase, true);
        w.setEnabled(box::schemePhase, true);
    }
}

void landscapeLastStep(forms::Form& w) {
    if (w.caption(box::chosenGrade) == gradeIII && w.ticked(box::independentPhase))
        w.setEnabled(box::schemePhase, true);
}

const TypeBranch branches[] = {
    {roadType,
     box::roadGroup,
     true,
     {box::bridgeRenovation, box::urbanBridgeUnderPipes, box::highwayBridgeGradeIII, box::highwayBridgeGradeI,
      box::buildingRenovation, box::intelligentBuilding, box::interiorDecoration, box::historicBuilding,
      box::acousticDecoration, box::municipalRenovation, box::civilDefence, box::landscapeRenovation},
     nullptr},
    {bridgeType,
     box::bridgeGroup,
     true,
     {box::expressway, box::urbanRoadUnderPipes, box::roadRenovation, box::buildingRenovation,
      box::intelligentBuilding, box::interiorDecoration, box::historicBuilding, box::acousticDecoration,
      box::municipalRenovation, box::civilDefence, box::landscapeRenovation},
     nullptr},
    {buildingType,
     box::buildingGroup,
     false,
     {box::bridgeRenovation, box::urbanBridgeUnderPipes, box::highwayBridgeGradeIII, box::highwayBridgeGradeI,
      box::expressway, box::urbanRoadUnderPipes, box::roadRenovation, box::municipalRenovation,
      box::landscapeRenovation},
     buildingLastStep},
    {landscapeType,
     box::landscapeGroup,
     false,
     {box::bridgeRenovation, box::urbanBridgeUnderPipes, box::highwayBridgeGradeIII, box::highwayBridgeGradeI,
      box::expressway, box::urbanRoadUnderPipes, box::roadRenovation, box::buildingRenovation,
      box::intelligentBuilding, box::interiorDecoration, box::historicBuilding, box::acousticDecoration,
      box::municipalRenovation, box::civilDefence},
     landscapeLastStep},
    {municipalType,
     box::municipalGroup,
     true,
     {box::bridgeRenovation, box::urbanBridgeUnderPipes, box::highwayBridgeGradeIII, box::highwayBridgeGradeI,
      box::expressway, box::urbanRoadUnderPipes, box::roadRenovation, box::buildingRenovation,
      box::intelligentBuilding, box::interiorDecoration, box::historicBuilding, box::acousticDecoration,
      box::civilDefence, box::landscapeRenovation},
     nullptr},
};

void typeChosen(forms::Form& w) {
    w.setEnabled(box::independentPhase, true);
    const std::string& type = w.text(box::typeList);
    for (const TypeBranch& branch : branches) {
        if (type != branch.type)
            continue;
        if (branch.withoutScheme) {
            w.setEnabled(box::schemePhase, false);
            w.deselect(box::schemePhase);
        }
        const GradeDescriptions& d = descriptionsOf(branch.type);
        w.setText(box::gradeIDescription, std::string(d.gradeI));
        w.setText(box::gradeIIDescription, std::string(d.gradeII));
        w.setText(box::gradeIIIDescription, std::string(d.gradeIII));
        showOnly(w, branch.frame);
        // Unticking a ticked box runs its own rule, which hides and empties its entry box.
        for (std::string_view other : branch.untick)
            w.untick(other);
        if (branch.last)
            branch.last(w);
        return;
    }
}

} // namespace

void installTypeRule(forms::Form& w) {
    w.onClick(box::typeList, [&w] { typeChosen(w); });
}

} // namespace varnel::rules
