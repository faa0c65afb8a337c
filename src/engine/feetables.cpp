// The standard's tables as the calculation uses them, each in the order in which it is read.
#include "engine/feetables.h"

#include "engine/industry.h"

#include <algorithm>
#include <stdexcept>
#include <utility>
#include <vector>

namespace varnel::engine {

using enum EngineeringType;
using enum Condition;
using enum Service;
using enum Entry;
using V = Variables;

const std::array<GradeCoefficient, 3> complexityCoefficients{{
    {Grade::I, 0.85},
    {Grade::II, 1},
    {Grade::III, 1.15},
}};

double professionalCoefficient(EngineeringType type, bool civilDefence) {
    return industry::kindRow(industry::professionalKindOf(type, civilDefence)).coefficient;
}

namespace {

using A = industry::KindCondition;

// Each of the main window's additional conditions, in the order its calculation reads them, as the
// condition of 附表二 it is. Where the main window words the message of a range otherwise, `message` is its
// own (a stray "!" in most).
struct MainWindowCondition {
    EngineeringType type;
    std::optional<Condition> condition; // none: applied unasked, with the grade the row is bound to
    A table2Condition;
    std::string_view message = {};
};

constexpr std::string_view rebuild = "改扩建和技术改造建设项目附加调整系数超标!！";
constexpr std::string_view ancient = "古建筑、仿古建筑、保护性建筑附加调整系数超标!！";

constexpr std::array<MainWindowCondition, 15> mainWindowConditions{{
    {Road, {}, A::HighwayGradeI},
    {Road, Expressway, A::Expressway},
    {Road, UrbanRoadUnderPipes, A::UnderPipeNetwork},
    {Road, Renovation, A::Renovation},
    {Bridge, HighwayBridgeGradeI, A::HighwayBridgeGradeI},
    {Bridge, HighwayBridgeGradeIII, A::HighwayBridgeGradeIII},
    {Bridge, UrbanBridgeUnderPipes, A::UnderPipeNetwork},
    {Bridge, Renovation, A::Renovation, rebuild},
    {Building, Renovation, A::Renovation, rebuild},
    {Building, HistoricBuilding, A::HistoricBuilding, ancient},
    {Building, IntelligentBuilding, A::IntelligentBuilding},
    {Building, AcousticDecoration, A::AcousticDecoration},
    {Building, InteriorDecoration, A::InteriorDecoration},
    {Landscape, Renovation, A::Renovation, rebuild},
    {Municipal, Renovation, A::Renovation, rebuild},
}};

std::optional<Grade> onlyGradeOf(GradeSet grades) {
    for (Grade grade : {Grade::I, Grade::II, Grade::III})
        if (grades == gradeSetOf(grade))
            return grade;
    return std::nullopt;
}

AdditionalCondition fromTable2(const MainWindowCondition& c) {
    const industry::Kind kind = industry::kindOfType(c.type);
    for (const industry::ConditionRow& row : industry::conditionRows) {
        const bool ofKind =
            row.kinds == industry::everyKindOfGroup || (row.kinds & industry::kindSetOf(kind));
        if (row.group != industry::kindRow(kind).group || row.condition != c.table2Condition || !ofKind)
            continue;
        return {c.type,     c.condition, c.condition ? std::nullopt : onlyGradeOf(row.grades),
                row.place,  row.value,   row.entry,
                row.lower,  row.upper,   c.message.empty() ? row.message : c.message,
                row.clause, row.name};
    }
    throw std::logic_error("a main window's condition without its row of 附表二");
}

} // namespace

const std::array<AdditionalCondition, 15>& additionalConditions() {
    static const std::array<AdditionalCondition, 15> conditions = [] {
        std::array<AdditionalCondition, 15> read{};
        for (std::size_t i = 0; i < read.size(); ++i)
            read[i] = fromTable2(mainWindowConditions[i]);
        return read;
    }();
    return conditions;
}

bool chargesReuseAlone(const Project& project) {
    return project.has(StandardDesignReuse) && !project.has(FoundationRedesign) &&
           !project.has(PartialChange);
}

const std::array<PhaseResult, designPhaseCount> phaseResults{{
    {&V::schemePhaseFee, "其中方案设计费"},
    {&V::preliminaryPhaseFee, "其中初步设计费"},
    {nullptr, {}},
    {&V::drawingPhaseFee, "其中施工图设计费"},
    {nullptr, {}},
    {nullptr, {}},
}};

namespace {

using enum DesignPhase;

// The row of 表6.2-1 or 表7.2-1 each type's phases are charged by; a building's is the row of its kind.
constexpr std::array<std::pair<EngineeringType, std::string_view>, 4> typeShareRows{{
    {Road, "公路"},
    {Bridge, "公路"},
    {Landscape, "园林绿化工程"},
    {Municipal, "市政公用工程"},
}};

// The building kinds a building's phases are charged by, each named as its row of 表7.2-1.
constexpr std::array<Condition, 7> buildingKinds{BuildingWithOutdoor, HousingCluster,      Housing,
                                                 HistoricBuilding,    IntelligentBuilding, InteriorDecoration,
                                                 CivilDefence};

// Adds the main window's phase row a share row gives the type for the phase: none where the row is not
// the type's (or its building kind's) or gives the phase no share.
void addPhaseRows(std::vector<PhaseRow>& rows, EngineeringType type, DesignPhase phase,
                  const industry::ShareRow& share) {
    if (share.group != industry::kindRow(industry::kindOfType(type)).group || share.share(phase) == 0)
        return;
    std::optional<Condition> kind;
    if (type == Building) {
        const auto named = std::ranges::find_if(buildingKinds, [&](Condition c) {
            return conditionNames[static_cast<std::size_t>(c)] == share.name;
        });
        if (named == buildingKinds.end())
            return;
        kind = *named;
    } else if (std::ranges::find(typeShareRows, std::pair{type, share.name}) == typeShareRows.end()) {
        return;
    }
    rows.push_back({type, phase, kind, share.grades, share.share(phase) / 100.0});
}

} // namespace

// The main window commissions 初步设计, 施工图设计 and 方案设计, tried in that order.
const std::vector<PhaseRow>& phaseRows() {
    static const std::vector<PhaseRow> rows = [] {
        std::vector<PhaseRow> read;
        for (EngineeringType type : engineeringTypes)
            for (DesignPhase phase : {Preliminary, Drawing, Scheme})
                for (const industry::ShareRow& share : industry::shareRows)
                    addPhaseRows(read, type, phase, share);
        return read;
    }();
    return rows;
}

const PhaseRow* phaseRowFor(const Project& project) {
    if (!project.phase)
        return nullptr;
    const GradeSet grade = gradeSetOf(*project.grade);
    const PhaseRow* found = nullptr;
    for (const PhaseRow& row : phaseRows()) {
        const bool applies = row.type == *project.type && row.phase == project.phase &&
                             (!row.kind || project.has(*row.kind)) &&
                             (row.grades == everyGrade || (row.grades & grade) != 0);
        if (applies)
            found = &row;
    }
    return found;
}

std::string missingShareMessage(const Project& project) {
    if (!project.independentPhase || phaseRowFor(project))
        return {};
    if (!project.phase)
        return "请选择单独委托设计的阶段（初步设计、施工图设计或方案设计）！";
    const std::string phase(designPhaseName(*project.phase));
    if (*project.type == EngineeringType::Building) {
        // The shares of a building depend on its kind: name the kinds that have one for this phase (a kind
        // has one row for each phase and grade).
        std::string kinds;
        const GradeSet grade = gradeSetOf(*project.grade);
        for (const PhaseRow& row : phaseRows())
            if (row.type == EngineeringType::Building && row.phase == project.phase && row.kind &&
                (row.grades == everyGrade || (row.grades & grade) != 0))
                kinds += (kinds.empty() ? "" : "、") +
                         std::string(conditionNames[static_cast<std::size_t>(*row.kind)]);
        return "单独委托" + phase + "的收费比例取决于建筑工程的类别，请在附加调整系数中勾选其中一项：" +
               kinds + "！";
    }
    return std::string(engineeringTypeNames[static_cast<std::size_t>(*project.type)]) +
           std::string(gradeNames[static_cast<std::size_t>(*project.grade)]) + "没有" + phase +
           "的收费比例，请选择另一个阶段！";
}

bool readsCondition(EngineeringType type, Condition condition) {
    if (type == Building && condition == CivilDefence)
        return true;
    for (const AdditionalCondition& c : additionalConditions())
        if (c.type == type && c.condition == condition)
            return true;
    for (const PhaseRow& row : phaseRows())
        if (row.type == type && row.kind == condition)
            return true;
    return false;
}

} // namespace varnel::engine
