// The standard's tables for every kind of engineering, in its own order and words.
#include "engine/industry.h"

namespace varnel::engine::industry {

using enum Group;
using enum Kind;
using enum KindCondition;

const std::array<GroupRow, groupCount> groups{{
    {Mining, 1, "矿山采选工程", 2},
    {Processing, 2, "加工冶炼工程", 3},
    {Petrochemical, 3, "石油化工工程", 4},
    {WaterPower, 4, "水利电力工程", 5},
    {Transport, 5, "交通运输工程", 6},
    {BuildingMunicipal, 6, "建筑市政工程", 7},
    {AgricultureForestry, 7, "农业林业工程", 0},
}};

namespace {
constexpr std::string_view table2 = "附表二";
} // namespace

const std::array<KindRow, kindCount> kinds{{
    {OtherMining, Mining, "黑色、黄金、化学、非金属及其他矿采选工程", 1.1, table2},
    {CoalAndNonferrous, Mining, "采煤工程，有色、铀矿采选工程", 1.2, table2},
    {Kind::CoalPreparation, Mining, "选煤及其他煤炭工程", 1.3, table2},
    {ColdProcessing, Processing, "各类冷加工工程", 1.0, table2},
    {ShipHydraulics, Processing, "船舶水工工程", 1.1, table2},
    {Smelting, Processing, "各类冶炼、热加工、压力加工工程", 1.2, table2},
    {NuclearProcessing, Processing, "核加工工程", 1.3, table2},
    {PetroleumChemical, Petrochemical, "石油、化工、石化、化纤、医药工程", 1.2, table2},
    {NuclearChemical, Petrochemical, "核化工工程", 1.6, table2},
    {WindAndOtherWater, WaterPower, "风力发电、其他水利工程", 0.8, table2},
    {ThermalPower, WaterPower, "火电工程", 1.0, table2},
    {HydroPower, WaterPower, "核电常规岛、水电、水库、送变电工程", 1.2, table2},
    {NuclearPower, WaterPower, "核能工程", 1.6, table2},
    {AirfieldPavement, Transport, "机场场道工程", 0.8, table2},
    {Road, Transport, "公路、城市道路工程", 0.9, table2},
    {AirTrafficAndLightRail, Transport, "机场空管和助航灯光、轻轨工程", 1.0, table2},
    {BridgeAndTunnel, Transport, "水运、地铁、桥梁、隧道工程", 1.1, table2},
    {Ropeway, Transport, "索道工程", 1.3, table2},
    {PostalProcess, BuildingMunicipal, "邮政工艺工程", 0.8, table2},
    {Building, BuildingMunicipal, "建筑、市政、电信工程", 1.0, table2},
    {DefenceAndLandscape, BuildingMunicipal, "人防、园林绿化、广电工艺工程", 1.1, table2},
    {Agriculture, AgricultureForestry, "农业工程", 0.9, table2},
    {Forestry, AgricultureForestry, "林业工程", 0.8, table2},
}};

const GroupRow& groupOf(Kind kind) {
    return groups[static_cast<std::size_t>(kindRow(kind).group)];
}

const KindRow& kindRow(Kind kind) {
    return kinds[static_cast<std::size_t>(kind)];
}

std::optional<Kind> kindNamed(std::string_view name) {
    for (const KindRow& row : kinds)
        if (row.name == name)
            return row.kind;
    return std::nullopt;
}

Kind kindOfType(EngineeringType type) {
    switch (type) {
    case EngineeringType::Road:
        return Road;
    case EngineeringType::Bridge:
        return BridgeAndTunnel;
    case EngineeringType::Landscape:
        return DefenceAndLandscape;
    case EngineeringType::Building:
    case EngineeringType::Municipal:
        break;
    }
    return Kind::Building;
}

Kind professionalKindOf(EngineeringType type, bool civilDefence) {
    return type == EngineeringType::Building && civilDefence ? DefenceAndLandscape : kindOfType(type);
}

const std::array<ComplexityTable, 19> complexityTables{{
    {Mining, "表2.3-1", "坑内采矿"},
    {Mining, "表2.3-2", "露天采矿"},
    {Mining, "表2.3-3", "选矿"},
    {Mining, "表2.3-4", "煤炭矿井"},
    {Mining, "表2.3-5", "煤炭露天矿"},
    {Mining, "表2.3-6", "选煤厂及其他煤炭"},
    {Processing, "表3.3-1", "加工冶炼"},
    {Petrochemical, "表4.3-1", "石油化工"},
    {WaterPower, "表5.3-1", "电力、核能、水库"},
    {WaterPower, "表5.3-2", "其他水利"},
    // 水库 and 水电 works take their grade from the scores of this table.
    {WaterPower, "表5.4-1", "水库、水电（评分）"},
    {Transport, "表6.3-1", "公路、城市道路、轨道、索道"},
    {Transport, "表6.3-2", "桥梁、隧道"},
    {Transport, "表6.3-3", "水运"},
    {Transport, "表6.3-4", "民用机场"},
    {BuildingMunicipal, "表7.3-1", "建筑市政"},
    {BuildingMunicipal, "表7.3-2", "建筑市政"},
    {BuildingMunicipal, "表7.3-3", "建筑市政"},
    {BuildingMunicipal, "表7.3-4", "建筑市政"},
}};

std::vector<const ComplexityTable*> complexityTablesOf(Kind kind) {
    std::vector<const ComplexityTable*> found;
    for (const ComplexityTable& t : complexityTables)
        if (t.group == kindRow(kind).group)
            found.push_back(&t);
    return found;
}

namespace {

constexpr std::string_view renovation = "改扩建和技术改造建设项目";
constexpr std::string_view renovationMessage = "改扩建和技术改造建设项目附加调整系数超标！";
constexpr std::string_view historicMessage = "古建筑、仿古建筑、保护性建筑附加调整系数超标！";
constexpr GradeSet I = onlyGradeI, II = onlyGradeII, III = onlyGradeIII, any = everyGrade;
constexpr KindSet every = everyKindOfGroup;

// 1.0.12, in every group: the typed coefficient in the place the group gives it.
constexpr ConditionRow renovationIn(Group group, std::size_t place) {
    return {
        group, Renovation, renovation,        "1.0.12", every, any, false, 0, Entry::RenovationCoefficient,
        1.1,   1.4,        renovationMessage, place,    0};
}

// A condition of fixed coefficient, offered with the kinds and grades given.
constexpr ConditionRow fixed(Group group, KindCondition condition, std::string_view name,
                             std::string_view clause, KindSet kinds, GradeSet grades, double value,
                             std::size_t place, int exclusive = 0) {
    return {group, condition, name, clause, kinds, grades, false, value, {}, 0, 0, {}, place, exclusive};
}

// The groups whose conditions exclude each other (0: none).
constexpr int waterWorks = 1;     // the four kinds of water works of chapter 5
constexpr int urbanOrHighway = 2; // 城市 and 公路 roads and bridges, as in the main window
constexpr int buildingWorks = 3;  // the kinds of building work, as in the main window

constexpr KindSet road = kindSetOf(Road), bridge = kindSetOf(BridgeAndTunnel), building = kindSetOf(Building);

} // namespace

const std::array<ConditionRow, 23> conditionRows{{
    renovationIn(Mining, 0),
    // A grade Ⅲ plant by its name, and 水煤浆制备 is a grade Ⅲ work of 表2.3-6: offered with grade Ⅲ only.
    fixed(Mining, KindCondition::CoalPreparationPlant, "Ⅲ级选煤厂、水煤浆制备及燃烧应用工程", "第2章",
          kindSetOf(Kind::CoalPreparation), III, 1.4, 1),

    renovationIn(Processing, 0),

    renovationIn(Petrochemical, 0),
    fixed(Petrochemical, PipeSegmentDrawings, "增加管段图设计", "第4章", every, any, 1.1, 1),

    renovationIn(WaterPower, 0),
    fixed(WaterPower, HydroStudyMerged, "水电工程可行性研究与初步设计合并", "第5章", kindSetOf(HydroPower),
          any, 1.1, 1),
    fixed(WaterPower, ChannelsAndDikes, "引调水渠道或管线、河道堤防工程", "第5章",
          kindSetOf(WindAndOtherWater), any, 0.85, 1, waterWorks),
    fixed(WaterPower, IrrigationField, "灌区田间工程", "第5章", kindSetOf(WindAndOtherWater), any, 0.25, 2,
          waterWorks),
    fixed(WaterPower, SoilConservation, "水土保持工程", "第5章", kindSetOf(WindAndOtherWater), any, 0.7, 3,
          waterWorks),
    fixed(WaterPower, RiverWorksStructures, "河道治理及引调水工程的建筑物、构筑物", "第5章",
          kindSetOf(WindAndOtherWater), any, 1.3, 4, waterWorks),

    // The places of the main window's road and bridge types.
    renovationIn(Transport, 2),
    {Transport, HighwayGradeI, "公路工程Ⅰ级", "第6章", road, I, true, 1.89, {}, 0, 0, {}, 0, 0},
    fixed(Transport, Expressway, "高速公路、一级公路工程", "第6章", road, III, 0.61, 3, urbanOrHighway),
    fixed(Transport, HighwayBridgeGradeI, "公路桥梁、隧道工程Ⅰ级", "第6章", bridge, I, 2.0, 0,
          urbanOrHighway),
    fixed(Transport, HighwayBridgeGradeIII, "公路桥梁、隧道工程Ⅲ级", "第6章", bridge, III, 0.7, 0,
          urbanOrHighway),
    fixed(Transport, UnderPipeNetwork, "城市道路、桥梁、隧道通过地下管网密集区的工程", "第6章", road | bridge,
          any, 1.1, 1, urbanOrHighway),

    // The places of the main window's building, landscape and municipal types.
    renovationIn(BuildingMunicipal, 0),
    {BuildingMunicipal, HistoricBuilding, "古建筑、仿古建筑、保护性建筑", "第7章", building, any, false, 0,
     Entry::HistoricCoefficient, 1.3, 1.6, historicMessage, 1, buildingWorks},
    fixed(BuildingMunicipal, IntelligentBuilding, "智能建筑弱电系统工程", "第7章", building, any, 1.3, 2,
          buildingWorks),
    fixed(BuildingMunicipal, InteriorDecoration, "室内装修工程", "第7章", building, any, 1.5, 4,
          buildingWorks),
    fixed(BuildingMunicipal, AcousticDecoration, "特殊声学装修工程", "第7章", building, any, 2.0, 3,
          buildingWorks),

    renovationIn(AgricultureForestry, 0),
}};

namespace {
bool inGrades(GradeSet grades, std::optional<Grade> grade) {
    if (grades == everyGrade)
        return true;
    return grade && (grades & gradeSetOf(*grade)) != 0;
}
} // namespace

bool belongsTo(const ConditionRow& row, Kind kind, std::optional<Grade> grade) {
    return row.group == kindRow(kind).group &&
           (row.kinds == everyKindOfGroup || (row.kinds & kindSetOf(kind))) && inGrades(row.grades, grade);
}

std::vector<const ConditionRow*> offeredConditions(Kind kind, std::optional<Grade> grade) {
    std::vector<const ConditionRow*> found;
    for (const ConditionRow& row : conditionRows)
        if (belongsTo(row, kind, grade) && !row.unasked)
            found.push_back(&row);
    return found;
}

std::vector<const ConditionRow*> unaskedConditions(Kind kind, std::optional<Grade> grade) {
    std::vector<const ConditionRow*> found;
    for (const ConditionRow& row : conditionRows)
        if (belongsTo(row, kind, grade) && row.unasked)
            found.push_back(&row);
    return found;
}

bool excludeEachOther(const ConditionRow& a, const ConditionRow& b) {
    return &a != &b && a.group == b.group && a.exclusive != 0 && a.exclusive == b.exclusive;
}

namespace {
using P = std::array<int, designPhaseCount>;
constexpr GradeSet I_II = onlyGradeI | onlyGradeII;
} // namespace

// Each row's shares in percent, in the columns 方案设计, 初步设计, 招标设计, 施工图设计, 基础设计, 详细设计.
const std::array<ShareRow, 39> shareRows{{
    {Mining, "有色、黄金、铀及其他矿种采选，化学矿新技术采选，黑色冶金露天采矿", "表2.2-1", any,
     P{0, 40, 0, 60, 0, 0}},
    {Mining, "黑色冶金坑内采矿，煤炭矿山采选，水煤浆，煤层气抽放", "表2.2-1", any, P{0, 35, 0, 65, 0, 0}},
    {Mining, "化学矿常规技术采选，非金属矿采选，黑色冶金选矿", "表2.2-1", any, P{0, 30, 0, 70, 0, 0}},

    {Processing, "加工冶炼（核加工除外）", "表3.2-1", any, P{0, 35, 0, 65, 0, 0}},
    {Processing, "核加工", "表3.2-1", any, P{0, 40, 0, 60, 0, 0}},

    {Petrochemical, "一般石油化工", "表4.2-1", any, P{0, 35, 0, 65, 50, 50}},
    {Petrochemical, "新技术", "表4.2-1", any, P{0, 50, 0, 50, 60, 40}},
    {Petrochemical, "火化工、核化工、化纤、医药", "表4.2-1", any, P{0, 40, 0, 60, 50, 50}},
    {Petrochemical, "核设施退役", "表4.2-1", any, P{0, 60, 0, 40, 65, 35}},

    {WaterPower, "核能、送电、变电", "表5.2-1", any, P{0, 40, 0, 60, 0, 0}},
    {WaterPower, "火电", "表5.2-1", any, P{0, 30, 0, 70, 0, 0}},
    {WaterPower, "水库、水电、潮汐", "表5.2-1", any, P{0, 25, 20, 55, 0, 0}},
    {WaterPower, "风电", "表5.2-1", any, P{0, 45, 0, 55, 0, 0}},
    {WaterPower, "引调水：建筑物、构筑物", "表5.2-1", any, P{0, 25, 20, 55, 0, 0}},
    {WaterPower, "引调水：渠道、管线", "表5.2-1", any, P{0, 45, 20, 35, 0, 0}},
    {WaterPower, "河道治理：建筑物、构筑物", "表5.2-1", any, P{0, 25, 20, 55, 0, 0}},
    {WaterPower, "河道治理：河道堤防", "表5.2-1", any, P{0, 55, 10, 35, 0, 0}},
    {WaterPower, "灌区田间", "表5.2-1", any, P{0, 60, 0, 40, 0, 0}},
    {WaterPower, "水土保持", "表5.2-1", any, P{0, 70, 10, 20, 0, 0}},

    {Transport, "公路", "表6.2-1", any, P{0, 45, 0, 55, 0, 0}},
    {Transport, "水运、索道", "表6.2-1", any, P{0, 40, 0, 60, 0, 0}},
    {Transport, "城市道路", "表6.2-1", any, P{0, 45, 0, 55, 0, 0}},
    {Transport, "地铁、轻轨", "表6.2-1", any, P{0, 45, 0, 55, 0, 0}},
    {Transport, "民用机场", "表6.2-1", any, P{0, 45, 0, 55, 0, 0}},

    // The main window's rows, by the building kind and grade, then the two process rows.
    {BuildingMunicipal, "建筑与室外工程", "表7.2-1", I, P{10, 30, 0, 60, 0, 0}},
    {BuildingMunicipal, "建筑与室外工程", "表7.2-1", II, P{15, 30, 0, 55, 0, 0}},
    {BuildingMunicipal, "建筑与室外工程", "表7.2-1", III, P{20, 30, 0, 50, 0, 0}},
    {BuildingMunicipal, "住宅工程(组团)", "表7.2-1", any, P{25, 30, 0, 45, 0, 0}},
    {BuildingMunicipal, "住宅工程", "表7.2-1", any, P{25, 0, 0, 75, 0, 0}},
    {BuildingMunicipal, "古建筑、仿古建筑、保护性建筑", "表7.2-1", any, P{30, 20, 0, 50, 0, 0}},
    {BuildingMunicipal, "智能建筑弱电系统工程", "表7.2-1", any, P{0, 40, 0, 60, 0, 0}},
    {BuildingMunicipal, "室内装修工程", "表7.2-1", any, P{50, 0, 0, 50, 0, 0}},
    {BuildingMunicipal, "人防工程", "表7.2-1", any, P{10, 40, 0, 50, 0, 0}},
    {BuildingMunicipal, "园林绿化工程", "表7.2-1", I_II, P{30, 0, 0, 70, 0, 0}},
    {BuildingMunicipal, "园林绿化工程", "表7.2-1", III, P{30, 20, 0, 50, 0, 0}},
    {BuildingMunicipal, "市政公用工程", "表7.2-1", I_II, P{0, 40, 0, 60, 0, 0}},
    {BuildingMunicipal, "市政公用工程", "表7.2-1", III, P{0, 50, 0, 50, 0, 0}},
    {BuildingMunicipal, "广电、邮政工艺", "表7.2-1", any, P{0, 40, 0, 60, 0, 0}},
    {BuildingMunicipal, "电信", "表7.2-1", any, P{0, 60, 0, 40, 0, 0}},
}};

std::vector<std::size_t> shareRowsFor(Kind kind, std::optional<Grade> grade) {
    std::vector<std::size_t> found;
    for (std::size_t i = 0; i < shareRows.size(); ++i)
        if (shareRows[i].group == kindRow(kind).group && inGrades(shareRows[i].grades, grade))
            found.push_back(i);
    return found;
}

std::vector<DesignPhase> phasesOf(const ShareRow& row) {
    std::vector<DesignPhase> found;
    for (std::size_t i = 0; i < designPhaseCount; ++i)
        if (row.percent[i] > 0)
            found.push_back(static_cast<DesignPhase>(i));
    return found;
}

} // namespace varnel::engine::industry
