#include "projects/oneline.h"

namespace varnel::projects {

std::string_view withoutBlanksAround(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

namespace {

// The character that starts the text and the length of its UTF-8 sequence; a length of 0 where the text
// does not start with a well-formed sequence (overlong forms, surrogates and code points beyond U+10FFFF
// are not well-formed).
struct Decoded {
    char32_t character = 0;
    std::size_t length = 0;
};

Decoded decodeFirst(std::string_view s) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    const auto continuation = [&](std::size_t i) { return i < s.size() && (byte(i) & 0xC0) == 0x80; };
    const auto tail = [&](std::size_t i) { return static_cast<char32_t>(byte(i) & 0x3F); };
    const unsigned char b = byte(0);
    if (b < 0x80)
        return {b, 1};
    if (b >= 0xC2 && b <= 0xDF && continuation(1))
        return {(static_cast<char32_t>(b & 0x1F) << 6) | tail(1), 2};
    if (b >= 0xE0 && b <= 0xEF && continuation(1) && continuation(2)) {
        if ((b == 0xE0 && byte(1) < 0xA0) || (b == 0xED && byte(1) >= 0xA0))
            return {};
        return {(static_cast<char32_t>(b & 0x0F) << 12) | (tail(1) << 6) | tail(2), 3};
    }
    if (b >= 0xF0 && b <= 0xF4 && continuation(1) && continuation(2) && continuation(3)) {
        if ((b == 0xF0 && byte(1) < 0x90) || (b == 0xF4 && byte(1) >= 0x90))
            return {};
        return {(static_cast<char32_t>(b & 0x07) << 18) | (tail(1) << 12) | (tail(2) << 6) | tail(3), 4};
    }
    return {};
}

bool breaksTheLine(char32_t c) {
    return c <= 0x1F || (c >= 0x7F && c <= 0x9F) || c == 0x2028 || c == 0x2029;
}

} // namespace

std::string asOneLine(std::string_view text) {
    static constexpr std::string_view replacement = "\xEF\xBF\xBD"; // U+FFFD
    std::string line;
    line.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const Decoded d = decodeFirst(text.substr(i));
        if (d.length == 0) {
            line += replacement;
            ++i;
        } else {
            if (breaksTheLine(d.character))
                line += ' ';
            else
                line += text.substr(i, d.length);
            i += d.length;
        }
    }
    return line;
}

std::size_t characterCount(std::string_view text) {
    std::size_t count = 0;
    for (char c : text)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80)
            ++count;
    return count;
}

std::string firstCharacters(std::string_view text, std::size_t count) {
    std::size_t end = 0;
    for (std::size_t taken = 0; end < text.size(); ++end) {
        if ((static_cast<unsigned char>(text[end]) & 0xC0) != 0x80 && taken++ == count)
            break;
    }
    return std::string(text.substr(0, end));
}

} // namespace varnel::projects
