#pragma once

namespace varnel::forms {
class Form;
} // namespace varnel::forms

namespace varnel::session {

class ProjectCommands;

// The project window's commands: a row activated or 打开单项 opens its item into the window it is
// calculated in, 上移, 下移, 重命名 and 删除 change the list of items, 保存项目 and 项目另存为… save the
// project, and the 项目计算书 is printed, saved or exported as a workbook. It binds the window's rules
// (projectwindowrules.h) with them and shows the open project in it.
void bindProjectWindow(forms::Form& projectWindow, ProjectCommands& project);

} // namespace varnel::session
