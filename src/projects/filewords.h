#pragma once

#include "projects/files.h"

#include <optional>
#include <random>
#include <string>
#include <string_view>

// What the file functions tell the user, the same on every system: each system names its errors in its own
// codes, and maps them to these causes first.
namespace varnel::projects::filewords {

enum class Cause {
    NotFound,     // the file, or the folder it should be in, does not exist
    NotAFolder,   // a part of the path before the name is a file
    NoPermission, // the system refused: no right to read the file or to write in the folder
    DiskFull,     // no space left, or the user's quota used up
    ReadOnlyDisk, // the disk (or share) can only be read
    LinkLoop,     // links lead round in a circle
    NameTooLong,  // the name, or the whole path, is longer than the system allows
    InUse,        // another program holds the file (Windows)
    DiskError,    // the disk failed to read or write
    Other,        // anything else, told by its code
};

// Why a file could not be written, and what to do about it.
FileFailure writing(Cause cause, long code);
// Why a file could not be read.
FileFailure reading(Cause cause, long code);

// A name that names no file: empty, or ending with a folder's separator.
std::optional<FileFailure> badName(std::string_view path, bool writing);

// A name that is not a regular file: `what` is its kind (文件夹, 管道（FIFO）, 设备, 套接字).
FileFailure notRegular(std::string_view what, bool writing);
// A file the user may not change.
FileFailure readOnly();
// A link whose target does not exist.
FileFailure danglingLink();

// Twelve random hexadecimal digits, which end the name of a temporary file beside a file being saved.
std::string randomSuffix(std::mt19937_64& random);

} // namespace varnel::projects::filewords
