// Reading and writing files whole on Linux (and any POSIX system).
#include "projects/files.h"

#include "projects/filewords.h"

#include <array>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <random>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace varnel::projects {

namespace {

// The folder part of a path ("." for a bare name) and its last part.
std::string folderOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string nameOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// A file of the name in the folder.
std::string beside(const std::string& folder, const std::string& name) {
    return (folder == "/" ? "" : folder) + "/" + name;
}

// The file a name leads to once its links are followed (the name itself when it is no link), or the
// system's error code. A link whose target does not exist yet leads to that target: a save creates it.
struct Resolved {
    std::string path;
    int error = 0;
};

Resolved followLinks(std::string path) {
    // Linux itself gives up after 40 links.
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0)
            return {path, errno == ENOENT ? 0 : errno};
        if (!S_ISLNK(st.st_mode))
            return {path, 0};
        std::array<char, PATH_MAX> target{};
        const ssize_t length = ::readlink(path.c_str(), target.data(), target.size());
        if (length < 0)
            return {path, errno};
        if (static_cast<std::size_t>(length) == target.size()) // cut short: no path is that long
            return {path, ENAMETOOLONG};
        const std::string to(target.data(), static_cast<std::size_t>(length));
        path = to.starts_with('/') ? to : folderOf(path) + "/" + to;
    }
    return {path, ELOOP};
}

FileFailure notRegular(mode_t mode, bool writing) {
    if (S_ISDIR(mode))
        return filewords::notRegular("文件夹", writing);
    if (S_ISFIFO(mode))
        return filewords::notRegular("管道（FIFO）", writing);
    if (S_ISSOCK(mode))
        return filewords::notRegular("套接字", writing);
    return filewords::notRegular("设备", writing);
}

filewords::Cause causeOf(int error) {
    using enum filewords::Cause;
    switch (error) {
    case ENOENT:
        return NotFound;
    case ENOTDIR:
        return NotAFolder;
    case EACCES:
    case EPERM:
        return NoPermission;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return DiskFull;
    case EROFS:
        return ReadOnlyDisk;
    case ELOOP:
        return LinkLoop;
    case ENAMETOOLONG:
        return NameTooLong;
    case ETXTBSY:
    case EBUSY:
        return InUse;
    case EIO:
        return DiskError;
    default:
        return Other;
    }
}

FileFailure writeError(int error) {
    return filewords::writing(causeOf(error), error);
}

FileFailure readError(int error) {
    return filewords::reading(causeOf(error), error);
}

class Writer {
  public:
    Writer(std::string target, std::optional<InjectedFault> fault)
        : m_target(std::move(target)), m_fault(fault) {}

    ~Writer() {
        if (m_file >= 0)
            ::close(m_file);
        for (const std::string& path : {m_temp, m_backup})
            if (!path.empty())
                ::unlink(path.c_str());
    }

    std::optional<FileFailure> write(std::string_view bytes) {
        const std::string folder = folderOf(m_target);
        const std::string prefix = temporaryPrefix(nameOf(m_target));
        removeLeftovers(folder, prefix);

        struct stat old {};
        const bool replacing = ::stat(m_target.c_str(), &old) == 0;
        std::mt19937_64 random(std::random_device{}());
        for (int attempt = 0; attempt < 100 && m_file < 0; ++attempt) {
            m_temp = beside(folder, prefix + filewords::randomSuffix(random));
            if (failed(WriteStep::Create))
                return writeError(errno);
            m_file = ::open(m_temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (m_file < 0 && errno != EEXIST) {
                m_temp.clear();
                return writeError(errno);
            }
        }
        if (m_file < 0) {
            m_temp.clear();
            return writeError(errno);
        }
        if (replacing) {
            // The new file takes the old one's permissions, and its owner where the system lets it (root).
            [[maybe_unused]] const int owned = ::fchown(m_file, old.st_uid, old.st_gid);
            ::fchmod(m_file, old.st_mode & 07777);
        }

        for (std::size_t written = 0; written < bytes.size();) {
            if (failed(WriteStep::Write))
                return writeError(errno);
            const ssize_t n = ::write(m_file, bytes.data() + written, bytes.size() - written);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0) {
                if (n == 0)
                    errno = EIO;
                return writeError(errno);
            }
            written += static_cast<std::size_t>(n);
        }
        if (failed(WriteStep::Sync) || ::fsync(m_file) != 0)
            return writeError(errno);
        const int file = m_file;
        m_file = -1;
        if (failed(WriteStep::Close) || ::close(file) != 0)
            return writeError(errno);

        // The old file is kept under a second name until the new one's name is on the disk, so that it can
        // be put back when the folder cannot be flushed. A file system without hard links has no second
        // name: the new file then stays, complete, and the save is still reported as failed.
        if (replacing) {
            m_backup = beside(folder, prefix + filewords::randomSuffix(random));
            if (::link(m_target.c_str(), m_backup.c_str()) != 0)
                m_backup.clear();
        }
        if (failed(WriteStep::Rename) || ::rename(m_temp.c_str(), m_target.c_str()) != 0)
            return writeError(errno);
        m_temp.clear();
        if (failed(WriteStep::SyncFolder) || !syncFolder(folder)) {
            const int error = errno;
            if (!m_backup.empty() && ::rename(m_backup.c_str(), m_target.c_str()) == 0)
                m_backup.clear();
            errno = error;
            return writeError(errno);
        }
        return std::nullopt;
    }

