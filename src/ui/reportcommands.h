#pragma once

#include "forms/desktop.h"
#include "projects/files.h"

#include <QObject>
#include <QString>

#include <functional>
#include <optional>
#include <string>
#include <string_view>

class QAction;
class QFont;
class QPdfWriter;

namespace varnel::ui {

class FormWindow;

// Where a report is written, and what became of it: no failure means it was saved.
struct SavedReport {
    QString path;
    std::optional<projects::FileFailure> failure;
};

// The report's bytes written as every file Varnel writes: whole, or not at all. A PDF is painted into
// memory first (`paint` paints it and returns its number of pages, 0 when it could not).
SavedReport saveReportFile(const QString& path, const std::string& text,
                           const std::function<int(QPdfWriter&)>& paint, const QString& title);

// The message that says a report was not saved: the document ("计算书"), the file and what to do.
std::string reportNotSaved(std::string_view document, const SavedReport& saved);

// The file a save writes: the name as chosen when it ends in .pdf or .txt, otherwise with the extension of
// the type chosen in the dialog (`textChosen`: 文本文件, else PDF).
QString reportPath(const QString& chosen, bool textChosen);

// Writes the report under `path`: as PDF when the name ends in .pdf, otherwise as its text (UTF-8, lines
// ended by CR LF, exactly as the window holds it). Nothing half-written is ever left under that name.
SavedReport saveReport(const QString& path, const std::string& report, const QFont& font);

// 打印 (Ctrl+P) and 另存为 (Ctrl+S) in the report window, also in its text's context menu beside Qt's own
// entries. A save that fails says so, and what to do, in a message.
class ReportCommands : public QObject {
  public:
    ReportCommands(FormWindow& window, forms::Desktop& desktop);

    void print();
    void save();

  private:
    std::string report() const;
    QFont reportFont() const;

    FormWindow& m_window;
    forms::Desktop& m_desktop;
    QAction* m_print;
    QAction* m_save;
};

} // namespace varnel::ui
