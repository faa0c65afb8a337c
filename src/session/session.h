#pragma once

#include "engine/record.h"

namespace varnel::forms {
class Desktop;
class Form;
} // namespace varnel::forms

namespace varnel::session {

// What the program does, without a toolkit: it binds the handlers of each window the desktop opens, keeps
// the calculations of this run, and asks the desktop for windows, messages and the end. The desktop calls
// `bind` for every window it creates, before the user can reach it.
class Session {
  public:
    explicit Session(forms::Desktop& desktop) : m_desktop(desktop) {}
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // Opens the main window.
    void start();
    void bind(forms::Form& window);

    const engine::CalculationState& calculations() const { return m_calculations; }

  private:
    void bindMainWindow(forms::Form& w);
    void bindPlanningWindow(forms::Form& w);

    forms::Desktop& m_desktop;
    engine::CalculationState m_calculations;
};

} // namespace varnel::session
