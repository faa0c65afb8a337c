#include "json.h"

#include <cstdio>

namespace varnel::script {

std::string quoted(std::string_view text) {
    std::string out = "\"";
    for (unsigned char c : text) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (c < 0x20) {
                char buffer[8];
                std::snprintf(buffer, sizeof buffer, "\\u%04x", c);
                out += buffer;
            } else {
                out += static_cast<char>(c);
            }
        }
    }
    return out + "\"";
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
