#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace varnel::projects {

// Every file Varnel writes (the project, the 计算书 as text or PDF, the workbook) and every project file it
// reads goes through these two functions, on Linux and on Windows alike.

// Why a file could not be read or written, in the user's words: what is wrong, and what the user can do
// about it (empty where there is nothing to do but look). Neither ends with a full stop.
struct FileFailure {
    std::string what;
    std::string remedy;
};

// The steps of writing a file whole, in their order; a full or failing disk can refuse any of them.
enum class WriteStep { Create, Write, Sync, Close, Rename, SyncFolder };

// A step made to fail as the system fails it, with the system's error code (errno, or GetLastError() on
// Windows): how a test shows that each step's failure keeps the old file.
struct InjectedFault {
    WriteStep step;
    int error;
};

// Writes `bytes` as the file at `path` (UTF-8), whole or not at all:
// - a name that is a link is written through: the file it leads to is replaced, the link kept;
// - a name that is a folder, a device, a pipe or anything else but a regular file is refused, as is a
//   file the user may not write (a read-only file);
// - the bytes go into a temporary file beside the target, named ".<name>.varnel-save-<random>", which is
//   written, flushed to the disk and closed, every step checked; only then is it renamed over the target,
//   and the folder itself is flushed so that the new name survives a power cut. A replaced file's
//   permissions (and, where the system allows, its owner) are kept;
// - when any step fails, the temporary file is removed and the old file stays as it was;
// - leftovers of an earlier save of the same name that was killed half-way are removed.
// Returns nothing once the file is written, otherwise why not.
std::optional<FileFailure> writeWholeFile(const std::string& path, std::string_view bytes,
                                          std::optional<InjectedFault> fault = std::nullopt);

// The prefix that marks a temporary file of a save of `fileName` (the name alone, without its folder).
std::string temporaryPrefix(std::string_view fileName);

// A file's bytes as a project file is read: only a regular file (never a pipe, a device or a folder, which
// could block or never end), and nothing of a file larger than `limit` but its size.
struct FileRead {
    std::string bytes;
    std::uintmax_t size = 0;
    std::optional<FileFailure> failure;
    bool tooLarge = false;
};
FileRead readRegularFile(const std::string& path, std::uintmax_t limit);

// What went wrong and what to do, as a message says it after naming the file: "磁盘已满。\n请腾出磁盘空间，
// 或保存到另一个磁盘上，然后再保存一次。" with `again` "再保存一次".
std::string explained(const FileFailure& failure, std::string_view again);

// Whether a path ends in the extension (".pdf", written in lower case), in either case: "计算书.PDF" does.
bool hasExtension(std::string_view path, std::string_view extension);

// Whether two paths name the same file, links followed (false where either does not exist).
bool sameFile(const std::string& a, const std::string& b);

} // namespace varnel::projects
