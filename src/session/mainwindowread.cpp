#include "session/mainwindowread.h"

#include "session/otherfeebinding.h"

#include "forms/form.h"
#include "windows/mainwindow.h"
#include "windows/windows.h"

#include <array>

namespace varnel::session {

namespace box = windows::mainwindow;

using engine::Condition;
using engine::DesignPhase;
using engine::EngineeringType;
using engine::Entry;
using engine::Service;

namespace {

// A field's control; `type` set: only while the project is of that type.
template <typename Field>
struct Binding {
    Field field;
    std::optional<EngineeringType> type;
    std::string_view box;
};

constexpr auto conditionBoxes = std::to_array<Binding<Condition>>({
    {Condition::Renovation, EngineeringType::Road, box::roadRenovation},
    {Condition::Renovation, EngineeringType::Bridge, box::bridgeRenovation},
    {Condition::Renovation, EngineeringType::Building, box::buildingRenovation},
    {Condition::Renovation, EngineeringType::Landscape, box::landscapeRenovation},
    {Condition::Renovation, EngineeringType::Municipal, box::municipalRenovation},
    {Condition::UrbanRoadUnderPipes, {}, box::urbanRoadUnderPipes},
    {Condition::Expressway, {}, box::expressway},
    {Condition::UrbanBridgeUnderPipes, {}, box::urbanBridgeUnderPipes},
    {Condition::HighwayBridgeGradeI, {}, box::highwayBridgeGradeI},
    {Condition::HighwayBridgeGradeIII, {}, box::highwayBridgeGradeIII},
    {Condition::HistoricBuilding, {}, box::historicBuilding},
    {Condition::IntelligentBuilding, {}, box::intelligentBuilding},
    {Condition::CivilDefence, {}, box::civilDefence},
    {Condition::InteriorDecoration, {}, box::interiorDecoration},
    {Condition::AcousticDecoration, {}, box::acousticDecoration},
    {Condition::Housing, {}, box::housing},
    {Condition::HousingCluster, {}, box::housingCluster},
    {Condition::BuildingWithOutdoor, {}, box::buildingWithOutdoor},
});

// The coefficients typed for conditions; the other fees' numbers are the window's other-fee boxes.
constexpr auto coefficientBoxes = std::to_array<Binding<Entry>>({
    {Entry::RenovationCoefficient, EngineeringType::Road, box::roadRenovationCoefficient},
    {Entry::RenovationCoefficient, EngineeringType::Bridge, box::bridgeRenovationCoefficient},
    {Entry::RenovationCoefficient, EngineeringType::Building, box::buildingRenovationCoefficient},
    {Entry::RenovationCoefficient, EngineeringType::Landscape, box::landscapeRenovationCoefficient},
    {Entry::RenovationCoefficient, EngineeringType::Municipal, box::municipalRenovationCoefficient},
    {Entry::HistoricCoefficient, {}, box::historicCoefficient},
});

constexpr auto phaseOptions = std::to_array<Binding<DesignPhase>>({
    {DesignPhase::Preliminary, {}, box::preliminaryPhase},
    {DesignPhase::Drawing, {}, box::drawingPhase},
    {DesignPhase::Scheme, {}, box::schemePhase},
});

template <typename Field, std::size_t n>
std::optional<std::string_view> boxOf(const std::array<Binding<Field>, n>& table, Field field,
                                      std::optional<EngineeringType> type) {
    for (const Binding<Field>& b : table)
        if (b.field == field && (!b.type || b.type == type))
            return b.box;
    return std::nullopt;
}

} // namespace

std::optional<std::string_view> conditionBox(Condition condition, std::optional<EngineeringType> type) {
    return boxOf(conditionBoxes, condition, type);
}

std::optional<std::string_view> entryBox(Entry entry, std::optional<EngineeringType> type) {
    if (const std::optional<std::string_view> fee = box::otherFees.of(entry))
        return fee;
    return boxOf(coefficientBoxes, entry, type);
}

std::string_view phaseOption(DesignPhase phase) {
    return *boxOf(phaseOptions, phase, std::nullopt);
}

engine::Project readMainWindow(const forms::Form& w) {
    engine::Project p;
    p.amount = w.text(box::amount);
    p.type = engine::engineeringTypeNamed(w.text(box::typeList));
    p.grade = engine::gradeNamed(w.caption(box::chosenGrade));
    for (const Binding<Condition>& b : conditionBoxes)
        if (!b.type || b.type == p.type)
            p.conditions.set(b.field, w.ticked(b.box));
    OtherServices other = readOtherServices(w, box::otherFees);
    p.services = other.services;
    p.entries = std::move(other.entries);
    for (const Binding<Entry>& b : coefficientBoxes)
        if (!b.type || b.type == p.type)
            p.text(b.field) = w.text(b.box);
    p.independentPhase = w.ticked(box::independentPhase);
    for (const Binding<DesignPhase>& b : phaseOptions)
        if (w.value(b.box))
            p.phase = b.field;
    return p;
}

} // namespace varnel::session
