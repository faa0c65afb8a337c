// A whole project's quote through the program's own windows, driven as a user drives them: items added
// from the main window, the project window's table, float and contract amount, saving and opening, opening
// an item back into the main window, and the questions about unsaved changes.
#include "session/session.h"

#include "engine/numbers.h"
#include "forms/form.h"
#include "projects/money.h"
#include "projects/projectfile.h"
#include "projects/projectreport.h"
#include "rules/rules.h"
#include "session/mainwindowfill.h"
#include "session/mainwindowread.h"
#include "support/modeldesktop.h"
#include "support/samplequote.h"
#include "windows/industrywindow.h"
#include "windows/mainwindow.h"
#include "windows/projectwindow.h"
#include "windows/windows.h"

#include <gtest/gtest.h>

#include <random>
#include <regex>

using namespace varnel;
namespace box = windows::mainwindow;
namespace pw = windows::projectwindow;

namespace {

class Project : public ::testing::Test {
  protected:
    Project() { desktop.session.start(); }

    forms::Form& main() { return desktop.window(windows::main); }
    forms::Form& projectWindow() { return desktop.window(windows::project); }
    const session::ProjectDocument& document() { return desktop.session.project(); }

    void click(std::string_view control, std::string_view form = windows::main) {
        ASSERT_FALSE(desktop.window(form).userClick(control)) << control;
    }
    void type(std::string_view control, std::string text, std::string_view form = windows::main) {
        ASSERT_FALSE(desktop.window(form).userType(control, std::move(text))) << control;
    }
    void commit(std::string_view control, std::string text) {
        type(control, std::move(text), windows::project);
        ASSERT_FALSE(projectWindow().userCommit(control));
    }

    // Enters the inputs as a user would, calculates and adds the result under that name.
    void addCalculation(const engine::Project& inputs, const std::string& name) {
        ASSERT_FALSE(session::fillMainWindow(main(), inputs));
        click(box::calculate);
        ASSERT_TRUE(desktop.session.calculations().record);
        desktop.textAnswers.push_back(name);
        click(box::addItem);
    }
    void addTheSampleItems() {
        for (const projects::Item& item : test::sampleQuote().items)
            addCalculation(*item.mainInputs(), item.name);
    }
    std::vector<std::string> column(int index) {
        std::vector<std::string> texts;
        for (const forms::Row& row : projectWindow().rows(pw::items))
            texts.push_back(row[static_cast<std::size_t>(index)]);
        return texts;
    }
    std::vector<std::string> itemNames() { return column(0); }

    test::ModelDesktop desktop;
};

TEST_F(Project, ItemsAddedFromTheMainWindowStandInTheTableWithTheirTotal) {
    addTheSampleItems();
    ASSERT_EQ(desktop.textRequests.size(), 3u);
    EXPECT_EQ(desktop.textRequests[0].title, "加入项目");
    EXPECT_EQ(desktop.textRequests[0].suggested, "公路和城市道路工程 1500万元");
    EXPECT_EQ(desktop.textRequests[2].suggested, "园林绿化工程 300万元");

    EXPECT_EQ(itemNames(), (std::vector<std::string>{"主线道路（一标段）", "地下人防", "沿线绿化"}));
    const forms::Row& building = projectWindow().rows(pw::items)[1];
    // The quote's figures, each to the 元: 3.02775 and 63.58275 are stated 3.0278 and 63.5828.
    EXPECT_EQ(building, (forms::Row{"地下人防", "建筑、人防工程", "Ⅱ级", "1500.0000", "60.5550", "3.0278",
                                    "63.5828", "", "63.5828"}));
    const forms::Row& road = projectWindow().rows(pw::items)[0];
    EXPECT_EQ(road[7], "初步设计 45%");
    EXPECT_EQ(road[8], "30.4330");
    const forms::Row& footer = projectWindow().state(pw::items).footer;
    // Each sum adds the figures above it: 30.4330 + 63.5828 + 39.3237 is 133.3395.
    EXPECT_EQ(footer, (forms::Row{"合计", "", "", "", "141.3663", "29.1690", "170.5354", "", "133.3395"}));
    EXPECT_EQ(projectWindow().rows(pw::items)[2][8], "39.3237");
    EXPECT_EQ(projectWindow().text(pw::total), "133.3395");
    EXPECT_EQ(projectWindow().text(pw::contract), "133.3395"); // no float yet
    EXPECT_EQ(projectWindow().currentRow(pw::items), 2);       // the item just added
    EXPECT_EQ(main().title(), "Varnel - 未命名项目 *");
    EXPECT_EQ(projectWindow().title(), "项目 - 未命名项目 *");
    EXPECT_EQ(projectWindow().text(pw::date), "2026-12-09");
}

TEST_F(Project, NothingIsAddedWithoutACompleteCalculationOrAName) {
    click(box::addItem); // 计算 on the window as it first opens stops, with the calculation's own message
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.lastMessage(), "工程计费额不能小于或等于零！");
    EXPECT_TRUE(desktop.textRequests.empty());

    ASSERT_FALSE(session::fillMainWindow(main(), *test::sampleQuote().items[1].mainInputs()));
    click(box::addItem); // the name dialog cancelled
    desktop.textAnswers.push_back("  ");
    click(box::addItem);
    EXPECT_EQ(desktop.lastMessage(), "单项名称不能为空，这次计算没有加入项目。");
    EXPECT_TRUE(document().quote.items.empty());
    EXPECT_FALSE(document().modified);
    EXPECT_EQ(main().title(), "Varnel");
}

// What the window shows is what goes into the project: 加入项目 and 更新单项 calculate the window as it
// stands, as 计算 does, inputs changed since the last 计算 and all; a calculation that stops adds and updates
// nothing.
TEST_F(Project, AddingAndUpdatingTakeTheWindowAsItStands) {
    engine::Project road = *test::sampleQuote().items[0].mainInputs();
    road.amount = "1000";
    struct Case {
        std::string_view command;
        const char* amount;
        bool overallDesign;
        const char* stops; // the calculation's message, or nothing
    };
    const Case cases[] = {
        {box::addItem, "2000", true, nullptr},
        {box::addItem, "-5", false, "工程计费额不能小于或等于零！"},
        {box::updateItem, "3000", true, nullptr},
        {box::updateItem, "abc", false, "工程计费额不能小于或等于零！"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.command) + " at " + c.amount);
        if (c.command == box::updateItem && document().openedItem != 0u) {
            ASSERT_FALSE(projectWindow().userActivateRow(pw::items, 0));
        }
        ASSERT_FALSE(session::fillMainWindow(main(), road));
        click(box::calculate);
        const std::string calculated = main().text(box::benchmarkFee);
        const projects::Quote before = document().quote;
        type(box::amount, c.amount);
        if (main().ticked(box::overallDesign) != c.overallDesign)
            click(box::overallDesign);
        desktop.messages.clear();
        desktop.textAnswers.push_back("主线道路 " + std::string(c.amount));
        click(c.command);
        if (c.stops) {
            ASSERT_EQ(desktop.messages.size(), 1u);
            EXPECT_EQ(desktop.lastMessage(), c.stops);
            EXPECT_EQ(document().quote, before);
            EXPECT_EQ(main().text(box::benchmarkFee), calculated); // the results of the last 计算 stay
            desktop.textAnswers.clear();
            continue;
        }
        const std::size_t item = c.command == box::addItem ? document().quote.items.size() - 1 : 0;
        const engine::Project& kept = *document().quote.items[item].mainInputs();
        EXPECT_EQ(kept.amount, c.amount);
        EXPECT_EQ(kept.has(engine::Service::OverallDesign), c.overallDesign);
        EXPECT_EQ(projectWindow().rows(pw::items)[item][6],
                  projects::amountText(projects::quotedAmount(document().figures[item].benchmarkFee())));
        EXPECT_EQ(engine::resultBoxText(document().figures[item].benchmarkFee()),
                  main().text(box::benchmarkFee));
        EXPECT_NE(main().text(box::benchmarkFee), calculated); // the boxes show what was charged
        if (c.command == box::updateItem) {
            EXPECT_EQ(desktop.messages.back().text, "已更新“主线道路 2000”。");
            EXPECT_EQ(desktop.messages.back().icon, forms::MessageIcon::None);
        } else {
            EXPECT_TRUE(desktop.messages.empty()) << desktop.lastMessage();
        }
        desktop.textAnswers.clear();
    }
}

