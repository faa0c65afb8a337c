#include "session/session.h"

#include "forms/desktop.h"
#include "forms/form.h"
#include "planning/planning.h"
#include "report/report.h"
#include "rules/rules.h"
#include "session/calculationcommand.h"
#include "session/notes.h"
#include "session/projectwindowcommands.h"
#include "session/reportcommands.h"
#include "windows/guide.h"
#include "windows/mainwindow.h"
#include "windows/secondarywindows.h"
#include "windows/windows.h"

#include <string>

namespace varnel::session {

namespace {

namespace mainWindow = windows::mainwindow;
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
        bindMainWindow(window);
    else if (window.name() == windows::planning)
        bindPlanningWindow(window);
    else if (window.name() == windows::project)
        bindProjectWindow(window, m_project);
    else if (window.name() == windows::industry)
        bindIndustryWindow(window);
    else if (window.name() == windows::report)
        bindReportWindow(window, m_desktop);
}

void Session::showGuideFor(std::string_view window) {
    m_desktop.showGuide(windows::guide::partOf(window));
}

void Session::bindMainWindow(forms::Form& w) {
    rules::installMainWindowRules(w);
    w.onClick(mainWindow::calculate, [this, &w] { runCalculation(w, m_calculations, m_desktop); });
    w.onClick(mainWindow::showReport, [this] {
        forms::Form& report = m_desktop.showWindow(windows::report);
        report.setText(windows::reportwindow::text, report::buildReport(m_calculations.record));
    });
    w.onClick(mainWindow::planningFee, [this] { m_desktop.showWindow(windows::planning); });
    w.onClick(mainWindow::exit, [this] {
        if (mayEnd())
            m_desktop.endProgram();
    });
    w.onClick(mainWindow::help, [this] { m_desktop.showWindow(windows::help); });
    w.onClick(mainWindow::guide, [this] { m_desktop.showGuide(windows::guide::contents); });
    w.onClick(mainWindow::aboutProgram, [this] { m_desktop.showMessage(aboutNote()); });
    w.onClick(mainWindow::aboutAuthor, [this] {
        m_desktop.showMessage(authorNote());
        m_desktop.showWindow(windows::author);
    });
    w.onClick(mainWindow::industryWindow, [this] { m_desktop.showWindow(windows::industry); });
    m_project.bindMainWindow(w);
}

void Session::bindIndustryWindow(forms::Form& w) {
    m_industry.bind(w);
    m_project.bindIndustryWindow(w);
}

void Session::bindPlanningWindow(forms::Form& w) {
    w.onClick(planningBox::calculate, [this, &w] { m_desktop.showMessage(planningMessage(w)); });
}

} // namespace varnel::session
