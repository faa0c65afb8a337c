#include "session/projectbinding.h"

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

constexpr auto serviceBoxes = std::to_array<Binding<Service>>({
    {Service::OverallDesign, {}, box::overallDesign},
    {Service::DesignCoordination, {}, box::designCoordination},
    {Service::ConstructionBudget, {}, box::constructionBudget},
    {Service::AsBuiltDrawings, {}, box::asBuiltDrawings},
    {Service::OwnPatents, {}, box::ownPatents},
    {Service::ForeignDesign, {}, box::foreignDesign},
    {Service::ForeignReview, {}, box::foreignReview},
    {Service::ExtraPrinting, {}, box::extraPrinting},
    {Service::StandardDrawings, {}, box::standardDrawings},
    {Service::NonstandardEquipment, {}, box::nonstandardEquipment},
    {Service::StandardDesignReuse, {}, box::standardDesignReuse},
    {Service::FoundationRedesign, {}, box::foundationRedesign},
    {Service::PartialChange, {}, box::partialChange},
});

constexpr auto entryBoxes = std::to_array<Binding<Entry>>({
    {Entry::RenovationCoefficient, EngineeringType::Road, box::roadRenovationCoefficient},
    {Entry::RenovationCoefficient, EngineeringType::Bridge, box::bridgeRenovationCoefficient},
    {Entry::RenovationCoefficient, EngineeringType::Building, box::buildingRenovationCoefficient},
    {Entry::RenovationCoefficient, EngineeringType::Landscape, box::landscapeRenovationCoefficient},
    {Entry::RenovationCoefficient, EngineeringType::Municipal, box::municipalRenovationCoefficient},
    {Entry::HistoricCoefficient, {}, box::historicCoefficient},
    {Entry::OwnPatentsAmount, {}, box::ownPatentsAmount},
    {Entry::ForeignDesignAmount, {}, box::foreignDesignAmount},
    {Entry::ForeignReviewAmount, {}, box::foreignReviewAmount},
    {Entry::ExtraPrintingAmount, {}, box::extraPrintingAmount},
    {Entry::StandardDrawingsAmount, {}, box::standardDrawingsAmount},
    {Entry::NonstandardEquipmentBase, {}, box::nonstandardEquipmentBase},
    {Entry::NonstandardEquipmentRate, {}, box::nonstandardEquipmentRate},
    {Entry::PartialChangeRate, {}, box::partialChangeRate},
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

std::string_view serviceBox(Service service) {
    return *boxOf(serviceBoxes, service, std::nullopt);
}

std::optional<std::string_view> entryBox(Entry entry, std::optional<EngineeringType> type) {
    return boxOf(entryBoxes, entry, type);
}

std::string_view phaseOption(DesignPhase phase) {
    return *boxOf(phaseOptions, phase, std::nullopt);
}

engine::Project readProject(const forms::Form& w) {
    engine::Project p;
    p.amount = w.text(box::amount);
    p.type = engine::engineeringTypeNamed(w.text(box::typeList));
    p.grade = engine::gradeNamed(w.caption(box::chosenGrade));
    for (const Binding<Condition>& b : conditionBoxes)
        if (!b.type || b.type == p.type)
            p.conditions.set(b.field, w.ticked(b.box));
    for (const Binding<Service>& b : serviceBoxes)
        p.services.set(b.field, w.ticked(b.box));
    for (const Binding<Entry>& b : entryBoxes)
        if (!b.type || b.type == p.type)
            p.text(b.field) = w.text(b.box);
    p.independentPhase = w.ticked(box::independentPhase);
    for (const Binding<DesignPhase>& b : phaseOptions)
        if (w.value(b.box))
            p.phase = b.field;
    return p;
}

} // namespace varnel::session
