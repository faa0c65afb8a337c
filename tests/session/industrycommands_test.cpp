// The industry window through the session, driven as a user drives it: the lists the kind and grade offer,
// the conditions and their coefficients, a phase commissioned on its own, 计算 with its results and its
// stops, 计算书, and a project entered back into the window.
#include "session/session.h"

#include "engine/numbers.h"
#include "projects/money.h"
#include "session/industrywindowread.h"
#include "support/modeldesktop.h"
#include "windows/industrywindow.h"
#include "windows/mainwindow.h"
#include "windows/projectwindow.h"
#include "windows/secondarywindows.h"
#include "windows/windows.h"

#include <gtest/gtest.h>

#include <random>

using namespace varnel;
using namespace varnel::engine::industry;
namespace iw = windows::industrywindow;

namespace {

class IndustryWindow : public ::testing::Test {
  protected:
    IndustryWindow() {
        desktop.session.start();
        EXPECT_FALSE(desktop.window(windows::main).userClick(windows::mainwindow::industryWindow));
    }

    forms::Form& w() { return desktop.window(windows::industry); }
    void choose(std::string_view list, std::string_view item) {
        ASSERT_FALSE(w().userChoose(list, item)) << list << " " << item;
    }
    void click(std::string_view control) { ASSERT_FALSE(w().userClick(control)) << control; }
    void type(std::string_view control, std::string text) {
        ASSERT_FALSE(w().userType(control, std::move(text))) << control;
    }
    // The captions of the condition boxes shown.
    std::vector<std::string> offered() {
        std::vector<std::string> captions;
        for (std::size_t slot = 0; slot < iw::conditionSlots; ++slot)
            if (w().visible(iw::condition(slot)))
                captions.push_back(w().caption(iw::condition(slot)));
        return captions;
    }
    std::vector<std::string> listed(std::string_view list) {
        std::vector<std::string> texts;
        for (const forms::Row& row : w().state(list).rows)
            texts.push_back(row[0].empty() ? "— " + row[1] : row[0]);
        return texts;
    }
    // What the engine makes of the project the window holds.
    Calculation expected() { return engine::industry::calculate(session::readIndustryProject(w())); }

