// What the file functions of every system share.
#include "projects/files.h"

#include <algorithm>
#include <cctype>

namespace varnel::projects {

std::string temporaryPrefix(std::string_view fileName) {
    // A long name is cut (never inside a UTF-8 character) so that the temporary name stays within the
    // 255 bytes a name may have.
    constexpr std::size_t kept = 100;
    if (fileName.size() > kept) {
        std::size_t end = kept;
        while (end > 0 && (static_cast<unsigned char>(fileName[end]) & 0xC0) == 0x80)
            --end;
        fileName = fileName.substr(0, end);
    }
    return "." + std::string(fileName) + ".varnel-save-";
}

bool hasExtension(std::string_view path, std::string_view extension) {
    return path.size() >= extension.size() &&
           std::equal(extension.rbegin(), extension.rend(), path.rbegin(),
                      [](char a, char b) { return a == std::tolower(static_cast<unsigned char>(b)); });
}

std::string explained(const FileFailure& failure, std::string_view again) {
    if (failure.remedy.empty())
        return failure.what + "。";
    return failure.what + "。\n请" + failure.remedy + "，然后" + std::string(again) + "。";
}

} // namespace varnel::projects
