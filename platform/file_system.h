#pragma once
// The files the program keeps, through the system's own calls: file_system_posix.cpp and
// file_system_windows.cpp implement this one interface. A path is the system's bytes on POSIX and
// UTF-8 on Windows; a relative path resolves against the working folder. An interrupted call is
// retried, and every other failure is reported with its reason (`fileProblemReason` words the
// common ones in Japanese, the system words the rest).

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace lumitrak {

struct FileRead {
    enum class Status { Missing, Read, Failed };
    Status status = Status::Missing;
    std::string bytes;      // Read: the file's bytes, at most the limit asked for plus one
    std::string reason;     // Failed: why it could not be read
    bool isFolder = false;  // Failed because the path names a folder
};

// A regular file's bytes, up to `limit` and one byte more, so that a caller can tell a file that
// is too large. A missing file is no failure. Anything but a regular file (a folder, a pipe, a
// device) is refused without waiting on it.
FileRead readRegularFile(const std::string& path, std::size_t limit);

// Replaces a data file whole with `bytes`, checked to the last byte: they go to one temporary file
// beside it ("<name>.tmp", reused after a crash), reach the disk, and only then take the file's
// place, so a failure or a power cut leaves the old file as it was. A symbolic link is followed
// and stays a link. The file keeps what makes it the observer's: its mode, owner and group, its
// ACL and extended attributes, and every name it has (a file with more than one name is written
// in place, after its new content is safe in the temporary file). A file whose owner may not
// write it is read-only and never replaced. The empty text when it worked, otherwise the reason.
[[nodiscard]] std::string replaceFile(const std::string& path, std::string_view bytes);

// Writes a private file (readable by its owner alone, whatever the umask) anew and renames it over
// whatever stands at `path`: a link there is replaced, never followed, and a folder there is a
// failure. The empty text when it worked, otherwise the reason.
[[nodiscard]] std::string replacePrivateFile(const std::string& path, std::string_view bytes);

// Removes a file, or a link without what it points to; a missing one is no failure.
[[nodiscard]] std::string removeFile(const std::string& path);

// Creates the folder and every missing folder above it; the folder itself is made private (its
// owner's alone). The empty text when it exists and is private, otherwise the reason.
[[nodiscard]] std::string makePrivateFolder(const std::string& path);

// The names of the entries of a folder, without "." and ".."; none when it cannot be read.
std::vector<std::string> folderEntries(const std::string& folder);

// A lock held by this process for as long as the object lives. It ends with the process however
// the process ends, so that a window that was killed holds no lock.
class FileLock {
public:
    enum class Outcome { Held, HeldElsewhere, Failed };

    FileLock() = default;
    FileLock(FileLock&& other) noexcept;
    FileLock& operator=(FileLock&& other) noexcept;
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;
    ~FileLock();  // releases the lock; the lock file stays

    // A new, private lock file at `path`, locked; Failed when the name is taken.
    static FileLock create(const std::string& path, std::string& reason);
    // The lock file at `path`, when no process holds it. A missing lock file is not created.
    static FileLock take(const std::string& path, Outcome& outcome);

    bool held() const { return handle_ != kNone; }
    // Removes the lock file and releases the lock.
    void releaseAndRemove();

private:
    static constexpr std::intptr_t kNone = -1;
    explicit FileLock(std::intptr_t handle, std::string path)
        : handle_(handle), path_(std::move(path)) {}
    void release();
    std::intptr_t handle_ = kNone;  // a descriptor on POSIX, a HANDLE on Windows
    std::string path_;
};

}  // namespace lumitrak
