// The file system through POSIX calls, and Linux's extended attributes, which also carry a file's
// ACL.

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <climits>
#include <cstring>
#include <thread>
#include <utility>

#include "core/messages.h"
#include "platform/file_system.h"

namespace lumitrak {
namespace {

std::string reasonOf(FileProblem problem) { return std::string(fileProblemReason(problem)); }

// The reason for a failed call: the observer's words for the common causes, the system's for the
// others.
std::string reasonFor(int error) {
    switch (error) {
        case ENOSPC: return reasonOf(FileProblem::NoSpace);
        case EDQUOT: return reasonOf(FileProblem::QuotaExceeded);
        case EACCES:
        case EPERM: return reasonOf(FileProblem::AccessDenied);
        case EROFS: return reasonOf(FileProblem::ReadOnlyFileSystem);
        case ENOENT: return reasonOf(FileProblem::NotFound);
        case ENOTDIR: return reasonOf(FileProblem::NotAFolder);
        case EISDIR: return reasonOf(FileProblem::NotRegular);
        case EBUSY:
        case ETXTBSY:
        case EWOULDBLOCK: return reasonOf(FileProblem::InUse);
        case EFBIG: return reasonOf(FileProblem::TooLarge);
        case EIO: return reasonOf(FileProblem::IoError);
        default: return std::strerror(error);
    }
}

std::string lastReason() { return reasonFor(errno); }

// Runs `call` again for as long as a signal only interrupted it.
template <typename Call>
auto retried(Call call) {
    decltype(call()) result;
    do {
        result = call();
    } while (result == -1 && errno == EINTR);
    return result;
}

// Closes on leaving, whatever way the function is left.
struct Descriptor {
    int fd = -1;
    Descriptor() = default;
    explicit Descriptor(int descriptor) : fd(descriptor) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        if (fd >= 0) ::close(fd);
    }
    // Closes now; a failure here can be the first sign of a full disk. Linux closes the
    // descriptor even when interrupted, so that is no failure.
    bool close() {
        const int result = ::close(std::exchange(fd, -1));
        return result == 0 || errno == EINTR;
    }
};

// The folder part of a path, with its slash ("" for a plain name).
std::string folderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// The file a chain of symbolic links ends at, so that the link itself stays in place.
bool followLinks(std::string& path) {
    for (int hops = 0; hops < 40; ++hops) {
        struct stat info {};
        if (retried([&] { return ::lstat(path.c_str(), &info); }) != 0) return errno == ENOENT;
        if (!S_ISLNK(info.st_mode)) return true;
        std::string target(PATH_MAX, '\0');
        const ssize_t length = ::readlink(path.c_str(), target.data(), target.size());
        if (length < 0) return false;
        target.resize(static_cast<std::size_t>(length));
        path = target.starts_with('/') ? target : folderOf(path) + target;
    }
    errno = ELOOP;
    return false;
}

bool writeAll(int fd, std::string_view bytes, off_t offset) {
    while (!bytes.empty()) {
        const ssize_t written =
            retried([&] { return ::pwrite(fd, bytes.data(), bytes.size(), offset); });
        if (written <= 0) {
            if (written == 0) errno = ENOSPC;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
        offset += written;
    }
    return true;
}

bool synced(int fd) {
    return retried([fd] { return ::fsync(fd); }) == 0;
}

// The rename reaches the disk only with the folder that holds the name. A file system that cannot
// sync a folder says so with EINVAL; it has nothing more to write.
bool syncFolder(const std::string& folder) {
    const Descriptor dir(retried([&] {
        return ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    }));
    if (dir.fd < 0) return false;
    return synced(dir.fd) || errno == EINVAL;
}

bool lockedNow(int fd) {
    return retried([fd] { return ::flock(fd, LOCK_EX | LOCK_NB); }) == 0;
}

// The one temporary file beside a file, created new and locked while it is written. What stands
// at its name is a leftover of a crash, unless another window is saving right now: a leftover is
// removed and the name reused, a save in progress is waited for a moment.
int createTemporary(const std::string& name, mode_t mode) {
    using namespace std::chrono_literals;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const int fd = retried([&] {
            return ::open(name.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
        });
        if (fd >= 0) {
            if (lockedNow(fd)) return fd;
            ::close(fd);
            std::this_thread::sleep_for(20ms);
            continue;
        }
        if (errno != EEXIST) return -1;
        const Descriptor other(retried(
            [&] { return ::open(name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC); }));
        struct stat info {};
        if (other.fd >= 0 && ::fstat(other.fd, &info) == 0 && S_ISDIR(info.st_mode)) {
            errno = EISDIR;
            return -1;
        }
        if (other.fd >= 0 && !lockedNow(other.fd)) {
            std::this_thread::sleep_for(20ms);
            continue;
        }
        // A leftover, or a link or pipe at the name: removed, never followed.
        if (retried([&] { return ::unlink(name.c_str()); }) != 0 && errno != ENOENT) return -1;
    }
    errno = EBUSY;
    return -1;
}

std::vector<std::string> attributeNames(ssize_t (*list)(int, char*, size_t), int fd) {
    std::vector<std::string> names;
    const ssize_t size = list(fd, nullptr, 0);
    if (size <= 0) return names;
    std::string all(static_cast<std::size_t>(size), '\0');
    const ssize_t got = list(fd, all.data(), all.size());
    for (std::size_t begin = 0; got > 0 && begin < static_cast<std::size_t>(got);) {
        const std::size_t end = all.find('\0', begin);
        names.push_back(all.substr(begin, end - begin));
        begin = end + 1;
    }
    return names;
}

bool isSecurityLabel(const std::string& name) { return name.starts_with("security."); }

// Gives the new file `fd` the old file's owner, group, mode, ACL and extended attributes. False
// when the system refuses one of them (another user's file, an attribute this account may not
// set): the file is then written in place instead, so that it keeps them all. Security labels
// are the system's to give, and a new file in the same folder gets the same.
bool copyIdentity(int fd, int oldFd, const struct stat& old) {
    if ((old.st_uid != ::geteuid() || old.st_gid != ::getegid()) &&
        ::fchown(fd, old.st_uid, old.st_gid) != 0)
        return false;
    const std::vector<std::string> kept = attributeNames(::flistxattr, oldFd);
    // What the folder's default ACL gave the new file and the old one lacks goes first.
    for (const std::string& name : attributeNames(::flistxattr, fd)) {
        if (isSecurityLabel(name) || std::find(kept.begin(), kept.end(), name) != kept.end())
            continue;
        if (::fremovexattr(fd, name.c_str()) != 0) return false;
    }
    if (::fchmod(fd, old.st_mode & 07777) != 0) return false;
    for (const std::string& name : kept) {
        const ssize_t size = ::fgetxattr(oldFd, name.c_str(), nullptr, 0);
        std::string value(size > 0 ? static_cast<std::size_t>(size) : 0, '\0');
        const bool copied = size >= 0 &&
                            ::fgetxattr(oldFd, name.c_str(), value.data(), value.size()) == size &&
                            ::fsetxattr(fd, name.c_str(), value.data(), value.size(), 0) == 0;
        if (!copied && !isSecurityLabel(name)) return false;
    }
    return true;
}

enum class Rewrite { Done, OldKept, Damaged };

// Rewrites the file `target` in place with `bytes`; on failure it gets `old` back if it can.
// errno tells why it failed.
Rewrite rewriteInPlace(const std::string& target, std::string_view bytes, const std::string& old) {
    Descriptor file(
        retried([&] { return ::open(target.c_str(), O_WRONLY | O_NOFOLLOW | O_CLOEXEC); }));
    if (file.fd < 0) return Rewrite::OldKept;
    const auto written = [&file](std::string_view text) {
        return writeAll(file.fd, text, 0) &&
               retried([&] { return ::ftruncate(file.fd, static_cast<off_t>(text.size())); }) ==
                   0 &&
               synced(file.fd);
    };
    // Once synced, the bytes are on the disk whatever closing says.
    if (written(bytes)) return Rewrite::Done;
    const int error = errno;
    const bool restored = written(old);
    errno = error;
    return restored ? Rewrite::OldKept : Rewrite::Damaged;
}

// The old file's bytes, to put back should rewriting it in place fail.
constexpr std::size_t kRewriteLimit = 16 * 1024 * 1024;

}  // namespace

FileRead readRegularFile(const std::string& path, std::size_t limit) {
    FileRead read;
    // Opened without waiting, so a pipe cannot block; a regular file reads as usual.
    const Descriptor file(retried(
        [&] { return ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC); }));
    const auto failed = [&read](std::string reason) {
        read.status = FileRead::Status::Failed;
        read.reason = std::move(reason);
        return read;
    };
    if (file.fd < 0) return errno == ENOENT ? read : failed(lastReason());
    struct stat info {};
    if (::fstat(file.fd, &info) != 0) return failed(lastReason());
    if (!S_ISREG(info.st_mode)) {
        read.isFolder = S_ISDIR(info.st_mode);
        return failed(reasonOf(FileProblem::NotRegular));
    }
    const std::size_t wanted = limit < SIZE_MAX ? limit + 1 : limit;
    std::string bytes;
    char chunk[64 * 1024];
    while (bytes.size() < wanted) {
        const std::size_t room = std::min(sizeof chunk, wanted - bytes.size());
        const ssize_t got = retried([&] { return ::read(file.fd, chunk, room); });
        if (got < 0) return failed(lastReason());
        if (got == 0) break;
        bytes.append(chunk, static_cast<std::size_t>(got));
    }
    read.status = FileRead::Status::Read;
    read.bytes = std::move(bytes);
    return read;
}

