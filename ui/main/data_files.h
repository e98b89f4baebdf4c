#pragma once
// The two data files on the disk. Their formats are the storage library's; this side reads and
// writes the bytes and says why when the file system refuses.

#include <QString>
#include <string>
#include <string_view>

namespace lumitrak {

struct DataFileRead {
    enum class Status { Missing, Read, Failed };
    Status status = Status::Missing;
    std::string bytes;  // Read: the file's bytes, the first mebibyte at most
    QString reason;     // Failed: why it could not be read, in the system's words
};

// A missing file is no failure. Only a regular file is opened: a pipe would block the window.
DataFileRead readDataFile(const QString& path);

// Replaces the file whole with `bytes`: they go to a new file that is flushed to the disk and
// then renamed over the old one, so the old file survives any failure. A symbolic link is
// followed and stays a link; the new file keeps the old one's permissions; a file the user may
// not write (read-only) is not replaced. The empty text on success, otherwise the reason.
QString writeDataFile(const QString& path, std::string_view bytes);

}  // namespace lumitrak
