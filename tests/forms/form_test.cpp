// The event delivery of the control model, on a small window of its own.
#include "forms/form.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

using namespace varnel::forms;

namespace {

FormDef testWindow() {
    auto make = [](ControlKind kind, std::string name, std::string container = {}) {
        ControlDef c;
        c.kind = kind;
        c.name = std::move(name);
        c.container = std::move(container);
        return c;
    };
    FormDef def;
    def.name = "Test";
    def.controls = {make(ControlKind::Frame, "Group"),
                    make(ControlKind::CheckBox, "A"),
                    make(ControlKind::CheckBox, "B", "Group"),
                    make(ControlKind::CheckBox, "C"),
                    make(ControlKind::OptionButton, "O1"),
                    make(ControlKind::OptionButton, "O2"),
                    make(ControlKind::OptionButton, "P1", "Group"),
                    make(ControlKind::TextBox, "T"),
                    make(ControlKind::TextBox, "R"),
                    make(ControlKind::ComboBox, "Combo"),
                    make(ControlKind::CommandButton, "Go")};
    def.controls[8].readOnly = true;
    def.controls[9].items = {"one", "two"};
    return def;
}

class Delivery : public testing::Test {
  protected:
    Delivery() : form(def) {
        form.addListener([this](const std::string& name, Property p) {
            if (p == Property::Value)
                log.push_back(name + "=" + std::to_string(form.value(name)));
        });
    }
    void trace(std::string_view control) {
        form.onClick(control, [this, control] { log.push_back(std::string(control) + "_Click"); });
    }

