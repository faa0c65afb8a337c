#pragma once

#include "session/calculationstate.h"
#include "session/industrywindowcommands.h"
#include "session/projectcommands.h"

#include <optional>
#include <string>
#include <string_view>

namespace varnel::forms {
class Desktop;
class Form;
} // namespace varnel::forms

namespace varnel::session {

// What the program does, without a toolkit: it binds the handlers of each window the desktop opens, keeps
// the calculations of this run and the open project, and asks the desktop for windows, messages and the
// end. The desktop calls `bind` for every window it creates, before the user can reach it.
class Session {
  public:
    explicit Session(forms::Desktop& desktop)
        : m_desktop(desktop), m_industry(desktop), m_project(desktop, m_calculations, m_industry) {}
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // Opens the main window, and the project file given on the command line, if any.
    void start(const std::optional<std::string>& projectFile = std::nullopt);
    void bind(forms::Form& window);
    // The user asked for help in the window of that name (F1): the guide opens at that window's part.
    void showGuideFor(std::string_view window);
    // Whether the program may end now (the last window is being closed): an unsaved project is saved or
    // given up on the user's word.
    bool mayEnd() { return m_project.mayEnd(); }

    const CalculationState& calculations() const { return m_calculations; }
    const ProjectDocument& project() const { return m_project.document(); }
    const std::optional<IndustryRecord>& industryRecord() const { return m_industry.record(); }

  private:
    forms::Desktop& m_desktop;
    CalculationState m_calculations;
    IndustryCommands m_industry;
    ProjectCommands m_project;
};

} // namespace varnel::session
