#pragma once

#include "forms/desktop.h"
#include "projects/files.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace varnel::session {

// A 计算书 on paper and in files, the same for the report window's and the project's: printed on the
// printer the user chooses, or saved as PDF or as text under the name the user chooses. What goes wrong
// is told in a message that names the document, the file, why, and what to do.

// The types a 计算书 is saved as, in the save dialog's order.
inline constexpr std::string_view reportFilter = "PDF 文件 (*.pdf);;文本文件 (*.txt)";
inline constexpr std::size_t textFilter = 1;

// The file a save writes: the name as chosen when it ends in .pdf or .txt, otherwise with the extension of
// the type chosen in the dialog (`filter`, an index of reportFilter).
std::string reportPath(const std::string& chosen, std::size_t filter);

// Writes a file whole or not at all (projects::writeWholeFile, or the desktop's writeFile): why not,
// nothing once written.
using FileWriter =
    std::function<std::optional<projects::FileFailure>(const std::string& path, std::string_view bytes)>;

// Saves the 计算书 under `path` with `write`: as the PDF `pdf` paints when the name ends in .pdf, otherwise
// as its text (UTF-8, lines ended by CR LF, exactly as given). Why not, nothing once saved.
std::optional<projects::FileFailure> writeReportFile(const std::string& path, const std::string& text,
                                                     const std::function<std::optional<std::string>()>& pdf,
                                                     const FileWriter& write);

// A file name made of `name`: each character a file name cannot hold on one system or another becomes _.
std::string fileNameFrom(std::string name);

// Prints the paper through the desktop; `document` is what a message calls it (计算书, 项目计算书).
void printReport(forms::Desktop& desktop, const forms::Paper& paper, std::string_view document);

// Asks where to save the paper (`title`, `suggested` as the save dialog shows them) and saves it there,
// whole or not at all.
void saveReport(forms::Desktop& desktop, const forms::Paper& paper, std::string_view document,
                const std::string& title, const std::string& suggested);

} // namespace varnel::session
