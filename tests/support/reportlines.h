#pragma once

// A report's text taken apart into its lines, as the tests compare them.
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

namespace varnel::test {

// The lines of `text` between its line ends (CR LF, as the report window holds them, unless `end` says
// otherwise); a text ending in a line end gives an empty last line.
inline std::vector<std::string> linesOf(const std::string& text, std::string_view end = "\r\n") {
    std::vector<std::string> lines;
    std::size_t from = 0;
    for (std::size_t at; (at = text.find(end, from)) != std::string::npos; from = at + end.size())
        lines.push_back(text.substr(from, at - from));
    lines.push_back(text.substr(from));
    return lines;
}

// A file's bytes, or nothing where it cannot be read.
inline std::string fileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The line of stars that frames the report's greeting and its phase line.
inline const std::string reportStars(73, '*');

} // namespace varnel::test
