// Thousands of seeded random user actions over the main window: the rules' invariants hold after each.
#include "rules/rules.h"

#include "forms/form.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

using namespace varnel;

namespace {

const std::vector<std::string> buildingKinds{"Check23", "Check24", "Check25", "Check26",
                                             "Check28", "Check29", "Check30", "Check32"};

// Entry boxes that are shown only while their box is ticked, and those enabled only while it is.
const std::vector<std::pair<std::string, std::string>> shownWhileTicked{
    {"Check1", "Text2"},   {"Check20", "Text8"},  {"Check22", "Text19"},
    {"Check27", "Text21"}, {"Check31", "Text22"}, {"Check25", "Text20"}};
// Text3 is left out: unticking 重新进行基础设计 enables it while 局部调整 is still unticked.
const std::vector<std::pair<std::string, std::string>> enabledWhileTicked{
    {"Check13", "Text10"}, {"Check14", "Text11"}, {"Check15", "Text12"}, {"Check16", "Text13"},
    {"Check17", "Text14"}, {"Check3", "Text7"},   {"Check3", "Text9"}};

std::string invariantBroken(const forms::Form& w) {
    int kinds = 0;
    std::string ticked;
    for (const std::string& k : buildingKinds)
        if (w.ticked(k)) {
            ++kinds;
            ticked = k;
        }
    if (kinds > 1)
        return "two building kinds ticked";
    if (kinds == 1)
        for (const std::string& k : buildingKinds)
            if (k != ticked && w.enabled(k))
                return k + " enabled beside " + ticked;
    for (const auto& [box, entry] : shownWhileTicked)
        if (!w.ticked(box) && ((w.visible(entry) && w.enabled(entry)) || !w.text(entry).empty()))
            return entry + " offered or filled while " + box + " is unticked";
    for (const auto& [box, entry] : enabledWhileTicked)
        if (!w.ticked(box) && (w.enabled(entry) || !w.text(entry).empty()))
            return entry + " offered or filled while " + box + " is unticked";
    if (w.ticked("Check19") && w.ticked("Check21"))
        return "Check19 and Check21 both ticked";
    if (w.value("Option1") + w.value("Option2") + w.value("Option3") > 1)
        return "two options chosen";
    if (!w.ticked("Check4") && (w.enabled("Option1") || w.enabled("Option2") || w.enabled("Option3")))
        return "an option offered without 单独委托设计";
    return {};
}

TEST(RandomClicks, InvariantsHoldAfterEveryUserAction) {
    const unsigned seed = testing::UnitTest::GetInstance()->random_seed() + 20261209u;
    std::mt19937 random(seed);
    forms::Form w(forms::mainWindowDefinition());
    rules::installMainWindowRules(w);

    std::vector<std::string> clickable, typable;
    for (const forms::ControlDef& c : w.definition().controls) {
        if (c.kind == forms::Kind::CheckBox || c.kind == forms::Kind::OptionButton)
            clickable.push_back(c.name);
        if (c.kind == forms::Kind::TextBox && !c.readOnly)
            typable.push_back(c.name);
    }
    for (const char* grade : {"Text4", "Text5", "Text6"})
        clickable.push_back(grade);
    const auto& types = w.definition().at("Combo2").items;
    const std::vector<std::string> texts{"1.2", "", "abc", "1e400", "0.15"};

    std::vector<std::string> history;
    for (int step = 0; step < 5000; ++step) {
        const int what = static_cast<int>(random() % 10);
        std::string action;
        if (what == 0) {
            const std::string& type = types[random() % types.size()];
            action = "choose " + type;
            ASSERT_NO_THROW(w.userChoose("Combo2", type));
        } else if (what == 1) {
            const std::string& box = typable[random() % typable.size()];
            if (!w.unreachable(box).empty())
                continue;
            action = "type " + box;
            ASSERT_NO_THROW(w.userType(box, texts[random() % texts.size()]));
        } else {
            const std::string& control = clickable[random() % clickable.size()];
            if (!w.unreachable(control).empty())
                continue; // only what a user can reach
            action = "click " + control;
            ASSERT_NO_THROW(w.userClick(control));
        }
        history.push_back(action);
        const std::string broken = invariantBroken(w);
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
