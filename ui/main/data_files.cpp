#include "ui/main/data_files.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "core/messages.h"
#include "ui/main/qt_text.h"

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

namespace lumitrak {
namespace {

// Neither file holds more than a few hundred bytes; a larger one is read only this far.
constexpr qint64 kDataFileReadLimit = 1024 * 1024;

DataFileRead failed(const QString& reason) { return {DataFileRead::Status::Failed, {}, reason}; }

// The rename reaches the disk only with the folder that holds the name.
void syncFolderOf(const QString& path) {
#ifdef Q_OS_UNIX
    const QString folder = QFileInfo(QFileInfo(path).canonicalFilePath()).absolutePath();
    const int fd =
        ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
#else
    Q_UNUSED(path);
#endif
}

}  // namespace

DataFileRead readDataFile(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists()) return {};
    if (!info.isFile()) return failed(toQString(kNotRegularFileReason));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return failed(file.errorString());
    const QByteArray bytes = file.read(kDataFileReadLimit);
    if (file.error() != QFileDevice::NoError) return failed(file.errorString());
    return {DataFileRead::Status::Read, bytes.toStdString(), {}};
}

QString writeDataFile(const QString& path, std::string_view bytes) {
    const QFileInfo existing(path);
    // A file made read-only is kept, also for an account that could write it all the same.
    if (existing.isFile() &&
        (!existing.isWritable() || !(existing.permissions() & QFileDevice::WriteOwner)))
        return toQString(kReadOnlyFileReason);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return file.errorString();
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    // A failed write makes the commit fail; the old file then stays as it was.
    if (!file.commit()) return file.errorString();
    syncFolderOf(path);
    return {};
}

}  // namespace lumitrak
