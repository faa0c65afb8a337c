#include "session/session.h"

#include "forms/desktop.h"
#include "forms/form.h"
#include "planning/planning.h"
#include "session/mainwindowcommands.h"
#include "session/projectwindowcommands.h"
#include "session/reportcommands.h"
#include "windows/guide.h"
#include "windows/secondarywindows.h"
#include "windows/windows.h"

#include <string>

namespace varnel::session {

namespace {

namespace planningBox = windows::planningwindow;

forms::Message planningMessage(const forms::Form& w) {
    return {planning::planningFeeMessage(w.text(planningBox::area), w.text(planningBox::unitPrice)),
            std::string(windows::applicationTitle), forms::MessageIcon::None};
}

} // namespace

void Session::start(const std::optional<std::string>& projectFile) {
    m_desktop.showWindow(windows::main);
    if (projectFile)
        m_project.open(*projectFile, false);
}

void Session::bind(forms::Form& window) {
    if (window.name() == windows::main)
        bindMainWindow(window, m_desktop, m_calculations, m_project);
    else if (window.name() == windows::planning)
        bindPlanningWindow(window);
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

void Session::bindPlanningWindow(forms::Form& w) {
    w.onClick(planningBox::calculate, [this, &w] { m_desktop.showMessage(planningMessage(w)); });
}

} // namespace varnel::session
