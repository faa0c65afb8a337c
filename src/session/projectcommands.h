#pragma once

#include "session/calculationstate.h"
#include "session/industrycommands.h"
#include "session/projectdocument.h"

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
    // 加入项目… of the industry window: its last complete calculation as a new item.
    void addIndustryItem();

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
    void addItem();
    void add(projects::ItemInputs inputs, const std::string& suggestedName);
    void updateItem();
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
