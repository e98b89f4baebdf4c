#include "import/loader.h"

#include "core/messages.h"
#include "import/text_decoding.h"

namespace lumitrak {

std::string joinFileLines(std::string_view content) {
    std::string joined;
    joined.reserve(content.size() +
                   1);  // a line end gives way to a blank: never more than one extra
    std::size_t lineStart = 0;
    while (lineStart < content.size()) {
        const std::size_t cr = content.find('\r', lineStart);
        const std::size_t lineEnd = cr == std::string_view::npos ? content.size() : cr;
        joined += ' ';
        joined.append(content.substr(lineStart, lineEnd - lineStart));
        if (cr == std::string_view::npos) break;
        lineStart = cr + 1;
        if (lineStart < content.size() && content[lineStart] == '\n') ++lineStart;
    }
    return joined;
}

DroppedBytes classifyDroppedBytes(std::string_view bytes) {
    if (bytes.size() > static_cast<std::size_t>(kImportTextLimit)) return DroppedBytes::TooLarge;
    const bool utf16 = bytes.starts_with("\xff\xfe") || bytes.starts_with("\xfe\xff");
    if (!utf16 && bytes.find('\0') != std::string_view::npos) return DroppedBytes::NotText;
    return DroppedBytes::Text;
}

std::string droppedFileText(std::string_view bytes) {
    return joinFileLines(decodeOutputText(bytes));
}

}  // namespace lumitrak