TEST_F(Project, SavedAndOpenedAgainItIsTheSameProject) {
    addTheSampleItems();
    type(pw::name, "某某道路工程", windows::project);
    type(pw::client, "某某市城市建设投资有限公司", windows::project);
    commit(pw::floatPercent, "-5");
    desktop.fileAnswers.push_back("/home/user/道路");
    click(box::saveProject);
    ASSERT_EQ(desktop.fileRequests.size(), 1u);
    EXPECT_EQ(desktop.fileRequests[0].purpose, forms::FileRequest::Purpose::Save);
    EXPECT_EQ(desktop.fileRequests[0].suggested, "某某道路工程.varnel");
    ASSERT_TRUE(desktop.files.contains("/home/user/道路.varnel"));
    EXPECT_FALSE(document().modified);
    EXPECT_EQ(main().title(), "Varnel - 某某道路工程");
    EXPECT_EQ(desktop.recent, std::vector<std::string>{"/home/user/道路.varnel"});
    EXPECT_EQ(main().caption("recent1"), "1 /home/user/道路.varnel");
    EXPECT_TRUE(main().visible("recent1"));
    EXPECT_FALSE(main().visible("norecent"));

    const projects::Quote saved = document().quote;
    const std::string file = desktop.files["/home/user/道路.varnel"];
    click(box::newProject);
    EXPECT_TRUE(desktop.questions.empty()); // nothing unsaved
    EXPECT_TRUE(projectWindow().rows(pw::items).empty());
    EXPECT_EQ(projectWindow().text(pw::name), "");
    EXPECT_EQ(main().title(), "Varnel");

    desktop.fileAnswers.push_back("/home/user/道路.varnel");
    click(box::openProject);
    EXPECT_EQ(document().quote, saved);
    EXPECT_EQ(document().path, "/home/user/道路.varnel");
    EXPECT_FALSE(document().modified);
    EXPECT_EQ(desktop.recent, std::vector<std::string>{"/home/user/道路.varnel"});
    EXPECT_EQ(itemNames().size(), 3u);
    EXPECT_EQ(projectWindow().text(pw::floatPercent), "-5");
    EXPECT_EQ(projectWindow().text(pw::client), "某某市城市建设投资有限公司");

    click(box::saveProject); // saved where it came from, without asking
    EXPECT_EQ(desktop.fileRequests.size(), 2u);
    EXPECT_EQ(desktop.files["/home/user/道路.varnel"], file);
}

TEST_F(Project, AnItemOpensIntoTheMainWindowAsEnteredAndIsUpdatedFromIt) {
    addTheSampleItems();
    for (std::size_t i = 0; i < 3; ++i) {
        ASSERT_FALSE(projectWindow().userActivateRow(pw::items, static_cast<int>(i)));
        const projects::Item& item = document().quote.items[i];
        EXPECT_EQ(projects::canonicalInputs(session::readMainWindow(main())), *item.mainInputs())
            << item.name;
        EXPECT_EQ(main().text(windows::mainwindow::benchmarkFee),
                  engine::resultBoxText(document().figures[i].benchmarkFee()));
        EXPECT_EQ(main().focus(), windows::mainwindow::amount);
    }
    // The landscape is open: change its amount, calculate and update it.
    type(windows::mainwindow::amount, "400");
    click(box::calculate);
    click(box::updateItem);
    EXPECT_EQ(document().quote.items[2].mainInputs()->amount, "400");
    EXPECT_EQ(document().quote.items[2].name, "沿线绿化");
    EXPECT_EQ(projectWindow().rows(pw::items)[2][3], "400.0000");
    EXPECT_TRUE(document().modified);
}

TEST_F(Project, UpdatingNeedsAnItemOpenedFromTheProject) {
    click(box::updateItem);
    EXPECT_EQ(desktop.lastMessage(),
              "没有从项目打开的单项：请先在项目窗口中打开要更新的单项，修改后再点击“更新单项”。");
}

// 新单项 puts the main window back as the program starts it, menus, title and project untouched, and
// forgets the item opened from the project.
TEST_F(Project, ANewItemStartsFromTheWindowAsTheProgramStartsIt) {
    desktop.recent = {"/home/user/道路.varnel"};
    addTheSampleItems();
    ASSERT_FALSE(projectWindow().userActivateRow(pw::items, 0)); // a road, 初步设计 commissioned on its own
    const projects::Quote quote = document().quote;
    click(box::newItem);
    test::ModelDesktop fresh;
    fresh.recent = desktop.recent;
    fresh.session.start();
    const forms::Form& first = fresh.window(windows::main);
    for (const forms::ControlDef& c : main().definition().controls) {
        const forms::ControlState &now = main().state(c.name), &then = first.state(c.name);
        EXPECT_EQ(now.text, then.text) << c.name;
        EXPECT_EQ(now.caption, then.caption) << c.name;
        EXPECT_EQ(now.value, then.value) << c.name;
        EXPECT_EQ(now.enabled, then.enabled) << c.name;
        EXPECT_EQ(now.visible, then.visible) << c.name;
        EXPECT_EQ(now.rows, then.rows) << c.name;
    }
    EXPECT_EQ(main().focus(), box::typeList);
    EXPECT_EQ(main().title(), "Varnel - 未命名项目 *");
    EXPECT_EQ(document().quote, quote);
    click(box::updateItem);
    EXPECT_EQ(desktop.lastMessage(),
              "没有从项目打开的单项：请先在项目窗口中打开要更新的单项，修改后再点击“更新单项”。");
    EXPECT_EQ(document().quote, quote);
}

