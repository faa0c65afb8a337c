// The lists a window changes while it runs, the tables it shows, the events of text boxes and a window's
// return to its first state, on a small window of its own.
#include "forms/form.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace varnel::forms;

namespace {

FormDef window() {
    auto make = [](ControlKind kind, std::string name) {
        ControlDef c;
        c.kind = kind;
        c.name = std::move(name);
        return c;
    };
    FormDef def;
    def.name = "Lists";
    def.caption = "列表";
    def.controls = {make(ControlKind::ComboBox, "List"), make(ControlKind::Table, "Rows"),
                    make(ControlKind::TextBox, "Box"), make(ControlKind::CheckBox, "Tick")};
    def.controls[0].items = {"甲", "乙"};
    return def;
}

class ListsAndTables : public testing::Test {
  protected:
    ListsAndTables() {
        form.addListener([this](const std::string& control, Property p) { changes.push_back({control, p}); });
    }
    const FormDef def = window();
    Form form{def};
    std::vector<std::pair<std::string, Property>> changes;
};

TEST_F(ListsAndTables, AListStartsAsDefinedAndChangesWhileTheWindowRuns) {
    EXPECT_EQ(form.state("List").rows, (std::vector<Row>{{"甲"}, {"乙"}}));
    EXPECT_FALSE(form.userChoose("List", "乙"));
    form.setItems("List", {{"", "第一组"}, {"丙", "丙  1.2"}, {"丁"}});
    EXPECT_EQ(changes.back(), std::make_pair(std::string("List"), Property::Rows));
    EXPECT_TRUE(form.userChoose("List", "乙"));     // no longer listed
    EXPECT_TRUE(form.userChoose("List", ""));       // a heading is never chosen
    EXPECT_TRUE(form.userChoose("List", "第一组")); // nor by its label
    EXPECT_FALSE(form.userChoose("List", "丙"));    // by its text, not its label
    EXPECT_EQ(form.text("List"), "丙");
    changes.clear();
    form.setItems("List", {{"", "第一组"}, {"丙", "丙  1.2"}, {"丁"}});
    EXPECT_TRUE(changes.empty()); // the same list again changes nothing
}

TEST_F(ListsAndTables, ATableKeepsItsCurrentRowWithinItsRows) {
    EXPECT_EQ(form.currentRow("Rows"), -1);
    EXPECT_TRUE(form.userSelectRow("Rows", 0)); // no rows yet
    form.setRows("Rows", {{"a"}, {"b"}, {"c"}}, {"合计"});
    ASSERT_FALSE(changes.empty());
    EXPECT_EQ(changes.back(), std::make_pair(std::string("Rows"), Property::Rows));
    EXPECT_FALSE(form.userSelectRow("Rows", 2));
    EXPECT_EQ(form.focus(), "Rows");
    EXPECT_TRUE(form.userSelectRow("Rows", 3)); // the total row is no row to select
    form.setRows("Rows", {{"a"}});
    EXPECT_EQ(form.currentRow("Rows"), 0);
    EXPECT_TRUE(form.state("Rows").footer.empty());
    form.setRows("Rows", {});
    EXPECT_EQ(form.currentRow("Rows"), -1);
    EXPECT_THROW(form.setCurrentRow("Rows", 0), std::out_of_range);
}

TEST_F(ListsAndTables, ActivatingARowRunsItsHandlerAfterSelectingIt) {
    int activated = -2;
    form.on(Event::Activate, "Rows", [&] { activated = form.currentRow("Rows"); });
    form.setRows("Rows", {{"a"}, {"b"}});
    EXPECT_FALSE(form.userActivateRow("Rows", 1));
    EXPECT_EQ(activated, 1);
    activated = -2;
    EXPECT_TRUE(form.userActivateRow("Rows", 2));
    EXPECT_EQ(activated, -2);
}

TEST_F(ListsAndTables, TypingRunsChangeAndCommittingRunsCommit) {
    std::vector<std::string> events;
    form.on(Event::Change, "Box", [&] { events.push_back("change " + form.text("Box")); });
    form.on(Event::Commit, "Box", [&] { events.push_back("commit " + form.text("Box")); });
    EXPECT_FALSE(form.userType("Box", "1"));
    EXPECT_FALSE(form.userType("Box", "1")); // the same text: no change
    EXPECT_FALSE(form.userCommit("Box"));
    form.setText("Box", "2"); // code's writes run nothing
    EXPECT_EQ(events, (std::vector<std::string>{"change 1", "commit 1"}));
    EXPECT_TRUE(form.userCommit("Tick")); // only a text box is committed
    form.setEnabled("Box", false);
    EXPECT_TRUE(form.userCommit("Box"));
}

TEST_F(ListsAndTables, AResetWindowIsAsFreshWithItsHandlersBound) {
    int clicks = 0;
    form.onClick("Tick", [&] { ++clicks; });
    form.setTitle("列表 - 改");
    ASSERT_FALSE(form.userClick("Tick"));
    form.setItems("List", {{"丙"}});
    form.setRows("Rows", {{"a"}});
    form.setText("Box", "x");
    changes.clear();
    form.reset();
    EXPECT_EQ(form.value("Tick"), 0);
    EXPECT_EQ(form.state("List").rows, (std::vector<Row>{{"甲"}, {"乙"}}));
    EXPECT_TRUE(form.rows("Rows").empty());
    EXPECT_EQ(form.text("Box"), "");
    // Each control that changed, once, with no Click run.
    EXPECT_EQ(changes, (std::vector<std::pair<std::string, Property>>{{"List", Property::Rows},
                                                                      {"Rows", Property::Rows},
                                                                      {"Box", Property::Text},
                                                                      {"Tick", Property::Value}}));
    EXPECT_EQ(clicks, 1);
    ASSERT_FALSE(form.userClick("Tick"));
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(form.title(), "列表 - 改"); // the title is the program's to keep
}

} // namespace
