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

// A number typed into a box, read whole, so that what is typed is what is charged: blanks around it are
// ignored; full-width digits, point, comma, plus and minus (as a Chinese input method types them,
// １５００．５) read as their ASCII forms; commas group the digits before the point in threes (1,500 and
// 2,000,000.5); the rest must be one number by the leading-number rule, to its last character (1500, .5, 1e3,
// &H5DC, and "2 00" as 200). Anything else (1500abc, 1.500.000, 1,5000, 1500万元, an empty box) reads as
// nothing.
std::optional<NumberReading> readWholeNumber(std::string_view text);

// The text of a typed number as readWholeNumber reads it: in ASCII, without the blanks around it and
// without its thousands separators; nothing for an empty box or misplaced separators.
std::optional<std::string> typedNumberText(std::string_view text);

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
