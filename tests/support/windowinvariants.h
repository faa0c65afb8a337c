#pragma once

#include "session/mainwindowread.h"
#include "windows/mainwindow.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace varnel::test {

// What the main window's input rules always keep true, whatever a user clicks:
//  - at most one building kind is ticked, and while one is the other seven are disabled;
//  - an entry box is hidden, or disabled, and empty while its box is unticked (局部调整's rate aside:
//    unticking 重新进行基础设计 enables it while 局部调整 is still unticked);
//  - 重新进行基础设计 and 对原设计进行局部调整 are never both ticked;
//  - at most one design phase is chosen, and none is offered without 单独委托设计;
//  - no box the user cannot see is ticked: neither a grade-bound box of another grade nor a box of another
//    type's group. 建筑与室外工程, 住宅工程 and 住宅工程(组团) are the exception: a type change keeps them
//    ticked, they return with the building group and only the building type reads them.
// `Window` is anything that answers ticked, enabled, visible, value and text by control name: the control
// model itself, or the widgets' state as a script printed it. Returns what is broken, or an empty string.
template <typename Window>
std::string brokenInvariant(const Window& w) {
    namespace box = windows::mainwindow;
    constexpr std::array<std::string_view, 8> buildingKinds{
        box::intelligentBuilding, box::interiorDecoration,  box::historicBuilding, box::acousticDecoration,
        box::civilDefence,        box::buildingWithOutdoor, box::housing,          box::housingCluster};
    // Coefficient boxes appear with their condition's box, amount boxes are enabled with their service's.
    using engine::Condition;
    using engine::EngineeringType;
    using engine::Entry;
    using engine::Service;
    std::vector<std::pair<std::string_view, std::string_view>> shownWhileTicked{
        {*session::conditionBox(Condition::HistoricBuilding, EngineeringType::Building),
         *session::entryBox(Entry::HistoricCoefficient, EngineeringType::Building)}};
    for (EngineeringType type : engine::engineeringTypes)
        shownWhileTicked.emplace_back(*session::conditionBox(Condition::Renovation, type),
                                      *session::entryBox(Entry::RenovationCoefficient, type));
    const std::pair<Service, Entry> amounts[] = {
        {Service::OwnPatents, Entry::OwnPatentsAmount},
        {Service::ForeignDesign, Entry::ForeignDesignAmount},
        {Service::ForeignReview, Entry::ForeignReviewAmount},
        {Service::ExtraPrinting, Entry::ExtraPrintingAmount},
        {Service::StandardDrawings, Entry::StandardDrawingsAmount},
        {Service::NonstandardEquipment, Entry::NonstandardEquipmentAmount},
        {Service::NonstandardEquipment, Entry::NonstandardEquipmentRate}};
    std::vector<std::pair<std::string_view, std::string_view>> enabledWhileTicked;
    for (const auto& [service, entry] : amounts)
        enabledWhileTicked.emplace_back(windows::mainwindow::otherFees.of(service),
                                        *session::entryBox(entry, std::nullopt));
    constexpr std::array<std::pair<std::string_view, std::string_view>, 18> groupBoxes{
        {{box::roadGroup, box::roadRenovation},
         {box::roadGroup, box::urbanRoadUnderPipes},
         {box::roadGroup, box::expressway},
         {box::bridgeGroup, box::bridgeRenovation},
         {box::bridgeGroup, box::urbanBridgeUnderPipes},
         {box::bridgeGroup, box::highwayBridgeGradeIII},
         {box::bridgeGroup, box::highwayBridgeGradeI},
         {box::buildingGroup, box::buildingRenovation},
         {box::buildingGroup, box::intelligentBuilding},
         {box::buildingGroup, box::interiorDecoration},
         {box::buildingGroup, box::historicBuilding},
         {box::buildingGroup, box::acousticDecoration},
         {box::buildingGroup, box::civilDefence},
         {box::buildingGroup, box::buildingWithOutdoor},
         {box::buildingGroup, box::housing},
         {box::buildingGroup, box::housingCluster},
         {box::municipalGroup, box::municipalRenovation},
         {box::landscapeGroup, box::landscapeRenovation}}};
    constexpr std::array<std::string_view, 3> keptByTypeChange{box::buildingWithOutdoor, box::housing,
                                                               box::housingCluster};
    auto str = [](std::string_view s) { return std::string(s); };

    std::string_view ticked;
    for (std::string_view k : buildingKinds) {
        if (!w.ticked(k))
            continue;
        if (!ticked.empty())
            return "two building kinds ticked: " + str(ticked) + " and " + str(k);
        ticked = k;
    }
    if (!ticked.empty())
        for (std::string_view k : buildingKinds)
            if (k != ticked && w.enabled(k))
                return str(k) + " enabled beside " + str(ticked);
    for (const auto& [box, entry] : shownWhileTicked)
        if (!w.ticked(box) && (w.visible(entry) || !w.text(entry).empty()))
            return str(entry) + " offered or filled while " + str(box) + " is unticked";
    for (const auto& [box, entry] : enabledWhileTicked)
        if (!w.ticked(box) && (w.enabled(entry) || !w.text(entry).empty()))
            return str(entry) + " offered or filled while " + str(box) + " is unticked";
    for (const auto& [frame, box] : groupBoxes) {
        if (!w.ticked(box))
            continue;
        if (!w.visible(box))
            return str(box) + " ticked while hidden";
        const bool kept =
            std::find(keptByTypeChange.begin(), keptByTypeChange.end(), box) != keptByTypeChange.end();
        if (!w.visible(frame) && !kept)
            return str(box) + " ticked inside the hidden " + str(frame);
    }
    if (w.ticked(box::foundationRedesign) && w.ticked(box::partialChange))
        return "重新进行基础设计 and 对原设计进行局部调整 both ticked";
    if (w.value(box::preliminaryPhase) + w.value(box::drawingPhase) + w.value(box::schemePhase) > 1)
        return "two options chosen";
    if (!w.ticked(box::independentPhase) &&
        (w.enabled(box::preliminaryPhase) || w.enabled(box::drawingPhase) || w.enabled(box::schemePhase)))
        return "an option offered without 单独委托设计";
    return {};
}

} // namespace varnel::test
