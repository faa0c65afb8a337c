#pragma once

#include "projects/projectreport.h"

#include <QObject>
#include <QString>

namespace varnel::ui {

class FormWindow;
class Program;

// The project window's 打印项目计算书…, 项目计算书另存为… and 导出 Excel…: the open project's 计算书 through
// the print dialog or into a PDF or text file, and its workbook into an .xlsx file. A save that fails says
// which file, why, and what to do, in a message.
class ProjectWindowCommands : public QObject {
  public:
    ProjectWindowCommands(FormWindow& window, Program& program);

    void print();
    void saveReport();
    void exportWorkbook();

  private:
    projects::ProjectReport report() const;
    // A file name in the user's documents folder from the project's name, with this extension.
    QString suggestedPath(const QString& suffix, const QString& extension) const;
    void tell(const QString& text);

    FormWindow& m_window;
    Program& m_program;
};

// The name an export writes: as chosen, with .xlsx added when it does not end so.
QString workbookPath(const QString& chosen);

} // namespace varnel::ui