    test::ModelDesktop desktop;
};

TEST_F(IndustryWindow, ListsEveryKindUnderItsGroupWithItsCoefficient) {
    const std::vector<forms::Row>& kindsListed = w().state(iw::kind).rows;
    ASSERT_EQ(kindsListed.size(), 23u + 7u);
    EXPECT_EQ(kindsListed[0], (forms::Row{"", "1 矿山采选工程"}));
    EXPECT_EQ(kindsListed[1], (forms::Row{"黑色、黄金、化学、非金属及其他矿采选工程",
                                          "黑色、黄金、化学、非金属及其他矿采选工程  1.1"}));
    EXPECT_EQ(kindsListed.back(), (forms::Row{"林业工程", "林业工程  0.8"}));
    EXPECT_EQ(w().state(iw::grade).rows[1], (forms::Row{"Ⅱ级", "Ⅱ级  较复杂  1"}));
    EXPECT_TRUE(w().userChoose(iw::kind, "7 农业林业工程")); // a heading is no kind
    EXPECT_TRUE(w().userChoose(iw::kind, "铁路工程"));       // not covered
}

TEST_F(IndustryWindow, TheKindAndGradeOfferTheirConditionsAndShareRows) {
    choose(iw::kind, "石油、化工、石化、化纤、医药工程");
    EXPECT_EQ(w().caption(iw::professionalNote), "专业调整系数 1.2（附表二，石油化工工程）");
    EXPECT_EQ(w().caption(iw::complexityNote), "复杂程度见表4.3-1");
    choose(iw::grade, "Ⅱ级");
    EXPECT_EQ(offered(),
              (std::vector<std::string>{"改扩建和技术改造建设项目（1.1～1.4）", "增加管段图设计（1.1）"}));
    EXPECT_TRUE(w().enabled(iw::independentPhase));
    EXPECT_EQ(listed(iw::shareRow), (std::vector<std::string>{"一般石油化工", "新技术",
                                                              "火化工、核化工、化纤、医药", "核设施退役"}));
    EXPECT_EQ(w().state(iw::shareRow).rows[0][1],
              "一般石油化工（初步设计 35%，施工图设计 65%，基础设计 50%，详细设计 50%）");

    choose(iw::kind, "公路、城市道路工程");
    choose(iw::grade, "Ⅰ级");
    EXPECT_EQ(w().caption(iw::unaskedNote), "公路工程Ⅰ级 1.89，不必勾选即计入");
    choose(iw::grade, "Ⅲ级");
    EXPECT_EQ(w().caption(iw::unaskedNote), "");
    EXPECT_EQ(offered().size(), 3u); // renovation, 高速公路, 管网

    choose(iw::kind, "农业工程");
    EXPECT_FALSE(w().enabled(iw::independentPhase)); // no share table
    EXPECT_TRUE(w().state(iw::shareRow).rows.empty());
}

TEST_F(IndustryWindow, TickedConditionsStayWhereTheyAreStillOffered) {
    choose(iw::kind, "风力发电、其他水利工程");
    choose(iw::grade, "Ⅱ级");
    click(iw::condition(0)); // 改扩建和技术改造建设项目, typed
    EXPECT_TRUE(w().visible(iw::coefficient(0)));
    type(iw::coefficient(0), "1.2");
    click(iw::condition(1));
    click(iw::condition(2)); // the water-works conditions exclude each other
    EXPECT_FALSE(w().ticked(iw::condition(1)));
    choose(iw::grade, "Ⅲ级");
    EXPECT_TRUE(w().ticked(iw::condition(0)));
    EXPECT_EQ(w().text(iw::coefficient(0)), "1.2");
    EXPECT_TRUE(w().ticked(iw::condition(2)));
    click(iw::condition(0));
    EXPECT_FALSE(w().visible(iw::coefficient(0)));
    EXPECT_EQ(w().text(iw::coefficient(0)), "");
    choose(iw::kind, "火电工程"); // offers only the renovation
    EXPECT_EQ(offered().size(), 1u);
    EXPECT_FALSE(w().ticked(iw::condition(0)));
}

TEST_F(IndustryWindow, CalculatesAsTheEngineDoesAndShowsThePhasesShare) {
    choose(iw::kind, "核电常规岛、水电、水库、送变电工程");
    choose(iw::grade, "Ⅲ级");
    click(iw::condition(0));
    type(iw::coefficient(0), "1.3");
    click(iw::otherFees.overallDesign);
    click(iw::otherFees.ownPatents);
    type(iw::otherFees.ownPatentsAmount, "12.5");
    type(iw::amount, "5000");
    click(iw::independentPhase);
    choose(iw::shareRow, "水库、水电、潮汐");
    EXPECT_EQ(listed(iw::phase), (std::vector<std::string>{"初步设计", "招标设计", "施工图设计"}));
    choose(iw::phase, "招标设计");
    click(iw::calculate);
    EXPECT_TRUE(desktop.messages.empty()) << desktop.lastMessage();
    const Calculation c = expected();
    ASSERT_TRUE(c.complete());
    EXPECT_EQ(w().text(iw::basicFee), engine::resultBoxText(*c.variables.basicFee));
    EXPECT_EQ(w().text(iw::otherFee), engine::resultBoxText(*c.variables.otherFee));
    EXPECT_EQ(w().text(iw::benchmarkFee), engine::resultBoxText(*c.variables.benchmarkFee));
    ASSERT_TRUE(c.phaseShare);
    EXPECT_EQ(*c.phaseShare, *c.variables.benchmarkFee * 0.2);
    EXPECT_EQ(w().text(iw::phaseFee), engine::resultBoxText(*c.phaseShare));
    EXPECT_EQ(w().caption(iw::phaseName), "其中招标设计费");
    for (std::string_view part : {iw::phaseName, iw::phaseFee, iw::phaseFeeUnit})
        EXPECT_TRUE(w().visible(part)) << part;
    EXPECT_EQ(w().focus(), iw::amount);
    ASSERT_TRUE(desktop.session.industryRecord());

    click(iw::independentPhase); // withdrawn: the share goes
    for (std::string_view part : {iw::phaseName, iw::phaseFee, iw::phaseFeeUnit})
        EXPECT_FALSE(w().visible(part)) << part;
    EXPECT_EQ(w().text(iw::phaseFee), "");
    EXPECT_EQ(w().text(iw::shareRow), "");
    EXPECT_FALSE(w().enabled(iw::phase));
}

// A phase commissioned on its own without the row or the phase that gives its share is never charged the
// whole benchmark: 计算 says what to choose and shows no results.
TEST_F(IndustryWindow, ACommissionWithoutItsShareSaysWhatToChoose) {
    choose(iw::kind, "核电常规岛、水电、水库、送变电工程");
    choose(iw::grade, "Ⅲ级");
    type(iw::amount, "5000");
    click(iw::independentPhase);
    struct Case {
        const char* shareRow; // chosen before 计算; empty: none
        const char* message;
        std::string_view focus;
    };
    for (const Case& c : {Case{"", "请选择单独委托设计的工程（收费比例表中的一行）！", iw::shareRow},
                          Case{"水库、水电、潮汐", "请选择单独委托设计的阶段！", iw::phase}}) {
        SCOPED_TRACE(c.message);
        if (*c.shareRow)
            choose(iw::shareRow, c.shareRow);
        click(iw::calculate);
        EXPECT_EQ(desktop.lastMessage(), c.message);
        EXPECT_EQ(w().text(iw::benchmarkFee), "");
        EXPECT_EQ(w().focus(), c.focus);
    }
    choose(iw::phase, "招标设计");
    click(iw::calculate);
    EXPECT_NE(w().text(iw::phaseFee), "");
}

TEST_F(IndustryWindow, AStopNamesTheEntryWhichIsEmptiedAndFocused) {
    click(iw::calculate);
    EXPECT_EQ(w().focus(), iw::amount);
    type(iw::amount, "1000");
    click(iw::calculate);
    EXPECT_EQ(w().focus(), iw::kind);
    choose(iw::kind, "船舶水工工程");
    click(iw::calculate);
    EXPECT_EQ(w().focus(), iw::grade);
    choose(iw::grade, "Ⅰ级");
    click(iw::condition(0));
    type(iw::coefficient(0), "1.5"); // beyond 1.4
    click(iw::calculate);
    EXPECT_EQ(desktop.messages.size(), 4u);
    EXPECT_EQ(w().focus(), iw::coefficient(0));
    EXPECT_EQ(w().text(iw::coefficient(0)), "");
    EXPECT_EQ(w().text(iw::basicFee), ""); // nothing was shown
    type(iw::amount, "-5");
    click(iw::calculate);
    EXPECT_EQ(desktop.lastMessage(), "工程计费额不能小于或等于零！");
    EXPECT_EQ(w().text(iw::amount), "");
    EXPECT_EQ(w().focus(), iw::amount);
}

TEST_F(IndustryWindow, TheReportGoesIntoTheReportWindow) {
    click(iw::report);
    EXPECT_EQ(desktop.lastMessage(), "还没有可以写成计算书的计算：请先输入工程的数据，点击“计算”。");
    choose(iw::kind, "石油、化工、石化、化纤、医药工程");
    choose(iw::grade, "Ⅱ级");
    type(iw::amount, "3000");
    click(iw::calculate);
    click(iw::report);
    const std::string& report = desktop.window(windows::report).text(windows::reportwindow::text);
    EXPECT_TRUE(report.starts_with("欢迎使用本程序")) << report;
    EXPECT_NE(report.find("依据附表二，石油、化工、石化、化纤、医药工程专业调整系数为1.2"), std::string::npos)
        << report;
}

// Random projects of every kind, entered as a user enters them: read back, entered again into a fresh
// window, they are the same project.
TEST_F(IndustryWindow, EveryProjectAUserEntersIsEnteredBackTheSame) {
    const unsigned seed = testing::UnitTest::GetInstance()->random_seed() + 21u;
    std::mt19937 random(seed);
    forms::Form fresh(windows::industryWindowDefinition());
    session::IndustryCommands commands(desktop);
    commands.bind(fresh);
    for (int round = 0; round < 300; ++round) {
        const KindRow& kind = kinds[random() % kinds.size()];
        choose(iw::kind, kind.name);
        choose(iw::grade, engine::gradeNames[random() % 3]);
        for (std::size_t slot = 0; slot < iw::conditionSlots; ++slot)
            if (w().visible(iw::condition(slot)) && random() % 2)
                click(iw::condition(slot));
        for (std::size_t slot = 0; slot < iw::conditionSlots; ++slot)
            if (w().shown(iw::coefficient(slot)))
                type(iw::coefficient(slot), random() % 2 ? "1.2" : "1.35");
        for (std::string_view service : {iw::otherFees.overallDesign, iw::otherFees.nonstandardEquipment,
                                         iw::otherFees.standardDesignReuse})
            if (random() % 2)
                click(service);
        if (w().enabled(iw::otherFees.nonstandardEquipmentBase)) {
            type(iw::otherFees.nonstandardEquipmentBase, "80");
            type(iw::otherFees.nonstandardEquipmentRate, "0.15");
        }
        type(iw::amount, std::to_string(100 + random() % 100000));
        if (w().enabled(iw::independentPhase) && !w().ticked(iw::independentPhase) && random() % 2) {
            click(iw::independentPhase);
            const std::vector<forms::Row>& rows = w().state(iw::shareRow).rows;
            choose(iw::shareRow, rows[random() % rows.size()][0]);
            const std::vector<forms::Row>& phases = w().state(iw::phase).rows;
            choose(iw::phase, phases[random() % phases.size()][0]);
        }
        const KindProject entered = session::readIndustryProject(w());
        const forms::Refusal refused = commands.fill(fresh, entered);
        ASSERT_FALSE(refused) << refused.reason << " in round " << round << ", seed " << seed;
        EXPECT_EQ(session::readIndustryProject(fresh), entered) << "round " << round;
        if (w().ticked(iw::independentPhase))
            click(iw::independentPhase);
    }
}

} // namespace