  private:
    bool failed(WriteStep step) const {
        if (!m_fault || m_fault->step != step)
            return false;
        errno = m_fault->error;
        return true;
    }

    static bool syncFolder(const std::string& folder) {
        const int f = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (f < 0)
            return false;
        const bool synced = ::fsync(f) == 0;
        const int error = errno;
        ::close(f);
        errno = error;
        return synced;
    }

    // Temporary files of this name that a save killed half-way left behind.
    static void removeLeftovers(const std::string& folder, const std::string& prefix) {
        DIR* dir = ::opendir(folder.c_str());
        if (!dir)
            return;
        while (const dirent* entry = ::readdir(dir)) {
            const std::string_view name = entry->d_name;
            if (name.starts_with(prefix))
                ::unlinkat(::dirfd(dir), entry->d_name, 0);
        }
        ::closedir(dir);
    }

    std::string m_target;
    std::optional<InjectedFault> m_fault;
    std::string m_temp;
    std::string m_backup;
    int m_file = -1;
};

} // namespace

std::optional<FileFailure> writeWholeFile(const std::string& path, std::string_view bytes,
                                          std::optional<InjectedFault> fault) {
    if (std::optional<FileFailure> refused = filewords::badName(path, true))
        return refused;
    const Resolved target = followLinks(path);
    if (target.error)
        return writeError(target.error);
    struct stat st {};
    if (::stat(target.path.c_str(), &st) == 0) {
        if (!S_ISREG(st.st_mode))
            return notRegular(st.st_mode, true);
        if (::faccessat(AT_FDCWD, target.path.c_str(), W_OK, AT_EACCESS) != 0)
            return errno == EROFS ? writeError(EROFS) : filewords::readOnly();
    }
    return Writer(target.path, fault).write(bytes);
}

FileRead readRegularFile(const std::string& path, std::uintmax_t limit) {
    FileRead read;
    if ((read.failure = filewords::badName(path, false)))
        return read;
    // Opened without waiting: a pipe with no writer would otherwise hold the program for ever.
    const int file = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (file < 0) {
        const int error = errno;
        struct stat st {};
        const bool danglingLink = error == ENOENT && ::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode);
        read.failure = danglingLink ? filewords::danglingLink() : readError(error);
        return read;
    }
    struct stat st {};
    if (::fstat(file, &st) != 0 || !S_ISREG(st.st_mode)) {
        read.failure = S_ISREG(st.st_mode) ? readError(errno) : notRegular(st.st_mode, false);
        ::close(file);
        return read;
    }
    read.size = static_cast<std::uintmax_t>(st.st_size);
    if (read.size > limit) {
        read.tooLarge = true;
        ::close(file);
        return read;
    }
    // A file may grow while it is read: never more than the limit and one byte. Room for the size it has
    // is made at once, so that the bytes are not copied again and again as the string grows.
    read.bytes.reserve(static_cast<std::size_t>(read.size));
    std::array<char, 65536> buffer{};
    while (read.bytes.size() <= limit) {
        const ssize_t n = ::read(file, buffer.data(), buffer.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            read.failure = readError(errno);
            break;
        }
        if (n == 0)
            break;
        read.bytes.append(buffer.data(), static_cast<std::size_t>(n));
    }
    ::close(file);
    read.size = read.bytes.size();
    read.tooLarge = read.size > limit;
    if (read.tooLarge || read.failure)
        read.bytes.clear();
    return read;
}

bool sameFile(const std::string& a, const std::string& b) {
    struct stat first {
    }, second{};
    return ::stat(a.c_str(), &first) == 0 && ::stat(b.c_str(), &second) == 0 &&
           first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

} // namespace varnel::projects
