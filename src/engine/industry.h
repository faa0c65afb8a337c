#pragma once

// The standard's tables for every kind of engineering of 附表二 (railway excepted: its lines are charged per
// kilometre by a table of their own): each kind's professional coefficient, each group's additional
// adjustment conditions, complexity tables and design-phase shares. Every row names the clause or table
// of the standard it comes from, as the report cites it.

#include "engine/entries.h"
#include "engine/feetables.h"
#include "engine/project.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace varnel::engine::industry {

// The seven groups of 附表二, each with the chapter of the standard on its design fees.
enum class Group {
    Mining,
    Processing,
    Petrochemical,
    WaterPower,
    Transport,
    BuildingMunicipal,
    AgricultureForestry
};
inline constexpr std::size_t groupCount = 7;

struct GroupRow {
    Group group;
    int number;            // the group's number in 附表二, 1 to 7
    std::string_view name; // as 附表二 names it
    int chapter;           // the standard's chapter on its design fees; 0 where none is named here
};
extern const std::array<GroupRow, groupCount> groups; // by Group

// The 23 kinds of engineering of 附表二, in its order.
enum class Kind {
    OtherMining,            // 黑色、黄金、化学、非金属及其他矿采选工程
    CoalAndNonferrous,      // 采煤工程，有色、铀矿采选工程
    CoalPreparation,        // 选煤及其他煤炭工程
    ColdProcessing,         // 各类冷加工工程
    ShipHydraulics,         // 船舶水工工程
    Smelting,               // 各类冶炼、热加工、压力加工工程
    NuclearProcessing,      // 核加工工程
    PetroleumChemical,      // 石油、化工、石化、化纤、医药工程
    NuclearChemical,        // 核化工工程
    WindAndOtherWater,      // 风力发电、其他水利工程
    ThermalPower,           // 火电工程
    HydroPower,             // 核电常规岛、水电、水库、送变电工程
    NuclearPower,           // 核能工程
    AirfieldPavement,       // 机场场道工程
    Road,                   // 公路、城市道路工程
    AirTrafficAndLightRail, // 机场空管和助航灯光、轻轨工程
    BridgeAndTunnel,        // 水运、地铁、桥梁、隧道工程
    Ropeway,                // 索道工程
    PostalProcess,          // 邮政工艺工程
    Building,               // 建筑、市政、电信工程
    DefenceAndLandscape,    // 人防、园林绿化、广电工艺工程
    Agriculture,            // 农业工程
    Forestry,               // 林业工程
};
inline constexpr std::size_t kindCount = static_cast<std::size_t>(Kind::Forestry) + 1;

// One row of 附表二: a kind of engineering and its professional adjustment coefficient.
struct KindRow {
    Kind kind;
    Group group;
    std::string_view name; // as 附表二 names it
    double coefficient;    // 专业调整系数
    std::string_view clause;
};
extern const std::array<KindRow, kindCount> kinds; // by Kind

const GroupRow& groupOf(Kind kind);
const KindRow& kindRow(Kind kind);
std::optional<Kind> kindNamed(std::string_view name);

// The kind of engineering whose chapter a main window's type follows: its complexity tables, its
// conditions and its table of phase shares.
Kind kindOfType(EngineeringType type);
// The kind whose professional coefficient a main window's type takes: a building that is also 人防工程
// takes that of 人防、园林绿化、广电工艺工程.
Kind professionalKindOf(EngineeringType type, bool civilDefence);

// 1.0.9: the three grades of complexity as the standard words them, by Grade; their coefficients are
// engine::complexityCoefficients.
inline constexpr std::array<std::string_view, 3> complexityNames{"一般", "较复杂", "复杂"};
inline constexpr std::string_view complexityClause = "1.0.9";

// A table of a group's complexity criteria, named so that the window and the report can refer to it.
struct ComplexityTable {
    Group group;
    std::string_view table;   // "表4.3-1"
    std::string_view subject; // what it grades
};
extern const std::array<ComplexityTable, 19> complexityTables;

// The complexity tables of the kind's group, in the standard's order (none for 农业林业工程).
std::vector<const ComplexityTable*> complexityTablesOf(Kind kind);

