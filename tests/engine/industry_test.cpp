// The tables of every kind of engineering, pinned row by row against the standard's figures.
#include "engine/industry.h"

#include "engine/feetables.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

using namespace varnel::engine;
using namespace varnel::engine::industry;

namespace {

// 附表二 as the standard prints it: group number, group, kind, professional adjustment coefficient.
struct KindFigure {
    int group;
    std::string groupName;
    std::string kind;
    double coefficient;
};

const std::vector<KindFigure> table2{
    {1, "矿山采选工程", "黑色、黄金、化学、非金属及其他矿采选工程", 1.1},
    {1, "矿山采选工程", "采煤工程，有色、铀矿采选工程", 1.2},
    {1, "矿山采选工程", "选煤及其他煤炭工程", 1.3},
    {2, "加工冶炼工程", "各类冷加工工程", 1.0},
    {2, "加工冶炼工程", "船舶水工工程", 1.1},
    {2, "加工冶炼工程", "各类冶炼、热加工、压力加工工程", 1.2},
    {2, "加工冶炼工程", "核加工工程", 1.3},
    {3, "石油化工工程", "石油、化工、石化、化纤、医药工程", 1.2},
    {3, "石油化工工程", "核化工工程", 1.6},
    {4, "水利电力工程", "风力发电、其他水利工程", 0.8},
    {4, "水利电力工程", "火电工程", 1.0},
    {4, "水利电力工程", "核电常规岛、水电、水库、送变电工程", 1.2},
    {4, "水利电力工程", "核能工程", 1.6},
    {5, "交通运输工程", "机场场道工程", 0.8},
    {5, "交通运输工程", "公路、城市道路工程", 0.9},
    {5, "交通运输工程", "机场空管和助航灯光、轻轨工程", 1.0},
    {5, "交通运输工程", "水运、地铁、桥梁、隧道工程", 1.1},
    {5, "交通运输工程", "索道工程", 1.3},
    {6, "建筑市政工程", "邮政工艺工程", 0.8},
    {6, "建筑市政工程", "建筑、市政、电信工程", 1.0},
    {6, "建筑市政工程", "人防、园林绿化、广电工艺工程", 1.1},
    {7, "农业林业工程", "农业工程", 0.9},
    {7, "农业林业工程", "林业工程", 0.8},
};

TEST(Table2, EveryKindWithItsGroupAndCoefficientInTheStandardsOrder) {
    ASSERT_EQ(kinds.size(), table2.size());
    for (std::size_t i = 0; i < table2.size(); ++i) {
        const KindFigure& expected = table2[i];
        const KindRow& row = kinds[i];
        SCOPED_TRACE(expected.kind);
        EXPECT_EQ(row.name, expected.kind);
        EXPECT_EQ(row.coefficient, expected.coefficient);
        EXPECT_EQ(row.clause, "附表二");
        EXPECT_EQ(static_cast<std::size_t>(row.kind), i);
        EXPECT_EQ(groupOf(row.kind).number, expected.group);
        EXPECT_EQ(groupOf(row.kind).name, expected.groupName);
        EXPECT_EQ(kindNamed(expected.kind), row.kind);
    }
    EXPECT_FALSE(kindNamed("铁路工程").has_value());
}

TEST(Table2, GroupsNameTheChaptersOfTheirFees) {
    const std::vector<std::pair<std::string, int>> expected{
        {"矿山采选工程", 2}, {"加工冶炼工程", 3}, {"石油化工工程", 4}, {"水利电力工程", 5},
        {"交通运输工程", 6}, {"建筑市政工程", 7}, {"农业林业工程", 0}};
    ASSERT_EQ(groups.size(), expected.size());
    for (std::size_t i = 0; i < groups.size(); ++i) {
        EXPECT_EQ(groups[i].name, expected[i].first);
        EXPECT_EQ(groups[i].chapter, expected[i].second);
        EXPECT_EQ(groups[i].number, static_cast<int>(i) + 1);
        EXPECT_EQ(static_cast<std::size_t>(groups[i].group), i);
    }
}

TEST(Complexity, TheGradesOf109AndTheTablesOfEachGroup) {
    EXPECT_EQ(complexityNames[0], "一般");
    EXPECT_EQ(complexityNames[1], "较复杂");
    EXPECT_EQ(complexityNames[2], "复杂");
    const std::vector<std::pair<Kind, std::vector<std::string>>> expected{
        {Kind::CoalPreparation, {"表2.3-1", "表2.3-2", "表2.3-3", "表2.3-4", "表2.3-5", "表2.3-6"}},
        {Kind::Smelting, {"表3.3-1"}},
        {Kind::NuclearChemical, {"表4.3-1"}},
        {Kind::HydroPower, {"表5.3-1", "表5.3-2", "表5.4-1"}},
        {Kind::Ropeway, {"表6.3-1", "表6.3-2", "表6.3-3", "表6.3-4"}},
        {Kind::PostalProcess, {"表7.3-1", "表7.3-2", "表7.3-3", "表7.3-4"}},
        {Kind::Forestry, {}},
    };
    for (const auto& [kind, tables] : expected) {
        std::vector<std::string> got;
        for (const ComplexityTable* t : complexityTablesOf(kind))
            got.push_back(std::string(t->table));
        EXPECT_EQ(got, tables) << kindRow(kind).name;
    }
    EXPECT_EQ(complexityTables[0].subject, "坑内采矿");
    EXPECT_EQ(complexityTables[5].subject, "选煤厂及其他煤炭");
    EXPECT_EQ(complexityTables[8].subject, "电力、核能、水库");
    EXPECT_EQ(complexityTables[12].subject, "桥梁、隧道");
}

// Each group's conditions as the standard gives them: fixed coefficient, or a typed range.
struct ConditionFigure {
    int group;
    std::string name;
    std::string clause;
    double value; // 0: typed
    double lower = 0, upper = 0;
};

const std::vector<ConditionFigure> conditionFigures{
    {1, "改扩建和技术改造建设项目", "1.0.12", 0, 1.1, 1.4},
    {1, "Ⅲ级选煤厂、水煤浆制备及燃烧应用工程", "第2章", 1.4},
    {2, "改扩建和技术改造建设项目", "1.0.12", 0, 1.1, 1.4},
    {3, "改扩建和技术改造建设项目", "1.0.12", 0, 1.1, 1.4},
    {3, "增加管段图设计", "第4章", 1.1},
    {4, "改扩建和技术改造建设项目", "1.0.12", 0, 1.1, 1.4},
    {4, "水电工程可行性研究与初步设计合并", "第5章", 1.1},
    {4, "引调水渠道或管线、河道堤防工程", "第5章", 0.85},
    {4, "灌区田间工程", "第5章", 0.25},
    {4, "水土保持工程", "第5章", 0.7},
    {4, "河道治理及引调水工程的建筑物、构筑物", "第5章", 1.3},
    {5, "改扩建和技术改造建设项目", "1.0.12", 0, 1.1, 1.4},
    {5, "公路工程Ⅰ级", "第6章", 1.89},
    {5, "高速公路、一级公路工程", "第6章", 0.61},
    {5, "公路桥梁、隧道工程Ⅰ级", "第6章", 2.0},
    {5, "公路桥梁、隧道工程Ⅲ级", "第6章", 0.7},
    {5, "城市道路、桥梁、隧道通过地下管网密集区的工程", "第6章", 1.1},
    {6, "改扩建和技术改造建设项目", "1.0.12", 0, 1.1, 1.4},
    {6, "古建筑、仿古建筑、保护性建筑", "第7章", 0, 1.3, 1.6},
    {6, "智能建筑弱电系统工程", "第7章", 1.3},
    {6, "室内装修工程", "第7章", 1.5},
    {6, "特殊声学装修工程", "第7章", 2.0},
    {7, "改扩建和技术改造建设项目", "1.0.12", 0, 1.1, 1.4},
};

TEST(Conditions, EveryRowWithItsCoefficientOrRange) {
    ASSERT_EQ(conditionRows.size(), conditionFigures.size());
    for (std::size_t i = 0; i < conditionRows.size(); ++i) {
        const ConditionFigure& expected = conditionFigures[i];
        const ConditionRow& row = conditionRows[i];
        SCOPED_TRACE(expected.name);
        EXPECT_EQ(groups[static_cast<std::size_t>(row.group)].number, expected.group);
        EXPECT_EQ(row.name, expected.name);
        EXPECT_EQ(row.clause, expected.clause);
        EXPECT_EQ(row.typed(), expected.value == 0);
        if (row.typed()) {
            EXPECT_EQ(row.lower, expected.lower);
            EXPECT_EQ(row.upper, expected.upper);
            EXPECT_FALSE(row.message.empty());
        } else {
            EXPECT_EQ(row.value, expected.value);
        }
        EXPECT_LT(row.place, additionalPlaces);
    }
}

TEST(Conditions, TheTypedOnesAreTheMainWindowsEntries) {
    for (const ConditionRow& row : conditionRows) {
        if (row.condition == KindCondition::Renovation) {
            EXPECT_EQ(row.entry, Entry::RenovationCoefficient);
            EXPECT_EQ(row.message, "改扩建和技术改造建设项目附加调整系数超标！");
        } else if (row.condition == KindCondition::HistoricBuilding) {
            EXPECT_EQ(row.entry, Entry::HistoricCoefficient);
            EXPECT_EQ(row.message, "古建筑、仿古建筑、保护性建筑附加调整系数超标！");
        } else {
            EXPECT_FALSE(row.entry.has_value()) << row.name;
        }
    }
}

std::vector<std::string> namesOf(const std::vector<const ConditionRow*>& rows) {
    std::vector<std::string> names;
    for (const ConditionRow* row : rows)
        names.push_back(std::string(row->name));
    return names;
}

const std::string renovation = "改扩建和技术改造建设项目";
const std::string pipes = "城市道路、桥梁、隧道通过地下管网密集区的工程";

// What a kind of each grade offers as boxes, and what applies to it unasked. Where the kind is one of the
// main window's types, exactly what that type offers with that grade.
struct OfferCase {
    std::string name;
    Kind kind;
    std::optional<Grade> grade;
    std::vector<std::string> offered;
    std::vector<std::string> unasked;
};

void PrintTo(const OfferCase& c, std::ostream* os) {
    *os << c.name;
}

class Offers : public testing::TestWithParam<OfferCase> {};

TEST_P(Offers, FollowKindAndGrade) {
    const OfferCase& c = GetParam();
    EXPECT_EQ(namesOf(offeredConditions(c.kind, c.grade)), c.offered);
    EXPECT_EQ(namesOf(unaskedConditions(c.kind, c.grade)), c.unasked);
}

const std::vector<std::string> buildingOffers{renovation, "古建筑、仿古建筑、保护性建筑",
                                              "智能建筑弱电系统工程", "室内装修工程", "特殊声学装修工程"};

INSTANTIATE_TEST_SUITE_P(
    Kinds, Offers,
    testing::Values(
        OfferCase{"RoadI", Kind::Road, Grade::I, {renovation, pipes}, {"公路工程Ⅰ级"}},
        OfferCase{"RoadII", Kind::Road, Grade::II, {renovation, pipes}, {}},
        OfferCase{"RoadIII", Kind::Road, Grade::III, {renovation, "高速公路、一级公路工程", pipes}, {}},
        OfferCase{"RoadNoGrade", Kind::Road, std::nullopt, {renovation, pipes}, {}},
        OfferCase{
            "BridgeI", Kind::BridgeAndTunnel, Grade::I, {renovation, "公路桥梁、隧道工程Ⅰ级", pipes}, {}},
        OfferCase{"BridgeII", Kind::BridgeAndTunnel, Grade::II, {renovation, pipes}, {}},
        OfferCase{
            "BridgeIII", Kind::BridgeAndTunnel, Grade::III, {renovation, "公路桥梁、隧道工程Ⅲ级", pipes}, {}},
        OfferCase{"AirfieldI", Kind::AirfieldPavement, Grade::I, {renovation}, {}},
        OfferCase{"RopewayIII", Kind::Ropeway, Grade::III, {renovation}, {}},
        OfferCase{"Building", Kind::Building, Grade::II, buildingOffers, {}},
        OfferCase{"DefenceAndLandscape", Kind::DefenceAndLandscape, Grade::I, {renovation}, {}},
        OfferCase{"Postal", Kind::PostalProcess, Grade::III, {renovation}, {}},
        // A grade Ⅲ plant's condition is no condition of a grade Ⅰ or Ⅱ one.
        OfferCase{"CoalPreparationI", Kind::CoalPreparation, Grade::I, {renovation}, {}},
        OfferCase{"CoalPreparationII", Kind::CoalPreparation, Grade::II, {renovation}, {}},
        OfferCase{"CoalPreparationIII",
                  Kind::CoalPreparation,
                  Grade::III,
                  {renovation, "Ⅲ级选煤厂、水煤浆制备及燃烧应用工程"},
                  {}},
        OfferCase{"CoalMining", Kind::CoalAndNonferrous, Grade::III, {renovation}, {}},
        OfferCase{"Smelting", Kind::Smelting, Grade::II, {renovation}, {}},
        OfferCase{"Petrochemical", Kind::PetroleumChemical, Grade::II, {renovation, "增加管段图设计"}, {}},
        OfferCase{"NuclearChemical", Kind::NuclearChemical, Grade::I, {renovation, "增加管段图设计"}, {}},
        OfferCase{"Hydro", Kind::HydroPower, Grade::II, {renovation, "水电工程可行性研究与初步设计合并"}, {}},
        OfferCase{"OtherWater",
                  Kind::WindAndOtherWater,
                  Grade::II,
                  {renovation, "引调水渠道或管线、河道堤防工程", "灌区田间工程", "水土保持工程",
                   "河道治理及引调水工程的建筑物、构筑物"},
                  {}},
        OfferCase{"Thermal", Kind::ThermalPower, Grade::III, {renovation}, {}},
        OfferCase{"Agriculture", Kind::Agriculture, Grade::II, {renovation}, {}},
        OfferCase{"Forestry", Kind::Forestry, Grade::I, {renovation}, {}}),
    [](const auto& info) { return info.param.name; });

const ConditionRow& rowNamed(Kind kind, const std::string& name) {
    for (const ConditionRow& row : conditionRows)
        if (row.name == name && row.group == kindRow(kind).group)
            return row;
    throw std::logic_error(name);
}

// As the main window's boxes: 城市道路 in a dense pipe network against 高速公路 and against 公路桥梁 Ⅰ and Ⅲ;
// one kind of building work at a time; and one kind of water works at a time.
TEST(Conditions, WhichExcludeEachOther) {
    const std::vector<std::string> road{pipes, "高速公路、一级公路工程", "公路桥梁、隧道工程Ⅰ级",
                                        "公路桥梁、隧道工程Ⅲ级"};
    const std::vector<std::string> water{"引调水渠道或管线、河道堤防工程", "灌区田间工程", "水土保持工程",
                                         "河道治理及引调水工程的建筑物、构筑物"};
    const std::vector<std::string> building{"古建筑、仿古建筑、保护性建筑", "智能建筑弱电系统工程",
                                            "室内装修工程", "特殊声学装修工程"};
    const std::vector<std::pair<Kind, std::vector<std::string>>> sets{
        {Kind::Road, road}, {Kind::WindAndOtherWater, water}, {Kind::Building, building}};
    for (const auto& [kind, names] : sets)
        for (const std::string& a : names)
            for (const std::string& b : names)
                EXPECT_EQ(excludeEachOther(rowNamed(kind, a), rowNamed(kind, b)), a != b) << a << " / " << b;
    // Free of every other: 改扩建 in each group, the unasked grade Ⅰ road, the others of their groups.
    for (const std::string& free : {renovation, std::string("公路工程Ⅰ级")})
        for (const std::string& other : road)
            EXPECT_FALSE(excludeEachOther(rowNamed(Kind::Road, free), rowNamed(Kind::Road, other))) << free;
    EXPECT_FALSE(
        excludeEachOther(rowNamed(Kind::Building, renovation), rowNamed(Kind::Building, building[0])));
    EXPECT_FALSE(excludeEachOther(rowNamed(Kind::HydroPower, "水电工程可行性研究与初步设计合并"),
                                  rowNamed(Kind::HydroPower, water[0])));
}

// The main window takes its conditions from the tables here; it words a range's message as they do, at most
// with a stray "!" of its own.
TEST(Conditions, TheMainWindowsMessagesAreTheTablesAtMostWithAStrayMark) {
    for (const AdditionalCondition& c : additionalConditions()) {
        SCOPED_TRACE(c.message);
        if (!c.entry) {
            EXPECT_TRUE(c.message.empty());
            continue;
        }
        std::string bare(c.message);
        if (const std::size_t mark = bare.find('!'); mark != std::string::npos)
            bare.erase(mark, 1);
        for (const ConditionRow& row : conditionRows)
            if (row.entry == c.entry) {
                EXPECT_EQ(bare, row.message);
            }
    }
}

// No two conditions a project can have together share a place: each keeps its coefficient.
TEST(Conditions, NoTwoOfAKindAndGradeShareAPlace) {
    for (const KindRow& kind : kinds) {
        for (Grade grade : {Grade::I, Grade::II, Grade::III}) {
            std::set<std::size_t> taken;
            for (const ConditionRow& row : conditionRows) {
                if (belongsTo(row, kind.kind, grade)) {
                    EXPECT_TRUE(taken.insert(row.place).second) << kind.name << " " << row.name;
                }
            }
        }
    }
}

// A share row as the standard's phase tables give it: 方案, 初步, 招标, 施工图, 基础, 详细 (%).
struct ShareFigure {
    std::string table;
    std::string name;
    GradeSet grades;
    std::array<int, designPhaseCount> percent;
};

constexpr GradeSet any = everyGrade;

const std::vector<ShareFigure> shareFigures{
    {"表2.2-1",
     "有色、黄金、铀及其他矿种采选，化学矿新技术采选，黑色冶金露天采矿",
     any,
     {0, 40, 0, 60, 0, 0}},
    {"表2.2-1", "黑色冶金坑内采矿，煤炭矿山采选，水煤浆，煤层气抽放", any, {0, 35, 0, 65, 0, 0}},
    {"表2.2-1", "化学矿常规技术采选，非金属矿采选，黑色冶金选矿", any, {0, 30, 0, 70, 0, 0}},
    {"表3.2-1", "加工冶炼（核加工除外）", any, {0, 35, 0, 65, 0, 0}},
    {"表3.2-1", "核加工", any, {0, 40, 0, 60, 0, 0}},
    {"表4.2-1", "一般石油化工", any, {0, 35, 0, 65, 50, 50}},
    {"表4.2-1", "新技术", any, {0, 50, 0, 50, 60, 40}},
    {"表4.2-1", "火化工、核化工、化纤、医药", any, {0, 40, 0, 60, 50, 50}},
    {"表4.2-1", "核设施退役", any, {0, 60, 0, 40, 65, 35}},
    {"表5.2-1", "核能、送电、变电", any, {0, 40, 0, 60, 0, 0}},
    {"表5.2-1", "火电", any, {0, 30, 0, 70, 0, 0}},
    {"表5.2-1", "水库、水电、潮汐", any, {0, 25, 20, 55, 0, 0}},
    {"表5.2-1", "风电", any, {0, 45, 0, 55, 0, 0}},
    {"表5.2-1", "引调水：建筑物、构筑物", any, {0, 25, 20, 55, 0, 0}},
    {"表5.2-1", "引调水：渠道、管线", any, {0, 45, 20, 35, 0, 0}},
    {"表5.2-1", "河道治理：建筑物、构筑物", any, {0, 25, 20, 55, 0, 0}},
    {"表5.2-1", "河道治理：河道堤防", any, {0, 55, 10, 35, 0, 0}},
    {"表5.2-1", "灌区田间", any, {0, 60, 0, 40, 0, 0}},
    {"表5.2-1", "水土保持", any, {0, 70, 10, 20, 0, 0}},
    {"表6.2-1", "公路", any, {0, 45, 0, 55, 0, 0}},
    {"表6.2-1", "水运、索道", any, {0, 40, 0, 60, 0, 0}},
    {"表6.2-1", "城市道路", any, {0, 45, 0, 55, 0, 0}},
    {"表6.2-1", "地铁、轻轨", any, {0, 45, 0, 55, 0, 0}},
    {"表6.2-1", "民用机场", any, {0, 45, 0, 55, 0, 0}},
    {"表7.2-1", "建筑与室外工程", onlyGradeI, {10, 30, 0, 60, 0, 0}},
    {"表7.2-1", "建筑与室外工程", onlyGradeII, {15, 30, 0, 55, 0, 0}},
    {"表7.2-1", "建筑与室外工程", onlyGradeIII, {20, 30, 0, 50, 0, 0}},
    {"表7.2-1", "住宅工程(组团)", any, {25, 30, 0, 45, 0, 0}},
    {"表7.2-1", "住宅工程", any, {25, 0, 0, 75, 0, 0}},
    {"表7.2-1", "古建筑、仿古建筑、保护性建筑", any, {30, 20, 0, 50, 0, 0}},
    {"表7.2-1", "智能建筑弱电系统工程", any, {0, 40, 0, 60, 0, 0}},
    {"表7.2-1", "室内装修工程", any, {50, 0, 0, 50, 0, 0}},
    {"表7.2-1", "人防工程", any, {10, 40, 0, 50, 0, 0}},
    {"表7.2-1", "园林绿化工程", onlyGradeI | onlyGradeII, {30, 0, 0, 70, 0, 0}},
    {"表7.2-1", "园林绿化工程", onlyGradeIII, {30, 20, 0, 50, 0, 0}},
    {"表7.2-1", "市政公用工程", onlyGradeI | onlyGradeII, {0, 40, 0, 60, 0, 0}},
    {"表7.2-1", "市政公用工程", onlyGradeIII, {0, 50, 0, 50, 0, 0}},
    {"表7.2-1", "广电、邮政工艺", any, {0, 40, 0, 60, 0, 0}},
    {"表7.2-1", "电信", any, {0, 60, 0, 40, 0, 0}},
};

TEST(Shares, EveryRowOfEveryTable) {
    ASSERT_EQ(shareRows.size(), shareFigures.size());
    for (std::size_t i = 0; i < shareRows.size(); ++i) {
        const ShareFigure& expected = shareFigures[i];
        const ShareRow& row = shareRows[i];
        SCOPED_TRACE(expected.name);
        EXPECT_EQ(row.table, expected.table);
        EXPECT_EQ(row.name, expected.name);
        EXPECT_EQ(row.grades, expected.grades);
        EXPECT_EQ(row.percent, expected.percent);
        // The table is the group's: 表N.2-1 of chapter N.
        EXPECT_EQ(row.table,
                  "表" + std::to_string(groups[static_cast<std::size_t>(row.group)].chapter) + ".2-1");
    }
}

// Each row's shares add up to 100 % along 方案/初步/招标/施工图, and along 基础/详细 where it has them.
TEST(Shares, EachRowAddsUpToAHundred) {
    for (const ShareRow& row : shareRows) {
        int standard = 0, basic = 0;
        for (DesignPhase phase : phasesOf(row))
            (inBasicDesignLine(phase) ? basic : standard) += row.share(phase);
        EXPECT_EQ(standard, 100) << row.name;
        EXPECT_TRUE(basic == 0 || basic == 100) << row.name;
    }
}

std::vector<std::string> rowNames(Kind kind, std::optional<Grade> grade) {
    std::vector<std::string> names;
    for (std::size_t i : shareRowsFor(kind, grade))
        names.push_back(std::string(shareRows[i].name));
    return names;
}

TEST(Shares, RowsOfTheKindsGroupAndGrade) {
    EXPECT_EQ(rowNames(Kind::ShipHydraulics, Grade::II),
              (std::vector<std::string>{"加工冶炼（核加工除外）", "核加工"}));
    EXPECT_EQ(rowNames(Kind::Ropeway, Grade::I),
              (std::vector<std::string>{"公路", "水运、索道", "城市道路", "地铁、轻轨", "民用机场"}));
    const std::vector<std::string> buildingGradeIII{
        "建筑与室外工程",       "住宅工程(组团)", "住宅工程", "古建筑、仿古建筑、保护性建筑",
        "智能建筑弱电系统工程", "室内装修工程",   "人防工程", "园林绿化工程",
        "市政公用工程",         "广电、邮政工艺", "电信"};
    EXPECT_EQ(rowNames(Kind::Building, Grade::III), buildingGradeIII);
    EXPECT_EQ(shareRows[shareRowsFor(Kind::Building, Grade::I)[0]].share(DesignPhase::Scheme), 10);
    EXPECT_EQ(shareRows[shareRowsFor(Kind::PostalProcess, Grade::II)[0]].share(DesignPhase::Scheme), 15);
    // Without a grade only the rows of every grade.
    EXPECT_EQ(rowNames(Kind::DefenceAndLandscape, std::nullopt).size(), 8u);
    EXPECT_TRUE(rowNames(Kind::Agriculture, Grade::II).empty());
    EXPECT_TRUE(rowNames(Kind::Forestry, std::nullopt).empty());
}

TEST(Shares, PhasesOfARowInTheTablesColumns) {
    using enum DesignPhase;
    const auto phasesNamed = [](const std::string& name) {
        for (const ShareRow& row : shareRows)
            if (row.name == name)
                return phasesOf(row);
        return std::vector<DesignPhase>{};
    };
    EXPECT_EQ(phasesNamed("一般石油化工"), (std::vector<DesignPhase>{Preliminary, Drawing, Basic, Detailed}));
    EXPECT_EQ(phasesNamed("水土保持"), (std::vector<DesignPhase>{Preliminary, Tender, Drawing}));
    EXPECT_EQ(phasesNamed("住宅工程"), (std::vector<DesignPhase>{Scheme, Drawing}));
    EXPECT_EQ(phasesNamed("电信"), (std::vector<DesignPhase>{Preliminary, Drawing}));
    EXPECT_EQ(designPhaseNames[static_cast<std::size_t>(Tender)], "招标设计");
    EXPECT_EQ(designPhaseNames[static_cast<std::size_t>(Basic)], "基础设计");
    EXPECT_EQ(designPhaseNames[static_cast<std::size_t>(Detailed)], "详细设计");
}

} // namespace
