// The 计算 command on the main window's model, with the input rules and the command bound by the session.
#include "session/calculationcommand.h"

#include "forms/mainwindow.h"
#include "support/modeldesktop.h"

#include <gtest/gtest.h>

using namespace varnel;

namespace {

class CalculateCommand : public ::testing::Test {
  protected:
    // Starts the program and returns its main window.
    static forms::Form& started(test::ModelDesktop& d) {
        d.session.start();
        return d.window(forms::windows::main);
    }

    void choose(const char* type) { ASSERT_FALSE(w.userChoose("Combo2", type)); }
    void click(const char* control) { ASSERT_FALSE(w.userClick(control)) << control; }
    void type(const char* control, const char* text) { ASSERT_FALSE(w.userType(control, text)) << control; }

    test::ModelDesktop desktop;
    forms::Form& w = started(desktop);
    const session::CalculationState& state = desktop.session.calculations();
};

TEST_F(CalculateCommand, ShowsTheResultRowAndMovesTheFocusToTheAmount) {
    choose("建筑、人防工程");
    click("Text5");
    click("Check28");
    click("Check7");
    type("Text1", "1500");
    click("Command1");
    EXPECT_TRUE(desktop.messages.empty());
    EXPECT_EQ(w.text("Text15"), " 60.555");
    EXPECT_EQ(w.text("Text16"), " 3.02775");
    EXPECT_EQ(w.text("Text17"), " 63.58275");
    EXPECT_EQ(w.focus(), "Text1");
    ASSERT_TRUE(state.record.has_value());
    EXPECT_TRUE(state.record->project.has(engine::Service::OverallDesign));
}

TEST_F(CalculateCommand, MessagesCarryTheApplicationTitleAndNoIcon) {
    click("Command1");
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.messages[0].text, "工程计费额不能小于或等于零！");
    EXPECT_EQ(desktop.messages[0].title, "Varnel");
    EXPECT_EQ(desktop.messages[0].icon, forms::MessageIcon::None);
    EXPECT_EQ(w.focus(), "Command1"); // not moved by this check
}

TEST_F(CalculateCommand, NoTypeGivesTheFocusToTheTypeList) {
    type("Text1", "1000");
    click("Command1");
    EXPECT_EQ(desktop.lastMessage(), "你还没有选择工程类型！");
    EXPECT_EQ(w.focus(), "Combo2");
}

TEST_F(CalculateCommand, ACoefficientOutOfRangeIsEmptiedAndFocused) {
    choose("建筑、人防工程");
    click("Text6");
    click("Check22");
    type("Text19", "1.41");
    type("Text1", "1000");
    click("Command1");
    EXPECT_EQ(desktop.lastMessage(), "改扩建和技术改造建设项目附加调整系数超标!！");
    EXPECT_EQ(w.text("Text19"), "");
    EXPECT_EQ(w.focus(), "Text19");
    EXPECT_EQ(w.text("Text15"), "");
}

TEST_F(CalculateCommand, AStoppedRunLeavesTheLastCompleteResultsOnScreen) {
    choose("公路和城市道路工程");
    click("Text5");
    type("Text1", "1000");
    click("Command1");
    const std::string basic = w.text("Text15"), other = w.text("Text16"), benchmark = w.text("Text17");
    const engine::CalculationRecord before = *state.record;

    type("Text1", "3000");
    click("Check13"); // its amount is left empty: the run stops after the basic fee
    click("Command1");
    EXPECT_EQ(desktop.lastMessage(), "请输入自有专利技术收费金额！");
    EXPECT_EQ(w.text("Text15"), basic);
    EXPECT_EQ(w.text("Text16"), other);
    EXPECT_EQ(w.text("Text17"), benchmark);
    EXPECT_NE(*state.variables.basicFee, *before.variables.basicFee); // the variables took this run's values
    EXPECT_EQ(*state.record->variables.basicFee, *before.variables.basicFee);
    EXPECT_EQ(w.focus(), "Text1");
}

TEST_F(CalculateCommand, APhaseLineIsHiddenWhenNoRowAppliesAnyMore) {
    choose("建筑、人防工程");
    click("Text5");
    click("Check29");
    click("Check4");
    click("Option2");
    type("Text1", "1000");
    click("Command1");
    EXPECT_TRUE(w.visible("Text18") && w.visible("Label27") && w.visible("Label28"));
    EXPECT_EQ(w.caption("Label28"), "其中施工图设计费");
    EXPECT_EQ(w.text("Text18"), " 21.34");

    click("Check29"); // untick: 建筑与室外工程 had the row
    click("Check26"); // 特殊声学装修工程 has none
    click("Command1");
    EXPECT_FALSE(w.visible("Text18") || w.visible("Label27") || w.visible("Label28"));
    EXPECT_EQ(w.caption("Label28"), "");
    EXPECT_EQ(w.text("Text18"), "");
    EXPECT_EQ(w.text("Text17"), " 77.6");
}

TEST_F(CalculateCommand, WithdrawingTheCommissionTakesThePhaseShareAway) {
    namespace box = forms::mainwindow;
    choose("建筑、人防工程");
    click(box::gradeIIDescription.data());
    click(box::buildingWithOutdoor.data());
    click(box::independentPhase.data());
    click(box::drawingPhase.data());
    type(box::amount.data(), "1000");
    click(box::calculate.data());
    ASSERT_TRUE(w.visible(box::phaseLineShare));

    click(box::independentPhase.data()); // unticked: no phase is commissioned on its own any more
    for (std::string_view part : {box::phaseLineName, box::phaseLineUnit, box::phaseLineShare})
        EXPECT_FALSE(w.visible(part)) << part;
    EXPECT_EQ(w.caption(box::phaseLineName), "");
    EXPECT_EQ(w.text(box::phaseLineShare), "");
    EXPECT_EQ(w.text(box::benchmarkFee), " 38.8"); // the calculation's own results stay
}

TEST_F(CalculateCommand, HostileAmountsNeverShowInfinity) {
    choose("市政公用工程");
    click("Text6");
    for (const char* text :
         {"1e309", "&HFFFFFFFFFFFFFFFF", "1.7976931348623157e308", "１２３", "😀", "\u200f1000"}) {
        type("Text1", text);
        click("Command1");
        for (const char* box : {"Text15", "Text16", "Text17"}) {
            EXPECT_EQ(w.text(box).find("inf"), std::string::npos) << text;
            EXPECT_EQ(w.text(box).find("nan"), std::string::npos) << text;
        }
    }
    EXPECT_EQ(desktop.messages.size(), 4u); // the two huge amounts that fit a double calculate normally
}

} // namespace
