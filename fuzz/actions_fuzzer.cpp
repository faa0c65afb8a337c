// Random sequences of user actions over the main window's model with its input rules: the rules'
// invariants hold after every action.
#include "rules/rules.h"

#include "forms/form.h"
#include "session/mainwindowread.h"
#include "support/windowinvariants.h"
#include "windows/windows.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace varnel;
    forms::Form w(windows::mainWindowDefinition());
    rules::installMainWindowRules(w);
    static const std::vector<std::string> controls = [] {
        std::vector<std::string> names;
        for (const forms::ControlDef& c : windows::mainWindowDefinition().controls)
            if (c.kind == forms::ControlKind::CheckBox || c.kind == forms::ControlKind::OptionButton ||
                c.kind == forms::ControlKind::TextBox)
                names.push_back(c.name);
        return names;
    }();
    const auto& types = w.definition().at(windows::mainwindow::typeList).items;

    for (std::size_t i = 0; i + 1 < size; i += 2) {
        const std::uint8_t what = data[i], which = data[i + 1];
        if (what % 8 == 0) {
            w.userChoose(windows::mainwindow::typeList, types[which % types.size()]);
        } else {
            const std::string& control = controls[which % controls.size()];
            if (what % 8 == 1)
                w.userType(control, std::string(1, static_cast<char>('0' + what % 10)));
            else
                w.userClick(control); // refused where a user could not click
        }
        if (!test::brokenInvariant(w).empty())
            std::abort();
    }
    return 0;
}
