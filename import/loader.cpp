#include "import/loader.h"

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

}  // namespace lumitrak