// The additional adjustment conditions, each as the standard names it. One condition may stand in
// several groups (改扩建和技术改造建设项目 stands in every one).
enum class KindCondition {
    Renovation,            // 改扩建和技术改造建设项目, typed 1.1 to 1.4
    CoalPreparationPlant,  // Ⅲ级选煤厂、水煤浆制备及燃烧应用工程
    PipeSegmentDrawings,   // 增加管段图设计
    HydroStudyMerged,      // 水电工程可行性研究与初步设计合并
    ChannelsAndDikes,      // 引调水渠道或管线、河道堤防工程
    IrrigationField,       // 灌区田间工程
    SoilConservation,      // 水土保持工程
    RiverWorksStructures,  // 河道治理及引调水工程的建筑物、构筑物
    HighwayGradeI,         // 公路工程Ⅰ级, applied unasked
    Expressway,            // 高速公路、一级公路工程
    HighwayBridgeGradeI,   // 公路桥梁、隧道工程Ⅰ级
    HighwayBridgeGradeIII, // 公路桥梁、隧道工程Ⅲ级
    UnderPipeNetwork,      // 城市道路、桥梁、隧道通过地下管网密集区的工程
    HistoricBuilding,      // 古建筑、仿古建筑、保护性建筑, typed 1.3 to 1.6
    IntelligentBuilding,   // 智能建筑弱电系统工程
    InteriorDecoration,    // 室内装修工程
    AcousticDecoration,    // 特殊声学装修工程
};
inline constexpr std::size_t kindConditionCount =
    static_cast<std::size_t>(KindCondition::AcousticDecoration) + 1;

// A set of kinds, a bit for each; `everyKindOfGroup` is no restriction.
using KindSet = std::uint32_t;
constexpr KindSet kindSetOf(Kind kind) {
    return KindSet{1} << static_cast<unsigned>(kind);
}
inline constexpr KindSet everyKindOfGroup = 0;

// One additional adjustment condition of a group. It belongs to a project of the group whose kind is in
// `kinds` and whose grade is in `grades`; it applies when ticked, or, `unasked`, whenever it belongs. Its
// coefficient is `value`, or the number typed as `entry`, which must lie within [lower, upper] or the
// calculation stops with `message`. It stands in the additional adjustment's place `place` (0 to 4):
// where the kind is one of the main window's types, the place that type gives it, so that both windows
// add the same coefficients in the same order. Conditions of one group with the same nonzero `exclusive`
// exclude each other: a project ticks at most one of them.
struct ConditionRow {
    Group group;
    KindCondition condition;
    std::string_view name;
    std::string_view clause;
    KindSet kinds;
    GradeSet grades;
    bool unasked;
    double value;
    std::optional<Entry> entry;
    double lower;
    double upper;
    std::string_view message;
    std::size_t place;
    int exclusive;

    bool typed() const { return entry.has_value(); }
};
extern const std::array<ConditionRow, 23> conditionRows; // by group, each group's in the standard's order

// Whether the row is one of a project's of this kind and grade; without a grade, a row bound to a grade
// is not.
bool belongsTo(const ConditionRow& row, Kind kind, std::optional<Grade> grade);
// The conditions a project of this kind and grade can tick, in the table's order: those that belong and
// do not apply unasked.
std::vector<const ConditionRow*> offeredConditions(Kind kind, std::optional<Grade> grade);
// The conditions that apply to a project of this kind and grade without being ticked.
std::vector<const ConditionRow*> unaskedConditions(Kind kind, std::optional<Grade> grade);
// Whether ticking one of the two unticks the other.
bool excludeEachOther(const ConditionRow& a, const ConditionRow& b);

// 基础设计 and 详细设计 take the place of 初步设计 and 施工图设计 where a basic design is made (表4.2-1): the
// row's shares of either line add up to 100 %.
constexpr bool inBasicDesignLine(DesignPhase phase) {
    return phase == DesignPhase::Basic || phase == DesignPhase::Detailed;
}

// One row of a group's table of design-phase shares: the works it covers, the grades it applies to, and
// each phase's share of the benchmark in percent (0: the table gives the phase no share of its own).
struct ShareRow {
    Group group;
    std::string_view name;
    std::string_view table;
    GradeSet grades;
    std::array<int, designPhaseCount> percent; // by DesignPhase

    int share(DesignPhase phase) const { return percent[static_cast<std::size_t>(phase)]; }
};
extern const std::array<ShareRow, 39> shareRows; // by group, each group's in the standard's order

// The share rows a project of this kind and grade can be charged by (indices into shareRows), in the
// table's order; without a grade, only the rows bound to no grade. None for 农业林业工程.
std::vector<std::size_t> shareRowsFor(Kind kind, std::optional<Grade> grade);
// The phases the row gives a share, in the order of the table's columns.
std::vector<DesignPhase> phasesOf(const ShareRow& row);

} // namespace varnel::engine::industry