std::string replaceFile(const std::string& path, std::string_view bytes) {
    std::string target = path;
    if (!followLinks(target)) return lastReason();
    const Descriptor oldFile(retried(
        [&] { return ::open(target.c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC); }));
    if (oldFile.fd < 0 && errno != ENOENT) return lastReason();
    struct stat old {};
    const bool exists = oldFile.fd >= 0;
    if (exists && ::fstat(oldFile.fd, &old) != 0) return lastReason();
    if (exists && !S_ISREG(old.st_mode)) return reasonOf(FileProblem::NotRegular);
    // A file made read-only is kept, also for an account that could write it all the same.
    if (exists && !(old.st_mode & S_IWUSR)) return reasonOf(FileProblem::ReadOnlyFile);
    if (exists && ::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0)
        return errno == EACCES ? reasonOf(FileProblem::ReadOnlyFile) : lastReason();

    const std::string temporary = target + ".tmp";
    Descriptor file(createTemporary(temporary, exists ? 0600 : 0666));
    if (file.fd < 0) return lastReason();
    const auto fail = [&temporary](int error) {
        ::unlink(temporary.c_str());
        return reasonFor(error);
    };
    // Every step is checked: a full disk may show only at the write, the sync or the close.
    if (!writeAll(file.fd, bytes, 0)) return fail(errno);
    const bool inPlace = exists && (old.st_nlink > 1 || !copyIdentity(file.fd, oldFile.fd, old));
    if (!synced(file.fd)) return fail(errno);
    if (!inPlace) {
        // Renamed while still locked, so that no other window takes it for a leftover.
        if (retried([&] { return ::rename(temporary.c_str(), target.c_str()); }) != 0)
            return fail(errno);
        if (!file.close()) return lastReason();
        return syncFolder(folderOf(target)) ? std::string() : lastReason();
    }
    // Every name of the file and everything the system keeps with it stay: the new content is
    // safe in the temporary file while the file itself is rewritten.
    const FileRead previous = readRegularFile(target, kRewriteLimit);
    if (previous.status != FileRead::Status::Read) return fail(EIO);
    if (previous.bytes.size() > kRewriteLimit) return fail(EFBIG);
    switch (rewriteInPlace(target, bytes, previous.bytes)) {
        case Rewrite::Done: break;
        case Rewrite::OldKept: return fail(errno);
        // The temporary file still holds the new bytes; the next save takes its place.
        case Rewrite::Damaged: return lastReason();
    }
    if (retried([&] { return ::unlink(temporary.c_str()); }) != 0) return lastReason();
    return syncFolder(folderOf(target)) ? std::string() : lastReason();
}

