// The window definitions hold together: names, containers, tab numbers, starting states.
#include "forms/form.h"
#include "forms/helptext.h"

#include <gtest/gtest.h>

#include <set>

using namespace varnel::forms;

namespace {

class EveryWindow : public testing::TestWithParam<std::string> {};

TEST_P(EveryWindow, NamesAreUniqueAndContainersComeFirst) {
    const FormDef& def = windowDefinition(GetParam());
    std::set<std::string> seen;
    std::set<int> tabs;
    for (const ControlDef& c : def.controls) {
        EXPECT_TRUE(seen.insert(c.name).second) << c.name;
        if (!c.container.empty()) {
            EXPECT_TRUE(seen.contains(c.container)) << c.name << " in " << c.container;
        }
        if (c.kind != Kind::MenuItem) {
            EXPECT_TRUE(tabs.insert(c.tab).second) << "tab " << c.tab << " of " << c.name;
        }
    }
}

TEST_P(EveryWindow, ControlsLieInsideTheirContainer) {
    const FormDef& def = windowDefinition(GetParam());
    for (const ControlDef& c : def.controls) {
        if (c.kind == Kind::MenuItem || c.kind == Kind::Image)
            continue;
        const int width = c.container.empty() ? def.clientWidth : def.at(c.container).geometry.width;
        const int height = c.container.empty() ? def.clientHeight : def.at(c.container).geometry.height;
        EXPECT_LE(c.geometry.left + c.geometry.width, width + 120) << c.name;
        EXPECT_LE(c.geometry.top + c.geometry.height, height + 15) << c.name;
    }
}

INSTANTIATE_TEST_SUITE_P(Windows, EveryWindow, testing::ValuesIn(windowNames()));

// The windows show every multi-line box as text to read; none is typed into.
TEST_P(EveryWindow, MultiLineBoxesAreReadOnly) {
    for (const ControlDef& c : windowDefinition(GetParam()).controls) {
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
    for (const char* hidden :
         {"Frame4", "Frame2", "Frame5", "Frame7", "Frame8", "Label28", "Label27", "Text18", "Text8", "Text2",
          "Text19", "Text20", "Text21", "Text22", "Check9", "Check5", "Check6"})
        EXPECT_FALSE(w.visible(hidden)) << hidden;
    for (const char* disabled : {"Check4", "Option1", "Option2", "Option3", "Text10", "Text11", "Text12",
                                 "Text13", "Text14", "Text7", "Text9", "Check19", "Check21", "Text3"})
        EXPECT_FALSE(w.enabled(disabled)) << disabled;
    for (const char* readOnly : {"Text4", "Text5", "Text6", "Text15", "Text16", "Text17", "Text18"})
        EXPECT_TRUE(w.definition().at(readOnly).readOnly) << readOnly;
    EXPECT_EQ(w.caption("Label27"), "万元 ");
    EXPECT_EQ(w.caption("Label7"), "");
    EXPECT_EQ(w.text("Combo2"), "");
    EXPECT_EQ(w.definition().at("Combo2").items.size(), 5u);
    EXPECT_EQ(w.definition().at("Check28").tooltip, "人防工程专业调整系数为1.1");
    EXPECT_EQ(w.definition().at("Command1").faceColour->green, 192);

    int tooltips = 0;
    for (const ControlDef& c : w.definition().controls)
        tooltips += !c.tooltip.empty();
    EXPECT_EQ(tooltips, 36);
}

TEST(MainWindow, FocusStartsOnTheLowestTabThatTakesIt) {
    const ControlDef* first = nullptr;
    for (const ControlDef& c : mainWindowDefinition().controls)
        if (takesFocus(c.kind) && (!first || c.tab < first->tab))
            first = &c;
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->name, "Combo2");
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
    EXPECT_EQ(Form(helpWindowDefinition()).text("Text1"), text);
}

} // namespace
