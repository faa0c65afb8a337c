#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace varnel::engine {

// A number read from a text box. `fits` is false when the text holds a number too large for a double;
// `value` is then 0 and must not be used.
struct NumberReading {
    double value = 0;
    bool fits = true;
};

// The leading-number rule: blanks, tabs and line feeds are skipped wherever they stand; then an optional
// sign, digits with at most one ".", and an optional exponent introduced by E or D; or &H / &O followed by
// a hexadecimal or octal integer. Reading stops at the first character that cannot continue the number;
// a text without a leading number reads as 0. "." is the decimal point in every locale.
NumberReading readNumber(std::string_view text);

// Result-box form: a leading blank for zero and positive values, no 0 before the point below 1,
// at most 15 significant digits (" .85", " 29.85", "-.5", " 1E+15", " 2E-05").
std::string resultBoxText(double value);

// Joining form, used where numbers are joined into sentences: no blank, a 0 before the point below 1,
// at most 15 significant digits ("0.85", "-0.5", "1E+15"); an unset value writes nothing.
std::string joinedText(std::optional<double> value);
std::string joinedText(double value);

// The shortest text that reads back to exactly the same double (for tools and tests).
std::string exactText(double value);

} // namespace varnel::engine
