#include "session/session.h"

#include "forms/desktop.h"
#include "forms/form.h"
#include "session/mainwindowcommands.h"
#include "session/planningwindowcommands.h"
#include "session/projectwindowcommands.h"
#include "session/reportwindowcommands.h"
#include "windows/guide.h"
#include "windows/windows.h"

namespace varnel::session {

void Session::start(const std::optional<std::string>& projectFile) {
    m_desktop.showWindow(windows::main);
    if (projectFile)
        m_project.open(*projectFile, false);
}

// Each window's commands file binds all its handlers, its rules among them.
void Session::bind(forms::Form& window) {
    if (window.name() == windows::main)
        bindMainWindow(window, m_desktop, m_calculations, m_project);
    else if (window.name() == windows::planning)
        bindPlanningWindow(window, m_desktop);
    else if (window.name() == windows::project)
        bindProjectWindow(window, m_project);
    else if (window.name() == windows::industry)
        bindIndustryWindow(window, m_industry, m_project);
    else if (window.name() == windows::report)
        bindReportWindow(window, m_desktop);
}

void Session::showGuideFor(std::string_view window) {
    m_desktop.showGuide(windows::guide::partOf(window));
}

} // namespace varnel::session
