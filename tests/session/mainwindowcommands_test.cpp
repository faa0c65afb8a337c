// The 计算 command on the main window's model, with the input rules and the command bound by the session.
#include "session/mainwindowcommands.h"

#include "support/modeldesktop.h"
#include "windows/mainwindow.h"
#include "windows/windows.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

using namespace varnel;

namespace {

namespace box = windows::mainwindow;

class CalculateCommand : public ::testing::Test {
  protected:
    // Starts the program and returns its main window.
    static forms::Form& started(test::ModelDesktop& d) {
        d.session.start();
        return d.window(windows::main);
    }

    void choose(std::string_view type) { ASSERT_FALSE(w.userChoose(box::typeList, type)) << type; }
    void click(std::string_view control) { ASSERT_FALSE(w.userClick(control)) << control; }
    void type(std::string_view control, std::string_view text) {
        ASSERT_FALSE(w.userType(control, std::string(text))) << control;
    }

    test::ModelDesktop desktop;
    forms::Form& w = started(desktop);
    const session::CalculationState& state = desktop.session.calculations();
};

TEST_F(CalculateCommand, ShowsTheResultRowAndMovesTheFocusToTheAmount) {
    choose("建筑、人防工程");
    click(box::gradeIIDescription);
    click(box::civilDefence);
    click(box::overallDesign);
    type(box::amount, "1500");
    click(box::calculate);
    EXPECT_TRUE(desktop.messages.empty());
    EXPECT_EQ(w.text(box::basicFee), " 60.555");
    EXPECT_EQ(w.text(box::otherFee), " 3.02775");
    EXPECT_EQ(w.text(box::benchmarkFee), " 63.58275");
    EXPECT_EQ(w.focus(), box::amount);
    ASSERT_TRUE(state.record.has_value());
    EXPECT_TRUE(state.record->project.has(engine::Service::OverallDesign));
}

TEST_F(CalculateCommand, MessagesCarryTheApplicationTitleAndNoIcon) {
    click(box::calculate);
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.messages[0].text, "工程计费额不能小于或等于零！");
    EXPECT_EQ(desktop.messages[0].title, "Varnel");
    EXPECT_EQ(desktop.messages[0].icon, forms::MessageIcon::None);
    EXPECT_EQ(w.focus(), box::calculate); // not moved by this check
}

TEST_F(CalculateCommand, NoTypeGivesTheFocusToTheTypeList) {
    type(box::amount, "1000");
    click(box::calculate);
    EXPECT_EQ(desktop.lastMessage(), "你还没有选择工程类型！");
    EXPECT_EQ(w.focus(), box::typeList);
}

TEST_F(CalculateCommand, ACoefficientOutOfRangeIsEmptiedAndFocused) {
    choose("建筑、人防工程");
    click(box::gradeIIIDescription);
    click(box::buildingRenovation);
    type(box::buildingRenovationCoefficient, "1.41");
    type(box::amount, "1000");
    click(box::calculate);
    EXPECT_EQ(desktop.lastMessage(), "改扩建和技术改造建设项目附加调整系数超标!！");
    EXPECT_EQ(w.text(box::buildingRenovationCoefficient), "");
    EXPECT_EQ(w.focus(), box::buildingRenovationCoefficient);
    EXPECT_EQ(w.text(box::basicFee), "");
}

TEST_F(CalculateCommand, AStoppedRunLeavesTheLastCompleteResultsOnScreen) {
    choose("公路和城市道路工程");
    click(box::gradeIIDescription);
    type(box::amount, "1000");
    click(box::calculate);
    const std::string basic = w.text(box::basicFee), other = w.text(box::otherFee),
                      benchmark = w.text(box::benchmarkFee);
    const engine::CalculationRecord before = *state.record;

    type(box::amount, "3000");
    click(box::ownPatents); // its amount is left empty: the run stops after the basic fee
    click(box::calculate);
    EXPECT_EQ(desktop.lastMessage(), "请输入自有专利技术收费金额！");
    EXPECT_EQ(w.text(box::basicFee), basic);
    EXPECT_EQ(w.text(box::otherFee), other);
    EXPECT_EQ(w.text(box::benchmarkFee), benchmark);
    EXPECT_NE(*state.variables.basicFee, *before.variables.basicFee); // the variables took this run's values
    EXPECT_EQ(*state.record->variables.basicFee, *before.variables.basicFee);
    EXPECT_EQ(w.focus(), box::amount);
}

