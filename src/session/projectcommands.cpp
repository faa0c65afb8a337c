#include "session/projectcommands.h"

#include "engine/calculation.h"
#include "engine/numbers.h"
#include "forms/desktop.h"
#include "forms/form.h"
#include "projects/files.h"
#include "projects/oneline.h"
#include "projects/projectfile.h"
#include "projects/projectreport.h"
#include "projects/workbook.h"
#include "session/mainwindowcommands.h"
#include "session/mainwindowfill.h"
#include "session/projectopening.h"
#include "session/projectwindowfill.h"
#include "session/reportfile.h"
#include "windows/mainwindow.h"
#include "windows/projectwindow.h"
#include "windows/windows.h"

namespace varnel::session {

namespace mainWindow = windows::mainwindow;
namespace pw = windows::projectwindow;
using windows::main;
using windows::project;

namespace {

constexpr std::string_view projectFilter = "Varnel 项目 (*.varnel)";
constexpr std::string_view workbookFilter = "Excel 工作簿 (*.xlsx)";

std::string withExtension(std::string path, std::string_view extension = projects::fileExtension) {
    return projects::hasExtension(path, extension) ? path : path + std::string(extension);
}

// An item's name as typed into its dialog: one line, without blanks around it.
std::string itemName(const std::string& typed) {
    return std::string(projects::withoutBlanksAround(projects::asOneLine(typed)));
}

// Why a name cannot be an item's, as the message starts; nothing where it can.
std::optional<std::string> nameRefusal(const std::string& name) {
    if (name.empty())
        return "单项名称不能为空";
    if (const std::size_t count = projects::characterCount(name); count > projects::maxNameCharacters)
        return "单项名称最多 " + std::to_string(projects::maxNameCharacters) + " 个字，这个名称有 " +
               std::to_string(count) + " 个字";
    return std::nullopt;
}

} // namespace

ProjectCommands::ProjectCommands(forms::Desktop& desktop, CalculationState& calculations,
                                 IndustryCommands& industry)
    : m_desktop(desktop), m_calculations(calculations), m_industry(industry) {
    m_document.quote.date = m_desktop.today();
}

void ProjectCommands::tell(std::string text) {
    m_desktop.showMessage(
        {std::move(text), std::string(windows::applicationTitle), forms::MessageIcon::None});
}

void ProjectCommands::warn(std::string text) {
    m_desktop.showMessage(
        {std::move(text), std::string(windows::applicationTitle), forms::MessageIcon::Exclamation});
}

// --- the file

bool ProjectCommands::confirmDiscard() {
    if (!m_document.modified)
        return true;
    const forms::Question question{{"项目“" + displayName(m_document) + "”已经修改，要保存吗？",
                                    std::string(windows::applicationTitle), forms::MessageIcon::Question},
                                   {"保存", "不保存", "取消"},
                                   0,
                                   2};
    switch (m_desktop.ask(question)) {
    case 0:
        return save();
    case 1:
        return true;
    default:
        return false;
    }
}

bool ProjectCommands::mayEnd() {
    return confirmDiscard();
}

void ProjectCommands::newProject() {
    if (!confirmDiscard())
        return;
    ProjectDocument fresh;
    fresh.quote.date = m_desktop.today();
    replaceDocument(std::move(fresh));
}

void ProjectCommands::chooseAndOpen() {
    if (!confirmDiscard())
        return;
    const std::optional<forms::ChosenFile> chosen = m_desktop.chooseFile(
        {forms::FileRequest::Purpose::Open, "打开项目", m_document.path, std::string(projectFilter)});
    if (chosen)
        open(chosen->path, false);
}

void ProjectCommands::open(const std::string& path, bool confirm) {
    if (confirm && !confirmDiscard())
        return;
    const std::string name = fileNameOf(path);
    const forms::FileContents contents = m_desktop.readFile(path, projects::maxFileBytes);
    std::variant<projects::OpenedQuote, projects::FileProblem> read = openProjectContents(contents);
    if (const auto* problem = std::get_if<projects::FileProblem>(&read)) {
        warn(projects::openFailureMessage(name, *problem) + "当前的项目没有改变。");
        if (!contents.error.empty()) {
            // A file that is gone or unreadable leaves the list of recent projects.
            std::vector<std::string> recent = m_desktop.recentProjects();
            std::erase(recent, path);
            m_desktop.setRecentProjects(recent);
            showRecentProjects();
        }
        return;
    }
    auto& opened = std::get<projects::OpenedQuote>(read);
    const std::vector<std::string> notes = std::move(opened.notes);
    ProjectDocument document;
    document.quote = std::move(opened.quote);
    document.figures = std::move(opened.figures);
    document.path = path;
    replaceDocument(std::move(document));
    remember(path);
    m_desktop.showWindow(project);
    if (!notes.empty())
        warn(projects::readingNote(name, notes));
}

void ProjectCommands::openRecent(std::size_t index) {
    const std::vector<std::string> recent = m_desktop.recentProjects();
    if (index < recent.size())
        open(recent[index]);
}

bool ProjectCommands::save() {
    if (m_document.path.empty())
        return saveAs();
    return writeTo(m_document.path);
}

bool ProjectCommands::saveAs() {
    const std::string suggested =
        m_document.path.empty() ? displayName(m_document) + ".varnel" : m_document.path;
    const std::optional<forms::ChosenFile> chosen = m_desktop.chooseFile(
        {forms::FileRequest::Purpose::Save, "项目另存为", suggested, std::string(projectFilter)});
    if (!chosen)
        return false;
    return writeTo(withExtension(chosen->path));
}

bool ProjectCommands::writeTo(const std::string& path) {
    const std::string bytes = projects::writeProjectFile(m_document.quote);
    // A file this program would refuse to open is not written: the project stays open, to be made smaller.
    if (const std::optional<projects::FileProblem> tooLarge = projects::writtenSizeProblem(bytes.size())) {
        warn("项目未能保存为“" + fileNameOf(path) + "”：" +
             projects::explained({tooLarge->what, "删去一些单项，或把单项的名称改短"}, "再保存一次") +
             "\n项目仍未保存。");
        return false;
    }
    const std::optional<forms::WriteFailure> failure = m_desktop.writeFile(path, bytes);
    if (failure) {
        warn("项目未能保存为“" + fileNameOf(path) + "”：" +
             projects::explained({failure->what, failure->remedy}, "再保存一次") + "\n项目仍未保存。");
        return false;
    }
    m_document.path = path;
    m_document.modified = false;
    remember(path);
    show();
    return true;
}

void ProjectCommands::remember(const std::string& path) {
    std::vector<std::string> recent = m_desktop.recentProjects();
    std::erase(recent, path);
    recent.insert(recent.begin(), path);
    if (recent.size() > mainWindow::recentProjects)
        recent.resize(mainWindow::recentProjects);
    m_desktop.setRecentProjects(recent);
    showRecentProjects();
}

void ProjectCommands::replaceDocument(ProjectDocument document) {
    m_document = std::move(document);
    show();
    if (forms::Form* w = m_desktop.openWindow(project))
        w->setCurrentRow(pw::items, m_document.quote.items.empty() ? -1 : 0);
}

void ProjectCommands::changed() {
    m_document.modified = true;
    show();
}

// --- the 计算书 and the workbook

void ProjectCommands::printReport() {
    const projects::ProjectReport report = projectReport();
    session::printReport(m_desktop, {projects::projectReportText(report), &report}, "项目计算书");
}

void ProjectCommands::saveReport() {
    const projects::ProjectReport report = projectReport();
    session::saveReport(m_desktop, {projects::projectReportText(report), &report}, "项目计算书",
                        "项目计算书另存为", fileNameFrom(displayName(m_document)) + " 计算书.pdf");
}

void ProjectCommands::exportWorkbook() {
    const std::optional<forms::ChosenFile> chosen =
        m_desktop.chooseFile({forms::FileRequest::Purpose::Save, "导出 Excel",
                              fileNameFrom(displayName(m_document)) + ".xlsx", std::string(workbookFilter)});
    if (!chosen)
        return;
    const std::string path = withExtension(chosen->path, projects::workbookExtension);
    std::variant<std::string, projects::FileFailure> bytes =
        projects::workbookBytes(m_document.quote, m_document.figures, m_document.totals());
    std::optional<projects::FileFailure> failure;
    if (auto* made = std::get_if<projects::FileFailure>(&bytes))
        failure = std::move(*made);
    else if (std::optional<forms::WriteFailure> written =
                 m_desktop.writeFile(path, std::get<std::string>(bytes)))
        failure = projects::FileFailure{std::move(written->what), std::move(written->remedy)};
    if (failure)
        warn(projects::workbookNotSaved(path, *failure));
}

projects::ProjectReport ProjectCommands::projectReport() const {
    return projects::buildProjectReport(m_document.quote, m_document.figures, m_document.totals());
}

// --- the items

bool ProjectCommands::calculate(ItemWindow window, forms::Form& w) {
    return window == ItemWindow::Main ? runCalculation(w, m_calculations, m_desktop)
                                      : m_industry.calculate(w);
}

projects::ItemInputs ProjectCommands::calculatedInputs(ItemWindow window) const {
    if (window == ItemWindow::Main)
        return projects::canonicalInputs(projects::ItemInputs(m_calculations.record->project));
    return projects::canonicalInputs(projects::ItemInputs(m_industry.record()->project));
}

// The engineering and the amount, as the window's last complete calculation read them.
std::string ProjectCommands::suggestedName(ItemWindow window) const {
    if (window == ItemWindow::Main) {
        const engine::CalculationRecord& r = *m_calculations.record;
        return std::string(engine::engineeringTypeNames[static_cast<std::size_t>(*r.project.type)]) + " " +
               engine::joinedText(r.variables.feeBase) + "万元";
    }
    const IndustryRecord& r = *m_industry.record();
    return std::string(engine::industry::kindRow(*r.project.kind).name) + " " +
           engine::joinedText(r.calculation.variables.feeBase) + "万元";
}

// 加入项目…: what the window shows is what is added. The window is calculated as it stands, as 计算 does;
// a calculation that stops has said why, and nothing is added.
void ProjectCommands::addItem(ItemWindow window, forms::Form& w) {
    if (!calculate(window, w))
        return;
    if (m_document.quote.items.size() >= projects::maxItems) {
        tell("一个项目最多有 " + std::to_string(projects::maxItems) + " 个单项，这次计算没有加入项目。");
        return;
    }
    projects::ItemInputs inputs = calculatedInputs(window);
    const std::optional<std::string> name = askItemName({"加入项目", "单项名称：", suggestedName(window)},
                                                        "这次计算没有加入项目。", std::nullopt);
    if (!name)
        return;
    projects::Item item{*name, std::move(inputs)};
    auto figures = projects::figuresOf(item.inputs);
    m_document.quote.items.push_back(std::move(item));
    m_document.figures.push_back(std::get<projects::ItemFigures>(std::move(figures)));
    changed();
    forms::Form& shown = m_desktop.showWindow(project);
    shown.setCurrentRow(pw::items, static_cast<int>(m_document.quote.items.size()) - 1);
}

// A name already in the project is refused with the first "NAME (k)" that is not, and the dialog asks again
// with that name in it: two items of one name could not be told apart in the table, the report or the
// workbook. An empty or overlong name is refused with `refusedTail`.
std::optional<std::string> ProjectCommands::askItemName(forms::TextRequest request,
                                                        const std::string& refusedTail,
                                                        std::optional<std::size_t> except) {
    const std::vector<projects::Item>& items = m_document.quote.items;
    const auto taken = [&](const std::string& name) {
        for (std::size_t i = 0; i < items.size(); ++i)
            if (i != except && items[i].name == name)
                return true;
        return false;
    };
    for (;;) {
        const std::optional<std::string> typed = m_desktop.askText(request);
        if (!typed)
            return std::nullopt;
        const std::string name = itemName(*typed);
        if (const std::optional<std::string> refused = nameRefusal(name)) {
            tell(*refused + "，" + refusedTail);
            return std::nullopt;
        }
        if (!taken(name))
            return name;
        std::size_t k = 2;
        while (taken(name + " (" + std::to_string(k) + ")"))
            ++k;
        const std::string other = name + " (" + std::to_string(k) + ")";
        tell("项目中已有名为“" + name + "”的单项，请换一个名称，例如“" + other + "”。");
        request.suggested = other;
    }
}

// 更新单项: the item opened from the project takes what its window shows, calculated as 计算 does. An item
// is updated only from the window it was opened into: the other window holds another engineering.
void ProjectCommands::updateItem(ItemWindow window, forms::Form& w) {
    const std::optional<std::size_t> index = m_document.openedItem;
    if (!index) {
        tell("没有从项目打开的单项：请先在项目窗口中打开要更新的单项，修改后再点击“更新单项”。");
        return;
    }
    projects::Item& item = m_document.quote.items[*index];
    const ItemWindow own = item.isIndustry() ? ItemWindow::Industry : ItemWindow::Main;
    if (own != window) {
        const std::string where = own == ItemWindow::Main ? "主窗口" : "全行业设计收费窗口";
        tell("打开的单项“" + item.name + "”是在" + where + "中计算的，请在" + where + "中更新单项。");
        return;
    }
    if (!calculate(window, w))
        return;
    projects::ItemInputs inputs = calculatedInputs(window);
    if (inputs != item.inputs) {
        item.inputs = std::move(inputs);
        m_document.figures[*index] = std::get<projects::ItemFigures>(projects::figuresOf(item.inputs));
        changed();
    }
    forms::Form& shown = m_desktop.showWindow(project);
    shown.setCurrentRow(pw::items, static_cast<int>(*index));
    tell("已更新“" + item.name + "”。");
}

void ProjectCommands::newItem(ItemWindow window, forms::Form& w) {
    if (window == ItemWindow::Main) {
        w.reset();
        // The title and the recent projects are the program's, not the item's: they stay as they were.
        show();
        showRecentProjects();
        w.setFocus(mainWindow::typeList);
    } else {
        m_industry.startAfresh(w);
    }
    m_document.openedItem.reset();
}

std::optional<std::size_t> ProjectCommands::currentItem() {
    forms::Form* w = m_desktop.openWindow(project);
    if (!w || w->currentRow(pw::items) < 0)
        return std::nullopt;
    return static_cast<std::size_t>(w->currentRow(pw::items));
}

// An item opens into its own window, the main window or the industry window, entered as a user enters it,
// and is calculated there. Every item was entered into such a window once (or checked so when its file was
// opened).
void ProjectCommands::openItem(std::size_t index) {
    const projects::Item& item = m_document.quote.items[index];
    if (const engine::Project* inputs = item.mainInputs()) {
        forms::Form& w = m_desktop.showWindow(main);
        fillMainWindow(w, *inputs);
        showRecentProjects(); // the filling starts from the window's first state, menus and all
        runCalculation(w, m_calculations, m_desktop);
    } else if (const engine::industry::KindProject* work = item.industryInputs()) {
        forms::Form& w = m_desktop.showWindow(windows::industry);
        m_industry.fill(w, *work);
        m_industry.calculate(w);
    }
    m_document.openedItem = index;
}

void ProjectCommands::removeItem() {
    const std::optional<std::size_t> index = currentItem();
    if (!index)
        return;
    const forms::Question question{{"从项目中删除单项“" + m_document.quote.items[*index].name + "”吗？",
                                    std::string(windows::applicationTitle), forms::MessageIcon::Question},
                                   {"删除", "取消"},
                                   1,
                                   1};
    if (m_desktop.ask(question) != 0)
        return;
    m_document.quote.items.erase(m_document.quote.items.begin() + static_cast<std::ptrdiff_t>(*index));
    m_document.figures.erase(m_document.figures.begin() + static_cast<std::ptrdiff_t>(*index));
    if (m_document.openedItem == index)
        m_document.openedItem.reset();
    else if (m_document.openedItem && *m_document.openedItem > *index)
        --*m_document.openedItem;
    changed();
}

void ProjectCommands::moveItem(int by) {
    const std::optional<std::size_t> index = currentItem();
    if (!index)
        return;
    const std::ptrdiff_t to = static_cast<std::ptrdiff_t>(*index) + by;
    if (to < 0 || to >= static_cast<std::ptrdiff_t>(m_document.quote.items.size()))
        return;
    const auto target = static_cast<std::size_t>(to);
    std::swap(m_document.quote.items[*index], m_document.quote.items[target]);
    std::swap(m_document.figures[*index], m_document.figures[target]);
    if (m_document.openedItem == index)
        m_document.openedItem = target;
    else if (m_document.openedItem == target)
        m_document.openedItem = *index;
    changed();
    if (forms::Form* w = m_desktop.openWindow(project))
        w->setCurrentRow(pw::items, static_cast<int>(target));
}

void ProjectCommands::renameItem() {
    const std::optional<std::size_t> index = currentItem();
    if (!index)
        return;
    const std::optional<std::string> name = askItemName(
        {"重命名单项", "单项名称：", m_document.quote.items[*index].name}, "单项的名称没有改变。", index);
    projects::Item& item = m_document.quote.items[*index];
    if (!name || *name == item.name)
        return;
    item.name = *name;
    changed();
}

// --- what the windows show

void ProjectCommands::show() {
    if (forms::Form* w = m_desktop.openWindow(main)) {
        const bool untitled = m_document.blank() && m_document.quote.items.empty();
        w->setTitle(untitled ? std::string(windows::applicationTitle)
                             : std::string(windows::applicationTitle) + " - " + displayName(m_document) +
                                   (m_document.modified ? " *" : ""));
    }
    if (forms::Form* w = m_desktop.openWindow(project))
        fillProjectWindow(*w, m_document);
}

void ProjectCommands::showRecentProjects() {
    forms::Form* w = m_desktop.openWindow(main);
    if (!w)
        return;
    const std::vector<std::string> recent = m_desktop.recentProjects();
    w->setVisible(mainWindow::noRecentProject, recent.empty());
    for (std::size_t i = 0; i < mainWindow::recentProjects; ++i) {
        const bool listed = i < recent.size();
        w->setCaption(mainWindow::recentProject(i), listed ? std::to_string(i + 1) + " " + recent[i] : "");
        w->setVisible(mainWindow::recentProject(i), listed);
    }
}

} // namespace varnel::session