// Two items of one name could not be told apart: a name another item has is refused with the first free
// "NAME (k)", and the dialog asks again with it; an item keeps its own name without a word.
TEST_F(Project, ANameAnotherItemHasIsRefusedWithOneThatIsFree) {
    addTheSampleItems(); // 主线道路（一标段）, 地下人防, 沿线绿化
    desktop.textAnswers.push_back("地下人防 (2)");
    click(box::addItem);
    const std::string taken = "项目中已有名为“地下人防”的单项，请换一个名称，例如“地下人防 (3)”。";
    struct Case {
        std::string_view command; // additem, or renameItem on the first item
        std::vector<std::string> answers;
        std::vector<std::string> asked;    // what each dialog suggested
        std::vector<std::string> messages; // told in between
        std::string named;                 // the name it ends with, or nothing added or changed
    };
    const std::vector<Case> cases{
        {box::addItem,
         {"地下人防", "地下人防 (3)"},
         {"公路和城市道路工程 1500万元", "地下人防 (3)"},
         {taken},
         "地下人防 (3)"},
        {box::addItem,
         {" 地下人防 "},
         {"公路和城市道路工程 1500万元", "地下人防 (4)"},
         {"项目中已有名为“地下人防”的单项，请换一个名称，例如“地下人防 (4)”。"},
         ""},
        {pw::renameItem,
         {"沿线绿化", "绿化"},
         {"主线道路（一标段）", "沿线绿化 (2)"},
         {"项目中已有名为“沿线绿化”的单项，请换一个名称，例如“沿线绿化 (2)”。"},
         "绿化"},
        {pw::renameItem, {"绿化"}, {"绿化"}, {}, "绿化"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.answers.front());
        if (c.command == box::addItem) {
            ASSERT_FALSE(session::fillMainWindow(main(), *test::sampleQuote().items[0].mainInputs()));
        }
        desktop.messages.clear();
        desktop.textRequests.clear();
        desktop.textAnswers.assign(c.answers.begin(), c.answers.end());
        const std::size_t before = document().quote.items.size();
        if (c.command == box::addItem) {
            click(c.command);
        } else {
            ASSERT_FALSE(projectWindow().userSelectRow(pw::items, 0));
            click(c.command, windows::project);
        }
        std::vector<std::string> asked, messages;
        for (const forms::TextRequest& r : desktop.textRequests)
            asked.push_back(r.suggested);
        for (const forms::Message& m : desktop.messages)
            messages.push_back(m.text);
        EXPECT_EQ(asked, c.asked);
        EXPECT_EQ(messages, c.messages);
        if (c.command == box::addItem) {
            EXPECT_EQ(document().quote.items.size(), before + (c.named.empty() ? 0 : 1));
            if (!c.named.empty()) {
                EXPECT_EQ(itemNames().back(), c.named);
            }
        } else {
            EXPECT_EQ(itemNames()[0], c.named);
        }
    }
}

// 保存项目 and 项目另存为… are at hand in the project window and the industry window as in the main window's
// menu; the buttons 保存项目 carry Ctrl+S.
TEST_F(Project, TheProjectIsSavedFromEachWindow) {
    addTheSampleItems();
    click(box::industryWindow);
    EXPECT_EQ(projectWindow().definition().at(pw::saveProject).shortcut, "Ctrl+S");
    EXPECT_EQ(
        desktop.window(windows::industry).definition().at(windows::industrywindow::saveProject).shortcut,
        "Ctrl+S");
    struct Case {
        std::string_view window;
        std::string_view button;
        const char* answer; // the file dialog's, or none asked
        const char* savedAs;
    };
    const Case cases[] = {
        {windows::project, pw::saveProject, "/home/user/甲", "/home/user/甲.varnel"},
        {windows::industry, windows::industrywindow::saveProject, nullptr, "/home/user/甲.varnel"},
        {windows::industry, windows::industrywindow::saveProjectAs, "/home/user/乙.varnel",
         "/home/user/乙.varnel"},
        {windows::project, pw::saveProjectAs, "/home/user/丙.varnel", "/home/user/丙.varnel"},
        {windows::project, pw::saveProject, nullptr, "/home/user/丙.varnel"},
    };
    int round = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.window) + "." + std::string(c.button));
        const std::string name = "项目 " + std::to_string(++round);
        type(pw::name, name, windows::project);
        ASSERT_TRUE(document().modified);
        desktop.fileRequests.clear();
        if (c.answer)
            desktop.fileAnswers.push_back(c.answer);
        click(c.button, c.window);
        EXPECT_EQ(desktop.fileRequests.size(), c.answer ? 1u : 0u);
        EXPECT_FALSE(document().modified);
        EXPECT_EQ(document().path, c.savedAs);
        EXPECT_NE(desktop.files[c.savedAs].find(name), std::string::npos);
    }
}

// 打印项目计算书…, 项目计算书另存为… and 导出 Excel…: the project's 计算书 printed, or saved as PDF or text,
// and its workbook, under a name made of the project's and as chosen; what fails is told.
TEST_F(Project, TheReportAndTheWorkbookGoWhereTheUserSaysOrSayWhyNot) {
    addTheSampleItems();
    type(pw::name, "道路/一期: 主线", windows::project);
    const projects::ProjectReport report =
        projects::buildProjectReport(document().quote, document().figures, document().totals());
    const std::string text = projects::projectReportText(report);
    const std::string docs = "/home/user/文档/";
    struct Case {
        std::string_view button;
        std::string answer; // none: the dialog is cancelled
        std::size_t filter;
        forms::Printing printing;
        bool paintsPdf;
        std::string written;
        std::string starts; // what the file written starts with
        std::string message;
    };
    const std::string pdf(test::ModelDesktop::pdfMark);
    const Case cases[] = {
        {pw::saveReport, docs + "a", 0, {}, true, docs + "a.pdf", pdf + text, ""},
        {pw::saveReport, docs + "a", 1, {}, true, docs + "a.txt", text, ""},
        {pw::saveReport, docs + "a.Pdf", 1, {}, true, docs + "a.Pdf", pdf + text, ""},
        {pw::saveReport, "", 0, {}, true, "", "", ""},
        {pw::saveReport,
         "/read-only/a.txt",
         1,
         {},
         true,
         "",
         "",
         "项目计算书未能保存为“a."
         "txt”：没有在这个文件夹中写入文件的权限。\n请换一个可以写入的文件夹，然后再保存一"
         "次。"},
        {pw::saveReport,
         docs + "a.pdf",
         0,
         {},
         false,
         "",
         "",
         "项目计算书未能保存为“a.pdf”：无法生成 PDF 文件。"},
        {pw::exportWorkbook, docs + "道路", 0, {}, true, docs + "道路.xlsx", "PK", ""},
        {pw::exportWorkbook, docs + "道路.XLSX", 0, {}, true, docs + "道路.XLSX", "PK", ""},
        {pw::exportWorkbook, docs + "道路.xls", 0, {}, true, docs + "道路.xls.xlsx", "PK", ""},
        {pw::exportWorkbook, "", 0, {}, true, "", "", ""},
        {pw::exportWorkbook,
         "/read-only/道路.xlsx",
         0,
         {},
         true,
         "",
         "",
         "工作簿未能导出为“道路."
         "xlsx”：没有在这个文件夹中写入文件的权限。\n请换一个可以写入的文件夹，然后再导出一"
         "次。"},
        {pw::printReport, "", 0, forms::Printing::Printed, true, "", "", ""},
        {pw::printReport, "", 0, forms::Printing::Cancelled, true, "", "", ""},
        {pw::printReport, "", 0, forms::Printing::NoPrinter, true, "", "",
         "没有可以打印项目计算书的打印机：请先在系统中添加打印机，或把项目计算书另存为 PDF 后打印。"},
        {pw::printReport, "", 0, forms::Printing::Refused, true, "", "",
         "项目计算书未能打印：打印机没有接受这份文件。\n请检查打印机是否已连接并处于就绪状态，然后再打印一次"
         "。"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.button) + " " + c.answer);
        desktop.files.clear();
        desktop.messages.clear();
        desktop.fileRequests.clear();
        desktop.printed.clear();
        if (!c.answer.empty())
            desktop.fileAnswers.push_back(c.answer);
        desktop.chosenFilter = c.filter;
        desktop.printing = c.printing;
        desktop.paintsPdf = c.paintsPdf;
        click(c.button, windows::project);

        if (c.button == pw::printReport) {
            EXPECT_TRUE(desktop.fileRequests.empty());
            EXPECT_EQ(desktop.printed, std::vector<std::string>{text});
        } else {
            ASSERT_EQ(desktop.fileRequests.size(), 1u);
            const forms::FileRequest& asked = desktop.fileRequests[0];
            EXPECT_EQ(asked.purpose, forms::FileRequest::Purpose::Save);
            const bool report = c.button == pw::saveReport;
            EXPECT_EQ(asked.title, report ? "项目计算书另存为" : "导出 Excel");
            EXPECT_EQ(asked.suggested, report ? "道路_一期_ 主线 计算书.pdf" : "道路_一期_ 主线.xlsx");
            EXPECT_EQ(asked.filter, report ? "PDF 文件 (*.pdf);;文本文件 (*.txt)" : "Excel 工作簿 (*.xlsx)");
        }
        if (c.written.empty()) {
            EXPECT_TRUE(desktop.files.empty());
        } else {
            ASSERT_TRUE(desktop.files.contains(c.written));
            EXPECT_EQ(desktop.files.size(), 1u);
            EXPECT_TRUE(desktop.files.at(c.written).starts_with(c.starts));
            EXPECT_EQ(desktop.files.at(c.written).size() == c.starts.size(), c.button == pw::saveReport);
        }
        EXPECT_EQ(desktop.lastMessage(), c.message);
    }
}

