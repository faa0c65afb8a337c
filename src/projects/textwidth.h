#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace varnel::projects {

// The characters of a UTF-8 text; a byte that starts no valid sequence stands for one character.
std::u32string charactersOf(std::string_view text);
// The character of a UTF-8 text that starts at byte `at`, which it moves past it, as charactersOf reads it.
char32_t nextCharacter(std::string_view text, std::size_t& at);

// Whether a character is set about twice as wide as a digit: the East Asian wide and full-width ranges, and
// the Roman numerals the grades are written with, which CJK fonts draw full width.
bool isWide(char32_t c);

} // namespace varnel::projects
