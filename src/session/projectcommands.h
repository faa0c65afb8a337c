#pragma once

#include "session/calculationstate.h"
#include "session/industrycommands.h"
#include "session/projectdocument.h"

#include "forms/desktop.h"
#include "projects/projectreport.h"

#include <optional>
#include <string>

namespace varnel::forms {
class Desktop;
class Form;
} // namespace varnel::forms

namespace varnel::session {

// The project's commands: the 文件 and 项目 menus of the main window and the project window's own. It owns
// the open project and keeps the windows that show it up to date.
class ProjectCommands {
  public:
    ProjectCommands(forms::Desktop& desktop, CalculationState& calculations, IndustryCommands& industry);

    void bindMainWindow(forms::Form& mainWindow);
    void bindProjectWindow(forms::Form& projectWindow);
    // The industry window's commands on the project: 加入项目…, 更新单项, 新单项, 保存项目 and 项目另存为….
    void bindIndustryWindow(forms::Form& industryWindow);

    // Opens a project file in place of the open project; a file that cannot be opened is refused with a
    // message and changes nothing. Asks first about unsaved changes when `confirm` is set.
    void open(const std::string& path, bool confirm = true);
    // Whether the program may end: unsaved changes are saved or given up on the user's word.
    bool mayEnd();

    const ProjectDocument& document() const { return m_document; }

  private:
    void newProject();
    void chooseAndOpen();
    bool save();
    bool saveAs();
    bool writeTo(const std::string& path);
    bool confirmDiscard();
    // 打印项目计算书…, 项目计算书另存为… and 导出 Excel….
    void printReport();
    void saveReport();
    void exportWorkbook();
    projects::ProjectReport projectReport() const;
    // The two windows an item is calculated in.
    enum class ItemWindow { Main, Industry };
    // 计算 on the window as it stands, as its button does: whether it came to a complete calculation.
    bool calculate(ItemWindow window, forms::Form& w);
    // The inputs of the window's last complete calculation, and the name suggested for them.
    projects::ItemInputs calculatedInputs(ItemWindow window) const;
    std::string suggestedName(ItemWindow window) const;
    void addItem(ItemWindow window, forms::Form& w);
    void updateItem(ItemWindow window, forms::Form& w);
    // 新单项: the window back as it first opens, and no item opened from the project any more.
    void newItem(ItemWindow window, forms::Form& w);
    // A name for an item, asked with `request` until it is one no other item has (`except`, the item being
    // renamed, aside); nothing when the dialog is cancelled or the name refused.
    std::optional<std::string> askItemName(forms::TextRequest request, const std::string& refusedTail,
                                           std::optional<std::size_t> except);
    void openItem(std::size_t index);
    void removeItem();
    void moveItem(int by);
    void renameItem();
    void commitFloat(forms::Form& w);
    void commitContract(forms::Form& w);
    void newTechnologyClicked(forms::Form& w);
    void commitTaxRate(forms::Form& w);
    void taxIncludedClicked(forms::Form& w);
    void fieldChanged(forms::Form& w);

    void replaceDocument(ProjectDocument document);
    void changed();
    void remember(const std::string& path);
    void show();
    void showRecentProjects();
    std::optional<std::size_t> currentItem();
    void tell(std::string text);
    // A file that could not be opened or saved, or a value refused: told with the warning icon.
    void warn(std::string text);

    forms::Desktop& m_desktop;
    CalculationState& m_calculations;
    IndustryCommands& m_industry;
    ProjectDocument m_document;
};

} // namespace varnel::session
