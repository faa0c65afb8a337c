#include "windows/guide.h"

#include "windows/windows.h"

#include <utility>

namespace varnel::windows::guide {

std::string_view partOf(std::string_view window) {
    static constexpr std::pair<std::string_view, std::string_view> parts[] = {
        {main, "main"},         {report, "report"},   {help, "help"},         {author, "about"},
        {planning, "planning"}, {project, "project"}, {industry, "industry"},
    };
    for (const auto& [name, part] : parts)
        if (name == window)
            return part;
    return contents;
}

} // namespace varnel::windows::guide
