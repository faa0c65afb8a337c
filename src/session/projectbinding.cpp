#include "session/projectbinding.h"

#include "forms/form.h"

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
    {Condition::Renovation, EngineeringType::Road, "Check20"},
    {Condition::Renovation, EngineeringType::Bridge, "Check1"},
    {Condition::Renovation, EngineeringType::Building, "Check22"},
    {Condition::Renovation, EngineeringType::Landscape, "Check31"},
    {Condition::Renovation, EngineeringType::Municipal, "Check27"},
    {Condition::UrbanRoadUnderPipes, {}, "Check12"},
    {Condition::Expressway, {}, "Check9"},
    {Condition::UrbanBridgeUnderPipes, {}, "Check2"},
    {Condition::HighwayBridgeGradeI, {}, "Check6"},
    {Condition::HighwayBridgeGradeIII, {}, "Check5"},
    {Condition::HistoricBuilding, {}, "Check25"},
    {Condition::IntelligentBuilding, {}, "Check23"},
    {Condition::CivilDefence, {}, "Check28"},
    {Condition::InteriorDecoration, {}, "Check24"},
    {Condition::AcousticDecoration, {}, "Check26"},
    {Condition::Housing, {}, "Check30"},
    {Condition::HousingCluster, {}, "Check32"},
    {Condition::BuildingWithOutdoor, {}, "Check29"},
});

constexpr auto serviceBoxes = std::to_array<Binding<Service>>({
    {Service::OverallDesign, {}, "Check7"},
    {Service::DesignCoordination, {}, "Check8"},
    {Service::ConstructionBudget, {}, "Check10"},
    {Service::AsBuiltDrawings, {}, "Check11"},
    {Service::OwnPatents, {}, "Check13"},
    {Service::ForeignDesign, {}, "Check14"},
    {Service::ForeignReview, {}, "Check15"},
    {Service::ExtraPrinting, {}, "Check16"},
    {Service::StandardDrawings, {}, "Check17"},
    {Service::NonstandardEquipment, {}, "Check3"},
    {Service::StandardDesignReuse, {}, "Check18"},
    {Service::FoundationRedesign, {}, "Check19"},
    {Service::PartialChange, {}, "Check21"},
});

constexpr auto entryBoxes = std::to_array<Binding<Entry>>({
    {Entry::RenovationCoefficient, EngineeringType::Road, "Text8"},
    {Entry::RenovationCoefficient, EngineeringType::Bridge, "Text2"},
    {Entry::RenovationCoefficient, EngineeringType::Building, "Text19"},
    {Entry::RenovationCoefficient, EngineeringType::Landscape, "Text22"},
    {Entry::RenovationCoefficient, EngineeringType::Municipal, "Text21"},
    {Entry::HistoricCoefficient, {}, "Text20"},
    {Entry::OwnPatentsAmount, {}, "Text10"},
    {Entry::ForeignDesignAmount, {}, "Text11"},
    {Entry::ForeignReviewAmount, {}, "Text12"},
    {Entry::ExtraPrintingAmount, {}, "Text13"},
    {Entry::StandardDrawingsAmount, {}, "Text14"},
    {Entry::NonstandardEquipmentBase, {}, "Text7"},
    {Entry::NonstandardEquipmentRate, {}, "Text9"},
    {Entry::PartialChangeRate, {}, "Text3"},
});

constexpr auto phaseOptions = std::to_array<Binding<DesignPhase>>({
    {DesignPhase::Preliminary, {}, "Option1"},
    {DesignPhase::Drawing, {}, "Option2"},
    {DesignPhase::Scheme, {}, "Option3"},
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
