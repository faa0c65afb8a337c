#pragma once

#include "projects/figures.h"
#include "projects/quote.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace varnel::session {

// The project open in this run: the quote, its items' figures, the file it was opened from or saved to,
// whether it has changed since, and the item last opened into the main window.
struct ProjectDocument {
    projects::Quote quote;
    std::vector<projects::ItemFigures> figures; // by item
    std::string path;                           // empty until the project is saved or opened
    bool modified = false;
    std::optional<std::size_t> openedItem;

    projects::Totals totals() const { return projects::totalsOf(quote, figures); }
    // Untouched since the program started or 新建项目: nothing a user would miss.
    bool blank() const { return path.empty() && !modified; }
};

// The name a project goes by: its 项目名称, else its file's name, else 未命名项目.
std::string displayName(const ProjectDocument& document);
// The file name at the end of a path, either separator.
std::string fileNameOf(const std::string& path);

} // namespace varnel::session
