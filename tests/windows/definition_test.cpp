// The window definitions hold together: names, containers, tab numbers, starting states.
#include "forms/form.h"
#include "windows/helptext.h"
#include "windows/mainwindow.h"
#include "windows/secondarywindows.h"
#include "windows/windows.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

using namespace varnel::forms;
using namespace varnel::windows;
namespace box = varnel::windows::mainwindow;

namespace {

class EveryWindow : public testing::TestWithParam<std::string> {};

TEST_P(EveryWindow, NamesAreUniqueAndContainersComeFirst) {
    const FormDef& def = definition(GetParam());
    std::set<std::string> seen;
    std::set<int> tabs;
    for (const ControlDef& c : def.controls) {
        EXPECT_TRUE(seen.insert(c.name).second) << c.name;
        if (!c.container.empty()) {
            EXPECT_TRUE(seen.contains(c.container)) << c.name << " in " << c.container;
        }
        if (c.kind != ControlKind::MenuItem) {
            EXPECT_TRUE(tabs.insert(c.tab).second) << "tab " << c.tab << " of " << c.name;
        }
    }
}

TEST_P(EveryWindow, ControlsLieInsideTheirContainer) {
    const FormDef& def = definition(GetParam());
    for (const ControlDef& c : def.controls) {
        if (c.kind == ControlKind::MenuItem || c.kind == ControlKind::Image)
            continue;
        const int width = c.container.empty() ? def.clientWidth : def.at(c.container).geometry.width;
        const int height = c.container.empty() ? def.clientHeight : def.at(c.container).geometry.height;
        EXPECT_LE(c.geometry.left + c.geometry.width, width + 120) << c.name;
        EXPECT_LE(c.geometry.top + c.geometry.height, height + 15) << c.name;
    }
}

// A screen reader names every control that takes the focus: a box, a list or a table by its spoken name, a
// button or box by its caption (a box hidden at first gets its caption with what it offers).
TEST_P(EveryWindow, EveryControlThatTakesTheFocusHasANameToBeHeardBy) {
    for (const ControlDef& c : definition(GetParam()).controls) {
        if (!takesFocus(c.kind))
            continue;
        const bool namedByCaption = c.kind == ControlKind::CheckBox || c.kind == ControlKind::OptionButton ||
                                    c.kind == ControlKind::CommandButton;
        if (namedByCaption) {
            EXPECT_TRUE(!c.caption.empty() || c.hidden) << c.name;
        } else {
            EXPECT_FALSE(c.accessibleName.empty()) << c.name;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Windows, EveryWindow, testing::ValuesIn(names()));

// The windows show every multi-line box as text to read; none is typed into.
TEST_P(EveryWindow, MultiLineBoxesAreReadOnly) {
    for (const ControlDef& c : definition(GetParam()).controls) {
        if (c.multiLine) {
            EXPECT_TRUE(c.readOnly) << c.name;
        }
    }
}

TEST(MainWindow, StartsAsDefined) {
    Form w(mainWindowDefinition());
    EXPECT_EQ(w.definition().caption, "Varnel");
    EXPECT_EQ(w.definition().clientWidth, 7725);
    EXPECT_EQ(w.definition().clientHeight, 8580);
    // No type is chosen: no group shows, nor the phase line, nor a coefficient or grade-bound box.
    for (std::string_view hidden :
         {box::roadGroup, box::bridgeGroup, box::buildingGroup, box::landscapeGroup, box::municipalGroup,
          box::phaseLineName, box::phaseLineUnit, box::phaseLineShare, box::roadRenovationCoefficient,
          box::bridgeRenovationCoefficient, box::buildingRenovationCoefficient, box::historicCoefficient,
          box::municipalRenovationCoefficient, box::landscapeRenovationCoefficient, box::expressway,
          box::highwayBridgeGradeIII, box::highwayBridgeGradeI})
        EXPECT_FALSE(w.visible(hidden)) << hidden;
    // Nothing is offered before what it belongs to is ticked.
    for (std::string_view disabled :
         {box::independentPhase, box::preliminaryPhase, box::drawingPhase, box::schemePhase,
          box::ownPatentsAmount, box::foreignDesignAmount, box::foreignReviewAmount, box::extraPrintingAmount,
          box::standardDrawingsAmount, box::nonstandardEquipmentBase, box::nonstandardEquipmentRate,
          box::foundationRedesign, box::partialChange, box::partialChangeRate})
        EXPECT_FALSE(w.enabled(disabled)) << disabled;
    // The grade descriptions and the results are read, never typed into.
    for (std::string_view readOnly :
         {box::gradeIDescription, box::gradeIIDescription, box::gradeIIIDescription, box::basicFee,
          box::otherFee, box::benchmarkFee, box::phaseLineShare})
        EXPECT_TRUE(w.definition().at(readOnly).readOnly) << readOnly;
    EXPECT_EQ(w.caption(box::phaseLineUnit), "万元 ");
    EXPECT_EQ(w.caption(box::chosenGrade), "");
    EXPECT_EQ(w.text(box::typeList), "");
    EXPECT_EQ(w.definition().at(box::typeList).items.size(), 5u);
    EXPECT_EQ(w.definition().at(box::civilDefence).tooltip, "人防工程专业调整系数为1.1");
    EXPECT_EQ(w.definition().at(box::calculate).faceColour->green, 192);

    int tooltips = 0;
    for (const ControlDef& c : w.definition().controls)
        tooltips += !c.tooltip.empty();
    EXPECT_EQ(tooltips, 36);
}

// Every control the program names by what it holds (mainwindow.h) is the control the window shows as that:
// of its kind, with that caption, or for a box without one the name a screen reader announces. The rules,
// the session and the tests all use these names, so this is where they are held against the window itself.
TEST(MainWindow, EachNamedControlSaysWhatItsNameMeans) {
    const FormDef& def = mainWindowDefinition();
    struct Named {
        std::string_view control;
        ControlKind kind;
        std::string says; // the caption, or the spoken name where the control has no caption
    };
    const std::string renovation = "改扩建和技术改造建设项目", coefficient = renovation + "附加调整系数";
    const Named named[] = {
        {box::amount, ControlKind::TextBox, "工程设计收费计费额（万元）"},
        {box::typeList, ControlKind::ComboBox, "工程类型"},
        {box::gradeIDescription, ControlKind::TextBox, "Ⅰ级工程复杂程度"},
        {box::gradeIIDescription, ControlKind::TextBox, "Ⅱ级工程复杂程度"},
        {box::gradeIIIDescription, ControlKind::TextBox, "Ⅲ级工程复杂程度"},
        {box::roadRenovation, ControlKind::CheckBox, renovation},
        {box::roadRenovationCoefficient, ControlKind::TextBox, coefficient},
        {box::bridgeRenovation, ControlKind::CheckBox, renovation},
        {box::bridgeRenovationCoefficient, ControlKind::TextBox, coefficient},
        {box::buildingRenovation, ControlKind::CheckBox, renovation},
        {box::buildingRenovationCoefficient, ControlKind::TextBox, coefficient},
        {box::landscapeRenovation, ControlKind::CheckBox, renovation},
        {box::landscapeRenovationCoefficient, ControlKind::TextBox, coefficient},
        {box::municipalRenovation, ControlKind::CheckBox, renovation},
        {box::municipalRenovationCoefficient, ControlKind::TextBox, coefficient},
        {box::urbanRoadUnderPipes, ControlKind::CheckBox, "城市道路通过地下管网密集区的工程"},
        {box::expressway, ControlKind::CheckBox, "高速公路、一级公路工程"},
        {box::urbanBridgeUnderPipes, ControlKind::CheckBox, "城市桥梁、隧道通过地下管网密集区的工程"},
        {box::highwayBridgeGradeI, ControlKind::CheckBox, "公路桥梁、隧道工程Ⅰ级"},
        {box::highwayBridgeGradeIII, ControlKind::CheckBox, "公路桥梁、隧道工程Ⅲ级"},
        {box::intelligentBuilding, ControlKind::CheckBox, "智能建筑弱电系统工程"},
        {box::interiorDecoration, ControlKind::CheckBox, "室内装修工程"},
        {box::historicBuilding, ControlKind::CheckBox, "古建筑、仿古建筑、保护性建筑"},
        {box::historicCoefficient, ControlKind::TextBox, "古建筑、仿古建筑、保护性建筑附加调整系数"},
        {box::acousticDecoration, ControlKind::CheckBox, "特殊声学装修工程"},
        {box::civilDefence, ControlKind::CheckBox, "人防工程"},
        {box::buildingWithOutdoor, ControlKind::CheckBox, "建筑与室外工程"},
        {box::housing, ControlKind::CheckBox, "住宅工程"},
        {box::housingCluster, ControlKind::CheckBox, "住宅工程(组团)"},
        {box::overallDesign, ControlKind::CheckBox, "总体设计费"},
        {box::designCoordination, ControlKind::CheckBox, "主体设计协调费"},
        {box::constructionBudget, ControlKind::CheckBox, "施工图预算编制费"},
        {box::asBuiltDrawings, ControlKind::CheckBox, "竣工图编制费"},
        {box::ownPatents, ControlKind::CheckBox, "自有专利技术收费"},
        {box::ownPatentsAmount, ControlKind::TextBox, "自有专利技术收费（万元）"},
        {box::foreignDesign, ControlKind::CheckBox, "境外设计收费"},
        {box::foreignDesignAmount, ControlKind::TextBox, "境外设计收费（万元）"},
        {box::foreignReview, ControlKind::CheckBox, "境外审核确认收费"},
        {box::foreignReviewAmount, ControlKind::TextBox, "境外审核确认收费（万元）"},
        {box::extraPrinting, ControlKind::CheckBox, "另行印制设计文件工本费"},
        {box::extraPrintingAmount, ControlKind::TextBox, "另行印制设计文件工本费（万元）"},
        {box::standardDrawings, ControlKind::CheckBox, "购买标准图费"},
        {box::standardDrawingsAmount, ControlKind::TextBox, "购买标准图费（万元）"},
        {box::nonstandardEquipment, ControlKind::CheckBox, "非标准设备设计费"},
        {box::nonstandardEquipmentBase, ControlKind::TextBox, "非标准设备设计额（万元）"},
        {box::nonstandardEquipmentRate, ControlKind::TextBox, "非标准设备设计费率"},
        {box::standardDesignReuse, ControlKind::CheckBox, "采用标准设计和复用设计"},
        {box::foundationRedesign, ControlKind::CheckBox, "重新进行基础设计"},
        {box::partialChange, ControlKind::CheckBox, "对原设计进行局部调整"},
        {box::partialChangeRate, ControlKind::TextBox, "对原设计进行局部调整的费率"},
        {box::independentPhase, ControlKind::CheckBox, "单独委托设计"},
        {box::preliminaryPhase, ControlKind::OptionButton, "初步设计"},
        {box::drawingPhase, ControlKind::OptionButton, "施工图设计"},
        {box::schemePhase, ControlKind::OptionButton, "方案设计"},
        {box::phaseLineUnit, ControlKind::Label, "万元 "},
        {box::phaseLineShare, ControlKind::TextBox, "单独委托设计阶段的设计收费（万元）"},
        {box::basicFee, ControlKind::TextBox, "基本设计收费（万元）"},
        {box::otherFee, ControlKind::TextBox, "其他设计收费（万元）"},
        {box::benchmarkFee, ControlKind::TextBox, "设计收费基准价（万元）"},
        {box::calculate, ControlKind::CommandButton, "计算"},
        {box::showReport, ControlKind::CommandButton, "计算书"},
        {box::planningFee, ControlKind::CommandButton, "建筑总平面布置及小区规划设计收费计算"},
        {box::newProject, ControlKind::MenuItem, "新建项目"},
        {box::openProject, ControlKind::MenuItem, "打开项目…"},
        {box::saveProject, ControlKind::MenuItem, "保存项目"},
        {box::saveProjectAs, ControlKind::MenuItem, "项目另存为…"},
        {box::noRecentProject, ControlKind::MenuItem, "（无）"},
        {box::exit, ControlKind::MenuItem, "退出"},
        {box::addItem, ControlKind::MenuItem, "加入项目…"},
        {box::updateItem, ControlKind::MenuItem, "更新单项"},
        {box::newItem, ControlKind::MenuItem, "新单项"},
        {box::projectWindow, ControlKind::MenuItem, "项目窗口"},
        {box::help, ControlKind::MenuItem, "帮助"},
        {box::guide, ControlKind::MenuItem, "使用说明"},
        {box::aboutProgram, ControlKind::MenuItem, "本软件"},
        {box::aboutAuthor, ControlKind::MenuItem, "作者"},
    };
    for (const Named& n : named) {
        const ControlDef* c = def.find(n.control);
        ASSERT_NE(c, nullptr) << n.control;
        EXPECT_EQ(c->kind, n.kind) << n.control;
        EXPECT_EQ(c->caption.empty() ? c->accessibleName : c->caption, n.says) << n.control;
    }

    // Each type's group holds that type's boxes, and the building group the planning-fee button.
    const std::pair<std::string_view, std::vector<std::string_view>> groups[] = {
        {box::roadGroup,
         {box::roadRenovation, box::roadRenovationCoefficient, box::urbanRoadUnderPipes, box::expressway}},
        {box::bridgeGroup,
         {box::bridgeRenovation, box::bridgeRenovationCoefficient, box::urbanBridgeUnderPipes,
          box::highwayBridgeGradeI, box::highwayBridgeGradeIII}},
        {box::buildingGroup,
         {box::buildingRenovation, box::buildingRenovationCoefficient, box::intelligentBuilding,
          box::interiorDecoration, box::historicBuilding, box::historicCoefficient, box::acousticDecoration,
          box::civilDefence, box::buildingWithOutdoor, box::housing, box::housingCluster, box::planningFee}},
        {box::landscapeGroup, {box::landscapeRenovation, box::landscapeRenovationCoefficient}},
        {box::municipalGroup, {box::municipalRenovation, box::municipalRenovationCoefficient}},
    };
    std::set<std::string_view> distinct;
    for (const auto& [group, members] : groups) {
        EXPECT_EQ(def.at(group).kind, ControlKind::Frame) << group;
        EXPECT_EQ(def.at(group).caption, "工程附加调整") << group;
        EXPECT_TRUE(distinct.insert(group).second) << group;
        for (std::string_view member : members)
            EXPECT_EQ(def.at(member).container, group) << member;
    }

    // The chosen grade is the label beside the type list that explains the complexity coefficient.
    const ControlDef& grade = def.at(box::chosenGrade);
    EXPECT_EQ(grade.kind, ControlKind::Label);
    EXPECT_EQ(grade.container, def.at(box::typeList).container);
    EXPECT_TRUE(grade.tooltip.starts_with("工程复杂程度调整系数")) << grade.tooltip;
    // The phase line's name is the label above its share, its unit the label after it.
    const ControlDef& share = def.at(box::phaseLineShare);
    const ControlDef& name = def.at(box::phaseLineName);
    const ControlDef& unit = def.at(box::phaseLineUnit);
    EXPECT_EQ(name.kind, ControlKind::Label);
    EXPECT_EQ(name.geometry.left, share.geometry.left);
    EXPECT_LT(name.geometry.top, share.geometry.top);
    EXPECT_EQ(unit.geometry.top, share.geometry.top);
    EXPECT_GT(unit.geometry.left, share.geometry.left);
    // The recent projects are the menu's items beside its 无 item.
    for (std::size_t i = 0; i < box::recentProjects; ++i) {
        const ControlDef* recent = def.find(box::recentProject(i));
        ASSERT_NE(recent, nullptr) << box::recentProject(i);
        EXPECT_EQ(recent->kind, ControlKind::MenuItem);
        EXPECT_EQ(recent->container, def.at(box::noRecentProject).container);
    }
}

TEST(MainWindow, FocusStartsOnTheLowestTabThatTakesIt) {
    const ControlDef* first = nullptr;
    for (const ControlDef& c : mainWindowDefinition().controls)
        if (takesFocus(c.kind) && (!first || c.tab < first->tab))
            first = &c;
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->name, box::typeList);
}

TEST(HelpWindow, HoldsSixtyThreeLinesOfThePublishedText) {
    const std::string& text = helpText();
    std::size_t lines = 0;
    for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at + 2))
        ++lines;
    EXPECT_EQ(lines, 63u);
    EXPECT_TRUE(text.ends_with("\r\n"));
    EXPECT_EQ(text.find("\n"), text.find("\r\n") + 1);
    const std::string firstLine = text.substr(0, text.find("\r\n"));
    EXPECT_EQ(firstLine.substr(firstLine.find_first_not_of(' ')),
              "国家计委、建设部关于发布《工程勘察设计收费管理规定》的通知");
    EXPECT_NE(text.find("二00一年一月七日        计价格[2002]10号\r\n"), std::string::npos);
    EXPECT_NE(text.find("3 基本设计收费＝工程设计收费基价×专业调整系数×工程复杂程度调整系数×附加调整系数"),
              std::string::npos);
    EXPECT_EQ(text.find("UNSURE"), std::string::npos);
    EXPECT_EQ(Form(helpWindowDefinition()).text(helpwindow::text), text);
}

} // namespace
