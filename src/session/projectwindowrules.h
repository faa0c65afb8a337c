#pragma once

namespace varnel::forms {
class Form;
} // namespace varnel::forms

namespace varnel::session {

class ProjectCommands;

// The project window's input rules, what typing into its boxes and ticking them do to the open project's
// quote: 项目名称, 发包人, 设计人 and 编制日期 are each kept as one line of at most so many characters; a
// float, a contract amount or a tax rate is taken when the quote may hold it and otherwise refused, the box
// showing the quote's again; 采用新技术 widens the float's range; 含税 says whether the contract amount
// includes the VAT. A change the quote takes is the project's (`project`).
void installProjectWindowRules(forms::Form& projectWindow, ProjectCommands& project);

} // namespace varnel::session
