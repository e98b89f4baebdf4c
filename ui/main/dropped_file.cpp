#include "ui/main/dropped_file.h"

#include <QDir>
#include <QStringDecoder>
#include <optional>

#include "core/messages.h"
#include "import/loader.h"
#include "platform/file_system.h"

namespace lumitrak {
namespace {

DroppedFileText refused(std::string_view message, const QString& name) {
    DroppedFileText result;
    result.errorMessage = std::string(message);
    if (!name.isEmpty()) result.errorMessage += "\r" + name.toStdString();
    return result;
}

// UTF-16 with its byte-order mark, as a Windows editor saves "Unicode"; otherwise nothing.
std::optional<QStringDecoder::Encoding> utf16Encoding(const QByteArray& bytes) {
    if (bytes.startsWith("\xff\xfe")) return QStringDecoder::Utf16LE;
    if (bytes.startsWith("\xfe\xff")) return QStringDecoder::Utf16BE;
    return std::nullopt;
}

// UTF-16 after its byte-order mark; UTF-8 when the bytes are valid UTF-8 (a leading byte-order
// mark dropped), otherwise CP932, the code page in which the photometry programs write on
// Japanese Windows.
QString decodeFileText(const QByteArray& bytes) {
    if (const auto encoding = utf16Encoding(bytes)) {
        QStringDecoder utf16(*encoding, QStringDecoder::Flag::Stateless);
        return utf16(QByteArrayView(bytes).sliced(2));
    }
    // Stateless: a sequence cut off at the end of the file is an error, not a pending state.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(bytes);
    if (!utf8.hasError()) return text;
    QStringDecoder cp932("CP932", QStringDecoder::Flag::Stateless);
    if (cp932.isValid()) return cp932(bytes);
    return QString::fromLatin1(bytes);  // a Qt without the code page: ASCII still passes
}

}  // namespace

DroppedFileText readDroppedFile(const QList<QUrl>& urls) {
    if (urls.isEmpty()) return refused(kDropWithoutFileMessage, {});
    const QUrl& url = urls.first();
    if (!url.isLocalFile()) return refused(kDropWithoutFileMessage, url.toDisplayString());

    const QString path = url.toLocalFile();
    const QString name = QDir::toNativeSeparators(path);
    const FileRead file = readRegularFile(path.toStdString(), kImportTextLimit);
    if (file.isFolder) return refused(kFolderDroppedMessage, name);
    if (file.status != FileRead::Status::Read) return refused(kFileUnreadableMessage, name);
    const QByteArray bytes = QByteArray::fromStdString(file.bytes);
    if (bytes.size() > kImportTextLimit) return refused(kFileTooLargeMessage, name);
    // UTF-16 holds NUL bytes in every ASCII character; without its mark they mean binary data.
    if (!utf16Encoding(bytes) && bytes.contains('\0')) return refused(kNotTextFileMessage, name);

    DroppedFileText result;
    result.loaded = true;
    result.text = joinFileLines(decodeFileText(bytes).toStdString());
    return result;
}

}  // namespace lumitrak
