// The main window's input rules, driven as a user drives them.
#include "rules/rules.h"

#include "forms/form.h"
#include "windows/mainwindow.h"
#include "windows/windows.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

using namespace varnel;

namespace {

namespace box = windows::mainwindow;

constexpr std::string_view road = "公路和城市道路工程";
constexpr std::string_view bridge = "公路和城市桥梁、隧道工程";
constexpr std::string_view building = "建筑、人防工程";
constexpr std::string_view landscape = "园林绿化工程";
constexpr std::string_view municipal = "市政公用工程";

// The phase options as "E" enabled or "D" disabled, then "*" when chosen: "E* E D ".
std::string optionsOf(const forms::Form& w) {
    std::string s;
    for (std::string_view o : {box::preliminaryPhase, box::drawingPhase, box::schemePhase})
        s += std::string(w.enabled(o) ? "E" : "D") + (w.value(o) ? "*" : "") + " ";
    return s;
}

class Rules : public testing::Test {
  protected:
    Rules() : w(windows::mainWindowDefinition()) { rules::installMainWindowRules(w); }

    void choose(std::string_view type) { ASSERT_FALSE(w.userChoose(box::typeList, type)) << type; }
    void click(std::string_view control) {
        ASSERT_FALSE(w.userClick(control)) << control << ": " << w.unreachable(control);
    }
    void type(std::string_view control, std::string_view text) {
        ASSERT_FALSE(w.userType(control, std::string(text))) << control;
    }

    std::string options() const { return optionsOf(w); }

