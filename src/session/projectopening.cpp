#include "session/projectopening.h"

#include "forms/form.h"
#include "rules/rules.h"
#include "session/industrycommands.h"
#include "session/mainwindowfill.h"
#include "windows/windows.h"

namespace varnel::session {

std::variant<projects::OpenedQuote, projects::FileProblem, ItemNotHeld>
readProjectContents(const forms::FileContents& contents) {
    if (!contents.error.empty())
        return projects::FileProblem{contents.error};
    if (contents.tooLarge)
        return *projects::sizeProblem(contents.size);
    std::variant<projects::OpenedQuote, projects::FileProblem> read =
        projects::readProjectFile(contents.bytes);
    if (auto* problem = std::get_if<projects::FileProblem>(&read))
        return std::move(*problem);
    projects::OpenedQuote& opened = std::get<projects::OpenedQuote>(read);
    // Each item must be one its window can hold, since it can be opened there.
    forms::Form main(windows::mainWindowDefinition());
    rules::installMainWindowRules(main);
    forms::Form industry(windows::industryWindowDefinition());
    IndustryCommands industryCommands;
    industryCommands.bind(industry);
    for (std::size_t i = 0; i < opened.quote.items.size(); ++i) {
        const projects::Item& item = opened.quote.items[i];
        if (const engine::Project* inputs = item.mainInputs(); inputs && fillMainWindow(main, *inputs))
            return ItemNotHeld{i, false, conditionsNotTaken(*inputs, main)};
        if (const engine::industry::Project* inputs = item.industryInputs();
            inputs && industryCommands.fill(industry, *inputs))
            return ItemNotHeld{i, true, {}};
    }
    return std::move(opened);
}

std::variant<projects::OpenedQuote, projects::FileProblem>
openProjectContents(const forms::FileContents& contents) {
    std::variant<projects::OpenedQuote, projects::FileProblem, ItemNotHeld> read =
        readProjectContents(contents);
    if (auto* opened = std::get_if<projects::OpenedQuote>(&read))
        return std::move(*opened);
    if (auto* problem = std::get_if<projects::FileProblem>(&read))
        return std::move(*problem);
    const ItemNotHeld& item = std::get<ItemNotHeld>(read);
    const std::string which = "第 " + std::to_string(item.index + 1) + " 个单项";
    if (item.industry)
        return projects::FileProblem{which + "的输入不是全行业设计收费窗口能够填出的组合"};
    return projects::FileProblem{
        which + (item.conflict.empty() ? "的输入不是主窗口能够填出的组合" : "：" + item.conflict)};
}

forms::FileContents fileContents(projects::FileRead read) {
    std::string error;
    if (read.failure)
        error = read.failure->what + (read.failure->remedy.empty() ? "" : "。请" + read.failure->remedy);
    return {std::move(read.bytes), read.size, std::move(error), read.tooLarge};
}

} // namespace varnel::session