std::string replacePrivateFile(const std::string& path, std::string_view bytes) {
    const std::string temporary = path + ".tmp";
    Descriptor file(createTemporary(temporary, 0600));
    if (file.fd < 0) return lastReason();
    const auto fail = [&temporary](int error) {
        ::unlink(temporary.c_str());
        return reasonFor(error);
    };
    // Private whatever the umask: it only ever takes bits away.
    if (::fchmod(file.fd, 0600) != 0 || !writeAll(file.fd, bytes, 0) || !synced(file.fd) ||
        !file.close())
        return fail(errno);
    if (retried([&] { return ::rename(temporary.c_str(), path.c_str()); }) != 0) return fail(errno);
    return syncFolder(folderOf(path)) ? std::string() : lastReason();
}

std::string removeFile(const std::string& path) {
    if (retried([&] { return ::unlink(path.c_str()); }) == 0 || errno == ENOENT) return {};
    return lastReason();
}

std::string makePrivateFolder(const std::string& path) {
    for (std::size_t slash = path.find('/', 1);; slash = path.find('/', slash + 1)) {
        const std::string folder = path.substr(0, slash);
        if (!folder.empty() && !folder.ends_with('/')) {
            // Whatever the umask, a folder this makes stays open to its owner.
            if (retried([&] { return ::mkdir(folder.c_str(), 0700); }) == 0) {
                if (::chmod(folder.c_str(), 0700) != 0) return lastReason();
            } else if (errno != EEXIST) {
                return lastReason();
            }
        }
        if (slash == std::string::npos) break;
    }
    struct stat info {};
    if (retried([&] { return ::stat(path.c_str(), &info); }) != 0) return lastReason();
    if (!S_ISDIR(info.st_mode)) return reasonFor(ENOTDIR);
    // Made private also where an earlier version or the umask left it open to others.
    if ((info.st_mode & 07777) != 0700 && ::chmod(path.c_str(), 0700) != 0) return lastReason();
    return {};
}

