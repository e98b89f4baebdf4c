#include "ui/main/recovery_copy.h"

#include <unistd.h>

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include "ui/main/data_files.h"

namespace lumitrak {
namespace {

// The working folder as the system names it, never decoded: two folders whose names decode
// alike still get copies of their own.
QByteArray workingFolderBytes() {
    QByteArray folder(PATH_MAX, '\0');
    if (!::getcwd(folder.data(), static_cast<std::size_t>(folder.size()))) return {};
    folder.truncate(static_cast<qsizetype>(qstrlen(folder.constData())));
    return folder;
}

constexpr int kCopiesPerFolder = 9;

}  // namespace

RecoveryCopy::RecoveryCopy() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) +
                           QStringLiteral("/recovery");
    if (!QDir().mkpath(folder)) return;
    const QString key = QString::fromLatin1(
        QCryptographicHash::hash(workingFolderBytes(), QCryptographicHash::Sha256)
            .toHex()
            .left(32));
    for (int copy = 1; copy <= kCopiesPerFolder; ++copy) {
        const QString path = QStringLiteral("%1/%2-%3.txt").arg(folder, key).arg(copy);
        auto lock = std::make_unique<QLockFile>(path + QStringLiteral(".lock"));
        // A lock left by a killed program is taken over.
        if (!lock->tryLock(0)) continue;
        lock_ = std::move(lock);
        path_ = QFile::encodeName(path).toStdString();
        return;
    }
}

std::optional<TypedTable> RecoveryCopy::read() const {
    if (path_.empty()) return std::nullopt;
    const DataFileRead file = readDataFile(path_);
    if (file.status != DataFileRead::Status::Read) return std::nullopt;
    return parseRecoveryFile(file.bytes);
}

void RecoveryCopy::write(const TypedTable& table) const {
    if (!path_.empty()) writeDataFile(path_, recoveryFileText(table));
}

void RecoveryCopy::remove() const {
    if (!path_.empty()) removeDataFile(path_);
}

}  // namespace lumitrak