    forms::Form w;
};

TEST_F(Rules, FirstRoadChoiceShowsItsGroupAndDescriptions) {
    EXPECT_TRUE(w.userClick(box::independentPhase)); // disabled before a type is chosen
    choose(road);
    EXPECT_TRUE(w.enabled(box::independentPhase));
    EXPECT_TRUE(w.visible(box::roadGroup));
    for (std::string_view other :
         {box::bridgeGroup, box::buildingGroup, box::landscapeGroup, box::municipalGroup})
        EXPECT_FALSE(w.visible(other));
    EXPECT_TRUE(w.shown(box::roadRenovation) && w.shown(box::urbanRoadUnderPipes));
    EXPECT_FALSE(w.shown(box::expressway));
    EXPECT_EQ(w.text(box::gradeIDescription), "1．三级、四级公路及交通安全设施、道班房工程");
    EXPECT_NE(w.text(box::gradeIIIDescription).find("2.  高速公路"), std::string::npos);
}

// What choosing each type shows: its own group only, its three descriptions, and (with 单独委托设计 ticked)
// the phases it has.
struct TypeView {
    const char* name;
    std::string_view type;
    std::string_view group;
    const char* gradeII; // how the grade Ⅱ description begins
    std::string options; // coming from a building project commissioned for its 方案设计
};

class TypeViews : public testing::TestWithParam<TypeView> {};

TEST_P(TypeViews, ShowTheTypesGroupDescriptionsAndPhases) {
    const TypeView& t = GetParam();
    forms::Form w(windows::mainWindowDefinition());
    rules::installMainWindowRules(w);
    ASSERT_FALSE(w.userChoose(box::typeList, t.type));
    for (std::string_view group :
         {box::roadGroup, box::bridgeGroup, box::buildingGroup, box::landscapeGroup, box::municipalGroup})
        EXPECT_EQ(w.visible(group), group == t.group) << group;
    EXPECT_EQ(w.text(box::gradeIIDescription).rfind(t.gradeII, 0), 0u) << w.text(box::gradeIIDescription);
    EXPECT_NE(w.text(box::gradeIDescription), w.text(box::gradeIIDescription));
    EXPECT_NE(w.text(box::gradeIIDescription), w.text(box::gradeIIIDescription));
    // From a building project commissioned for its 方案设计: what the type keeps of the phases.
    ASSERT_FALSE(w.userChoose(box::typeList, building));
    ASSERT_FALSE(w.userClick(box::independentPhase));
    ASSERT_FALSE(w.userClick(box::schemePhase));
    ASSERT_FALSE(w.userChoose(box::typeList, t.type));
    EXPECT_EQ(optionsOf(w), t.options);
}

INSTANTIATE_TEST_SUITE_P(
    Types, TypeViews,
    testing::Values(TypeView{"Road", road, box::roadGroup, "1．二级公路", "E E D "},
                    TypeView{"Bridge", bridge, box::bridgeGroup, "1．总长＞1000m", "E E D "},
                    TypeView{"Building", building, box::buildingGroup, "1．大中型公共建筑", "E E E* "},
                    TypeView{"Landscape", landscape, box::landscapeGroup, "1．标准较高", "E E E* "},
                    TypeView{"Municipal", municipal, box::municipalGroup, "1．城市调压站", "E E D "}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Rules, ATypeChangeUntickesTheOtherGroupsAndEmptiesTheirEntryBoxes) {
    choose(bridge);
    click(box::bridgeRenovation);
    type(box::bridgeRenovationCoefficient, "1.2");
    choose(bridge); // again: nothing of its own group changes
    EXPECT_TRUE(w.ticked(box::bridgeRenovation));
    EXPECT_EQ(w.text(box::bridgeRenovationCoefficient), "1.2");
    choose(road);
    EXPECT_FALSE(w.ticked(box::bridgeRenovation));
    EXPECT_FALSE(w.visible(box::bridgeRenovationCoefficient));
    EXPECT_EQ(w.text(box::bridgeRenovationCoefficient), "");
}

// Which ticked boxes a type choice unticks: every box of the other groups except the three housing and
// outdoor kinds, which a type change keeps. A box of the chosen type's own group stays as it is.
struct TypeGroup {
    const char* name;
    std::string_view type;
    std::vector<std::string_view> ownBoxes;
};

class TypeChoice : public testing::TestWithParam<TypeGroup> {};

TEST_P(TypeChoice, UnticksExactlyTheOtherGroupsBoxes) {
    const std::vector<std::string_view> groupBoxes{
        box::roadRenovation,      box::urbanRoadUnderPipes,   box::expressway,
        box::bridgeRenovation,    box::urbanBridgeUnderPipes, box::highwayBridgeGradeIII,
        box::highwayBridgeGradeI, box::buildingRenovation,    box::intelligentBuilding,
        box::interiorDecoration,  box::historicBuilding,      box::acousticDecoration,
        box::civilDefence,        box::buildingWithOutdoor,   box::housing,
        box::housingCluster,      box::municipalRenovation,   box::landscapeRenovation};
    const std::vector<std::string_view> kept{box::buildingWithOutdoor, box::housing, box::housingCluster};
    auto contains = [](const std::vector<std::string_view>& list, std::string_view control) {
        return std::find(list.begin(), list.end(), control) != list.end();
    };
    for (std::string_view control : groupBoxes) {
        forms::Form w(windows::mainWindowDefinition());
        rules::installMainWindowRules(w);
        w.tickAndClick(control);
        ASSERT_FALSE(w.userChoose(box::typeList, GetParam().type));
        const bool stays = contains(GetParam().ownBoxes, control) || contains(kept, control);
        EXPECT_EQ(w.ticked(control), stays) << control;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Types, TypeChoice,
    testing::Values(TypeGroup{"Road", road, {box::roadRenovation, box::urbanRoadUnderPipes, box::expressway}},
                    TypeGroup{"Bridge",
                              bridge,
                              {box::bridgeRenovation, box::urbanBridgeUnderPipes, box::highwayBridgeGradeIII,
                               box::highwayBridgeGradeI}},
                    TypeGroup{"Building",
                              building,
                              {box::buildingRenovation, box::intelligentBuilding, box::interiorDecoration,
                               box::historicBuilding, box::acousticDecoration, box::civilDefence,
                               box::buildingWithOutdoor, box::housing, box::housingCluster}},
                    TypeGroup{"Landscape", landscape, {box::landscapeRenovation}},
                    TypeGroup{"Municipal", municipal, {box::municipalRenovation}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Rules, HousingKindsSurviveATypeChangeInTheHiddenGroup) {
    choose(building);
    click(box::housing);
    choose(road);
    EXPECT_TRUE(w.ticked(box::housing));
    EXPECT_FALSE(w.shown(box::housing));
    EXPECT_FALSE(w.enabled(box::buildingWithOutdoor));
}

TEST_F(Rules, UntickingInsideATypeChangeCanChangeTheOptionsAfterTheBranch) {
    choose(building);
    click(box::interiorDecoration);
    click(box::independentPhase);
    choose(road); // road disables 方案设计, then unticking 室内装修工程 enables it again
    EXPECT_EQ(options(), "D E E ");

    choose(building);
    click(box::civilDefence);
    choose(municipal);
    EXPECT_EQ(options(), "E E E ");

    choose(building);
    click(box::intelligentBuilding);
    click(box::drawingPhase);
    choose(landscape); // unticking 智能建筑 disables and deselects 方案设计
    EXPECT_FALSE(w.enabled(box::schemePhase));
    EXPECT_TRUE(w.value(box::drawingPhase));
}

TEST_F(Rules, WithoutASchemePhaseTheOptionIsWithdrawn) {
    choose(building);
    click(box::independentPhase);
    click(box::schemePhase);
    choose(road);
    EXPECT_EQ(options(), "E E D ");
}

// A type that has 方案设计 offers it again when chosen after one that has none, with 单独委托设计 ticked:
// the building type always, landscaping at grade Ⅲ only.
struct Reoffer {
    const char* name;
    std::string_view grade; // the description clicked first
    std::string_view type;
    std::string options;
};

void PrintTo(const Reoffer& r, std::ostream* out) {
    *out << r.name;
}

class SchemeReoffered : public testing::TestWithParam<Reoffer> {};

TEST_P(SchemeReoffered, AfterATypeWithoutIt) {
    forms::Form w(windows::mainWindowDefinition());
    rules::installMainWindowRules(w);
    ASSERT_FALSE(w.userClick(GetParam().grade));
    ASSERT_FALSE(w.userChoose(box::typeList, road));
    ASSERT_FALSE(w.userClick(box::independentPhase));
    ASSERT_EQ(optionsOf(w), "E* E D ");
    ASSERT_FALSE(w.userChoose(box::typeList, GetParam().type));
    EXPECT_EQ(optionsOf(w), GetParam().options);
}

INSTANTIATE_TEST_SUITE_P(
    Types, SchemeReoffered,
    testing::Values(Reoffer{"Building", box::gradeIIDescription, building, "E* E E "},
                    Reoffer{"LandscapeGradeIII", box::gradeIIIDescription, landscape, "E* E E "},
                    Reoffer{"LandscapeGradeII", box::gradeIIDescription, landscape, "E* E D "}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Rules, LandscapeOffersTheSchemePhaseAtGradeThree) {
    click(box::gradeIIIDescription);
    click(box::gradeIIDescription);
    choose(landscape);
    click(box::independentPhase);
    EXPECT_EQ(options(), "D E E ");
    click(box::gradeIIIDescription);
    choose(landscape);
    EXPECT_EQ(options(), "E E E ");
}

TEST_F(Rules, GradeBoundBoxesFollowTheGrade) {
    choose(bridge);
    click(box::gradeIDescription);
    EXPECT_EQ(w.caption(box::chosenGrade), "Ⅰ级");
    EXPECT_TRUE(w.visible(box::highwayBridgeGradeI));
    EXPECT_FALSE(w.visible(box::highwayBridgeGradeIII));
    click(box::gradeIIIDescription);
    EXPECT_TRUE(w.visible(box::highwayBridgeGradeIII));
    EXPECT_FALSE(w.visible(box::highwayBridgeGradeI));
    EXPECT_TRUE(w.visible(box::expressway));
    click(box::gradeIIDescription);
    EXPECT_FALSE(w.visible(box::highwayBridgeGradeIII) || w.visible(box::highwayBridgeGradeI) ||
                 w.visible(box::expressway));
}

TEST_F(Rules, AGradeChangeUnticksTheBoxesItHides) {
    choose(road);
    click(box::gradeIIIDescription);
    click(box::expressway);
    EXPECT_FALSE(w.enabled(box::urbanRoadUnderPipes));
    click(box::gradeIIDescription);
    EXPECT_FALSE(w.ticked(box::expressway) || w.visible(box::expressway));
    EXPECT_TRUE(w.enabled(box::urbanRoadUnderPipes));

    choose(bridge);
    click(box::gradeIIIDescription);
    click(box::highwayBridgeGradeIII);
    EXPECT_FALSE(w.enabled(box::highwayBridgeGradeI));
    click(box::gradeIDescription);
    EXPECT_FALSE(w.ticked(box::highwayBridgeGradeIII) || w.visible(box::highwayBridgeGradeIII));
    EXPECT_TRUE(w.enabled(box::highwayBridgeGradeI) && w.visible(box::highwayBridgeGradeI));
}

TEST_F(Rules, GradeThreeAgainUnticksTheBridgeBoxButNotTheExpressway) {
    choose(road);
    click(box::gradeIIIDescription);
    click(box::expressway);
    click(box::gradeIIIDescription);
    EXPECT_TRUE(w.ticked(box::expressway));

    choose(bridge); // unticks the road group's boxes
    EXPECT_FALSE(w.ticked(box::expressway));
    click(box::highwayBridgeGradeIII);
    EXPECT_FALSE(w.enabled(box::highwayBridgeGradeI));
    click(box::gradeIIIDescription);
    EXPECT_FALSE(w.ticked(box::highwayBridgeGradeIII));
    EXPECT_TRUE(w.enabled(box::highwayBridgeGradeI));
}

TEST_F(Rules, LandscapeGradesWithdrawAndOfferThePreliminaryPhase) {
    choose(landscape);
    click(box::gradeIIIDescription);
    click(box::independentPhase);
    EXPECT_EQ(options(), "E* E E ");
    click(box::gradeIIDescription);
    EXPECT_EQ(options(), "D E E ");
    click(box::gradeIIIDescription);
    EXPECT_EQ(options(), "E E E ");
}

TEST_F(Rules, RebuildBoxesShowAnEmptyEntryBox) {
    choose(bridge);
    click(box::bridgeRenovation);
    EXPECT_TRUE(w.visible(box::bridgeRenovationCoefficient));
    type(box::bridgeRenovationCoefficient, "1.3");
    click(box::bridgeRenovation);
    EXPECT_FALSE(w.visible(box::bridgeRenovationCoefficient));
    click(box::bridgeRenovation);
    EXPECT_EQ(w.text(box::bridgeRenovationCoefficient), "");
}

TEST_F(Rules, RoadConditionsExcludeEachOther) {
    choose(road);
    click(box::gradeIIIDescription);
    click(box::expressway);
    EXPECT_TRUE(w.userClick(box::urbanRoadUnderPipes)); // disabled by 高速公路
    EXPECT_FALSE(w.ticked(box::urbanRoadUnderPipes));
    click(box::expressway);
    click(box::urbanRoadUnderPipes);
    EXPECT_FALSE(w.enabled(box::expressway));
    click(box::urbanRoadUnderPipes);
    EXPECT_TRUE(w.enabled(box::expressway));
    EXPECT_FALSE(w.ticked(box::expressway));
}

TEST_F(Rules, BridgePipesWithdrawBothGradeBoxes) {
    choose(bridge);
    click(box::gradeIIIDescription);
    click(box::highwayBridgeGradeIII);
    click(box::urbanBridgeUnderPipes);
    EXPECT_FALSE(w.ticked(box::highwayBridgeGradeIII) || w.ticked(box::highwayBridgeGradeI));
    EXPECT_FALSE(w.enabled(box::highwayBridgeGradeIII) || w.enabled(box::highwayBridgeGradeI));
    click(box::urbanBridgeUnderPipes);
    EXPECT_TRUE(w.enabled(box::highwayBridgeGradeIII) && w.enabled(box::highwayBridgeGradeI));
}

TEST_F(Rules, BuildingKindsExcludeEachOther) {
    choose(building);
    click(box::buildingRenovation);
    click(box::interiorDecoration);
    for (std::string_view other :
         {box::intelligentBuilding, box::historicBuilding, box::acousticDecoration, box::civilDefence,
          box::buildingWithOutdoor, box::housing, box::housingCluster})
        EXPECT_FALSE(w.enabled(other)) << other;
    EXPECT_TRUE(w.ticked(box::buildingRenovation) && w.visible(box::buildingRenovationCoefficient));
    click(box::interiorDecoration);
    for (std::string_view other :
         {box::intelligentBuilding, box::historicBuilding, box::acousticDecoration, box::civilDefence,
          box::buildingWithOutdoor, box::housing, box::housingCluster})
        EXPECT_TRUE(w.enabled(other) && !w.ticked(other)) << other;

    click(box::historicBuilding);
    EXPECT_TRUE(w.visible(box::historicCoefficient));
    EXPECT_FALSE(w.enabled(box::civilDefence));
    type(box::historicCoefficient, "1.5");
    click(box::historicBuilding);
    EXPECT_FALSE(w.visible(box::historicCoefficient));
    EXPECT_EQ(w.text(box::historicCoefficient), "");
}

TEST_F(Rules, BuildingKindsSetThePhasesTheyHave) {
    choose(building);
    click(box::independentPhase);
    click(box::housing);
    EXPECT_EQ(options(), "D E E ");
    click(box::housing);
    EXPECT_EQ(options(), "D E E ");
    click(box::intelligentBuilding);
    EXPECT_EQ(options(), "D E D ");
    click(box::intelligentBuilding);
    click(box::drawingPhase);
    click(box::interiorDecoration); // 室内装修工程 withdraws 初步设计 only: the chosen 施工图设计 stays
    EXPECT_EQ(options(), "D E* E ");
    click(box::interiorDecoration);
    EXPECT_EQ(options(), "D E* E ");
    click(box::civilDefence);
    EXPECT_EQ(options(), "E E* E ");
}

TEST_F(Rules, OtherFeeBoxesOfferTheirEntries) {
    click(box::ownPatents);
    EXPECT_TRUE(w.enabled(box::ownPatentsAmount));
    type(box::ownPatentsAmount, "3");
    click(box::ownPatents);
    EXPECT_FALSE(w.enabled(box::ownPatentsAmount));
    EXPECT_EQ(w.text(box::ownPatentsAmount), "");

    click(box::nonstandardEquipment);
    type(box::nonstandardEquipmentBase, "50");
    type(box::nonstandardEquipmentRate, "0.15");
    click(box::nonstandardEquipment);
    EXPECT_FALSE(w.enabled(box::nonstandardEquipmentBase) || w.enabled(box::nonstandardEquipmentRate));
    EXPECT_EQ(w.text(box::nonstandardEquipmentBase) + w.text(box::nonstandardEquipmentRate), "");

    click(box::overallDesign); // no rule
    EXPECT_TRUE(w.ticked(box::overallDesign));
}

TEST_F(Rules, StandardDesignRefinementsChainAndExcludeEachOther) {
    EXPECT_TRUE(w.userClick(box::foundationRedesign));
    EXPECT_TRUE(w.userClick(box::partialChange));
    click(box::standardDesignReuse);
    click(box::partialChange);
    EXPECT_TRUE(w.enabled(box::partialChangeRate));
    EXPECT_FALSE(w.enabled(box::foundationRedesign));
    type(box::partialChangeRate, "0.2");
    click(box::partialChange);
    click(box::foundationRedesign);
    EXPECT_FALSE(w.enabled(box::partialChange) || w.enabled(box::partialChangeRate));
    click(box::foundationRedesign);
    EXPECT_TRUE(w.enabled(box::partialChange) && w.enabled(box::partialChangeRate));
    EXPECT_FALSE(w.ticked(box::partialChange));
    EXPECT_EQ(w.text(box::partialChangeRate), "");

    // The rate box was left enabled by unticking 重新进行基础设计: ticking it again withdraws the box.
    click(box::foundationRedesign);
    EXPECT_FALSE(w.enabled(box::partialChangeRate));
    click(box::standardDesignReuse);
    EXPECT_FALSE(w.enabled(box::foundationRedesign) || w.enabled(box::partialChange) ||
                 w.enabled(box::partialChangeRate));
    EXPECT_FALSE(w.ticked(box::foundationRedesign) || w.ticked(box::partialChange));

    click(box::standardDesignReuse);
    EXPECT_TRUE(w.enabled(box::foundationRedesign) && w.enabled(box::partialChange));
    click(box::partialChange);
    type(box::partialChangeRate, "0.3");
    click(box::partialChange);
    EXPECT_FALSE(w.enabled(box::partialChangeRate));
    EXPECT_EQ(w.text(box::partialChangeRate), "");
    EXPECT_TRUE(w.enabled(box::foundationRedesign));
}

// Unticking 重新进行基础设计 leaves the rate box open while 局部调整 is unticked; ticking it again empties
// what was typed there.
TEST_F(Rules, RedoingTheFoundationEmptiesTheRateTypedMeanwhile) {
    click(box::standardDesignReuse);
    click(box::foundationRedesign);
    click(box::foundationRedesign);
    type(box::partialChangeRate, "0.4");
    click(box::foundationRedesign);
    EXPECT_FALSE(w.enabled(box::partialChangeRate));
    EXPECT_EQ(w.text(box::partialChangeRate), "");
}

struct CommissionCase {
    std::string name;
    std::string_view type;
    std::optional<std::string_view> grade; // the description box clicked, if any
    std::optional<std::string_view> kind;  // a building kind ticked first, if any
    std::string options;
};

class Commission : public testing::TestWithParam<CommissionCase> {};

TEST_P(Commission, TickingOffersThePhasesOfTheProject) {
    const CommissionCase& c = GetParam();
    forms::Form w(windows::mainWindowDefinition());
    rules::installMainWindowRules(w);
    ASSERT_FALSE(w.userChoose(box::typeList, c.type));
    if (c.grade) {
        ASSERT_FALSE(w.userClick(*c.grade));
    }
    if (c.kind) {
        ASSERT_FALSE(w.userClick(*c.kind));
    }
    ASSERT_FALSE(w.userClick(box::independentPhase));
    EXPECT_EQ(optionsOf(w), c.options);

    ASSERT_FALSE(w.userClick(box::independentPhase));
    for (std::string_view o : {box::preliminaryPhase, box::drawingPhase, box::schemePhase})
        EXPECT_FALSE(w.enabled(o) || w.value(o)) << o;
    EXPECT_FALSE(w.visible(box::phaseLineName) || w.visible(box::phaseLineUnit) ||
                 w.visible(box::phaseLineShare));
}

INSTANTIATE_TEST_SUITE_P(
    EveryProject, Commission,
    testing::Values(
        CommissionCase{"LandscapeI", landscape, box::gradeIDescription, std::nullopt, "D E E "},
        CommissionCase{"LandscapeII", landscape, box::gradeIIDescription, std::nullopt, "D E E "},
        CommissionCase{"LandscapeIII", landscape, box::gradeIIIDescription, std::nullopt, "E* E E "},
        CommissionCase{"LandscapeNoGrade", landscape, std::nullopt, std::nullopt, "E* E E "},
        CommissionCase{"Road", road, box::gradeIIDescription, std::nullopt, "E* E D "},
        CommissionCase{"Bridge", bridge, box::gradeIIIDescription, std::nullopt, "E* E D "},
        CommissionCase{"Municipal", municipal, box::gradeIDescription, std::nullopt, "E* E D "},
        CommissionCase{"Interior", building, box::gradeIIDescription, box::interiorDecoration, "D E E "},
        CommissionCase{"Intelligent", building, box::gradeIIDescription, box::intelligentBuilding, "E E D "},
        CommissionCase{"Housing", building, box::gradeIIDescription, box::housing, "D E E "},
        CommissionCase{"Outdoor", building, box::gradeIIDescription, box::buildingWithOutdoor, "E* E E "},
        CommissionCase{"GroupHousing", building, box::gradeIIDescription, box::housingCluster, "E* E E "},
        CommissionCase{"Ancient", building, box::gradeIIDescription, box::historicBuilding, "E* E E "},
        CommissionCase{"Acoustics", building, box::gradeIIDescription, box::acousticDecoration, "E* E E "},
        CommissionCase{"CivilDefence", building, box::gradeIIDescription, box::civilDefence, "E* E E "},
        CommissionCase{"BuildingNoKind", building, std::nullopt, std::nullopt, "E* E E "}),
    [](const auto& info) { return info.param.name; });

} // namespace
