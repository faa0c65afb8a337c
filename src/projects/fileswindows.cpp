// Reading and writing files whole on Windows.
#include "projects/files.h"

#include "projects/filewords.h"

#include <algorithm>
#include <filesystem>
#include <random>
#include <system_error>

#include <windows.h>

namespace varnel::projects {

namespace {

namespace fs = std::filesystem;

fs::path pathOf(const std::string& utf8) {
    return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string utf8Of(const fs::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

filewords::Cause causeOf(DWORD error) {
    using enum filewords::Cause;
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
        return NotFound;
    case ERROR_DIRECTORY:
        return NotAFolder;
    case ERROR_ACCESS_DENIED:
        return NoPermission;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return DiskFull;
    case ERROR_WRITE_PROTECT:
        return ReadOnlyDisk;
    case ERROR_CANT_RESOLVE_FILENAME:
        return LinkLoop;
    case ERROR_FILENAME_EXCED_RANGE:
        return NameTooLong;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_USER_MAPPED_FILE:
        return InUse;
    case ERROR_CRC:
    case ERROR_WRITE_FAULT:
    case ERROR_READ_FAULT:
    case ERROR_IO_DEVICE:
        return DiskError;
    default:
        return Other;
    }
}

FileFailure writeError(DWORD error) {
    return filewords::writing(causeOf(error), static_cast<long>(error));
}

FileFailure readError(DWORD error) {
    return filewords::reading(causeOf(error), static_cast<long>(error));
}

// The file a name leads to once its links are followed.
std::optional<fs::path> followLinks(fs::path path) {
    for (int hops = 0; hops < 40; ++hops) {
        std::error_code error;
        if (!fs::is_symlink(fs::symlink_status(path, error)))
            return path;
        const fs::path to = fs::read_symlink(path, error);
        if (error)
            return std::nullopt;
        path = to.is_absolute() ? to : path.parent_path() / to;
    }
    return std::nullopt;
}

class Writer {
  public:
    Writer(fs::path target, std::optional<InjectedFault> fault)
        : m_target(std::move(target)), m_fault(fault) {}

    ~Writer() {
        if (m_file != INVALID_HANDLE_VALUE)
            CloseHandle(m_file);
        if (!m_temp.empty())
            DeleteFileW(m_temp.c_str());
    }

    std::optional<FileFailure> write(std::string_view bytes) {
        const fs::path folder = m_target.has_parent_path() ? m_target.parent_path() : fs::path(L".");
        const std::wstring prefix = pathOf(temporaryPrefix(utf8Of(m_target.filename()))).wstring();
        removeLeftovers(folder, prefix);

        std::mt19937_64 random(std::random_device{}());
        for (int attempt = 0; attempt < 100 && m_file == INVALID_HANDLE_VALUE; ++attempt) {
            m_temp = (folder / (prefix + pathOf(filewords::randomSuffix(random)).wstring())).wstring();
            if (failed(WriteStep::Create))
                return failure();
            m_file = CreateFileW(m_temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL,
                                 nullptr);
            if (m_file == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_EXISTS) {
                m_temp.clear();
                return failure();
            }
        }
        if (m_file == INVALID_HANDLE_VALUE) {
            m_temp.clear();
            return failure();
        }
        for (std::size_t written = 0; written < bytes.size();) {
            const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - written, 1 << 20));
            DWORD n = 0;
            if (failed(WriteStep::Write) || !WriteFile(m_file, bytes.data() + written, chunk, &n, nullptr))
                return failure();
            if (n == 0) {
                SetLastError(ERROR_WRITE_FAULT);
                return failure();
            }
            written += n;
        }
        if (failed(WriteStep::Sync) || !FlushFileBuffers(m_file))
            return failure();
        const HANDLE file = m_file;
        m_file = INVALID_HANDLE_VALUE;
        if (failed(WriteStep::Close) || !CloseHandle(file))
            return failure();
        // The rename goes through to the disk before it returns (MOVEFILE_WRITE_THROUGH); there is no folder
        // to flush after it. A replaced file's attributes and permissions are kept by ReplaceFileW.
        std::error_code error;
        const bool replacing = fs::exists(m_target, error);
        const bool renamed =
            !failed(WriteStep::Rename) &&
            (replacing ? ReplaceFileW(m_target.c_str(), m_temp.c_str(), nullptr,
                                      REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr)
                       : MoveFileExW(m_temp.c_str(), m_target.c_str(), MOVEFILE_WRITE_THROUGH));
        if (!renamed)
            return failure();
        m_temp.clear();
        return std::nullopt;
    }

  private:
    bool failed(WriteStep step) const {
        if (!m_fault || m_fault->step != step)
            return false;
        SetLastError(static_cast<DWORD>(m_fault->error));
        return true;
    }

    static FileFailure failure() { return writeError(GetLastError()); }

    static void removeLeftovers(const fs::path& folder, const std::wstring& prefix) {
        std::error_code error;
        for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
            if (it->path().filename().wstring().starts_with(prefix)) {
                std::error_code ignored;
                fs::remove(it->path(), ignored);
            }
        }
    }

    fs::path m_target;
    std::optional<InjectedFault> m_fault;
    std::wstring m_temp;
    HANDLE m_file = INVALID_HANDLE_VALUE;
};

} // namespace

std::optional<FileFailure> writeWholeFile(const std::string& path, std::string_view bytes,
                                          std::optional<InjectedFault> fault) {
    if (std::optional<FileFailure> refused = filewords::badName(path, true))
        return refused;
    const std::optional<fs::path> target = followLinks(pathOf(path));
    if (!target)
        return filewords::writing(filewords::Cause::LinkLoop, 0);
    const DWORD attributes = GetFileAttributesW(target->c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES) {
        if (attributes & FILE_ATTRIBUTE_DIRECTORY)
            return filewords::notRegular("文件夹", true);
        if (attributes & FILE_ATTRIBUTE_READONLY)
            return filewords::readOnly();
    }
    return Writer(*target, fault).write(bytes);
}

FileRead readRegularFile(const std::string& path, std::uintmax_t limit) {
    FileRead read;
    if ((read.failure = filewords::badName(path, false)))
        return read;
    const fs::path name = pathOf(path);
    const DWORD attributes = GetFileAttributesW(name.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        read.failure = filewords::notRegular("文件夹", false);
        return read;
    }
    const HANDLE file = CreateFileW(name.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        read.failure = readError(GetLastError());
        return read;
    }
    if (GetFileType(file) != FILE_TYPE_DISK) {
        read.failure = filewords::notRegular(GetFileType(file) == FILE_TYPE_PIPE ? "管道" : "设备", false);
        CloseHandle(file);
        return read;
    }
    LARGE_INTEGER size{};
    GetFileSizeEx(file, &size);
    read.size = static_cast<std::uintmax_t>(size.QuadPart);
    if (read.size > limit) {
        read.tooLarge = true;
        CloseHandle(file);
        return read;
    }
    char buffer[65536];
    while (read.bytes.size() <= limit) {
        DWORD n = 0;
        if (!ReadFile(file, buffer, sizeof buffer, &n, nullptr)) {
            read.failure = readError(GetLastError());
            break;
        }
        if (n == 0)
            break;
        read.bytes.append(buffer, n);
    }
    CloseHandle(file);
    read.size = read.bytes.size();
    read.tooLarge = read.size > limit;
    if (read.tooLarge || read.failure)
        read.bytes.clear();
    return read;
}

bool sameFile(const std::string& a, const std::string& b) {
    std::error_code error;
    return fs::equivalent(pathOf(a), pathOf(b), error) && !error;
}

} // namespace varnel::projects
