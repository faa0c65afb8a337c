#pragma once

#include "session/calculationstate.h"
#include "session/industrywindowcommands.h"
#include "session/projectdocument.h"

#include "forms/desktop.h"
#include "projects/projectreport.h"

#include <cstddef>
#include <optional>
#include <string>

namespace varnel::forms {
class Desktop;
class Form;
} // namespace varnel::forms

namespace varnel::session {

// The project's commands: what the 文件 and 项目 menus of the main window, the project buttons of the
// industry window and the project window's buttons do. It owns the open project and keeps the windows
// that show it up to date.
class ProjectCommands {
  public:
    ProjectCommands(forms::Desktop& desktop, CalculationState& calculations, IndustryCommands& industry);

    // --- the file

    // 新建项目: a blank project in place of the open one.
    void newProject();
    // 打开项目…: the project file the user chooses.
    void chooseAndOpen();
    // Opens a project file in place of the open project; a file that cannot be opened is refused with a
    // message and changes nothing. Asks first about unsaved changes when `confirm` is set.
    void open(const std::string& path, bool confirm = true);
    // 最近的项目: the file listed at `index`, if the list still has one there.
    void openRecent(std::size_t index);
    // 保存项目 and 项目另存为…: whether the project was saved.
    bool save();
    bool saveAs();
    // Whether the program may end: unsaved changes are saved or given up on the user's word.
    bool mayEnd();

    // --- the items

    // The two windows an item is calculated in.
    enum class ItemWindow { Main, Industry };
    // 加入项目… and 更新单项 on the window `w`, which is `window`: what it shows, calculated as 计算 does,
    // becomes a new item or the item opened from the project.
    void addItem(ItemWindow window, forms::Form& w);
    void updateItem(ItemWindow window, forms::Form& w);
    // 新单项: the window back as it first opens, and no item opened from the project any more.
    void newItem(ItemWindow window, forms::Form& w);
    // The item chosen in the project window's table, if the window is open and a row is chosen.
    std::optional<std::size_t> currentItem();
    // The item at `index` opened into its own window and calculated there.
    void openItem(std::size_t index);
    // The current item removed (on the user's word), moved up (-1) or down (+1), or renamed.
    void removeItem();
    void moveItem(int by);
    void renameItem();

    // --- the 项目计算书 and the workbook: 打印项目计算书…, 项目计算书另存为… and 导出 Excel….
    void printReport();
    void saveReport();
    void exportWorkbook();

    // --- the quote and the windows that show it

    // The open project's quote, as the project window's rules edit it (projectwindowrules.h); each change
    // is followed by `changed`.
    projects::Quote& quote() { return m_document.quote; }
    // The project has changed: it is marked unsaved and shown again.
    void changed();
    // Shows the open project: the main window's title and the project window, where they are open.
    void show();
    // The main window's list of recent projects, as the desktop keeps it.
    void showRecentProjects();
    // A file that could not be opened or saved, or a value refused: told with the warning icon.
    void warn(std::string text);

    const ProjectDocument& document() const { return m_document; }

  private:
    bool writeTo(const std::string& path);
    bool confirmDiscard();
    projects::ProjectReport projectReport() const;
    // 计算 on the window as it stands, as its button does: whether it came to a complete calculation.
    bool calculate(ItemWindow window, forms::Form& w);
    // The inputs of the window's last complete calculation, and the name suggested for them.
    projects::ItemInputs calculatedInputs(ItemWindow window) const;
    std::string suggestedName(ItemWindow window) const;
    // A name for an item, asked with `request` until it is one no other item has (`except`, the item being
    // renamed, aside); nothing when the dialog is cancelled or the name refused.
    std::optional<std::string> askItemName(forms::TextRequest request, const std::string& refusedTail,
                                           std::optional<std::size_t> except);

    void replaceDocument(ProjectDocument document);
    void remember(const std::string& path);
    void tell(std::string text);

    forms::Desktop& m_desktop;
    CalculationState& m_calculations;
    IndustryCommands& m_industry;
    ProjectDocument m_document;
};

} // namespace varnel::session