TEST_F(Project, TheOpenedItemIsFollowedThroughMovesAndRemovals) {
    addTheSampleItems();
    ASSERT_FALSE(projectWindow().userActivateRow(pw::items, 1)); // 地下人防
    ASSERT_FALSE(projectWindow().userSelectRow(pw::items, 1));
    click(pw::moveUp, windows::project);
    EXPECT_EQ(itemNames(), (std::vector<std::string>{"地下人防", "主线道路（一标段）", "沿线绿化"}));
    EXPECT_EQ(projectWindow().currentRow(pw::items), 0);
    click(pw::moveUp, windows::project); // already first
    ASSERT_FALSE(projectWindow().userSelectRow(pw::items, 1));
    desktop.buttonAnswers.push_back("删除");
    click(pw::removeItem, windows::project);
    EXPECT_EQ(desktop.questions.back().message.text, "从项目中删除单项“主线道路（一标段）”吗？");
    EXPECT_EQ(itemNames(), (std::vector<std::string>{"地下人防", "沿线绿化"}));
    EXPECT_EQ(column(8)[1], "39.3237"); // the figures followed
    EXPECT_EQ(document().figures[1].feeBase(), 300);

    type(windows::mainwindow::amount, "3000");
    click(box::calculate);
    click(box::updateItem);
    EXPECT_EQ(document().quote.items[0].mainInputs()->amount, "3000"); // still 地下人防
    EXPECT_EQ(document().quote.items[1].mainInputs()->amount, "300");
}

TEST_F(Project, RemovingAsksAndRenamingTakesANewName) {
    addTheSampleItems();
    ASSERT_FALSE(projectWindow().userSelectRow(pw::items, 0));
    click(pw::removeItem, windows::project); // the default button keeps it
    EXPECT_EQ(desktop.questions.back().buttons, (std::vector<std::string>{"删除", "取消"}));
    EXPECT_EQ(itemNames().size(), 3u);

    desktop.textAnswers.push_back(" 主线道路 ");
    click(pw::renameItem, windows::project);
    EXPECT_EQ(desktop.textRequests.back().suggested, "主线道路（一标段）");
    EXPECT_EQ(itemNames()[0], "主线道路");
    ASSERT_FALSE(projectWindow().userSelectRow(pw::items, 2));
    click(pw::moveDown, windows::project); // already last
    EXPECT_EQ(itemNames()[2], "沿线绿化");
}

TEST_F(Project, TheFloatIsWithinTwentyPercentOrTwentyFiveWithNewTechnology) {
    addTheSampleItems();
    commit(pw::floatPercent, "10");
    EXPECT_EQ(document().quote.floatPercent, 10);
    EXPECT_EQ(projectWindow().text(pw::contract), "146.6735"); // 146.67345, away from zero
    EXPECT_EQ(projectWindow().caption(pw::floatNote), "合同额 = 合计 × (1 + 浮动幅度值)；浮动幅度值可在 -20% "
                                                      "到 +20% 之间（《工程勘察设计收费管理规定》第六条）");
    EXPECT_TRUE(desktop.messages.empty());

    struct Case {
        bool newTechnology;
        const char* typed;
        const char* refusal; // empty where the float is taken
    };
    const std::string without =
        "浮动幅度值应为 -20 到 20 之间的数（单位为 %；《工程勘察设计收费管理规定》第六条），“";
    const std::string with =
        "浮动幅度值应为 -20 到 25 之间的数（单位为 %；《工程勘察设计收费管理规定》第七条（采用新技术）），“";
    for (const Case& c :
         {Case{false, "20.01", "20.01"}, Case{false, "25", "25"}, Case{false, "abc", "abc"},
          Case{false, "", ""}, Case{false, "-20.01", "-20.01"}, Case{true, "25.01", "25.01"},
          Case{true, "-20.01", "-20.01"}, Case{true, "25", nullptr}, Case{true, "20.01", nullptr}}) {
        if (projectWindow().ticked(pw::newTechnology) != c.newTechnology) {
            ASSERT_FALSE(projectWindow().userClick(pw::newTechnology));
        }
        const double kept = document().quote.floatPercent;
        desktop.messages.clear();
        commit(pw::floatPercent, c.typed);
        if (!c.refusal) {
            EXPECT_TRUE(desktop.messages.empty()) << c.typed;
            EXPECT_EQ(engine::joinedText(document().quote.floatPercent), c.typed);
            continue;
        }
        EXPECT_EQ(desktop.lastMessage(), (c.newTechnology ? with : without) + c.refusal +
                                             "”不是。浮动幅度值仍为 " + engine::joinedText(kept) + "%。");
        EXPECT_EQ(projectWindow().text(pw::floatPercent), engine::joinedText(kept));
        EXPECT_EQ(projectWindow().focus(), pw::floatPercent);
        EXPECT_EQ(document().quote.floatPercent, kept);
    }
    // With new technology the range and the clause are 第七条's.
    EXPECT_TRUE(document().quote.newTechnology);
    EXPECT_EQ(projectWindow().caption(pw::floatRange), "%（-20～+25）");
    EXPECT_EQ(projectWindow().caption(pw::floatNote),
              "合同额 = 合计 × (1 + 浮动幅度值)；浮动幅度值可在 -20% 到 "
              "+25% 之间（《工程勘察设计收费管理规定》第七条（采用新技术））");
    // A float above +20 % keeps new technology ticked.
    desktop.messages.clear();
    ASSERT_FALSE(projectWindow().userClick(pw::newTechnology));
    EXPECT_EQ(desktop.lastMessage(),
              "浮动幅度值为 20.01%，不采用新技术时最多为 +20%（《工程勘察设计收费管理规定》"
              "第六条）：请先把浮动幅度值改到 20 以内，再取消“采用新技术”。");
    EXPECT_TRUE(projectWindow().ticked(pw::newTechnology));
    EXPECT_TRUE(document().quote.newTechnology);
    commit(pw::floatPercent, "20");
    ASSERT_FALSE(projectWindow().userClick(pw::newTechnology));
    EXPECT_FALSE(document().quote.newTechnology);
    EXPECT_EQ(projectWindow().caption(pw::floatRange), "%（-20～+20）");
}

