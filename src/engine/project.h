#pragma once

#include "engine/entries.h"
#include "engine/otherfees.h"

#include <array>
#include <bitset>
#include <cstddef>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

namespace varnel::engine {

// The five engineering types, in the order of the type list.
enum class EngineeringType { Road, Bridge, Building, Landscape, Municipal };

inline constexpr std::array<EngineeringType, 5> engineeringTypes{
    EngineeringType::Road, EngineeringType::Bridge, EngineeringType::Building, EngineeringType::Landscape,
    EngineeringType::Municipal};

inline constexpr std::array<std::string_view, 5> engineeringTypeNames{
    "公路和城市道路工程", "公路和城市桥梁、隧道工程", "建筑、人防工程", "园林绿化工程", "市政公用工程"};

// The three complexity grades, and how the chosen one is written.
enum class Grade { I, II, III };

inline constexpr std::array<std::string_view, 3> gradeNames{"Ⅰ级", "Ⅱ级", "Ⅲ级"};

std::optional<EngineeringType> engineeringTypeNamed(std::string_view name);
std::optional<Grade> gradeNamed(std::string_view name);

// The additional adjustment conditions (工程附加调整). Each belongs to one or more types; a condition that
// does not belong to the project's type is not read.
enum class Condition {
    Renovation,            // 改扩建和技术改造建设项目, every type, with its typed coefficient
    UrbanRoadUnderPipes,   // 城市道路通过地下管网密集区的工程
    Expressway,            // 高速公路、一级公路工程
    UrbanBridgeUnderPipes, // 城市桥梁、隧道通过地下管网密集区的工程
    HighwayBridgeGradeI,   // 公路桥梁、隧道工程Ⅰ级
    HighwayBridgeGradeIII, // 公路桥梁、隧道工程Ⅲ级
    HistoricBuilding,      // 古建筑、仿古建筑、保护性建筑, with its typed coefficient
    IntelligentBuilding,   // 智能建筑弱电系统工程
    CivilDefence,          // 人防工程
    InteriorDecoration,    // 室内装修工程
    AcousticDecoration,    // 特殊声学装修工程
    Housing,               // 住宅工程
    HousingCluster,        // 住宅工程(组团)
    BuildingWithOutdoor,   // 建筑与室外工程
};
inline constexpr std::size_t conditionCount = static_cast<std::size_t>(Condition::BuildingWithOutdoor) + 1;

// Each condition as the standard names it, in the order of `Condition`.
inline constexpr std::array<std::string_view, conditionCount> conditionNames{
    "改扩建和技术改造建设项目",
    "城市道路通过地下管网密集区的工程",
    "高速公路、一级公路工程",
    "城市桥梁、隧道通过地下管网密集区的工程",
    "公路桥梁、隧道工程Ⅰ级",
    "公路桥梁、隧道工程Ⅲ级",
    "古建筑、仿古建筑、保护性建筑",
    "智能建筑弱电系统工程",
    "人防工程",
    "室内装修工程",
    "特殊声学装修工程",
    "住宅工程",
    "住宅工程(组团)",
    "建筑与室外工程",
};

// The design phases the phase tables share the benchmark among, in the order of the tables' columns. A
// phase may be commissioned on its own (单独委托设计): the main window's types offer 方案设计, 初步设计 and
// 施工图设计.
enum class DesignPhase { Scheme, Preliminary, Tender, Drawing, Basic, Detailed };
inline constexpr std::size_t designPhaseCount = 6;

// Each phase as the standard names it, in the order of `DesignPhase`.
inline constexpr std::array<std::string_view, designPhaseCount> designPhaseNames{
    "方案设计", "初步设计", "招标设计", "施工图设计", "基础设计", "详细设计"};

constexpr std::string_view designPhaseName(DesignPhase phase) {
    return designPhaseNames[static_cast<std::size_t>(phase)];
}

// Whether the main window's types can have the phase commissioned on its own.
constexpr bool offeredByTypes(DesignPhase phase) {
    return phase == DesignPhase::Scheme || phase == DesignPhase::Preliminary || phase == DesignPhase::Drawing;
}

// A set of the members of an enumeration of `size` members.
template <typename E, std::size_t size>
class EnumSet {
  public:
    EnumSet() = default;
    EnumSet(std::initializer_list<E> members) {
        for (E e : members)
            insert(e);
    }
    // Every member of E is below `size`: no bounds to check.
    void insert(E e) { m_bits[static_cast<std::size_t>(e)] = true; }
    void set(E e, bool member) { m_bits[static_cast<std::size_t>(e)] = member; }
    bool contains(E e) const { return m_bits[static_cast<std::size_t>(e)]; }
    bool operator==(const EnumSet&) const = default;

  private:
    std::bitset<size> m_bits;
};

std::optional<Condition> conditionNamed(std::string_view name);
// A phase by its name.
std::optional<DesignPhase> designPhaseNamed(std::string_view name);

// A project as the standard describes it, as the user has entered it at the moment of 计算.
struct Project {
    std::string amount; // 工程设计收费计费额, in 万元, as typed
    std::optional<EngineeringType> type;
    std::optional<Grade> grade;
    EnumSet<Condition, conditionCount> conditions;
    EnumSet<Service, serviceCount> services;
    std::array<std::string, entryCount> entries;
    bool independentPhase = false;    // 单独委托设计 ticked
    std::optional<DesignPhase> phase; // the phase chosen, one offeredByTypes

    bool operator==(const Project&) const = default;
    bool has(Condition c) const { return conditions.contains(c); }
    bool has(Service s) const { return services.contains(s); }
    const std::string& text(Entry e) const { return entries[static_cast<std::size_t>(e)]; }
    std::string& text(Entry e) { return entries[static_cast<std::size_t>(e)]; }
};

} // namespace varnel::engine