namespace {

namespace pw = windows::projectwindow;

// A project of a kind of engineering as an item of a whole project: added from its window, opened back
// into it, updated, saved and opened again.
TEST_F(IndustryWindow, AWorkOfAnyKindIsAnItemOfTheProject) {
    choose(iw::kind, "石油、化工、石化、化纤、医药工程");
    choose(iw::grade, "Ⅱ级");
    click(iw::condition(1)); // 增加管段图设计
    type(iw::amount, "3000");
    click(iw::independentPhase);
    choose(iw::shareRow, "一般石油化工");
    choose(iw::phase, "基础设计");
    desktop.textAnswers.push_back("乙烯装置");
    click(iw::addItem); // calculated as 计算 calculates it
    ASSERT_TRUE(desktop.session.industryRecord());
    const double share = *desktop.session.industryRecord()->calculation.phaseShare;
    EXPECT_EQ(w().text(iw::phaseFee), engine::resultBoxText(share));
    EXPECT_EQ(desktop.textRequests.back().suggested, "石油、化工、石化、化纤、医药工程 3000万元");
    forms::Form& project = desktop.window(windows::project);
    ASSERT_EQ(project.rows(pw::items).size(), 1u);
    EXPECT_EQ(project.rows(pw::items)[0][1], "石油、化工、石化、化纤、医药工程");
    EXPECT_EQ(project.rows(pw::items)[0][7], "基础设计 50%");
    EXPECT_EQ(project.rows(pw::items)[0][8], "68.5080");

    // Saved and opened again, it opens back into its own window, calculated.
    desktop.fileAnswers.push_back("/home/user/石化.varnel");
    ASSERT_FALSE(desktop.window(windows::main).userClick(windows::mainwindow::saveProject));
    EXPECT_NE(desktop.files["/home/user/石化.varnel"].find("\"version\": 2"), std::string::npos);
    desktop.close(windows::industry);
    ASSERT_FALSE(desktop.window(windows::main).userClick(windows::mainwindow::newProject));
    desktop.fileAnswers.push_back("/home/user/石化.varnel");
    ASSERT_FALSE(desktop.window(windows::main).userClick(windows::mainwindow::openProject));
    ASSERT_FALSE(desktop.window(windows::project).userActivateRow(pw::items, 0));
    EXPECT_EQ(w().text(iw::kind), "石油、化工、石化、化纤、医药工程");
    EXPECT_TRUE(w().ticked(iw::condition(1)));
    EXPECT_EQ(w().text(iw::phase), "基础设计");
    EXPECT_EQ(w().text(iw::phaseFee), engine::resultBoxText(share));

    // Changed and updated: the item takes what the window shows. The main window holds another engineering,
    // and says where the item is updated.
    type(iw::amount, "6000");
    ASSERT_FALSE(desktop.window(windows::main).userClick(windows::mainwindow::updateItem));
    EXPECT_EQ(desktop.lastMessage(),
              "打开的单项“乙烯装置”是在全行业设计收费窗口中计算的，请在全行业设计收费窗口"
              "中更新单项。");
    EXPECT_EQ(desktop.window(windows::project).rows(pw::items)[0][3], "3000.0000");
    click(iw::updateItem);
    EXPECT_EQ(desktop.lastMessage(), "已更新“乙烯装置”。");
    EXPECT_EQ(desktop.window(windows::project).rows(pw::items)[0][3], "6000.0000");
    EXPECT_EQ(desktop.window(windows::project).rows(pw::items)[0][0], "乙烯装置");
    EXPECT_EQ(desktop.window(windows::project).rows(pw::items)[0][6],
              projects::amountText(projects::quotedAmount(std::stod(w().text(iw::benchmarkFee)))));
}

// 更新单项 acts on the item opened from the project, from the window it was opened into only; 新单项 puts
// its window back as it first opens and forgets the item, leaving the project as it was.
TEST_F(IndustryWindow, UpdateAndNewItemActOnTheItemOpenedIntoTheirWindow) {
    choose(iw::kind, "火电工程");
    choose(iw::grade, "Ⅱ级");
    type(iw::amount, "2000");
    desktop.textAnswers.push_back("电厂");
    click(iw::addItem);
    forms::Form& main = desktop.window(windows::main);
    ASSERT_FALSE(main.userChoose(windows::mainwindow::typeList, "园林绿化工程"));
    ASSERT_FALSE(main.userClick(windows::mainwindow::gradeIIDescription));
    ASSERT_FALSE(main.userType(windows::mainwindow::amount, "300"));
    desktop.textAnswers.push_back("绿化");
    ASSERT_FALSE(main.userClick(windows::mainwindow::addItem));
    forms::Form& project = desktop.window(windows::project);
    ASSERT_EQ(project.rows(pw::items).size(), 2u);

    struct Case {
        int opened; // the row activated, or -1 for none
        bool fromIndustry;
        std::string message;
    };
    const Case cases[] = {
        {0, false, "打开的单项“电厂”是在全行业设计收费窗口中计算的，请在全行业设计收费窗口中更新单项。"},
        {1, true, "打开的单项“绿化”是在主窗口中计算的，请在主窗口中更新单项。"},
        {0, true, "已更新“电厂”。"},
        {1, false, "已更新“绿化”。"},
    };
    for (const Case& c : cases) {
        ASSERT_FALSE(project.userActivateRow(pw::items, c.opened));
        desktop.messages.clear();
        if (c.fromIndustry)
            click(iw::updateItem);
        else
            ASSERT_FALSE(main.userClick(windows::mainwindow::updateItem));
        ASSERT_EQ(desktop.messages.size(), 1u) << c.message;
        EXPECT_EQ(desktop.messages[0].text, c.message);
        EXPECT_EQ(desktop.messages[0].icon, forms::MessageIcon::None);
    }

    // 新单项: the window is as a fresh one, the project untouched, no item opened any more.
    ASSERT_FALSE(project.userActivateRow(pw::items, 0));
    click(iw::condition(0));
    click(iw::otherFees.overallDesign);
    const projects::Quote quote = desktop.session.project().quote;
    const bool modified = desktop.session.project().modified;
    click(iw::newItem);
    test::ModelDesktop fresh;
    fresh.session.start();
    forms::Form& first = fresh.showWindow(windows::industry);
    for (const forms::ControlDef& control : w().definition().controls) {
        const forms::ControlState &now = w().state(control.name), &then = first.state(control.name);
        EXPECT_EQ(now.text, then.text) << control.name;
        EXPECT_EQ(now.caption, then.caption) << control.name;
        EXPECT_EQ(now.value, then.value) << control.name;
        EXPECT_EQ(now.enabled, then.enabled) << control.name;
        EXPECT_EQ(now.visible, then.visible) << control.name;
        EXPECT_EQ(now.rows, then.rows) << control.name;
    }
    EXPECT_EQ(w().focus(), iw::amount);
    EXPECT_EQ(desktop.session.project().quote, quote);
    EXPECT_EQ(desktop.session.project().modified, modified);
    click(iw::updateItem);
    EXPECT_EQ(desktop.lastMessage(),
              "没有从项目打开的单项：请先在项目窗口中打开要更新的单项，修改后再点击“更新单项”。");
    EXPECT_EQ(desktop.session.project().quote, quote);
}

// A kind of another group offers conditions of another table: the window starts it with none ticked and
// every coefficient empty, as the main window's type does; within one group, a condition still offered stays
// ticked. A condition the kind and grade do not offer is never charged.
TEST_F(IndustryWindow, AKindOfAnotherGroupStartsWithNoConditionTicked) {
    struct Case {
        const char* from;
        const char* to;
        bool kept; // the renovation, ticked with 1.3, is still ticked
    };
    const Case cases[] = {
        {"火电工程", "核电常规岛、水电、水库、送变电工程", true}, // both 电力工程
        {"石油、化工、石化、化纤、医药工程", "火电工程", false},
        {"风力发电、其他水利工程", "公路、城市道路工程", false},
        {"公路、城市道路工程", "石油、化工、石化、化纤、医药工程", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.from) + " → " + c.to);
        choose(iw::kind, c.from);
        choose(iw::grade, "Ⅱ级");
        for (std::size_t slot = 0; slot < iw::conditionSlots; ++slot)
            if (w().ticked(iw::condition(slot)))
                click(iw::condition(slot));
        click(iw::condition(0)); // 改扩建和技术改造建设项目 in every table
        type(iw::coefficient(0), "1.3");
        if (w().visible(iw::condition(1)))
            click(iw::condition(1));
        choose(iw::kind, c.to);
        const KindProject read = session::readIndustryProject(w());
        EXPECT_EQ(w().ticked(iw::condition(0)), c.kept);
        EXPECT_EQ(w().text(iw::coefficient(0)), c.kept ? "1.3" : "");
        std::size_t ticked = 0;
        for (std::size_t slot = 0; slot < iw::conditionSlots; ++slot)
            ticked += w().ticked(iw::condition(slot)) ? 1 : 0;
        std::size_t charged = 0;
        for (std::size_t a = 0; a < kindConditionCount; ++a)
            charged += read.has(static_cast<KindCondition>(a)) ? 1 : 0;
        EXPECT_EQ(charged, ticked);
        if (!c.kept) {
            EXPECT_EQ(ticked, 0u);
            for (std::size_t slot = 0; slot < iw::conditionSlots; ++slot)
                EXPECT_EQ(w().text(iw::coefficient(slot)), "") << slot;
        }
    }
}

} // namespace

