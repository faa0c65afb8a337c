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

// The report window's 打印… and 另存为…, in its text's context menu: the 计算书 as the window holds it,
// printed or saved under the name chosen, as PDF or text; what fails is told.
struct PaperCase {
    std::string_view command;
    std::string answer; // the file chosen, none when the dialog is cancelled
    std::size_t filter; // the type chosen with it: 0 PDF, 1 text
    forms::Printing printing;
    bool paintsPdf;
    std::string written; // the file written, with the report's text ("txt") or PDF ("pdf")
    std::string kind;
    std::string message;
};

void PrintTo(const PaperCase& c, std::ostream* os) {
    *os << c.command << " " << c.answer;
}

class ReportPaper : public WholeProgram, public ::testing::WithParamInterface<PaperCase> {};

TEST_P(ReportPaper, GoesWhereTheUserSaysOrSaysWhyNot) {
    const PaperCase& c = GetParam();
    calculateATypicalProject();
    click(box::showReport);
    const std::string report = desktop.window(windows::report).text(windows::reportwindow::text);
    if (!c.answer.empty())
        desktop.fileAnswers.push_back(c.answer);
    desktop.chosenFilter = c.filter;
    desktop.printing = c.printing;
    desktop.paintsPdf = c.paintsPdf;
    click(c.command, windows::report);

    if (c.command == windows::reportwindow::print) {
        EXPECT_TRUE(desktop.fileRequests.empty());
        EXPECT_EQ(desktop.printed, std::vector<std::string>{report});
    } else {
        ASSERT_EQ(desktop.fileRequests.size(), 1u);
        EXPECT_EQ(desktop.fileRequests[0].title, "另存为");
        EXPECT_EQ(desktop.fileRequests[0].suggested, "计算书.pdf");
        EXPECT_EQ(desktop.fileRequests[0].filter, "PDF 文件 (*.pdf);;文本文件 (*.txt)");
    }
    if (c.written.empty()) {
        EXPECT_TRUE(desktop.files.empty());
    } else {
        ASSERT_EQ(desktop.files.size(), 1u);
        ASSERT_TRUE(desktop.files.contains(c.written)) << desktop.files.begin()->first;
        const std::string& bytes = desktop.files.at(c.written);
        EXPECT_EQ(bytes, c.kind == "pdf" ? std::string(test::ModelDesktop::pdfMark) + report : report);
    }
    EXPECT_EQ(desktop.lastMessage(), c.message);
    if (!c.message.empty()) {
        EXPECT_EQ(desktop.messages.back().icon, forms::MessageIcon::Exclamation);
    }
}

const std::string docs = "/home/user/文档/";

INSTANTIATE_TEST_SUITE_P(
    Cases, ReportPaper,
    ::testing::Values(
        PaperCase{windows::reportwindow::save, docs + "a", 0, {}, true, docs + "a.pdf", "pdf", ""},
        PaperCase{windows::reportwindow::save, docs + "a", 1, {}, true, docs + "a.txt", "txt", ""},
        PaperCase{windows::reportwindow::save, docs + "a.PDF", 1, {}, true, docs + "a.PDF", "pdf", ""},
        PaperCase{windows::reportwindow::save, docs + "a.txt", 0, {}, true, docs + "a.txt", "txt", ""},
        PaperCase{windows::reportwindow::save, docs + "a.doc", 0, {}, true, docs + "a.doc.pdf", "pdf", ""},
        PaperCase{windows::reportwindow::save, "", 0, {}, true, "", "", ""},
        PaperCase{
            windows::reportwindow::save,
            "/read-only/a.txt",
            1,
            {},
            true,
            "",
            "",
            "计算书未能保存为“a.txt”：没有在这个文件夹中写入文件的权限。\n请换一个可以写入的文件夹，然后再"
            "保存一次。"},
        PaperCase{windows::reportwindow::save,
                  docs + "a.pdf",
                  0,
                  {},
                  false,
                  "",
                  "",
                  "计算书未能保存为“a.pdf”：无法生成 PDF 文件。"},
        PaperCase{windows::reportwindow::print, "", 0, forms::Printing::Printed, true, "", "", ""},
        PaperCase{windows::reportwindow::print, "", 0, forms::Printing::Cancelled, true, "", "", ""},
        PaperCase{windows::reportwindow::print, "", 0, forms::Printing::NoPrinter, true, "", "",
                  "没有可以打印计算书的打印机：请先在系统中添加打印机，或把计算书另存为 PDF 后打印。"},
        PaperCase{
            windows::reportwindow::print, "", 0, forms::Printing::Refused, true, "", "",
            "计算书未能打印：打印机没有接受这份文件。\n请检查打印机是否已连接并处于就绪状态，然后再打印一"
            "次。"}));

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
