// The main window's input rules, driven as a user drives them.
#include "rules/rules.h"

#include "forms/form.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using namespace varnel;

namespace {

const char* const road = "公路和城市道路工程";
const char* const bridge = "公路和城市桥梁、隧道工程";
const char* const building = "建筑、人防工程";
const char* const landscape = "园林绿化工程";
const char* const municipal = "市政公用工程";

// The phase options as "E" enabled or "D" disabled, then "*" when chosen: "E* E D ".
std::string optionsOf(const forms::Form& w) {
    std::string s;
    for (const char* o : {"Option1", "Option2", "Option3"})
        s += std::string(w.enabled(o) ? "E" : "D") + (w.value(o) ? "*" : "") + " ";
    return s;
}

class Rules : public testing::Test {
  protected:
    Rules() : w(forms::mainWindowDefinition()) { rules::installMainWindowRules(w); }

    void choose(const char* type) { ASSERT_FALSE(w.userChoose("Combo2", type)) << type; }
    void click(const char* control) {
        ASSERT_FALSE(w.userClick(control)) << control << ": " << w.unreachable(control);
    }
    void type(const char* control, const char* text) { ASSERT_FALSE(w.userType(control, text)) << control; }

    std::string options() const { return optionsOf(w); }

    forms::Form w;
};

TEST_F(Rules, FirstRoadChoiceShowsItsGroupAndDescriptions) {
    EXPECT_TRUE(w.userClick("Check4")); // disabled before a type is chosen
    choose(road);
    EXPECT_TRUE(w.enabled("Check4"));
    EXPECT_TRUE(w.visible("Frame4"));
    for (const char* other : {"Frame2", "Frame5", "Frame7", "Frame8"})
        EXPECT_FALSE(w.visible(other));
    EXPECT_TRUE(w.shown("Check20") && w.shown("Check12"));
    EXPECT_FALSE(w.shown("Check9"));
    EXPECT_EQ(w.text("Text4"), "1．三级、四级公路及交通安全设施、道班房工程");
    EXPECT_NE(w.text("Text6").find("2.  高速公路"), std::string::npos);
}

// What choosing each type shows: its own group only, its three descriptions, and (with 单独委托设计 ticked)
// the phases it has.
struct TypeView {
    const char* name;
    const char* type;
    const char* frame;
    const char* gradeII; // how the grade Ⅱ description begins
    std::string options; // coming from a building project commissioned for its 方案设计
};

class TypeViews : public testing::TestWithParam<TypeView> {};

TEST_P(TypeViews, ShowTheTypesGroupDescriptionsAndPhases) {
    const TypeView& t = GetParam();
    forms::Form w(forms::mainWindowDefinition());
    rules::installMainWindowRules(w);
    ASSERT_FALSE(w.userChoose("Combo2", t.type));
    for (const char* frame : {"Frame4", "Frame2", "Frame5", "Frame7", "Frame8"})
        EXPECT_EQ(w.visible(frame), std::string(frame) == t.frame) << frame;
    EXPECT_EQ(w.text("Text5").rfind(t.gradeII, 0), 0u) << w.text("Text5");
    EXPECT_NE(w.text("Text4"), w.text("Text5"));
    EXPECT_NE(w.text("Text5"), w.text("Text6"));
    // From a building project commissioned for its 方案设计: what the type keeps of the phases.
    ASSERT_FALSE(w.userChoose("Combo2", building));
    ASSERT_FALSE(w.userClick("Check4"));
    ASSERT_FALSE(w.userClick("Option3"));
    ASSERT_FALSE(w.userChoose("Combo2", t.type));
    EXPECT_EQ(optionsOf(w), t.options);
}

INSTANTIATE_TEST_SUITE_P(
    Types, TypeViews,
    testing::Values(TypeView{"Road", road, "Frame4", "1．二级公路", "E E D "},
                    TypeView{"Bridge", bridge, "Frame2", "1．总长＞1000m", "E E D "},
                    TypeView{"Building", building, "Frame5", "1．大中型公共建筑", "E E E* "},
                    TypeView{"Landscape", landscape, "Frame7", "1．标准较高", "E E E* "},
                    TypeView{"Municipal", municipal, "Frame8", "1．城市调压站", "E E D "}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Rules, ATypeChangeUntickesTheOtherGroupsAndEmptiesTheirEntryBoxes) {
    choose(bridge);
    click("Check1");
    type("Text2", "1.2");
    choose(bridge); // again: nothing of its own group changes
    EXPECT_TRUE(w.ticked("Check1"));
    EXPECT_EQ(w.text("Text2"), "1.2");
    choose(road);
    EXPECT_FALSE(w.ticked("Check1"));
    EXPECT_FALSE(w.visible("Text2"));
    EXPECT_EQ(w.text("Text2"), "");
}

// Which ticked boxes a type choice unticks: every box of the other groups except the three housing and
// outdoor kinds, which a type change keeps. A box of the chosen type's own group stays as it is.
struct TypeGroup {
    const char* name;
    const char* type;
    std::vector<std::string> ownBoxes;
};

class TypeChoice : public testing::TestWithParam<TypeGroup> {};

TEST_P(TypeChoice, UnticksExactlyTheOtherGroupsBoxes) {
    const std::vector<std::string> groupBoxes{
        "Check20", "Check12", "Check9",  "Check1",  "Check2",  "Check5",  "Check6",  "Check22", "Check23",
        "Check24", "Check25", "Check26", "Check28", "Check29", "Check30", "Check32", "Check27", "Check31"};
    const std::vector<std::string> kept{"Check29", "Check30", "Check32"};
    auto contains = [](const std::vector<std::string>& list, const std::string& box) {
        return std::find(list.begin(), list.end(), box) != list.end();
    };
    for (const std::string& box : groupBoxes) {
        forms::Form w(forms::mainWindowDefinition());
        rules::installMainWindowRules(w);
        w.tickAndClick(box);
        ASSERT_FALSE(w.userChoose("Combo2", GetParam().type));
        const bool stays = contains(GetParam().ownBoxes, box) || contains(kept, box);
        EXPECT_EQ(w.ticked(box), stays) << box;
    }
}

INSTANTIATE_TEST_SUITE_P(Types, TypeChoice,
                         testing::Values(TypeGroup{"Road", road, {"Check20", "Check12", "Check9"}},
                                         TypeGroup{
                                             "Bridge", bridge, {"Check1", "Check2", "Check5", "Check6"}},
                                         TypeGroup{"Building",
                                                   building,
                                                   {"Check22", "Check23", "Check24", "Check25", "Check26",
                                                    "Check28", "Check29", "Check30", "Check32"}},
                                         TypeGroup{"Landscape", landscape, {"Check31"}},
                                         TypeGroup{"Municipal", municipal, {"Check27"}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Rules, HousingKindsSurviveATypeChangeInTheHiddenGroup) {
    choose(building);
    click("Check30");
    choose(road);
    EXPECT_TRUE(w.ticked("Check30"));
    EXPECT_FALSE(w.shown("Check30"));
    EXPECT_FALSE(w.enabled("Check29"));
}

TEST_F(Rules, UntickingInsideATypeChangeCanChangeTheOptionsAfterTheBranch) {
    choose(building);
    click("Check24");
    click("Check4");
    choose(road); // road disables 方案设计, then unticking 室内装修工程 enables it again
    EXPECT_EQ(options(), "D E E ");

    choose(building);
    click("Check28");
    choose(municipal);
    EXPECT_EQ(options(), "E E E ");

    choose(building);
    click("Check23");
    click("Option2");
    choose(landscape); // unticking 智能建筑 disables and deselects 方案设计
    EXPECT_FALSE(w.enabled("Option3"));
    EXPECT_TRUE(w.value("Option2"));
}

TEST_F(Rules, WithoutASchemePhaseTheOptionIsWithdrawn) {
    choose(building);
    click("Check4");
    click("Option3");
    choose(road);
    EXPECT_EQ(options(), "E E D ");
}

// A type that has 方案设计 offers it again when chosen after one that has none, with 单独委托设计 ticked:
// the building type always, landscaping at grade Ⅲ only.
struct Reoffer {
    const char* name;
    const char* grade; // the description clicked first
    const char* type;
    std::string options;
};

void PrintTo(const Reoffer& r, std::ostream* out) {
    *out << r.name;
}

class SchemeReoffered : public testing::TestWithParam<Reoffer> {};

TEST_P(SchemeReoffered, AfterATypeWithoutIt) {
    forms::Form w(forms::mainWindowDefinition());
    rules::installMainWindowRules(w);
    ASSERT_FALSE(w.userClick(GetParam().grade));
    ASSERT_FALSE(w.userChoose("Combo2", road));
    ASSERT_FALSE(w.userClick("Check4"));
    ASSERT_EQ(optionsOf(w), "E* E D ");
    ASSERT_FALSE(w.userChoose("Combo2", GetParam().type));
    EXPECT_EQ(optionsOf(w), GetParam().options);
}

INSTANTIATE_TEST_SUITE_P(Types, SchemeReoffered,
                         testing::Values(Reoffer{"Building", "Text5", building, "E* E E "},
                                         Reoffer{"LandscapeGradeIII", "Text6", landscape, "E* E E "},
                                         Reoffer{"LandscapeGradeII", "Text5", landscape, "E* E D "}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Rules, LandscapeOffersTheSchemePhaseAtGradeThree) {
    click("Text6");
    click("Text5");
    choose(landscape);
    click("Check4");
    EXPECT_EQ(options(), "D E E ");
    click("Text6");
    choose(landscape);
    EXPECT_EQ(options(), "E E E ");
}

TEST_F(Rules, GradeBoundBoxesFollowTheGrade) {
    choose(bridge);
    click("Text4");
    EXPECT_EQ(w.caption("Label7"), "Ⅰ级");
    EXPECT_TRUE(w.visible("Check6"));
    EXPECT_FALSE(w.visible("Check5"));
    click("Text6");
    EXPECT_TRUE(w.visible("Check5"));
    EXPECT_FALSE(w.visible("Check6"));
    EXPECT_TRUE(w.visible("Check9"));
    click("Text5");
    EXPECT_FALSE(w.visible("Check5") || w.visible("Check6") || w.visible("Check9"));
}

TEST_F(Rules, AGradeChangeUnticksTheBoxesItHides) {
    choose(road);
    click("Text6");
    click("Check9");
    EXPECT_FALSE(w.enabled("Check12"));
    click("Text5");
    EXPECT_FALSE(w.ticked("Check9") || w.visible("Check9"));
    EXPECT_TRUE(w.enabled("Check12"));

    choose(bridge);
    click("Text6");
    click("Check5");
    EXPECT_FALSE(w.enabled("Check6"));
    click("Text4");
    EXPECT_FALSE(w.ticked("Check5") || w.visible("Check5"));
    EXPECT_TRUE(w.enabled("Check6") && w.visible("Check6"));
}

TEST_F(Rules, GradeThreeAgainUnticksTheBridgeBoxButNotTheExpressway) {
    choose(road);
    click("Text6");
    click("Check9");
    click("Text6");
    EXPECT_TRUE(w.ticked("Check9"));

    choose(bridge); // unticks the road group's boxes
    EXPECT_FALSE(w.ticked("Check9"));
    click("Check5");
    EXPECT_FALSE(w.enabled("Check6"));
    click("Text6");
    EXPECT_FALSE(w.ticked("Check5"));
    EXPECT_TRUE(w.enabled("Check6"));
}

TEST_F(Rules, LandscapeGradesWithdrawAndOfferThePreliminaryPhase) {
    choose(landscape);
    click("Text6");
    click("Check4");
    EXPECT_EQ(options(), "E* E E ");
    click("Text5");
    EXPECT_EQ(options(), "D E E ");
    click("Text6");
    EXPECT_EQ(options(), "E E E ");
}

TEST_F(Rules, RebuildBoxesShowAnEmptyEntryBox) {
    choose(bridge);
    click("Check1");
    EXPECT_TRUE(w.visible("Text2"));
    type("Text2", "1.3");
    click("Check1");
    EXPECT_FALSE(w.visible("Text2"));
    click("Check1");
    EXPECT_EQ(w.text("Text2"), "");
}

TEST_F(Rules, RoadConditionsExcludeEachOther) {
    choose(road);
    click("Text6");
    click("Check9");
    EXPECT_TRUE(w.userClick("Check12")); // disabled by 高速公路
    EXPECT_FALSE(w.ticked("Check12"));
    click("Check9");
    click("Check12");
    EXPECT_FALSE(w.enabled("Check9"));
    click("Check12");
    EXPECT_TRUE(w.enabled("Check9"));
    EXPECT_FALSE(w.ticked("Check9"));
}

TEST_F(Rules, BridgePipesWithdrawBothGradeBoxes) {
    choose(bridge);
    click("Text6");
    click("Check5");
    click("Check2");
    EXPECT_FALSE(w.ticked("Check5") || w.ticked("Check6"));
    EXPECT_FALSE(w.enabled("Check5") || w.enabled("Check6"));
    click("Check2");
    EXPECT_TRUE(w.enabled("Check5") && w.enabled("Check6"));
}

TEST_F(Rules, BuildingKindsExcludeEachOther) {
    choose(building);
    click("Check22");
    click("Check24");
    for (const char* other : {"Check23", "Check25", "Check26", "Check28", "Check29", "Check30", "Check32"})
        EXPECT_FALSE(w.enabled(other)) << other;
    EXPECT_TRUE(w.ticked("Check22") && w.visible("Text19"));
    click("Check24");
    for (const char* other : {"Check23", "Check25", "Check26", "Check28", "Check29", "Check30", "Check32"})
        EXPECT_TRUE(w.enabled(other) && !w.ticked(other)) << other;

    click("Check25");
    EXPECT_TRUE(w.visible("Text20"));
    EXPECT_FALSE(w.enabled("Check28"));
    type("Text20", "1.5");
    click("Check25");
    EXPECT_FALSE(w.visible("Text20"));
    EXPECT_EQ(w.text("Text20"), "");
}

TEST_F(Rules, BuildingKindsSetThePhasesTheyHave) {
    choose(building);
    click("Check4");
    click("Check30");
    EXPECT_EQ(options(), "D E E ");
    click("Check30");
    EXPECT_EQ(options(), "D E E ");
    click("Check23");
    EXPECT_EQ(options(), "D E D ");
    click("Check23");
    click("Option2");
    click("Check24"); // 室内装修工程 withdraws 初步设计 only: the chosen 施工图设计 stays
    EXPECT_EQ(options(), "D E* E ");
    click("Check24");
    EXPECT_EQ(options(), "D E* E ");
    click("Check28");
    EXPECT_EQ(options(), "E E* E ");
}

TEST_F(Rules, OtherFeeBoxesOfferTheirEntries) {
    click("Check13");
    EXPECT_TRUE(w.enabled("Text10"));
    type("Text10", "3");
    click("Check13");
    EXPECT_FALSE(w.enabled("Text10"));
    EXPECT_EQ(w.text("Text10"), "");

    click("Check3");
    type("Text7", "50");
    type("Text9", "0.15");
    click("Check3");
    EXPECT_FALSE(w.enabled("Text7") || w.enabled("Text9"));
    EXPECT_EQ(w.text("Text7") + w.text("Text9"), "");

    click("Check7"); // no rule
    EXPECT_TRUE(w.ticked("Check7"));
}

TEST_F(Rules, StandardDesignRefinementsChainAndExcludeEachOther) {
    EXPECT_TRUE(w.userClick("Check19"));
    EXPECT_TRUE(w.userClick("Check21"));
    click("Check18");
    click("Check21");
    EXPECT_TRUE(w.enabled("Text3"));
    EXPECT_FALSE(w.enabled("Check19"));
    type("Text3", "0.2");
    click("Check21");
    click("Check19");
    EXPECT_FALSE(w.enabled("Check21") || w.enabled("Text3"));
    click("Check19");
    EXPECT_TRUE(w.enabled("Check21") && w.enabled("Text3"));
    EXPECT_FALSE(w.ticked("Check21"));
    EXPECT_EQ(w.text("Text3"), "");

    click("Check19"); // Text3 was left enabled by unticking it: ticking it again withdraws Text3
    EXPECT_FALSE(w.enabled("Text3"));
    click("Check18");
    EXPECT_FALSE(w.enabled("Check19") || w.enabled("Check21") || w.enabled("Text3"));
    EXPECT_FALSE(w.ticked("Check19") || w.ticked("Check21"));

    click("Check18");
    EXPECT_TRUE(w.enabled("Check19") && w.enabled("Check21"));
    click("Check21");
    type("Text3", "0.3");
    click("Check21");
    EXPECT_FALSE(w.enabled("Text3"));
    EXPECT_EQ(w.text("Text3"), "");
    EXPECT_TRUE(w.enabled("Check19"));
}

// Unticking 重新进行基础设计 leaves the rate box open while 局部调整 is unticked; ticking it again empties
// what was typed there.
TEST_F(Rules, RedoingTheFoundationEmptiesTheRateTypedMeanwhile) {
    click("Check18");
    click("Check19");
    click("Check19");
    type("Text3", "0.4");
    click("Check19");
    EXPECT_FALSE(w.enabled("Text3"));
    EXPECT_EQ(w.text("Text3"), "");
}

struct CommissionCase {
    std::string name;
    const char* type;
    const char* grade; // the description box clicked, or null
    const char* kind;  // a building kind ticked first, or null
    std::string options;
};

class Commission : public testing::TestWithParam<CommissionCase> {};

TEST_P(Commission, TickingOffersThePhasesOfTheProject) {
    const CommissionCase& c = GetParam();
    forms::Form w(forms::mainWindowDefinition());
    rules::installMainWindowRules(w);
    ASSERT_FALSE(w.userChoose("Combo2", c.type));
    if (c.grade) {
        ASSERT_FALSE(w.userClick(c.grade));
    }
    if (c.kind) {
        ASSERT_FALSE(w.userClick(c.kind));
    }
    ASSERT_FALSE(w.userClick("Check4"));
    EXPECT_EQ(optionsOf(w), c.options);

    ASSERT_FALSE(w.userClick("Check4"));
    for (const char* o : {"Option1", "Option2", "Option3"})
        EXPECT_FALSE(w.enabled(o) || w.value(o)) << o;
    EXPECT_FALSE(w.visible("Label28") || w.visible("Label27") || w.visible("Text18"));
}

INSTANTIATE_TEST_SUITE_P(
    EveryProject, Commission,
    testing::Values(CommissionCase{"LandscapeI", landscape, "Text4", nullptr, "D E E "},
                    CommissionCase{"LandscapeII", landscape, "Text5", nullptr, "D E E "},
                    CommissionCase{"LandscapeIII", landscape, "Text6", nullptr, "E* E E "},
                    CommissionCase{"LandscapeNoGrade", landscape, nullptr, nullptr, "E* E E "},
                    CommissionCase{"Road", road, "Text5", nullptr, "E* E D "},
                    CommissionCase{"Bridge", bridge, "Text6", nullptr, "E* E D "},
                    CommissionCase{"Municipal", municipal, "Text4", nullptr, "E* E D "},
                    CommissionCase{"Interior", building, "Text5", "Check24", "D E E "},
                    CommissionCase{"Intelligent", building, "Text5", "Check23", "E E D "},
                    CommissionCase{"Housing", building, "Text5", "Check30", "D E E "},
                    CommissionCase{"Outdoor", building, "Text5", "Check29", "E* E E "},
                    CommissionCase{"GroupHousing", building, "Text5", "Check32", "E* E E "},
                    CommissionCase{"Ancient", building, "Text5", "Check25", "E* E E "},
                    CommissionCase{"Acoustics", building, "Text5", "Check26", "E* E E "},
                    CommissionCase{"CivilDefence", building, "Text5", "Check28", "E* E E "},
                    CommissionCase{"BuildingNoKind", building, nullptr, nullptr, "E* E E "}),
    [](const auto& info) { return info.param.name; });

} // namespace
