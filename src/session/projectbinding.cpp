#include "session/projectbinding.h"

#include "forms/form.h"
#include "rules/boxes.h"

#include <array>

namespace varnel::session {

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
    {Condition::Renovation, EngineeringType::Road, rules::box::roadRenovation},
    {Condition::Renovation, EngineeringType::Bridge, rules::box::bridgeRenovation},
    {Condition::Renovation, EngineeringType::Building, rules::box::buildingRenovation},
    {Condition::Renovation, EngineeringType::Landscape, rules::box::landscapeRenovation},
    {Condition::Renovation, EngineeringType::Municipal, rules::box::municipalRenovation},
    {Condition::UrbanRoadUnderPipes, {}, rules::box::urbanRoadUnderPipes},
    {Condition::Expressway, {}, rules::box::expressway},
    {Condition::UrbanBridgeUnderPipes, {}, rules::box::urbanBridgeUnderPipes},
    {Condition::HighwayBridgeGradeI, {}, rules::box::highwayBridgeGradeI},
    {Condition::HighwayBridgeGradeIII, {}, rules::box::highwayBridgeGradeIII},
    {Condition::HistoricBuilding, {}, rules::box::historicBuilding},
    {Condition::IntelligentBuilding, {}, rules::box::intelligentBuilding},
    {Condition::CivilDefence, {}, rules::box::civilDefence},
    {Condition::InteriorDecoration, {}, rules::box::interiorDecoration},
    {Condition::AcousticDecoration, {}, rules::box::acousticDecoration},
    {Condition::Housing, {}, rules::box::housing},
    {Condition::HousingCluster, {}, rules::box::housingCluster},
    {Condition::BuildingWithOutdoor, {}, rules::box::buildingWithOutdoor},
});

constexpr auto serviceBoxes = std::to_array<Binding<Service>>({
    {Service::OverallDesign, {}, "Check7"},
    {Service::DesignCoordination, {}, "Check8"},
    {Service::ConstructionBudget, {}, "Check10"},
    {Service::AsBuiltDrawings, {}, "Check11"},
    {Service::OwnPatents, {}, rules::box::ownPatents},
    {Service::ForeignDesign, {}, rules::box::foreignDesign},
    {Service::ForeignReview, {}, rules::box::foreignReview},
    {Service::ExtraPrinting, {}, rules::box::extraPrinting},
    {Service::StandardDrawings, {}, rules::box::standardDrawings},
    {Service::NonstandardEquipment, {}, rules::box::nonstandardEquipment},
    {Service::StandardDesignReuse, {}, rules::box::standardDesignReuse},
    {Service::FoundationRedesign, {}, rules::box::foundationRedesign},
    {Service::PartialChange, {}, rules::box::partialChange},
});

constexpr auto entryBoxes = std::to_array<Binding<Entry>>({
    {Entry::RenovationCoefficient, EngineeringType::Road, rules::box::roadRenovationCoefficient},
    {Entry::RenovationCoefficient, EngineeringType::Bridge, rules::box::bridgeRenovationCoefficient},
    {Entry::RenovationCoefficient, EngineeringType::Building, rules::box::buildingRenovationCoefficient},
    {Entry::RenovationCoefficient, EngineeringType::Landscape, rules::box::landscapeRenovationCoefficient},
    {Entry::RenovationCoefficient, EngineeringType::Municipal, rules::box::municipalRenovationCoefficient},
    {Entry::HistoricCoefficient, {}, rules::box::historicCoefficient},
    {Entry::OwnPatentsAmount, {}, rules::box::ownPatentsAmount},
    {Entry::ForeignDesignAmount, {}, rules::box::foreignDesignAmount},
    {Entry::ForeignReviewAmount, {}, rules::box::foreignReviewAmount},
    {Entry::ExtraPrintingAmount, {}, rules::box::extraPrintingAmount},
    {Entry::StandardDrawingsAmount, {}, rules::box::standardDrawingsAmount},
    {Entry::NonstandardEquipmentBase, {}, rules::box::nonstandardEquipmentBase},
    {Entry::NonstandardEquipmentRate, {}, rules::box::nonstandardEquipmentRate},
    {Entry::PartialChangeRate, {}, rules::box::partialChangeRate},
});

constexpr auto phaseOptions = std::to_array<Binding<DesignPhase>>({
    {DesignPhase::Preliminary, {}, rules::box::preliminaryPhase},
    {DesignPhase::Drawing, {}, rules::box::drawingPhase},
    {DesignPhase::Scheme, {}, rules::box::schemePhase},
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
    p.amount = w.text(boxes::amount);
    p.type = engine::engineeringTypeNamed(w.text(boxes::typeList));
    p.grade = engine::gradeNamed(w.caption(boxes::chosenGrade));
    for (const Binding<Condition>& b : conditionBoxes)
        if (!b.type || b.type == p.type)
            p.conditions.set(b.field, w.ticked(b.box));
    for (const Binding<Service>& b : serviceBoxes)
        p.services.set(b.field, w.ticked(b.box));
    for (const Binding<Entry>& b : entryBoxes)
        if (!b.type || b.type == p.type)
            p.text(b.field) = w.text(b.box);
    p.independentPhase = w.ticked(boxes::independentPhase);
    for (const Binding<DesignPhase>& b : phaseOptions)
        if (w.value(b.box))
            p.phase = b.field;
    return p;
}

} // namespace varnel::session