namespace {

// Every kind of engineering of 附表二 calculates through the window with its coefficient (1000 万元 is a row
// of the base-price table: 38.8), reports it with its clause, and goes into the project.
TEST_F(IndustryWindow, EveryKindCalculatesReportsAndGoesIntoTheProject) {
    for (const KindRow& kind : kinds) {
        choose(iw::kind, kind.name);
        choose(iw::grade, "Ⅱ级");
        type(iw::amount, "1000");
        click(iw::calculate);
        ASSERT_TRUE(desktop.messages.empty()) << kind.name << ": " << desktop.lastMessage();
        EXPECT_EQ(w().text(iw::basicFee), engine::resultBoxText(38.8 * kind.coefficient)) << kind.name;
        click(iw::report);
        const std::string& report = desktop.window(windows::report).text(windows::reportwindow::text);
        EXPECT_NE(report.find("依据附表二，" + std::string(kind.name) + "专业调整系数为" +
                              engine::joinedText(kind.coefficient)),
                  std::string::npos)
            << report;
        desktop.textAnswers.push_back(std::string(kind.name));
        click(iw::addItem);
    }
    const std::vector<forms::Row>& rows =
        desktop.window(windows::project).rows(windows::projectwindow::items);
    ASSERT_EQ(rows.size(), kinds.size());
    for (std::size_t i = 0; i < kinds.size(); ++i)
        EXPECT_EQ(rows[i][1], kinds[i].name);
}

} // namespace