TEST_F(Project, ATypedContractAmountShowsTheFloatItImpliesFromTheStatedFigures) {
    addTheSampleItems();
    const std::string total = projectWindow().text(pw::total);
    const double stated = std::stod(total);
    commit(pw::contractAmount, engine::joinedText(stated * 1.1));
    EXPECT_EQ(projectWindow().caption(pw::floatNote), "合同额相当于浮动 +10.00%");
    EXPECT_FALSE(projectWindow().enabled(pw::floatPercent));
    commit(pw::contractAmount, engine::joinedText(stated * 1.25));
    EXPECT_EQ(projectWindow().caption(pw::floatNote),
              "合同额相当于浮动 +25.00%，超出了《工程勘察设计收费管理规定》第六条允许的 -20% 到 +20% 的范围");
    ASSERT_FALSE(projectWindow().userClick(pw::newTechnology));
    EXPECT_EQ(projectWindow().caption(pw::floatNote), "合同额相当于浮动 +25.00%");
    ASSERT_FALSE(projectWindow().userClick(pw::newTechnology));

    commit(pw::contractAmount, "");
    EXPECT_FALSE(document().quote.contractAmount);
    EXPECT_TRUE(projectWindow().enabled(pw::floatPercent));
    EXPECT_EQ(projectWindow().text(pw::contract), total);
}

// Whatever the project, the window's figures foot: each column of the table adds up to its total row, the
// total box is the charged fees' sum, the contract box follows from it, and the VAT split adds up; each
// figure is the quote's, as the 计算书, the workbook and varnel-calc state it.
TEST_F(Project, TheWindowsFiguresAddUpForRandomProjects) {
    std::mt19937 random(testing::UnitTest::GetInstance()->random_seed() + 7u);
    const auto read = [](const std::string& text) {
        const std::optional<projects::Decimal> d = projects::Decimal::parse(text);
        EXPECT_TRUE(d) << text;
        return d.value_or(projects::Decimal());
    };
    for (int run = 0; run < 40; ++run) {
        const projects::Quote quote = test::randomQuote(random);
        desktop.files["/home/user/随机.varnel"] = projects::writeProjectFile(quote);
        desktop.fileAnswers.push_back("/home/user/随机.varnel");
        desktop.buttonAnswers.push_back("不保存");
        click(box::openProject);
        ASSERT_EQ(document().quote.items.size(), quote.items.size()) << desktop.lastMessage();
        const std::vector<forms::Row>& rows = projectWindow().rows(pw::items);
        const forms::Row& footer = projectWindow().state(pw::items).footer;
        const projects::Totals totals = document().totals();
        for (std::size_t column : {4u, 5u, 6u, 8u}) {
            projects::Decimal sum;
            for (std::size_t i = 0; i < rows.size(); ++i) {
                const projects::QuotedItem& q = totals.items[i];
                const projects::Decimal stated[] = {
                    {}, {}, {}, {}, q.basicFee, q.otherFee, q.benchmarkFee, {}, q.chargedFee};
                EXPECT_EQ(rows[i][column], projects::amountText(stated[column]));
                sum = sum + read(rows[i][column]);
            }
            EXPECT_EQ(projects::amountText(sum), footer[column]) << column;
        }
        EXPECT_EQ(projectWindow().text(pw::total), footer[8]);
        const projects::Decimal total = read(footer[8]);
        const projects::Decimal contract = read(projectWindow().text(pw::contract));
        if (!quote.contractAmount) {
            // total × (1 + float ÷ 100), stated to the 元: within half a 元 of the exact product.
            const projects::Decimal exact =
                total * (projects::Decimal::whole(100) + *projects::Decimal::of(quote.floatPercent));
            const projects::Decimal gap = contract * projects::Decimal::whole(100) - exact;
            EXPECT_LE(gap < projects::Decimal() ? -gap : gap, *projects::Decimal::parse("0.005")) << run;
        }
        // 不含税金额 … 万元 + 税额 … 万元 = 含税金额 … 万元
        const std::string note = projectWindow().caption(pw::taxNote);
        std::vector<std::string> amounts;
        const std::regex amount(R"(([0-9]+\.[0-9]{4}) 万元)");
        for (auto m = std::sregex_iterator(note.begin(), note.end(), amount); m != std::sregex_iterator();
             ++m)
            amounts.push_back((*m)[1]);
        ASSERT_EQ(amounts.size(), 3u) << note;
        EXPECT_EQ(read(amounts[0]) + read(amounts[1]), read(amounts[2])) << note;
        EXPECT_EQ(amounts[quote.taxIncluded ? 2 : 0], projectWindow().text(pw::contract)) << note;
    }
}

TEST_F(Project, TheVatRateAndWhetherTheContractIncludesItSplitTheContractAmount) {
    addTheSampleItems();
    commit(pw::contractAmount, "106");
    EXPECT_EQ(projectWindow().text(pw::taxRate), "6");
    EXPECT_TRUE(projectWindow().ticked(pw::taxIncluded));
    EXPECT_EQ(
        projectWindow().caption(pw::taxNote),
        "合同额含增值税（税率 6%）：不含税金额 100.0000 万元 + 税额 6.0000 万元 = 含税金额 106.0000 万元");
    ASSERT_FALSE(projectWindow().userClick(pw::taxIncluded));
    EXPECT_FALSE(document().quote.taxIncluded);
    EXPECT_EQ(
        projectWindow().caption(pw::taxNote),
        "合同额不含增值税（税率 6%）：不含税金额 106.0000 万元 + 税额 6.3600 万元 = 含税金额 112.3600 万元");
    commit(pw::taxRate, "3");
    EXPECT_EQ(document().quote.taxRate, 3);
    EXPECT_EQ(
        projectWindow().caption(pw::taxNote),
        "合同额不含增值税（税率 3%）：不含税金额 106.0000 万元 + 税额 3.1800 万元 = 含税金额 109.1800 万元");
    for (const char* wrong : {"20.5", "-1", "6%", ""}) {
        commit(pw::taxRate, wrong);
        EXPECT_EQ(desktop.lastMessage(),
                  std::string(
                      "增值税税率应为 0 到 20 之间的数（单位为 %；一般纳税人的设计服务为 6，小规模纳税人为 3 "
                      "或 1），“") +
                      wrong + "”不是。增值税税率仍为 3%。");
        EXPECT_EQ(projectWindow().text(pw::taxRate), "3");
        EXPECT_EQ(document().quote.taxRate, 3);
    }
    commit(pw::taxRate, "20");
    EXPECT_EQ(document().quote.taxRate, 20);
    commit(pw::taxRate, "0");
    EXPECT_EQ(document().quote.taxRate, 0);
}

// A contract amount that is not above zero and at most the ceiling is refused, and the box shows again the
// amount in force, or nothing while the float is.
TEST_F(Project, AContractAmountIsAboveZeroAndAtMostTheCeiling) {
    addTheSampleItems();
    const std::string huge = "17" + std::string(307, '0'); // 1.7e308 as a plain decimal
    for (const std::optional<double> kept : {std::optional<double>(250), std::optional<double>()}) {
        commit(pw::contractAmount, kept ? "250" : "");
        for (const std::string& wrong :
             {std::string("-3"), std::string("0"), std::string("100000000.01"), huge}) {
            desktop.messages.clear();
            commit(pw::contractAmount, wrong);
            EXPECT_EQ(desktop.lastMessage(),
                      "合同额应为大于零、不超过 100000000 的数（单位为万元），“" + wrong + "”不是。" +
                          (kept ? "合同额仍为 250 万元。" : "合同额仍按浮动幅度值计算。"));
            EXPECT_EQ(projectWindow().text(pw::contractAmount), kept ? "250" : "");
            EXPECT_EQ(projectWindow().focus(), pw::contractAmount);
            EXPECT_EQ(document().quote.contractAmount, kept);
        }
    }
    desktop.messages.clear();
    commit(pw::contractAmount, "100000000");
    EXPECT_TRUE(desktop.messages.empty());
    EXPECT_EQ(document().quote.contractAmount, 1e8);
    EXPECT_EQ(projectWindow().text(pw::contract), "100000000.0000");
}

