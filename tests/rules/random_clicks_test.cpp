// Thousands of seeded random user actions over the main window: the rules' invariants hold after each.
#include "rules/rules.h"

#include "forms/form.h"
#include "support/windowinvariants.h"
#include "windows/mainwindow.h"
#include "windows/windows.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <string_view>
#include <vector>

using namespace varnel;

namespace {

namespace box = windows::mainwindow;

TEST(RandomClicks, InvariantsHoldAfterEveryUserAction) {
    const unsigned seed = testing::UnitTest::GetInstance()->random_seed() + 20261209u;
    std::mt19937 random(seed);
    forms::Form w(windows::mainWindowDefinition());
    rules::installMainWindowRules(w);

    std::vector<std::string> clickable, typable;
    for (const forms::ControlDef& c : w.definition().controls) {
        if (c.kind == forms::ControlKind::CheckBox || c.kind == forms::ControlKind::OptionButton)
            clickable.push_back(c.name);
        if (c.kind == forms::ControlKind::TextBox && !c.readOnly)
            typable.push_back(c.name);
    }
    for (std::string_view grade : {box::gradeIDescription, box::gradeIIDescription, box::gradeIIIDescription})
        clickable.emplace_back(grade);
    const auto& types = w.definition().at(box::typeList).items;
    const std::vector<std::string> texts{"1.2", "", "abc", "1e400", "0.15"};

    std::vector<std::string> history;
    for (int step = 0; step < 5000; ++step) {
        const int what = static_cast<int>(random() % 10);
        std::string action;
        if (what == 0) {
            const std::string& type = types[random() % types.size()];
            action = "choose " + type;
            ASSERT_NO_THROW(w.userChoose(box::typeList, type));
        } else if (what == 1) {
            const std::string& entry = typable[random() % typable.size()];
            if (!w.unreachable(entry).empty())
                continue;
            action = "type " + entry;
            ASSERT_NO_THROW(w.userType(entry, texts[random() % texts.size()]));
        } else {
            const std::string& control = clickable[random() % clickable.size()];
            if (!w.unreachable(control).empty())
                continue; // only what a user can reach
            action = "click " + control;
            ASSERT_NO_THROW(w.userClick(control));
        }
        history.push_back(action);
        const std::string broken = test::brokenInvariant(w);
        ASSERT_TRUE(broken.empty()) << broken << " after step " << step << " (" << action << "), seed "
                                    << seed << "; last actions: " <<
            [&] {
                std::string tail;
                for (std::size_t i = history.size() > 8 ? history.size() - 8 : 0; i < history.size(); ++i)
                    tail += history[i] + "; ";
                return tail;
            }();
    }
}

} // namespace
