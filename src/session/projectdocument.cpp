#include "session/projectdocument.h"

namespace varnel::session {

std::string fileNameOf(const std::string& path) {
    const std::size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string displayName(const ProjectDocument& document) {
    if (!document.quote.name.empty())
        return document.quote.name;
    if (!document.path.empty())
        return fileNameOf(document.path);
    return "未命名项目";
}

} // namespace varnel::session