// A phase commissioned on its own is never charged the whole benchmark in silence: where no share applies,
// 计算 stops and says what to choose.
TEST_F(CalculateCommand, APhaseWithoutItsShareStopsAndSaysWhatToChoose) {
    struct Case {
        const char* type;
        std::string_view grade;
        std::vector<std::string_view> ticked;
        std::optional<std::string_view> phase; // none: 单独委托设计 ticked, no phase chosen
        const char* message;
    };
    const Case cases[] = {
        {"建筑、人防工程",
         box::gradeIIDescription,
         {box::acousticDecoration},
         box::drawingPhase,
         "单独委托施工图设计的收费比例取决于建筑工程的类别，请在附加调整系数中勾选其中一项：建筑与室外工程、"
         "住宅工程(组团)"
         "、住宅工程、古建筑、仿古建筑、保护性建筑、智能建筑弱电系统工程、室内装修工程、人防工程！"},
        {"建筑、人防工程",
         box::gradeIIDescription,
         {},
         box::schemePhase,
         "单独委托方案设计的收费比例取决于建筑工程的类别，请在附加调整系数中勾选其中一项：建筑与室外工程、"
         "住宅工程(组团)、住宅工程、古建筑、仿古建筑、保护性建筑、室内装修工程、人防工程！"},
        {"建筑、人防工程",
         box::gradeIIDescription,
         {box::interiorDecoration},
         std::nullopt,
         "请选择单独委托设计的阶段（初步设计、施工图设计或方案设计）！"},
        {"园林绿化工程",
         box::gradeIIDescription,
         {},
         std::nullopt,
         "请选择单独委托设计的阶段（初步设计、施工图设计或方案设计）！"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        w.reset();
        desktop.messages.clear();
        choose(c.type);
        click(c.grade);
        for (std::string_view box : c.ticked)
            click(box);
        click(box::independentPhase);
        if (c.phase)
            click(*c.phase);
        type(box::amount, "1000");
        click(box::calculate);
        ASSERT_EQ(desktop.messages.size(), 1u);
        EXPECT_EQ(desktop.messages[0].text, c.message);
        EXPECT_EQ(w.text(box::benchmarkFee), "");
        EXPECT_FALSE(state.record && state.record->project.independentPhase);
    }
}

TEST_F(CalculateCommand, WithdrawingTheCommissionTakesThePhaseShareAway) {
    choose("建筑、人防工程");
    click(box::gradeIIDescription);
    click(box::buildingWithOutdoor);
    click(box::independentPhase);
    click(box::drawingPhase);
    type(box::amount, "1000");
    click(box::calculate);
    ASSERT_TRUE(w.visible(box::phaseLineShare));

    click(box::independentPhase); // unticked: no phase is commissioned on its own any more
    for (std::string_view part : {box::phaseLineName, box::phaseLineUnit, box::phaseLineShare})
        EXPECT_FALSE(w.visible(part)) << part;
    EXPECT_EQ(w.caption(box::phaseLineName), "");
    EXPECT_EQ(w.text(box::phaseLineShare), "");
    EXPECT_EQ(w.text(box::benchmarkFee), " 38.8"); // the calculation's own results stay
}

TEST_F(CalculateCommand, HostileAmountsNeverShowInfinity) {
    choose("市政公用工程");
    click(box::gradeIIIDescription);
    const std::string notPositive = "工程计费额不能小于或等于零！";
    const std::string aboveCeiling = "工程计费额不能大于100000000万元！";
    struct Case {
        std::string text;
        std::string message;
    };
    for (const Case& c : {Case{"1e309", "输入的数值超出计算范围！"}, Case{"&HFFFFFFFFFFFFFFFF", aboveCeiling},
                          Case{"1.7976931348623157e308", aboveCeiling},
                          Case{"１２３", ""}, // full-width, as an input method types it: 123
                          Case{"😀", notPositive}, Case{"\u200f1000", notPositive}}) {
        desktop.messages.clear();
        type(box::amount, c.text);
        click(box::calculate);
        EXPECT_EQ(desktop.lastMessage(), c.message) << c.text;
        for (std::string_view result : {box::basicFee, box::otherFee, box::benchmarkFee}) {
            EXPECT_EQ(w.text(result).find("inf"), std::string::npos) << c.text;
            EXPECT_EQ(w.text(result).find("nan"), std::string::npos) << c.text;
        }
    }
}

} // namespace
