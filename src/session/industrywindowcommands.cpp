#include "session/industrywindowcommands.h"

#include "engine/numbers.h"
#include "forms/desktop.h"
#include "report/industryreport.h"
#include "session/industrywindowfill.h"
#include "session/industrywindowread.h"
#include "session/projectcommands.h"
#include "windows/industrywindow.h"
#include "windows/secondarywindows.h"
#include "windows/windows.h"

namespace varnel::session {

namespace iw = windows::industrywindow;
using namespace engine::industry;
using engine::Focus;
using engine::Stop;

void IndustryCommands::bind(forms::Form& w) {
    m_rules.install(w);
    w.onClick(iw::calculate, [this, &w] { calculate(w); });
    w.onClick(iw::report, [this] { showReport(); });
}

bool IndustryCommands::calculate(forms::Form& w) {
    const KindProject project = readIndustryProject(w);
    Calculation calculation = engine::industry::calculate(project);
    if (const std::optional<Stop>& stop = calculation.stop) {
        if (m_desktop)
            m_desktop->showMessage(
                {stop->message, std::string(windows::applicationTitle), forms::MessageIcon::None});
        std::optional<std::string_view> box;
        switch (stop->focus) {
        case Focus::Amount:
            box = iw::amount;
            break;
        case Focus::Type:
            w.setFocus(iw::kind);
            break;
        case Focus::Grade:
            w.setFocus(iw::grade);
            break;
        case Focus::Entry:
            box = industryEntryBox(w, *stop->entry);
            break;
        case Focus::None:
            break;
        }
        if (box) {
            w.setText(*box, "");
            w.setFocus(*box);
        }
        return false;
    }
    // A phase commissioned on its own is charged its share: without a row and a phase that give one, the
    // whole benchmark would be quoted for a part of the work. Say what to choose instead.
    if (w.ticked(iw::independentPhase) && !calculation.phaseShare) {
        const bool rowChosen = !w.text(iw::shareRow).empty();
        if (m_desktop)
            m_desktop->showMessage({rowChosen ? "请选择单独委托设计的阶段！"
                                              : "请选择单独委托设计的工程（收费比例表中的一行）！",
                                    std::string(windows::applicationTitle), forms::MessageIcon::None});
        w.setFocus(rowChosen ? iw::phase : iw::shareRow);
        return false;
    }
    const engine::Variables& v = calculation.variables;
    w.setText(iw::basicFee, engine::resultBoxText(*v.basicFee));
    w.setText(iw::otherFee, engine::resultBoxText(*v.otherFee));
    w.setText(iw::benchmarkFee, engine::resultBoxText(*v.benchmarkFee));
    if (calculation.phaseShare) {
        w.setCaption(iw::phaseName, "其中" + w.text(iw::phase) + "费");
        w.setText(iw::phaseFee, engine::resultBoxText(*calculation.phaseShare));
        showPhaseShare(w, true);
    } else {
        hidePhaseShare(w);
    }
    w.setFocus(iw::amount);
    m_record = IndustryRecord{project, std::move(calculation)};
    return true;
}

void IndustryCommands::showReport() {
    if (!m_desktop)
        return;
    if (!m_record) {
        m_desktop->showMessage({"还没有可以写成计算书的计算：请先输入工程的数据，点击“计算”。",
                                std::string(windows::applicationTitle), forms::MessageIcon::None});
        return;
    }
    forms::Form& report = m_desktop->showWindow(windows::report);
    report.setText(windows::reportwindow::text,
                   report::buildIndustryReport(m_record->project, m_record->calculation));
}

void IndustryCommands::startAfresh(forms::Form& w) {
    w.reset();
    m_rules.populate(w);
    w.setFocus(iw::amount);
}

forms::Refusal IndustryCommands::fill(forms::Form& w, const KindProject& in) {
    return fillIndustryWindow(w, m_rules, in);
}

void bindIndustryWindow(forms::Form& w, IndustryCommands& industry, ProjectCommands& project) {
    industry.bind(w);
    using Item = ProjectCommands::ItemWindow;
    w.onClick(iw::addItem, [&w, &project] { project.addItem(Item::Industry, w); });
    w.onClick(iw::updateItem, [&w, &project] { project.updateItem(Item::Industry, w); });
    w.onClick(iw::newItem, [&w, &project] { project.newItem(Item::Industry, w); });
    w.onClick(iw::saveProject, [&project] { project.save(); });
    w.onClick(iw::saveProjectAs, [&project] { project.saveAs(); });
}

} // namespace varnel::session