// The amount in force written otherwise, or the float's own amount cleared again, changes nothing, and the
// boxes show the project as it stands.
TEST_F(Project, AContractAmountWrittenOtherwiseShowsAsKept) {
    addTheSampleItems();
    for (const auto& [first, again, shown] :
         {std::tuple{"250", " 250.00 ", "250"}, std::tuple{"", " ", ""}}) {
        commit(pw::contractAmount, first);
        commit(pw::contractAmount, again);
        EXPECT_EQ(projectWindow().text(pw::contractAmount), shown) << again;
    }
}

TEST_F(Project, UnsavedChangesAreAskedAboutBeforeTheyAreLost) {
    addTheSampleItems();
    for (std::string_view command : {box::newProject, box::openProject, box::exit}) {
        desktop.buttonAnswers.push_back("取消");
        click(command);
        EXPECT_EQ(desktop.questions.back().message.text, "项目“未命名项目”已经修改，要保存吗？");
        EXPECT_EQ(desktop.questions.back().buttons, (std::vector<std::string>{"保存", "不保存", "取消"}));
        EXPECT_EQ(document().quote.items.size(), 3u);
        EXPECT_TRUE(desktop.fileRequests.empty());
        EXPECT_FALSE(desktop.ended);
    }
    EXPECT_FALSE(desktop.session.mayEnd() && false); // asked again, answered with the default: 保存
    ASSERT_EQ(desktop.fileRequests.size(), 1u);      // which asks where, and was cancelled
    EXPECT_TRUE(document().modified);

    desktop.buttonAnswers.push_back("不保存");
    click(box::newProject);
    EXPECT_TRUE(document().quote.items.empty());
    EXPECT_FALSE(document().modified);
}

TEST_F(Project, SavingBeforeExitEndsTheProgramOnlyOnceSaved) {
    addTheSampleItems();
    desktop.fileAnswers.push_back("/read-only/道路.varnel");
    click(box::exit); // 保存, into a folder that cannot be written
    EXPECT_FALSE(desktop.ended);
    EXPECT_EQ(desktop.lastMessage(), "项目未能保存为“道路.varnel”：没有在这个文件夹中写入文件的权限。\n"
                                     "请换一个可以写入的文件夹，然后再保存一次。\n项目仍未保存。");
    EXPECT_TRUE(document().modified);
    EXPECT_TRUE(document().path.empty());

    desktop.fileAnswers.push_back("/home/user/道路.varnel");
    click(box::exit);
    EXPECT_TRUE(desktop.ended);
    EXPECT_TRUE(desktop.files.contains("/home/user/道路.varnel"));
}

TEST_F(Project, AFileThatIsNoProjectIsRefusedAndChangesNothing) {
    addTheSampleItems();
    const projects::Quote before = document().quote;
    desktop.files["/home/user/notes.varnel"] = "{\"name\": \"x\"}";
    desktop.files["/home/user/huge.varnel"] = std::string(17 * 1024 * 1024, ' ');
    struct Case {
        const char* path;
        const char* message;
    };
    for (const Case c :
         {Case{"/home/user/notes.varnel",
               "无法打开“notes.varnel”：这不是 Varnel 的项目文件。当前的项目没有改变。"},
          Case{
              "/home/user/huge.varnel",
              "无法打开“huge.varnel”：文件有 17,825,792 字节，超过了项目文件 16 MB（16,777,216 字节）的上限。"
              "当前的项目没有改变。"},
          Case{"/home/user/gone.varnel", "无法打开“gone.varnel”：文件不存在。当前的项目没有改变。"}}) {
        desktop.buttonAnswers.push_back("不保存");
        desktop.fileAnswers.push_back(c.path);
        click(box::openProject);
        EXPECT_EQ(desktop.lastMessage(), c.message);
        EXPECT_EQ(document().quote, before);
        EXPECT_TRUE(document().modified);
    }
}

// A file an earlier version saved, whose typed numbers that version read only in part, opens with a note
// naming each item whose figures change: nothing is re-priced without the user knowing.
TEST_F(Project, AnAmountReadOtherwiseThanBeforeIsNamedOnOpening) {
    struct Case {
        const char* amount;
        const char* note; // none: opened without a word
    };
    for (const Case& c :
         {Case{"1,500", "第 1 个单项“主线道路（一标段）”中输入的“1,500”以前读作 1，现在读作 1500"},
          Case{"1500", nullptr}, Case{"&H5DC", nullptr}, Case{"2 000", nullptr}}) {
        projects::Quote quote = test::sampleQuote();
        quote.items[0].mainInputs()->amount = c.amount;
        // As this version writes it, and as an earlier one did, without saying its numbers are read whole.
        const std::string saved = projects::writeProjectFile(quote);
        const std::string marker = "  \"numbersReadWhole\": true,\n";
        EXPECT_EQ(saved.find(marker) != std::string::npos, c.note != nullptr);
        desktop.files["/home/user/new.varnel"] = saved;
        desktop.fileAnswers.push_back("/home/user/new.varnel");
        desktop.messages.clear();
        click(box::openProject);
        EXPECT_TRUE(desktop.messages.empty()) << desktop.lastMessage();
        std::string earlier = saved;
        if (const std::size_t at = earlier.find(marker); at != std::string::npos)
            earlier.erase(at, marker.size());
        desktop.files["/home/user/old.varnel"] = earlier;
        desktop.messages.clear();
        desktop.fileAnswers.push_back("/home/user/old.varnel");
        click(box::openProject);
        ASSERT_EQ(document().quote.items.size(), quote.items.size()) << desktop.lastMessage();
        EXPECT_EQ(document().quote.items[0].mainInputs()->amount, c.amount); // kept as typed
        if (c.note) {
            ASSERT_EQ(desktop.messages.size(), 1u) << c.amount;
            EXPECT_EQ(desktop.messages[0].icon, forms::MessageIcon::Exclamation);
            EXPECT_TRUE(desktop.lastMessage().starts_with("“old.varnel”是以前的版本保存的。"));
            EXPECT_TRUE(desktop.lastMessage().ends_with(std::string("\n") + c.note)) << desktop.lastMessage();
        } else {
            EXPECT_TRUE(desktop.messages.empty()) << c.amount << ": " << desktop.lastMessage();
        }
        EXPECT_FALSE(document().modified);
    }
}

TEST_F(Project, AFileWhoseItemTheMainWindowCannotHoldIsRefusedNamingTheCondition) {
    using enum engine::Condition;
    struct Case {
        std::optional<engine::Grade> grade; // of the sample's road, Ⅱ级 where none
        std::vector<engine::Condition> conditions;
        const char* why;
    };
    const Case cases[] = {
        // 高速公路、一级公路工程 is offered with grade Ⅲ roads only.
        {{},
         {Renovation, Expressway},
         "附加调整条件“高速公路、一级公路工程”不是这个工程类型和复杂程度可以选择的"},
        {engine::Grade::III,
         {Renovation, UrbanRoadUnderPipes, Expressway},
         "附加调整条件“城市道路通过地下管网密集区的工程”和“高速公路、一级公路工程”不能同时选择"},
    };
    for (const Case& c : cases) {
        projects::Quote quote = test::sampleQuote();
        engine::Project& road = *quote.items[0].mainInputs();
        if (c.grade)
            road.grade = c.grade;
        road.conditions = {};
        for (const engine::Condition condition : c.conditions)
            road.conditions.insert(condition);
        desktop.files["/home/user/edited.varnel"] = projects::writeProjectFile(quote);
        desktop.fileAnswers.push_back("/home/user/edited.varnel");
        click(box::openProject);
        EXPECT_EQ(desktop.lastMessage(),
                  "无法打开“edited.varnel”：第 1 个单项：" + std::string(c.why) + "。当前的项目没有改变。");
        EXPECT_TRUE(document().quote.items.empty());
    }
}