std::vector<std::string> folderEntries(const std::string& folder) {
    std::vector<std::string> names;
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return names;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string_view name = entry->d_name;
        if (name != "." && name != "..") names.emplace_back(name);
    }
    ::closedir(dir);
    return names;
}

FileLock::FileLock(FileLock&& other) noexcept
    : handle_(std::exchange(other.handle_, kNone)), path_(std::move(other.path_)) {}

FileLock& FileLock::operator=(FileLock&& other) noexcept {
    if (this != &other) {
        release();
        handle_ = std::exchange(other.handle_, kNone);
        path_ = std::move(other.path_);
    }
    return *this;
}

FileLock::~FileLock() { release(); }

void FileLock::release() {
    if (handle_ != kNone) ::close(static_cast<int>(std::exchange(handle_, kNone)));
}

FileLock FileLock::create(const std::string& path, std::string& reason) {
    Descriptor file(retried([&] {
        return ::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    }));
    if (file.fd < 0 || ::fchmod(file.fd, 0600) != 0 || !lockedNow(file.fd)) {
        reason = lastReason();
        return {};
    }
    return FileLock(std::exchange(file.fd, -1), path);
}

FileLock FileLock::take(const std::string& path, Outcome& outcome) {
    outcome = Outcome::Failed;
    // Read-only is enough to lock, so a lock on a read-only disk can still be taken.
    Descriptor file(retried(
        [&] { return ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC); }));
    struct stat info {};
    if (file.fd < 0 || ::fstat(file.fd, &info) != 0 || !S_ISREG(info.st_mode)) return {};
    if (!lockedNow(file.fd)) {
        if (errno == EWOULDBLOCK) outcome = Outcome::HeldElsewhere;
        return {};
    }
    outcome = Outcome::Held;
    return FileLock(std::exchange(file.fd, -1), path);
}

void FileLock::releaseAndRemove() {
    // Removed while still held, so that no other window takes the name in between.
    if (handle_ != kNone) ::unlink(path_.c_str());
    release();
}

}  // namespace lumitrak
