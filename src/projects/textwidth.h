#pragma once

#include <string>
#include <string_view>

namespace varnel::projects {

// The characters of a UTF-8 text; a byte that starts no valid sequence stands for one character.
std::u32string charactersOf(std::string_view text);

// Whether a character is set about twice as wide as a digit: the East Asian wide and full-width ranges, and
// the Roman numerals the grades are written with, which CJK fonts draw full width.
bool isWide(char32_t c);

} // namespace varnel::projects