TEST_F(Project, ARecentProjectThatIsGoneLeavesTheList) {
    desktop.recent = {"/home/user/gone.varnel", "/home/user/道路.varnel"};
    desktop.files["/home/user/道路.varnel"] = projects::writeProjectFile(test::sampleQuote());
    desktop.close(windows::main);
    desktop.showWindow(windows::main);
    EXPECT_EQ(main().caption("recent2"), "2 /home/user/道路.varnel");
    click("recent1");
    EXPECT_EQ(desktop.recent, std::vector<std::string>{"/home/user/道路.varnel"});
    EXPECT_FALSE(main().visible("recent2"));
    click("recent1");
    EXPECT_EQ(document().quote.name, "某某道路工程");
    EXPECT_EQ(main().title(), "Varnel - 某某道路工程");
}

TEST_F(Project, TheCommandLineOpensAProject) {
    test::ModelDesktop second;
    second.files["/home/user/道路.varnel"] = projects::writeProjectFile(test::sampleQuote());
    second.session.start("/home/user/道路.varnel");
    EXPECT_EQ(second.session.project().quote.items.size(), 3u);
    EXPECT_EQ(second.recent, std::vector<std::string>{"/home/user/道路.varnel"}); // opened: a recent project
    EXPECT_EQ(second.opened,
              (std::vector<std::string>{std::string(windows::main), std::string(windows::project)}));
}

TEST_F(Project, TheProjectWindowOpensFromTheMenuAndKeepsTheFieldsTyped) {
    click(box::projectWindow);
    EXPECT_FALSE(projectWindow().enabled(pw::openItem));
    EXPECT_FALSE(projectWindow().enabled(pw::exportWorkbook));
    type(pw::designer, "某某市政设计研究院", windows::project);
    EXPECT_TRUE(document().modified); // each field alone is a change
    type(pw::date, "2026-12-10", windows::project);
    EXPECT_EQ(document().quote.designer, "某某市政设计研究院");
    EXPECT_EQ(document().quote.date, "2026-12-10");
    EXPECT_TRUE(document().modified);
    EXPECT_EQ(projectWindow().title(), "项目 - 未命名项目 *");
    type(pw::name, "滨江路", windows::project);
    EXPECT_EQ(main().title(), "Varnel - 滨江路 *");
}

// What breaks a line never gets into a name or a field, whichever way it is typed or pasted; every other
// character is kept as typed.
TEST_F(Project, NamesAndFieldsAreOneLine) {
    addCalculation(*test::sampleQuote().items[1].mainInputs(), "地下人防");
    struct Case {
        std::string typed;
        std::string kept;
    };
    const std::string nul(1, '\0');
    for (const Case& c : std::vector<Case>{
             {"主线\n道路", "主线 道路"},
             {"主线\t道路", "主线 道路"},
             {"主线\r\n道路", "主线  道路"},
             {"主线" + nul + "道路", "主线 道路"},
             {"主线\u0085道路", "主线 道路"},
             {"主线\u2028道路", "主线 道路"},
             {"主线\x7F道路", "主线 道路"},
             {"🏗️ 立交桥", "🏗️ 立交桥"},
             {"\"一标段\" 和 \\二标段\\", "\"一标段\" 和 \\二标段\\"},
             {"\u200F桥 \u05D2\u05E9\u05E8", "\u200F桥 \u05D2\u05E9\u05E8"},
             {"ＡＢＣ１２３　全角", "ＡＢＣ１２３　全角"},
         }) {
        desktop.textAnswers.push_back("新" + c.typed);
        click(box::addItem);
        ASSERT_EQ(document().quote.items.size(), 2u) << c.typed;
        EXPECT_EQ(document().quote.items[1].name, "新" + c.kept) << "added as " << c.typed;
        EXPECT_EQ(itemNames()[1], "新" + c.kept);
        desktop.buttonAnswers.push_back("删除"); // two items of one name are refused
        ASSERT_FALSE(projectWindow().userSelectRow(pw::items, 1));
        click(pw::removeItem, windows::project);

        ASSERT_FALSE(projectWindow().userSelectRow(pw::items, 0));
        desktop.textAnswers.push_back(c.typed);
        click(pw::renameItem, windows::project);
        EXPECT_EQ(document().quote.items[0].name, c.kept) << "renamed as " << c.typed;

        for (std::string_view field : {pw::name, pw::client, pw::designer, pw::date}) {
            type(field, c.typed, windows::project);
            EXPECT_EQ(projectWindow().text(field), c.kept) << field << " typed as " << c.typed;
        }
        const projects::Quote& q = document().quote;
        EXPECT_EQ((std::vector<std::string>{q.name, q.client, q.designer, q.date}),
                  std::vector<std::string>(4, c.kept))
            << c.typed;
        EXPECT_TRUE(desktop.messages.empty()) << desktop.lastMessage();
    }
}

// A name as long as a name may be: 200 characters, counted as characters whatever their bytes.
std::string longestName(std::string_view character = "桥") {
    std::string name;
    for (std::size_t i = 0; i < 200; ++i)
        name += character;
    return name;
}

TEST_F(Project, ANameHasAtMostTwoHundredCharactersAndAFieldIsCutToThem) {
    addCalculation(*test::sampleQuote().items[1].mainInputs(), " " + longestName() + " ");
    desktop.textAnswers.push_back(longestName("🏗"));
    click(box::addItem);
    EXPECT_EQ(itemNames(), (std::vector<std::string>{longestName(), longestName("🏗")}));
    EXPECT_TRUE(desktop.messages.empty()) << desktop.lastMessage();

    desktop.textAnswers.push_back(longestName() + "a");
    click(box::addItem);
    EXPECT_EQ(desktop.lastMessage(), "单项名称最多 200 个字，这个名称有 201 个字，这次计算没有加入项目。");
    EXPECT_EQ(document().quote.items.size(), 2u);

    ASSERT_FALSE(projectWindow().userSelectRow(pw::items, 0));
    desktop.textAnswers.push_back("路" + longestName("🏗"));
    click(pw::renameItem, windows::project);
    EXPECT_EQ(desktop.lastMessage(), "单项名称最多 200 个字，这个名称有 201 个字，单项的名称没有改变。");
    EXPECT_EQ(document().quote.items[0].name, longestName());

    struct Field {
        std::string_view box;
        std::string caption;
        const std::string projects::Quote::*stored;
    };
    for (const Field& f : {Field{pw::name, "项目名称", &projects::Quote::name},
                           Field{pw::client, "发包人", &projects::Quote::client},
                           Field{pw::designer, "设计人", &projects::Quote::designer},
                           Field{pw::date, "编制日期", &projects::Quote::date}}) {
        desktop.messages.clear();
        type(f.box, longestName("路") + std::string(50, 'x'), windows::project);
        EXPECT_EQ(document().quote.*f.stored, longestName("路")) << f.caption;
        EXPECT_EQ(projectWindow().text(f.box), longestName("路")) << f.caption;
        ASSERT_EQ(desktop.messages.size(), 1u) << f.caption;
        EXPECT_EQ(desktop.messages[0].text,
                  f.caption + "最多 200 个字，输入的有 250 个字，只保留了前 200 个字。");
        EXPECT_EQ(desktop.messages[0].icon, forms::MessageIcon::Exclamation);
        type(f.box, longestName("路"), windows::project); // the longest allowed is kept without a word
        EXPECT_EQ(desktop.messages.size(), 1u) << f.caption;
    }
}

