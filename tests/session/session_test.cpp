// The whole program without a toolkit: windows opened by the session's own commands, driven the way a
// user drives them, through the control model.
#include "session/session.h"

#include "forms/form.h"
#include "support/modeldesktop.h"
#include "windows/mainwindow.h"
#include "windows/secondarywindows.h"
#include "windows/windows.h"

#include <gtest/gtest.h>

using namespace varnel;
namespace box = windows::mainwindow;
namespace planning = windows::planningwindow;

namespace {

class WholeProgram : public ::testing::Test {
  protected:
    WholeProgram() { desktop.session.start(); }

    forms::Form& main() { return desktop.window(windows::main); }
    void click(std::string_view control, std::string_view form = windows::main) {
        ASSERT_FALSE(desktop.window(form).userClick(control)) << control;
    }
    void type(std::string_view control, std::string text, std::string_view form = windows::main) {
        ASSERT_FALSE(desktop.window(form).userType(control, std::move(text))) << control;
    }
    void calculateATypicalProject() {
        ASSERT_FALSE(main().userChoose(box::typeList, "建筑、人防工程"));
        click(box::gradeIIDescription);
        click(box::overallDesign);
        type(box::amount, "1500");
        click(box::calculate);
    }

    test::ModelDesktop desktop;
};

TEST_F(WholeProgram, StartsWithTheMainWindowAlone) {
    EXPECT_EQ(desktop.opened, std::vector<std::string>{std::string(windows::main)});
    EXPECT_TRUE(desktop.messages.empty());
    EXPECT_FALSE(desktop.session.calculations().record);
}

TEST_F(WholeProgram, CalculatesAndWritesTheReportOfThatCalculation) {
    calculateATypicalProject();
    EXPECT_TRUE(desktop.messages.empty());
    EXPECT_EQ(main().text(box::benchmarkFee), " 57.8025");
    ASSERT_TRUE(desktop.session.calculations().record);

    click(box::showReport);
    const std::string& report = desktop.window(windows::report).text(windows::reportwindow::text);
    EXPECT_TRUE(report.starts_with("欢迎使用本程序，下面是您的计算过程：\r\n")) << report;
    EXPECT_NE(report.find("=55.05万元+2.7525万元=57.8025万元"), std::string::npos) << report;
}

TEST_F(WholeProgram, TheOpenReportIsRewrittenEachTimeItIsAskedFor) {
    click(box::showReport);
    const std::string before = desktop.window(windows::report).text(windows::reportwindow::text);
    calculateATypicalProject();
    EXPECT_EQ(desktop.window(windows::report).text(windows::reportwindow::text), before); // not by 计算 alone
    click(box::showReport);
    EXPECT_NE(desktop.window(windows::report).text(windows::reportwindow::text), before);
    EXPECT_EQ(desktop.opened.size(), 2u); // the same report window
}

struct MenuCase {
    std::string_view command;
    std::vector<std::string> messageTitles; // in the order shown
    std::vector<forms::MessageIcon> icons;
    std::string opens; // the window it brings up; empty for none
};

void PrintTo(const MenuCase& c, std::ostream* out) {
    *out << c.command;
}

class MenuCommand : public WholeProgram, public ::testing::WithParamInterface<MenuCase> {};

TEST_P(MenuCommand, ShowsItsNotesAndItsWindow) {
    ASSERT_FALSE(
        main().userChoose(box::typeList, "建筑、人防工程")); // the planning-fee button is in its group
    click(GetParam().command);
    std::vector<std::string> titles;
    std::vector<forms::MessageIcon> icons;
    for (const forms::Message& m : desktop.messages) {
        titles.push_back(m.title);
        icons.push_back(m.icon);
    }
    EXPECT_EQ(titles, GetParam().messageTitles);
    EXPECT_EQ(icons, GetParam().icons);
    std::vector<std::string> expected{std::string(windows::main)};
    if (!GetParam().opens.empty())
        expected.push_back(GetParam().opens);
    EXPECT_EQ(desktop.opened, expected);
    EXPECT_FALSE(desktop.ended);
}

INSTANTIATE_TEST_SUITE_P(
    MainWindow, MenuCommand,
    testing::Values(
        MenuCase{box::help, {}, {}, std::string(windows::help)},
        MenuCase{box::aboutProgram, {"欢迎使用！"}, {forms::MessageIcon::Exclamation}, ""},
        MenuCase{box::aboutAuthor, {"关于作者"}, {forms::MessageIcon::Stop}, std::string(windows::author)},
        MenuCase{box::planningFee, {}, {}, std::string(windows::planning)}));

TEST_F(WholeProgram, ExitEndsTheProgram) {
    click(box::help);
    click(box::exit);
    EXPECT_TRUE(desktop.ended);
    EXPECT_TRUE(desktop.windows.empty());
}

TEST_F(WholeProgram, ThePlanningWindowCalculatesEachTimeItOpens) {
    ASSERT_FALSE(main().userChoose(box::typeList, "建筑、人防工程"));
    for (int opening = 0; opening < 2; ++opening) {
        click(box::planningFee);
        type(planning::area, "2", windows::planning);
        type(planning::unitPrice, "15000", windows::planning);
        click(planning::calculate, windows::planning);
        ASSERT_EQ(desktop.messages.size(), std::size_t(opening) + 1);
        EXPECT_EQ(desktop.messages.back().text, "您的设计收费为3万元");
        EXPECT_EQ(desktop.messages.back().title, "Varnel");
        EXPECT_EQ(desktop.messages.back().icon, forms::MessageIcon::None);
        desktop.close(windows::planning);
    }
    EXPECT_FALSE(
        desktop.session.calculations().record); // the planning fee is no calculation of the main window
}

TEST_F(WholeProgram, TheInputRulesAreBound) {
    ASSERT_FALSE(main().userChoose(box::typeList, "建筑、人防工程"));
    EXPECT_TRUE(main().shown(box::civilDefence));       // 人防工程 belongs to the building group
    EXPECT_TRUE(main().userClick(box::roadRenovation)); // the road group's renovation box is hidden
}

} // namespace