    FormDef def = testWindow();
    Form form;
    std::vector<std::string> log;
};

TEST_F(Delivery, ACodeWriteOfANewValueRunsTheHandlerInsideTheWrite) {
    trace("B");
    form.onClick("A", [this] {
        log.push_back("A_Click begins");
        form.tickAndClick("B");
        log.push_back("A_Click goes on with B=" + std::to_string(form.value("B")));
    });
    form.tickAndClick("A");
    EXPECT_EQ(log, (std::vector<std::string>{"A=1", "A_Click begins", "B=1", "B_Click",
                                             "A_Click goes on with B=1"}));
}

TEST_F(Delivery, WritingTheSameValueRunsNothing) {
    trace("A");
    form.untickAndClick("A");
    EXPECT_TRUE(log.empty());
    form.tickAndClick("A");
    form.tickAndClick("A");
    EXPECT_EQ(log, (std::vector<std::string>{"A=1", "A_Click"}));
}

TEST_F(Delivery, DisabledAndHiddenBoxesStillRunTheirHandlerOnCodeWrites) {
    trace("A");
    trace("B");
    form.setEnabled("A", false);
    form.setVisible("Group", false);
    form.tickAndClick("A");
    form.tickAndClick("B");
    EXPECT_EQ(log, (std::vector<std::string>{"A=1", "A_Click", "B=1", "B_Click"}));
    EXPECT_TRUE(form.visible("B")); // B keeps its own Visible inside the hidden frame
    EXPECT_FALSE(form.shown("B"));
}

TEST_F(Delivery, UsersCannotReachDisabledOrHiddenControls) {
    trace("A");
    form.setEnabled("A", false);
    EXPECT_EQ(form.userClick("A").reason, "A is disabled");
    form.setVisible("Group", false);
    EXPECT_EQ(form.userClick("B").reason, "B is hidden");
    EXPECT_EQ(form.userClick("P1").reason, "P1 is hidden");
    EXPECT_EQ(form.userClick("Nothing").reason, "no control Nothing in Test");
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(form.value("A"), 0);
}

TEST_F(Delivery, AUserClickTogglesThenRunsTheHandler) {
    form.onClick("C", [this] { log.push_back("C_Click sees " + std::to_string(form.value("C"))); });
    EXPECT_FALSE(form.userClick("C"));
    EXPECT_FALSE(form.userClick("C"));
    EXPECT_EQ(log, (std::vector<std::string>{"C=1", "C_Click sees 1", "C=0", "C_Click sees 0"}));
    EXPECT_EQ(form.focus(), "C");
}

TEST_F(Delivery, OptionButtonsOfOneContainerExcludeEachOther) {
    form.select("O1");
    form.select("P1"); // another container: its own group
    EXPECT_EQ(form.value("O1"), 1);
    EXPECT_FALSE(form.userClick("O2"));
    EXPECT_EQ(form.value("O1"), 0);
    EXPECT_EQ(form.value("O2"), 1);
    EXPECT_EQ(form.value("P1"), 1);
    form.deselect("O2");
    EXPECT_EQ(form.value("O2"), 0);
}

TEST_F(Delivery, ChoosingAnItemSetsTheTextThenRunsTheHandlerEveryTime) {
    form.onClick("Combo", [this] { log.push_back("Combo_Click " + form.text("Combo")); });
    EXPECT_FALSE(form.userChoose("Combo", "two"));
    EXPECT_FALSE(form.userChoose("Combo", "two"));
    EXPECT_TRUE(form.userChoose("Combo", "three"));
    EXPECT_EQ(log, (std::vector<std::string>{"Combo_Click two", "Combo_Click two"}));
}

TEST_F(Delivery, TypingIsRefusedInReadOnlyBoxesButCodeMayWriteThem) {
    EXPECT_FALSE(form.userType("T", "12"));
    EXPECT_EQ(form.text("T"), "12");
    EXPECT_EQ(form.userType("R", "12").reason, "R is read-only");
    form.setText("R", "by code");
    EXPECT_EQ(form.text("R"), "by code");
}

TEST_F(Delivery, ClicksOnTextBoxesAndButtonsRunTheirHandlers) {
    trace("T");
    trace("Go");
    form.userClick("T");
    form.userClick("Go");
    EXPECT_EQ(log, (std::vector<std::string>{"T_Click", "Go_Click"}));
}

TEST_F(Delivery, ListenersHearOnlyRealChanges) {
    int changes = 0;
    form.addListener([&](const std::string&, Property) { ++changes; });
    form.setText("T", "");
    form.setEnabled("A", true);
    form.setVisible("A", true);
    form.setCaption("A", "");
    EXPECT_EQ(changes, 0);
    form.setText("T", "x");
    EXPECT_EQ(changes, 1);
}

// The desktop mirrors the model by what its listeners hear: every real change, once, by its property.
TEST_F(Delivery, ListenersHearEachChangeByItsProperty) {
    using Heard = std::vector<std::pair<std::string, Property>>;
    Heard heard;
    form.addListener([&](const std::string& name, Property p) { heard.push_back({name, p}); });
    struct Case {
        const char* what;
        std::function<void()> change;
        Heard expected;
    };
    const Case cases[] = {
        {"disabled", [&] { form.setEnabled("A", false); }, {{"A", Property::Enabled}}},
        {"hidden", [&] { form.setVisible("A", false); }, {{"A", Property::Visible}}},
        {"captioned", [&] { form.setCaption("A", "甲"); }, {{"A", Property::Caption}}},
        {"an option chosen", [&] { form.select("O1"); }, {{"O1", Property::Value}}},
        {"its neighbour chosen",
         [&] { form.select("O2"); },
         {{"O1", Property::Value}, {"O2", Property::Value}}},
        {"an option cleared", [&] { form.deselect("O2"); }, {{"O2", Property::Value}}},
        {"focused", [&] { form.setFocus("T"); }, {{"T", Property::Focus}}},
        {"titled", [&] { form.setTitle("标题"); }, {{"", Property::Title}}},
    };
    for (const Case& c : cases) {
        heard.clear();
        c.change();
        EXPECT_EQ(heard, c.expected) << c.what;
        heard.clear();
        c.change(); // the same again is no change
        EXPECT_TRUE(heard.empty()) << c.what;
    }
}

TEST_F(Delivery, AHandlerIsBoundOnlyToAControlOfTheWindow) {
    EXPECT_THROW(form.onClick("Missing", [] {}), std::out_of_range);
}

} // namespace
