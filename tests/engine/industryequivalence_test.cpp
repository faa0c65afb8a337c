// Where a kind of engineering is one of the main window's five types, both calculations give the same
// project the same figures, to the last digit the result boxes show: every type, grade, condition, share
// row and phase the main window offers, with other design services of every rule.
#include "engine/calculation.h"
#include "engine/feetables.h"
#include "engine/industrycalculation.h"
#include "engine/numbers.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

using namespace varnel::engine;

namespace {

namespace industry = varnel::engine::industry;
using industry::Kind;
using industry::KindCondition;

// The main window's additional adjustment conditions under their names here.
const std::vector<std::pair<Condition, KindCondition>> sameConditions{
    {Condition::Renovation, KindCondition::Renovation},
    {Condition::UrbanRoadUnderPipes, KindCondition::UnderPipeNetwork},
    {Condition::UrbanBridgeUnderPipes, KindCondition::UnderPipeNetwork},
    {Condition::Expressway, KindCondition::Expressway},
    {Condition::HighwayBridgeGradeI, KindCondition::HighwayBridgeGradeI},
    {Condition::HighwayBridgeGradeIII, KindCondition::HighwayBridgeGradeIII},
    {Condition::HistoricBuilding, KindCondition::HistoricBuilding},
    {Condition::IntelligentBuilding, KindCondition::IntelligentBuilding},
    {Condition::InteriorDecoration, KindCondition::InteriorDecoration},
    {Condition::AcousticDecoration, KindCondition::AcousticDecoration},
};

// The row of 表6.2-1 or 表7.2-1 the main window charges a phase of this project by.
std::optional<std::string> shareRowName(const Project& p) {
    switch (*p.type) {
    case EngineeringType::Road:
    case EngineeringType::Bridge:
        return "公路";
    case EngineeringType::Landscape:
        return "园林绿化工程";
    case EngineeringType::Municipal:
        return "市政公用工程";
    case EngineeringType::Building:
        for (Condition kind : {Condition::BuildingWithOutdoor, Condition::HousingCluster, Condition::Housing,
                               Condition::HistoricBuilding, Condition::IntelligentBuilding,
                               Condition::InteriorDecoration, Condition::CivilDefence})
            if (p.has(kind))
                return std::string(conditionNames[static_cast<std::size_t>(kind)]);
    }
    return std::nullopt;
}

// The main window's project as the user enters it in the window of every industry.
industry::KindProject sameProject(const Project& p) {
    industry::KindProject q;
    q.amount = p.amount;
    q.kind = industry::professionalKindOf(*p.type, p.has(Condition::CivilDefence));
    q.grade = p.grade;
    for (const auto& [condition, adjustment] : sameConditions)
        if (p.has(condition))
            q.conditions.insert(adjustment);
    q.services = p.services;
    q.entries = p.entries;
    const std::optional<std::string> row = shareRowName(p);
    if (p.independentPhase && p.phase && row)
        for (std::size_t i : industry::shareRowsFor(*q.kind, q.grade))
            if (industry::shareRows[i].name == *row)
                q.commission = industry::Commission{i, *p.phase};
    return q;
}

// Both windows' results for the project, as their boxes show them; empty when they agree.
std::string differences(const Project& p) {
    Variables mainVariables;
    const Outcome main = calculate(p, mainVariables);
    const industry::Calculation other = industry::calculate(sameProject(p));
    std::ostringstream out;
    // A phase commissioned without a share of its own stops the main window, which asks what to choose;
    // the work as the industry window reads it is then the same work commissioned whole.
    if (const std::string missing = missingShareMessage(p);
        !missing.empty() && !(main.stop && !other.complete())) {
        if (!main.stop || main.stop->message != missing)
            return "the main window charged a phase without its share";
        Project whole = p;
        whole.independentPhase = false;
        whole.phase = std::nullopt;
        return differences(whole) + (other.phaseShare ? "a share in the industry window only" : "");
    }
    if (main.complete() != other.complete()) {
        out << "one stopped: " << (main.stop ? main.stop->message : other.stop->message);
        return out.str();
    }
    if (!main.complete())
        return {};
    const Variables& v = other.variables;
    const auto compare = [&](const char* what, const std::string& shown, const Variable& exact,
                             const Variable& otherExact) {
        if (shown != resultBoxText(*otherExact) || exact != otherExact)
            out << what << " " << shown << " ≠ " << resultBoxText(*otherExact) << "; ";
    };
    compare("basic fee", main.basicFee, mainVariables.basicFee, v.basicFee);
    compare("other fees", main.otherFee, mainVariables.otherFee, v.otherFee);
    compare("benchmark", main.benchmarkFee, mainVariables.benchmarkFee, v.benchmarkFee);
    if (main.phase.has_value() != other.phaseShare.has_value())
        out << "a phase share in one window only; ";
    else if (main.phase && main.phase->share != resultBoxText(*other.phaseShare))
        out << "share " << main.phase->share << " ≠ " << resultBoxText(*other.phaseShare);
    return out.str();
}

std::string describe(const Project& p) {
    std::ostringstream out;
    out << engineeringTypeNames[static_cast<std::size_t>(*p.type)] << " "
        << gradeNames[static_cast<std::size_t>(*p.grade)] << " " << p.amount << " 万元";
    for (std::size_t c = 0; c < conditionCount; ++c)
        if (p.has(static_cast<Condition>(c)))
            out << " " << conditionNames[c];
    for (const std::string& e : p.entries)
        if (!e.empty())
            out << " [" << e << "]";
    if (p.independentPhase && p.phase)
        out << " " << designPhaseName(*p.phase);
    return out.str();
}

// The condition sets the main window's boxes allow for a type and grade (the grade-bound boxes shown with
// their grade, the exclusive ones one at a time), the building kinds among them.
std::vector<std::vector<Condition>> conditionSets(EngineeringType type, Grade grade) {
    using enum Condition;
    switch (type) {
    case EngineeringType::Road:
        if (grade == Grade::III)
            return {{}, {UrbanRoadUnderPipes}, {Expressway}};
        return {{}, {UrbanRoadUnderPipes}};
    case EngineeringType::Bridge:
        if (grade == Grade::I)
            return {{}, {UrbanBridgeUnderPipes}, {HighwayBridgeGradeI}};
        if (grade == Grade::III)
            return {{}, {UrbanBridgeUnderPipes}, {HighwayBridgeGradeIII}};
        return {{}, {UrbanBridgeUnderPipes}};
    case EngineeringType::Building:
        return {{},
                {HistoricBuilding},
                {IntelligentBuilding},
                {InteriorDecoration},
                {AcousticDecoration},
                {CivilDefence},
                {BuildingWithOutdoor},
                {Housing},
                {HousingCluster}};
    default:
        return {{}};
    }
}

struct Services {
    std::vector<Service> services;
    std::vector<std::pair<Entry, std::string>> entries;
};

const std::vector<Services> serviceSets{
    {},
    {{Service::OverallDesign, Service::DesignCoordination, Service::ConstructionBudget,
      Service::AsBuiltDrawings},
     {}},
    {{Service::OwnPatents, Service::ForeignDesign, Service::ForeignReview, Service::ExtraPrinting,
      Service::StandardDrawings},
     {{Entry::OwnPatentsAmount, "12.5"},
      {Entry::ForeignDesignAmount, "3"},
      {Entry::ForeignReviewAmount, "0.75"},
      {Entry::ExtraPrintingAmount, "1.2"},
      {Entry::StandardDrawingsAmount, "0.6"}}},
    {{Service::NonstandardEquipment, Service::StandardDesignReuse},
     {{Entry::NonstandardEquipmentAmount, "80"}, {Entry::NonstandardEquipmentRate, "0.17"}}},
    {{Service::StandardDesignReuse, Service::FoundationRedesign, Service::ConstructionBudget}, {}},
    {{Service::StandardDesignReuse, Service::PartialChange, Service::OverallDesign},
     {{Entry::PartialChangeRate, "0.35"}}},
};

const std::vector<std::string> amounts{"150",        "200",     "750",     "1500",   "4321.5",
                                       "123456.789", "2000000", "2500000", "9.87e15"};

// Every type, grade, condition set, typed coefficient, phase, service set and amount: 46,656 projects.
TEST(SameFigures, AsTheMainWindowForEveryProjectItCanEnter) {
    const std::array<std::optional<DesignPhase>, 4> phasesOrNone{std::nullopt, DesignPhase::Preliminary,
                                                                 DesignPhase::Drawing, DesignPhase::Scheme};
    int compared = 0, failures = 0;
    for (EngineeringType type : engineeringTypes)
        for (Grade grade : {Grade::I, Grade::II, Grade::III})
            for (const std::vector<Condition>& set : conditionSets(type, grade))
                for (const char* renovation : {"", "1.1", "1.27", "1.4"})
                    for (const char* historic : {"1.3", "1.47", "1.6"})
                        for (std::optional<DesignPhase> phase : phasesOrNone)
                            for (const Services& services : serviceSets)
                                for (const std::string& amount : amounts) {
                                    const bool ancient =
                                        set.size() == 1 && set[0] == Condition::HistoricBuilding;
                                    if (!ancient && std::string(historic) != "1.3")
                                        continue; // the typed 古建筑 coefficient only where it is ticked
                                    Project p;
                                    p.amount = amount;
                                    p.type = type;
                                    p.grade = grade;
                                    for (Condition c : set)
                                        p.conditions.insert(c);
                                    if (*renovation) {
                                        p.conditions.insert(Condition::Renovation);
                                        p.text(Entry::RenovationCoefficient) = renovation;
                                    }
                                    if (ancient)
                                        p.text(Entry::HistoricCoefficient) = historic;
                                    for (Service s : services.services)
                                        p.services.insert(s);
                                    for (const auto& [entry, text] : services.entries)
                                        p.text(entry) = text;
                                    p.independentPhase = phase.has_value();
                                    p.phase = phase;
                                    ++compared;
                                    const std::string d = differences(p);
                                    if (!d.empty() && ++failures <= 10)
                                        ADD_FAILURE() << describe(p) << ": " << d;
                                }
    EXPECT_EQ(failures, 0);
    EXPECT_EQ(compared, 46656);
}

// Named projects, stops included: both stop where the main window stops, with the same message where
// the check is a shared step's.
enum class Ends { Complete, SameStop, Stop };

struct NamedCase {
    std::string name;
    EngineeringType type;
    Grade grade;
    std::vector<Condition> conditions;
    std::vector<Service> services;
    std::vector<std::pair<Entry, std::string>> entries;
    std::optional<DesignPhase> phase;
    std::string amount = "1500";
    Ends ends = Ends::Complete;
};

void PrintTo(const NamedCase& c, std::ostream* os) {
    *os << c.name;
}

class Named : public testing::TestWithParam<NamedCase> {};

TEST_P(Named, SameFiguresOrSameStop) {
    const NamedCase& c = GetParam();
    Project p;
    p.amount = c.amount;
    p.type = c.type;
    p.grade = c.grade;
    for (Condition condition : c.conditions)
        p.conditions.insert(condition);
    for (Service s : c.services)
        p.services.insert(s);
    for (const auto& [entry, text] : c.entries)
        p.text(entry) = text;
    p.independentPhase = c.phase.has_value();
    p.phase = c.phase;
    EXPECT_EQ(differences(p), "") << describe(p);
    Variables v;
    const Outcome main = calculate(p, v);
    const industry::Calculation other = industry::calculate(sameProject(p));
    EXPECT_EQ(main.complete(), c.ends == Ends::Complete);
    if (main.stop && other.stop && c.ends == Ends::SameStop) {
        EXPECT_EQ(main.stop->message, other.stop->message);
    }
}

using enum Condition;
using enum Service;
using enum Entry;
constexpr EngineeringType road = EngineeringType::Road, bridge = EngineeringType::Bridge,
                          building = EngineeringType::Building, landscape = EngineeringType::Landscape,
                          municipal = EngineeringType::Municipal;

INSTANTIATE_TEST_SUITE_P(
    Projects, Named,
    testing::Values(
        NamedCase{"RoadGradeIWithPipesAndRenovation",
                  road,
                  Grade::I,
                  {UrbanRoadUnderPipes, Renovation},
                  {},
                  {{RenovationCoefficient, "1.11"}},
                  DesignPhase::Drawing},
        NamedCase{"ExpresswayPreliminary",
                  road,
                  Grade::III,
                  {Expressway},
                  {OverallDesign},
                  {},
                  DesignPhase::Preliminary},
        NamedCase{
            "HighwayBridgeGradeI", bridge, Grade::I, {HighwayBridgeGradeI}, {}, {}, DesignPhase::Drawing},
        NamedCase{"HistoricScheme",
                  building,
                  Grade::II,
                  {HistoricBuilding},
                  {},
                  {{HistoricCoefficient, "1.55"}},
                  DesignPhase::Scheme},
        NamedCase{"CivilDefenceWithRenovation",
                  building,
                  Grade::III,
                  {CivilDefence, Renovation},
                  {ConstructionBudget},
                  {{RenovationCoefficient, "1.3"}},
                  DesignPhase::Preliminary},
        // A phase without a share of its own: the main window asks what to choose.
        NamedCase{"HousingHasNoPreliminary",
                  building,
                  Grade::I,
                  {Housing},
                  {},
                  {},
                  DesignPhase::Preliminary,
                  "1500",
                  Ends::Stop},
        NamedCase{"AcousticsHasNoShare",
                  building,
                  Grade::II,
                  {AcousticDecoration},
                  {},
                  {},
                  DesignPhase::Drawing,
                  "1500",
                  Ends::Stop},
        NamedCase{"LandscapeIIIPreliminary", landscape, Grade::III, {}, {}, {}, DesignPhase::Preliminary},
        NamedCase{"MunicipalSchemeHasNone",
                  municipal,
                  Grade::I,
                  {},
                  {},
                  {},
                  DesignPhase::Scheme,
                  "1500",
                  Ends::Stop},
        NamedCase{"AmountNotPositive", municipal, Grade::II, {}, {}, {}, std::nullopt, "-3", Ends::SameStop},
        NamedCase{
            "AmountBeyondTheDoubleRange", road, Grade::II, {}, {}, {}, std::nullopt, "1e309", Ends::SameStop},
        NamedCase{"AmountsTypedAboveTheCeiling",
                  bridge,
                  Grade::II,
                  {},
                  {OwnPatents, ForeignDesign},
                  {{OwnPatentsAmount, "1.7e308"}, {ForeignDesignAmount, "1.7e308"}},
                  std::nullopt,
                  "1500",
                  Ends::SameStop},
        NamedCase{"EquipmentRateBeyondItsBound",
                  landscape,
                  Grade::I,
                  {},
                  {NonstandardEquipment},
                  {{NonstandardEquipmentAmount, "10"}, {NonstandardEquipmentRate, "0.21"}},
                  std::nullopt,
                  "1500",
                  Ends::SameStop},
        NamedCase{"PartialChangeEmpty",
                  building,
                  Grade::II,
                  {},
                  {StandardDesignReuse, PartialChange},
                  {},
                  std::nullopt,
                  "1500",
                  Ends::SameStop},
        NamedCase{
            "PatentEmpty", road, Grade::III, {}, {OwnPatents}, {}, std::nullopt, "1500", Ends::SameStop},
        // The main window's message for these carries a stray "!"; the check is the same.
        NamedCase{"RenovationBeyondItsRange",
                  municipal,
                  Grade::II,
                  {Renovation},
                  {},
                  {{RenovationCoefficient, "1.5"}},
                  std::nullopt,
                  "1500",
                  Ends::Stop},
        NamedCase{"HistoricBeyondItsRange",
                  building,
                  Grade::II,
                  {HistoricBuilding},
                  {},
                  {{HistoricCoefficient, "1.7"}},
                  std::nullopt,
                  "1500",
                  Ends::Stop}),
    [](const auto& info) { return info.param.name; });

} // namespace