TEST_F(Project, NamesOfEverySortMakeTheSameFileSavedOpenedAndSavedAgain) {
    const std::vector<std::string> names{"🏗️ 立交桥", "\"一标段\" \\ 二标段 \\",
                                         "\u200F桥 \u05D2\u05E9\u05E8", longestName(), "ＡＢＣ１２３　全角"};
    for (std::size_t i = 0; i < names.size(); ++i)
        addCalculation(*test::sampleQuote().items[i % 3].mainInputs(), names[i]);
    type(pw::name, names[0], windows::project);
    type(pw::client, names[1], windows::project);
    type(pw::designer, names[2], windows::project);
    type(pw::date, names[3], windows::project);
    desktop.fileAnswers.push_back("/home/user/名称.varnel");
    click(box::saveProject);
    ASSERT_TRUE(desktop.files.contains("/home/user/名称.varnel"));
    const projects::Quote saved = document().quote;
    const std::string file = desktop.files["/home/user/名称.varnel"];

    click(box::newProject);
    desktop.fileAnswers.push_back("/home/user/名称.varnel");
    click(box::openProject);
    EXPECT_EQ(document().quote, saved);
    EXPECT_EQ(itemNames(), names);
    EXPECT_EQ(projectWindow().text(pw::date), longestName());
    click(box::saveProject);
    EXPECT_EQ(desktop.files["/home/user/名称.varnel"], file);
    EXPECT_TRUE(desktop.messages.empty()) << desktop.lastMessage();
}

// A project written without blanks between its members (by hand, or by another program), with names longer
// than a name may now be typed, opens; written as Varnel writes it, one member a line, it would outgrow
// what a project file may hold, and so it is not written.
TEST_F(Project, AProjectTooLargeToOpenAgainIsNotSaved) {
    const auto compact = [](const std::string& written) {
        std::string bytes;
        for (std::size_t i = 0; i < written.size(); ++i) {
            if (written[i] != '\n') {
                bytes += written[i];
                continue;
            }
            while (i + 1 < written.size() && written[i + 1] == ' ')
                ++i;
        }
        return bytes;
    };
    projects::Quote quote = test::sampleQuote();
    const std::vector<projects::Item> sample = quote.items;
    quote.items.clear();
    for (std::size_t i = 0; i < projects::maxItems; ++i)
        quote.items.push_back(sample[i % sample.size()]);
    const std::size_t unnamed = compact(projects::writeProjectFile(quote)).size();
    const std::size_t nameLength = (projects::maxFileBytes - unnamed) / projects::maxItems;
    for (projects::Item& item : quote.items)
        item.name = std::string(nameLength, 'x');
    const std::string written = projects::writeProjectFile(quote);
    const std::string file = compact(written);
    ASSERT_LE(file.size(), projects::maxFileBytes);
    ASSERT_GT(written.size(), projects::maxFileBytes);

    desktop.files["/home/user/大项目.varnel"] = file;
    desktop.fileAnswers.push_back("/home/user/大项目.varnel");
    click(box::openProject);
    ASSERT_EQ(document().quote.items.size(), projects::maxItems) << desktop.lastMessage();
    type(pw::name, "大项目", windows::project);

    // The size as the message writes it, with its thousands marked.
    std::string size = std::to_string(projects::writeProjectFile(document().quote).size());
    for (std::size_t at = size.size(); at > 3; at -= 3)
        size.insert(at - 3, ",");
    for (const char* path : {"", "/home/user/另存.varnel"}) {
        desktop.messages.clear();
        if (*path) {
            desktop.fileAnswers.push_back(path);
            click(box::saveProjectAs);
        } else {
            click(box::saveProject);
        }
        const std::string name = *path ? "另存.varnel" : "大项目.varnel";
        ASSERT_EQ(desktop.messages.size(), 1u) << path;
        EXPECT_EQ(desktop.messages[0].text,
                  "项目未能保存为“" + name + "”：项目太大，保存成文件会有 " + size +
                      " 字节，超过了项目文件 16 MB（16,777,216 字节）的上限，这样的文件无法再打开。\n"
                      "请删去一些单项，或把单项的名称改短，然后再保存一次。\n项目仍未保存。");
        EXPECT_EQ(desktop.messages[0].icon, forms::MessageIcon::Exclamation);
        EXPECT_EQ(desktop.files["/home/user/大项目.varnel"], file);
        EXPECT_FALSE(desktop.files.contains("/home/user/另存.varnel"));
        EXPECT_TRUE(document().modified);
        EXPECT_EQ(document().path, "/home/user/大项目.varnel");
    }
}

// Whatever a user enters and calculates, the canonical inputs entered into a fresh main window give the
// same inputs and the same figures: an item opens back into the main window exactly.
TEST(MainWindowFill, EveryCompleteCalculationOfRandomSessionsFillsBackExactly) {
    const unsigned seed = testing::UnitTest::GetInstance()->random_seed() + 19u;
    std::mt19937 random(seed);
    forms::Form w(windows::mainWindowDefinition());
    rules::installMainWindowRules(w);
    forms::Form fresh(windows::mainWindowDefinition());
    rules::installMainWindowRules(fresh);

    std::vector<std::string> clickable, typable;
    for (const forms::ControlDef& c : w.definition().controls) {
        if (c.kind == forms::ControlKind::CheckBox || c.kind == forms::ControlKind::OptionButton)
            clickable.push_back(c.name);
        if (c.kind == forms::ControlKind::TextBox && !c.readOnly)
            typable.push_back(c.name);
    }
    for (std::string_view grade : {box::gradeIDescription, box::gradeIIDescription, box::gradeIIIDescription})
        clickable.emplace_back(grade);
    const auto& types = w.definition().at(std::string(box::typeList)).items;
    const std::vector<std::string> texts{"1.2", "1.35", "1500", "0.15", "3", "0.3", "1.5", "300"};

    int complete = 0;
    for (int step = 0; step < 20000; ++step) {
        const unsigned what = random() % 10;
        if (what == 0) {
            w.userChoose(box::typeList, types[random() % types.size()]);
        } else if (what < 4) {
            const std::string& b = typable[random() % typable.size()];
            if (w.unreachable(b).empty())
                w.userType(b, texts[random() % texts.size()]);
        } else {
            const std::string& c = clickable[random() % clickable.size()];
            if (w.unreachable(c).empty())
                w.userClick(c);
        }
        const engine::Project entered = session::readMainWindow(w);
        engine::Variables variables;
        const engine::Outcome outcome = engine::calculate(entered, variables);
        if (!outcome.complete())
            continue;
        ++complete;
        const engine::Project canonical = projects::canonicalInputs(entered);
        const forms::Refusal refused = session::fillMainWindow(fresh, canonical);
        ASSERT_FALSE(refused) << refused.reason << " at step " << step << ", seed " << seed;
        engine::Variables again;
        const engine::Outcome refilled = engine::calculate(session::readMainWindow(fresh), again);
        ASSERT_EQ(refilled.benchmarkFee, outcome.benchmarkFee) << "step " << step << ", seed " << seed;
        ASSERT_EQ(refilled.phase.has_value(), outcome.phase.has_value()) << "step " << step;
        if (outcome.phase) {
            ASSERT_EQ(refilled.phase->share, outcome.phase->share) << "step " << step;
        }
    }
    EXPECT_GT(complete, 1000);
}

} // namespace
