#include "ui/main/data_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <random>
#include <utility>

#include "core/messages.h"
#include "ui/main/qt_text.h"

namespace lumitrak {
namespace {

// Neither file holds more than a few hundred bytes; a larger one is read only this far.
constexpr std::size_t kDataFileReadLimit = 1024 * 1024;

// The reason for the last failed call, in the system's words and language.
QString systemReason() { return qt_error_string(errno); }

DataFileRead failed(const QString& reason) { return {DataFileRead::Status::Failed, {}, reason}; }

// Closes on leaving, whatever way the function is left.
struct Descriptor {
    int fd;
    ~Descriptor() {
        if (fd >= 0) ::close(fd);
    }
};

// The folder part of a path, with its slash ("" for a plain name).
std::string folderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// The file a chain of symbolic links ends at, so that the link itself stays in place.
std::string followLinks(std::string path) {
    for (int hops = 0; hops < 40; ++hops) {
        struct stat info {};
        if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) break;
        std::string target(PATH_MAX, '\0');
        const ssize_t length = ::readlink(path.c_str(), target.data(), target.size());
        if (length < 0) break;
        target.resize(static_cast<std::size_t>(length));
        path = target.starts_with('/') ? target : folderOf(path) + target;
    }
    return path;
}

// A new, empty file beside `path`, under a name no other file has.
int createTemporaryBeside(const std::string& path, std::string& name) {
    std::random_device seed;
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = path + ".tmp" + std::to_string(seed());
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) {
            if (written == 0) errno = ENOSPC;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// The rename reaches the disk only with the folder that holds the name.
void syncFolder(const std::string& folder) {
    const Descriptor dir{
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)};
    if (dir.fd >= 0) ::fsync(dir.fd);
}

}  // namespace

DataFileRead readDataFile(const std::string& path) {
    // Opened without waiting, so a pipe cannot block; a regular file reads as usual.
    const Descriptor file{::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC)};
    if (file.fd < 0) return errno == ENOENT ? DataFileRead{} : failed(systemReason());
    struct stat info {};
    if (::fstat(file.fd, &info) != 0) return failed(systemReason());
    if (!S_ISREG(info.st_mode)) return failed(toQString(kNotRegularFileReason));
    std::string bytes(kDataFileReadLimit, '\0');
    std::size_t filled = 0;
    while (filled < bytes.size()) {
        const ssize_t got = ::read(file.fd, bytes.data() + filled, bytes.size() - filled);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return failed(systemReason());
        if (got == 0) break;
        filled += static_cast<std::size_t>(got);
    }
    bytes.resize(filled);
    return {DataFileRead::Status::Read, std::move(bytes), {}};
}

QString writeDataFile(const std::string& path, std::string_view bytes) {
    const std::string target = followLinks(path);
    struct stat old {};
    const bool exists = ::stat(target.c_str(), &old) == 0;
    // A file made read-only is kept, also for an account that could write it all the same.
    if (exists && S_ISREG(old.st_mode) && !(old.st_mode & S_IWUSR))
        return toQString(kReadOnlyFileReason);
    if (exists && ::access(target.c_str(), W_OK) != 0)
        return errno == EACCES ? toQString(kReadOnlyFileReason) : systemReason();
    std::string temporary;
    Descriptor file{createTemporaryBeside(target, temporary)};
    if (file.fd < 0) return systemReason();
    // Every step is checked: a full disk may show only at the write, the sync or the close.
    const auto fail = [&temporary](int error) {
        ::unlink(temporary.c_str());
        return qt_error_string(error);
    };
    if (exists && ::fchmod(file.fd, old.st_mode & 07777) != 0) return fail(errno);
    if (!writeAll(file.fd, bytes) || ::fsync(file.fd) != 0) return fail(errno);
    const int closed = ::close(std::exchange(file.fd, -1));
    if (closed != 0 || ::rename(temporary.c_str(), target.c_str()) != 0) return fail(errno);
    syncFolder(folderOf(target));
    return {};
}

void removeDataFile(const std::string& path) { ::unlink(path.c_str()); }

}  // namespace lumitrak
