#pragma once
// The data files on the disk. Their formats are the storage library's; this side reads and
// writes the bytes and says why when the file system refuses. Paths are the system's bytes,
// never decoded: a folder whose name is no valid text still reads and saves where it is.

#include <QString>
#include <string>
#include <string_view>

namespace lumitrak {

struct DataFileRead {
    enum class Status { Missing, Read, Failed };
    Status status = Status::Missing;
    std::string bytes;  // Read: the file's bytes, the first mebibyte at most
    QString reason;     // Failed: why it could not be read, in the system's words
    // Whether two reads found the same: both missing, or both read with the same bytes.
    bool sameContent(const DataFileRead& other) const {
        return status == other.status && bytes == other.bytes;
    }
};

// A missing file is no failure. Only a regular file is read: a pipe would block the window.
DataFileRead readDataFile(const std::string& path);

// Replaces the file whole with `bytes`: they go to a new file in the same folder that is
// written, flushed to the disk and checked to the last byte, and only then renamed over the old
// one, so the old file survives any failure. A symbolic link is followed and stays a link; the
// new file keeps the old one's permissions; a file whose owner may not write it (read-only) is
// not replaced. The empty text on success, otherwise the reason.
QString writeDataFile(const std::string& path, std::string_view bytes);

// Removes the file; a missing one is no failure.
void removeDataFile(const std::string& path);

}  // namespace lumitrak
