#include "windows/windows.h"

#include <stdexcept>

namespace varnel::windows {

const std::vector<std::string>& names() {
    static const std::vector<std::string> all{
        std::string(main),     std::string(report),  std::string(help),    std::string(author),
        std::string(planning), std::string(project), std::string(industry)};
    return all;
}

const forms::FormDef& definition(std::string_view window) {
    if (window == main)
        return mainWindowDefinition();
    if (window == report)
        return reportWindowDefinition();
    if (window == help)
        return helpWindowDefinition();
    if (window == author)
        return authorWindowDefinition();
    if (window == planning)
        return planningWindowDefinition();
    if (window == project)
        return projectWindowDefinition();
    if (window == industry)
        return industryWindowDefinition();
    throw std::out_of_range("no window " + std::string(window));
}

} // namespace varnel::windows
