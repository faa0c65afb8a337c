#pragma once

#include "engine/industrycalculation.h"

#include "forms/form.h"
#include "session/industrywindowrules.h"

#include <optional>
#include <vector>

namespace varnel::forms {
class Desktop;
} // namespace varnel::forms

namespace varnel::session {

// A complete calculation of the industry window: the project as it was entered and what it came to.
struct IndustryRecord {
    engine::industry::KindProject project;
    engine::industry::Calculation calculation;
};

class ProjectCommands;

// The industry window's own commands: 计算 calculates and shows the results; 计算书 writes the report into
// the report window. It binds the window's rules (industrywindowrules.h) with them, and keeps the window's
// last complete calculation.
class IndustryCommands {
  public:
    explicit IndustryCommands(forms::Desktop& desktop) : m_desktop(&desktop) {}
    // Commands that only enter projects into a window, to check that the window can hold them: they show
    // no message and no other window.
    IndustryCommands() = default;

    void bind(forms::Form& industryWindow);
    // 计算 on the window, as its button does. Whether the calculation was complete.
    bool calculate(forms::Form& industryWindow);
    // The window as it first opens: every box empty, nothing chosen, the lists of a fresh window.
    void startAfresh(forms::Form& industryWindow);
    // Enters a project into the window the way a user enters it, from the window in its first state.
    // Refused when a step is one a user could not take, or when the window then holds other inputs (the
    // calculation's reading of them): such inputs did not come from the window.
    forms::Refusal fill(forms::Form& industryWindow, const engine::industry::KindProject& project);

    // The last complete calculation of the window, if any.
    const std::optional<IndustryRecord>& record() const { return m_record; }

  private:
    void showReport();

    forms::Desktop* m_desktop = nullptr;
    IndustryWindowRules m_rules;
    std::optional<IndustryRecord> m_record;
};

// All the industry window's commands: its own (`industry`), and 加入项目…, 更新单项, 新单项, 保存项目 and
// 项目另存为…, which are the open project's (`project`).
void bindIndustryWindow(forms::Form& industryWindow, IndustryCommands& industry, ProjectCommands& project);

} // namespace varnel::session
