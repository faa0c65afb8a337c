#pragma once

#include "engine/industrycalculation.h"
#include "forms/form.h"

#include <optional>
#include <vector>

namespace varnel::session {

// The industry window's input rules, what choosing and ticking do: the kind and the grade offer the
// conditions, share rows and phases they have; a condition ticked unticks those it excludes and offers its
// coefficient's box where the standard gives a range; 单独委托设计 offers the share rows and their phases;
// a share row offers the phases it gives a share. The other fees' boxes follow the main window's rules.
class IndustryWindowRules {
  public:
    // Fills the window's lists and binds the rules.
    void install(forms::Form& industryWindow);
    // The lists of a fresh window, nothing offered for a kind yet.
    void populate(forms::Form& industryWindow);
    // The conditions the window's boxes hold, a box for each, as the kind and grade last offered them.
    const std::vector<const engine::industry::ConditionRow*>& offered() const { return m_offered; }

  private:
    void offerForKindAndGrade(forms::Form& w);
    void conditionClicked(forms::Form& w, std::size_t slot);
    void commissionClicked(forms::Form& w);
    void shareRowChosen(forms::Form& w);

    std::vector<const engine::industry::ConditionRow*> m_offered;
    // The group of the kind they were offered for: the conditions of one group mean nothing in another.
    std::optional<engine::industry::Group> m_group;
};

// The line under the results that names the phase commissioned on its own and shows its share: shown, or
// hidden with its figure emptied.
void showPhaseShare(forms::Form& industryWindow, bool shown);
void hidePhaseShare(forms::Form& industryWindow);

} // namespace varnel::session
