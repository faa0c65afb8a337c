#include "json.h"

#include "projects/json.h"

#include <cstdio>

namespace varnel::script {

std::string quoted(std::string_view text) {
    return projects::json::quoted(text);
}

JsonObject& JsonObject::raw(std::string_view key, std::string_view json) {
    if (!m_body.empty())
        m_body += ",";
    m_body += quoted(key);
    m_body += ":";
    m_body += json;
    return *this;
}

} // namespace varnel::script
