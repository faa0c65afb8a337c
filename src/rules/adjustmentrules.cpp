// The additional-adjustment boxes of the five groups: entry boxes, exclusive conditions, building kinds.
#include "rules/offers.h"
#include "rules/rules.h"

#include "forms/form.h"
#include "windows/mainwindow.h"
#include "windows/windows.h"

#include <array>
#include <string_view>

namespace varnel::rules {

namespace box = windows::mainwindow;

namespace {

// 改扩建和技术改造建设项目 in each group, with the box its coefficient is typed into.
constexpr std::array<std::pair<std::string_view, std::string_view>, 5> rebuildBoxes{{
    {box::bridgeRenovation, box::bridgeRenovationCoefficient},
    {box::roadRenovation, box::roadRenovationCoefficient},
    {box::buildingRenovation, box::buildingRenovationCoefficient},
    {box::municipalRenovation, box::municipalRenovationCoefficient},
    {box::landscapeRenovation, box::landscapeRenovationCoefficient},
}};

void flipEnabled(forms::Form& w, std::string_view control) {
    w.setEnabled(control, !w.enabled(control));
}

// Road group: 城市道路通过地下管网密集区 and 高速公路、一级公路 exclude each other.
void excludePartner(forms::Form& w, std::string_view self, std::string_view partner) {
    if (w.ticked(self)) {
        w.setEnabled(partner, false);
        w.untickAndClick(partner);
    } else {
        w.setEnabled(partner, true);
    }
}

// 城市桥梁 in a dense pipe network and 公路桥梁 of grade Ⅰ or Ⅲ exclude each other. Both highway boxes are
// unticked before either is disabled: unticking one runs its toggle, which would enable the other again.
void urbanBridgeUnderPipesClick(forms::Form& w) {
    if (w.ticked(box::urbanBridgeUnderPipes)) {
        w.untickAndClick(box::highwayBridgeGradeIII);
        w.untickAndClick(box::highwayBridgeGradeI);
        w.setEnabled(box::highwayBridgeGradeIII, false);
        w.setEnabled(box::highwayBridgeGradeI, false);
    } else {
        w.setEnabled(box::highwayBridgeGradeIII, true);
        w.setEnabled(box::highwayBridgeGradeI, true);
    }
}

// The eight kinds of building work (建筑、人防工程): at most one is ticked, and while one is, the others
// are disabled. Only one can be ticked when another is clicked, so the order they are unticked in makes no
// difference.

constexpr std::array<std::string_view, 8> everyKind{
    box::intelligentBuilding, box::interiorDecoration,  box::historicBuilding, box::acousticDecoration,
    box::civilDefence,        box::buildingWithOutdoor, box::housing,          box::housingCluster};

// What a kind does besides excluding the others: before they change, and after.
struct BuildingKind {
    std::string_view box;
    void (*before)(forms::Form&, bool ticked);
    void (*after)(forms::Form&);
};

void ancientBefore(forms::Form& w, bool ticked) {
    offerEntry(w, box::historicCoefficient, ticked, Withdrawal::Hide);
}

void civilDefenceBefore(forms::Form& w, bool ticked) {
    if (ticked) {
        w.setEnabled(box::historicBuilding, false);
        w.setText(box::historicCoefficient, "");
        w.setVisible(box::historicCoefficient, false);
    } else {
        w.setEnabled(box::historicBuilding, true);
        w.setVisible(box::historicCoefficient, false);
    }
}

// 智能建筑弱电系统工程 has no 方案设计 phase.
void intelligentAfter(forms::Form& w) {
    w.setEnabled(box::schemePhase, false);
    w.deselect(box::schemePhase);
}

// 室内装修工程 has 方案设计 but no 初步设计.
void interiorAfter(forms::Form& w) {
    if (w.ticked(box::independentPhase)) {
        w.setEnabled(box::schemePhase, true);
        w.setEnabled(box::preliminaryPhase, false);
        w.deselect(box::preliminaryPhase);
    }
}

// 住宅工程 has no 初步设计 phase.
void housingAfter(forms::Form& w) {
    w.setEnabled(box::preliminaryPhase, false);
    w.deselect(box::preliminaryPhase);
}

const BuildingKind buildingKinds[] = {
    {box::intelligentBuilding, nullptr, intelligentAfter},
    {box::interiorDecoration, nullptr, interiorAfter},
    {box::historicBuilding, ancientBefore, nullptr},
    {box::acousticDecoration, nullptr, nullptr},
    {box::civilDefence, civilDefenceBefore, offerEveryPhaseWhileCommissioned},
    {box::buildingWithOutdoor, nullptr, nullptr},
    {box::housing, nullptr, housingAfter},
    {box::housingCluster, nullptr, nullptr},
};

void buildingKindClick(forms::Form& w, const BuildingKind& kind) {
    const bool ticked = w.ticked(kind.box);
    if (kind.before)
        kind.before(w, ticked);
    for (std::string_view other : everyKind) {
        if (other == kind.box)
            continue;
        if (ticked) {
            w.untickAndClick(other);
            w.setEnabled(other, false);
        } else {
            w.setEnabled(other, true);
        }
    }
    if (kind.after)
        kind.after(w);
}

} // namespace

void installAdjustmentRules(forms::Form& w) {
    for (const auto& [check, entry] : rebuildBoxes)
        w.onClick(check, [&w, check = check, entry = entry] {
            offerEntry(w, entry, w.ticked(check), Withdrawal::Hide);
        });

    w.onClick(box::urbanRoadUnderPipes,
              [&w] { excludePartner(w, box::urbanRoadUnderPipes, box::expressway); });
    w.onClick(box::expressway, [&w] { excludePartner(w, box::expressway, box::urbanRoadUnderPipes); });

    w.onClick(box::urbanBridgeUnderPipes, [&w] { urbanBridgeUnderPipesClick(w); });
    // 公路桥梁、隧道工程Ⅰ级 and Ⅲ级 flip each other's enabled state on every change of value.
    w.onClick(box::highwayBridgeGradeIII, [&w] { flipEnabled(w, box::highwayBridgeGradeI); });
    w.onClick(box::highwayBridgeGradeI, [&w] { flipEnabled(w, box::highwayBridgeGradeIII); });

    for (const BuildingKind& kind : buildingKinds)
        w.onClick(kind.box, [&w, &kind] { buildingKindClick(w, kind); });
}

} // namespace varnel::rules
