#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace varnel::projects {

// A project's name, client, designer and date, and each item's name, are one line of text: the table, the
// title bar, the 计算书 and the workbook each show them on one line, and the file keeps them as typed.

// The most characters (code points) a name or a project field may have. A name of any real work fits in
// far fewer; the bound keeps a project of the most items within what a project file may hold.
inline constexpr std::size_t maxNameCharacters = 200;

// The text as one line of valid UTF-8: every character that breaks a line or controls the terminal rather
// than being seen (C0 U+0000–U+001F, DEL U+007F, C1 U+0080–U+009F, the line and paragraph separators
// U+2028 and U+2029) becomes a blank, and a byte that starts no well-formed UTF-8 sequence becomes U+FFFD.
// Every other character is kept as it is.
std::string asOneLine(std::string_view text);

// A text as typed into a box, without the blanks and tabs around it.
std::string_view withoutBlanksAround(std::string_view text);

// How many characters (code points) a text of valid UTF-8 has.
std::size_t characterCount(std::string_view text);

// The first `count` characters of a text of valid UTF-8 (the whole text when it has no more).
std::string firstCharacters(std::string_view text, std::size_t count);

} // namespace varnel::projects
