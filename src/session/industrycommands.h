#pragma once

#include "engine/industrycalculation.h"

#include "forms/form.h"

#include <optional>
#include <vector>

namespace varnel::forms {
class Desktop;
} // namespace varnel::forms

namespace varnel::session {

// A complete calculation of the industry window: the project as it was entered and what it came to.
struct IndustryRecord {
    engine::industry::Project project;
    engine::industry::Calculation calculation;
};

// The industry window's commands and the rules of its lists: choosing the kind and the grade offers the
// conditions, share rows and phases they have; 计算 calculates and shows the results; 计算书 writes the
// report into the report window.
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
    forms::Refusal fill(forms::Form& industryWindow, const engine::industry::Project& project);

    // The last complete calculation of the window, if any.
    const std::optional<IndustryRecord>& record() const { return m_record; }

  private:
    void populate(forms::Form& w);
    void offerForKindAndGrade(forms::Form& w);
    void conditionClicked(forms::Form& w, std::size_t slot);
    void commissionClicked(forms::Form& w);
    void shareRowChosen(forms::Form& w);
    void showReport();

    forms::Desktop* m_desktop = nullptr;
    // The conditions the window's boxes hold, a box for each, as the kind and grade last offered them.
    std::vector<const engine::industry::ConditionRow*> m_offered;
    // The group of the kind they were offered for: the conditions of one group mean nothing in another.
    std::optional<engine::industry::Group> m_group;
    std::optional<IndustryRecord> m_record;
};

} // namespace varnel::session
