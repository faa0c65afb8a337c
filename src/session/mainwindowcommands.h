#pragma once

#include "session/calculationstate.h"

namespace varnel::forms {
class Desktop;
class Form;
} // namespace varnel::forms

namespace varnel::session {

class ProjectCommands;

// 计算: reads the main window, calculates, and shows the outcome. A run that stops at a check shows its
// message (and empties and focuses the offending box) but leaves the result row showing the last complete
// calculation. Whether the run was complete.
bool runCalculation(forms::Form& mainWindow, CalculationState& state, forms::Desktop& desktop);

// The main window's commands: 计算, 计算书 and the planning-fee calculator; the 文件 and 项目 menus, whose
// project commands are the open project's (`project`); 退出; 帮助, 使用说明 and 关于. It binds the window's
// input rules (rules::installMainWindowRules) with them and shows the open project and the recent ones.
void bindMainWindow(forms::Form& mainWindow, forms::Desktop& desktop, CalculationState& calculations,
                    ProjectCommands& project);

} // namespace varnel::session
