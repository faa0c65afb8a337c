#pragma once

#include <string>
#include <string_view>

namespace varnel::script {

// Minimal JSON writing that keeps keys in the order they are written.
std::string quoted(std::string_view text);

class JsonObject {
  public:
    JsonObject& raw(std::string_view key, std::string_view json);
    JsonObject& text(std::string_view key, std::string_view value) { return raw(key, quoted(value)); }
    JsonObject& flag(std::string_view key, bool value) { return raw(key, value ? "true" : "false"); }
    JsonObject& number(std::string_view key, long long value) { return raw(key, std::to_string(value)); }
    std::string str() const { return "{" + m_body + "}"; }

  private:
    std::string m_body;
};

} // namespace varnel::script
