#pragma once

#include "engine/numbers.h"
#include "engine/variables.h"

#include <string>
#include <string_view>

namespace varnel::report {

// Joins pieces into one line of a report; a number writes by the joining rule, an unset variable as nothing.
class Line {
  public:
    Line& operator<<(std::string_view piece) {
        m_text += piece;
        return *this;
    }
    Line& operator<<(const engine::Variable& value) {
        m_text += engine::joinedText(value);
        return *this;
    }
    Line& operator<<(double value) {
        m_text += engine::joinedText(value);
        return *this;
    }
    operator std::string_view() const { return m_text; }
    operator std::string() const { return m_text; }

  private:
    std::string m_text;
};

} // namespace varnel::report
