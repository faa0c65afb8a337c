#include "projects/textwidth.h"

namespace varnel::projects {

char32_t nextCharacter(std::string_view text, std::size_t& at) {
    const auto byte = static_cast<unsigned char>(text[at]);
    const std::size_t length = byte < 0x80         ? 1
                               : byte >> 5 == 0x6  ? 2
                               : byte >> 4 == 0xE  ? 3
                               : byte >> 3 == 0x1E ? 4
                                                   : 1;
    char32_t c = length == 1 ? byte : byte & (0x7F >> length);
    std::size_t taken = 1;
    while (taken < length && at + taken < text.size() &&
           (static_cast<unsigned char>(text[at + taken]) & 0xC0) == 0x80)
        c = (c << 6) | (static_cast<unsigned char>(text[at + taken++]) & 0x3F);
    if (taken < length)
        c = byte; // a broken sequence: its first byte alone
    at += taken;
    return c;
}

std::u32string charactersOf(std::string_view text) {
    std::u32string characters;
    for (std::size_t i = 0; i < text.size();)
        characters += nextCharacter(text, i);
    return characters;
}

bool isWide(char32_t c) {
    // Nothing before the first range is wide: the digits and letters most of a table's cells are made of
    // are told at once.
    if (c < 0x1100)
        return false;
    return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2160 && c <= 0x217F) || (c >= 0x2E80 && c <= 0x303E) ||
           (c >= 0x3041 && c <= 0xA4CF) || (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) ||
           (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) || (c >= 0xFFE0 && c <= 0xFFE6) ||
           (c >= 0x1F300 && c <= 0x1F64F) || (c >= 0x1F900 && c <= 0x1F9FF) || (c >= 0x20000 && c <= 0x3FFFD);
}

} // namespace varnel::projects
