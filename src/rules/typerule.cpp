// 工程类型: choosing an engineering type shows its group and its grade descriptions.
#include "rules/descriptions.h"
#include "rules/names.h"
#include "rules/offers.h"
#include "rules/rules.h"

#include "forms/form.h"
#include "windows/mainwindow.h"
#include "windows/windows.h"

#include <initializer_list>
#include <string_view>

namespace varnel::rules {

namespace box = windows::mainwindow;

namespace {

// A type's additional-adjustment group and the boxes in it that choosing another type withdraws.
struct Group {
    std::string_view type;
    std::string_view frame;
    std::initializer_list<std::string_view> boxes;
    bool withoutScheme; // the type has no 方案设计 phase: its option is disabled and deselected first
    void (*last)(forms::Form&); // the type's last step, if any
};

void landscapeLastStep(forms::Form& w) {
    if (w.caption(box::chosenGrade) == gradeIIICaption && w.ticked(box::independentPhase))
        w.setEnabled(box::schemePhase, true);
}

// 建筑与室外工程, 住宅工程 and 住宅工程(组团) are not withdrawn: they stay ticked through a type change,
// come back with the building group, and only the building type reads them.
const Group groups[] = {
    {roadType,
     box::roadGroup,
     {box::roadRenovation, box::urbanRoadUnderPipes, box::expressway},
     true,
     nullptr},
    {bridgeType,
     box::bridgeGroup,
     {box::bridgeRenovation, box::urbanBridgeUnderPipes, box::highwayBridgeGradeI,
      box::highwayBridgeGradeIII},
     true,
     nullptr},
    {buildingType,
     box::buildingGroup,
     {box::buildingRenovation, box::intelligentBuilding, box::interiorDecoration, box::historicBuilding,
      box::acousticDecoration, box::civilDefence},
     false,
     offerEveryPhaseWhileCommissioned},
    {landscapeType, box::landscapeGroup, {box::landscapeRenovation}, false, landscapeLastStep},
    {municipalType, box::municipalGroup, {box::municipalRenovation}, true, nullptr},
};

void typeChosen(forms::Form& w) {
    w.setEnabled(box::independentPhase, true);
    const std::string& type = w.text(box::typeList);
    for (const Group& chosen : groups) {
        if (type != chosen.type)
            continue;
        if (chosen.withoutScheme) {
            w.setEnabled(box::schemePhase, false);
            w.deselect(box::schemePhase);
        }
        const GradeDescriptions& d = descriptionsOf(chosen.type);
        w.setText(box::gradeIDescription, std::string(d.gradeI));
        w.setText(box::gradeIIDescription, std::string(d.gradeII));
        w.setText(box::gradeIIIDescription, std::string(d.gradeIII));
        for (const Group& group : groups)
            w.setVisible(group.frame, &group == &chosen);
        // Unticking a ticked box runs its own rule, which hides and empties its entry box or frees the
        // boxes it excluded; the other groups' boxes stay out of reach, so the order they go in does not
        // show.
        for (const Group& group : groups)
            if (&group != &chosen)
                for (std::string_view other : group.boxes)
                    w.untickAndClick(other);
        if (chosen.last)
            chosen.last(w);
        return;
    }
}

} // namespace

void installTypeRule(forms::Form& w) {
    w.onClick(box::typeList, [&w] { typeChosen(w); });
}

} // namespace varnel::rules
