#include "session/session.h"

#include "forms/desktop.h"
#include "forms/form.h"
#include "planning/planning.h"
#include "report/report.h"
#include "rules/rules.h"
#include "session/calculationcommand.h"
#include "session/notes.h"

#include <string>

namespace varnel::session {

namespace {

// The main window's commands: its buttons and its menu items.
namespace commands {
constexpr std::string_view calculate = "Command1";   // 计算
constexpr std::string_view showReport = "Command2";  // 计算书
constexpr std::string_view planningFee = "Command3"; // 建筑总平面布置及小区规划设计收费计算
constexpr std::string_view exit = "exit";            // 退出
constexpr std::string_view help = "help";            // 帮助
constexpr std::string_view aboutProgram = "soft";    // 关于 → 本软件
constexpr std::string_view aboutAuthor = "writer";   // 关于 → 作者
} // namespace commands

// The report window's one box, and the planning window's boxes and button.
constexpr std::string_view reportText = "Text1";
namespace planningBoxes {
constexpr std::string_view area = "Text1";      // 设计面积, 公顷
constexpr std::string_view unitPrice = "Text2"; // 收费单价, 元/公顷
constexpr std::string_view calculate = "Command1";
} // namespace planningBoxes

forms::Message planningMessage(const forms::Form& w) {
    return {planning::planningFeeMessage(w.text(planningBoxes::area), w.text(planningBoxes::unitPrice)),
            std::string(forms::applicationTitle), forms::MessageIcon::None};
}

} // namespace

void Session::start(const std::optional<std::string>& projectFile) {
    m_desktop.showWindow(forms::windows::main);
    if (projectFile)
        m_project.open(*projectFile, false);
}

void Session::bind(forms::Form& window) {
    if (window.name() == forms::windows::main)
        bindMainWindow(window);
    else if (window.name() == forms::windows::planning)
        bindPlanningWindow(window);
    else if (window.name() == forms::windows::project)
        m_project.bindProjectWindow(window);
}

void Session::bindMainWindow(forms::Form& w) {
    rules::installMainWindowRules(w);
    w.onClick(commands::calculate, [this, &w] { runCalculation(w, m_calculations, m_desktop); });
    w.onClick(commands::showReport, [this] {
        forms::Form& report = m_desktop.showWindow(forms::windows::report);
        report.setText(reportText, report::buildReport(m_calculations.record));
    });
    w.onClick(commands::planningFee, [this] { m_desktop.showWindow(forms::windows::planning); });
    w.onClick(commands::exit, [this] {
        if (mayEnd())
            m_desktop.endProgram();
    });
    w.onClick(commands::help, [this] { m_desktop.showWindow(forms::windows::help); });
    w.onClick(commands::aboutProgram, [this] { m_desktop.showMessage(aboutNote()); });
    w.onClick(commands::aboutAuthor, [this] {
        m_desktop.showMessage(authorNote());
        m_desktop.showWindow(forms::windows::author);
    });
    m_project.bindMainWindow(w);
}

void Session::bindPlanningWindow(forms::Form& w) {
    w.onClick(planningBoxes::calculate, [this, &w] { m_desktop.showMessage(planningMessage(w)); });
}

} // namespace varnel::session
