#include "session/mainwindowcommands.h"

#include "engine/calculation.h"
#include "forms/desktop.h"
#include "forms/form.h"
#include "report/report.h"
#include "rules/rules.h"
#include "session/mainwindowread.h"
#include "session/notes.h"
#include "session/phaseline.h"
#include "session/projectcommands.h"
#include "windows/guide.h"
#include "windows/mainwindow.h"
#include "windows/secondarywindows.h"
#include "windows/windows.h"

#include <cstddef>
#include <string>

namespace varnel::session {

namespace box = windows::mainwindow;

using engine::CalculationRecord;
using engine::Outcome;

bool runCalculation(forms::Form& w, CalculationState& state, forms::Desktop& desktop) {
    const engine::Project project = readMainWindow(w);
    const Outcome outcome = engine::calculate(project, state.variables);
    if (outcome.amountAccepted)
        w.setFocus(box::amount);
    if (const std::optional<engine::Stop>& stop = outcome.stop) {
        desktop.showMessage(
            {stop->message, std::string(windows::applicationTitle), forms::MessageIcon::None});
        std::optional<std::string_view> retyped;
        switch (stop->focus) {
        case engine::Focus::Amount:
            retyped = box::amount;
            break;
        case engine::Focus::Entry:
            retyped = entryBox(*stop->entry, project.type);
            break;
        case engine::Focus::Type:
            w.setFocus(box::typeList);
            break;
        case engine::Focus::Grade:
        case engine::Focus::None:
            break;
        }
        if (retyped) {
            w.setText(*retyped, "");
            w.setFocus(*retyped);
        }
        return false;
    }
    w.setText(box::basicFee, outcome.basicFee);
    w.setText(box::otherFee, outcome.otherFee);
    // Without a phase row for this calculation the line is hidden: a share shown earlier would belong to
    // another one.
    if (outcome.phase)
        showPhaseLine(w, outcome.phase->caption, outcome.phase->share);
    else
        hidePhaseLine(w);
    w.setText(box::benchmarkFee, outcome.benchmarkFee);
    state.record = CalculationRecord{state.variables, project, outcome.phase.has_value()};
    return true;
}

void bindMainWindow(forms::Form& w, forms::Desktop& desktop, CalculationState& calculations,
                    ProjectCommands& project) {
    rules::installMainWindowRules(w);
    using Item = ProjectCommands::ItemWindow;

    // The buttons.
    w.onClick(box::calculate, [&w, &calculations, &desktop] { runCalculation(w, calculations, desktop); });
    w.onClick(box::showReport, [&calculations, &desktop] {
        forms::Form& report = desktop.showWindow(windows::report);
        report.setText(windows::reportwindow::text, report::buildReport(calculations.record));
    });
    w.onClick(box::planningFee, [&desktop] { desktop.showWindow(windows::planning); });

    // 文件
    w.onClick(box::newProject, [&project] { project.newProject(); });
    w.onClick(box::openProject, [&project] { project.chooseAndOpen(); });
    w.onClick(box::saveProject, [&project] { project.save(); });
    w.onClick(box::saveProjectAs, [&project] { project.saveAs(); });
    for (std::size_t i = 0; i < box::recentProjects; ++i)
        w.onClick(box::recentProject(i), [&project, i] { project.openRecent(i); });
    w.onClick(box::exit, [&project, &desktop] {
        if (project.mayEnd())
            desktop.endProgram();
    });

    // 项目
    w.onClick(box::newItem, [&w, &project] { project.newItem(Item::Main, w); });
    w.onClick(box::addItem, [&w, &project] { project.addItem(Item::Main, w); });
    w.onClick(box::updateItem, [&w, &project] { project.updateItem(Item::Main, w); });
    w.onClick(box::projectWindow, [&desktop] { desktop.showWindow(windows::project); });
    w.onClick(box::industryWindow, [&desktop] { desktop.showWindow(windows::industry); });

    // 帮助, 使用说明 and 关于
    w.onClick(box::help, [&desktop] { desktop.showWindow(windows::help); });
    w.onClick(box::guide, [&desktop] { desktop.showGuide(windows::guide::contents); });
    w.onClick(box::aboutProgram, [&desktop] { desktop.showMessage(aboutNote()); });
    w.onClick(box::aboutAuthor, [&desktop] {
        desktop.showMessage(authorNote());
        desktop.showWindow(windows::author);
    });

    project.show();
    project.showRecentProjects();
}

} // namespace varnel::session
