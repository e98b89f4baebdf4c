#include "ui/main/dropped_file.h"

#include <QDir>

#include "core/messages.h"
#include "import/loader.h"
#include "platform/file_system.h"
#include "ui/common/qt_text.h"

namespace lumitrak {
namespace {

DroppedFileText refused(std::string_view message, const QString& name) {
    DroppedFileText result;
    result.errorMessage = std::string(message);
    if (!name.isEmpty()) result.errorMessage += "\r" + toUtf8String(name);
    return result;
}

}  // namespace

DroppedFileText readDroppedFile(const QList<QUrl>& urls) {
    if (urls.isEmpty()) return refused(kDropWithoutFileMessage, {});
    const QUrl& url = urls.first();
    if (!url.isLocalFile()) return refused(kDropWithoutFileMessage, url.toDisplayString());

    const QString path = url.toLocalFile();
    const QString name = QDir::toNativeSeparators(path);
    const FileRead file = readRegularFile(toUtf8String(path), kImportTextLimit);
    if (file.isFolder) return refused(kFolderDroppedMessage, name);
    if (file.status != FileRead::Status::Read) return refused(kFileUnreadableMessage, name);
    switch (classifyDroppedBytes(file.bytes)) {
        case DroppedBytes::Text: break;
        case DroppedBytes::TooLarge: return refused(kFileTooLargeMessage, name);
        case DroppedBytes::NotText: return refused(kNotTextFileMessage, name);
    }
    DroppedFileText result;
    result.loaded = true;
    result.text = droppedFileText(file.bytes);
    return result;
}

}  // namespace lumitrak
