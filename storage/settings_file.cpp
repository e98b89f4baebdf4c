#include "storage/settings_file.h"

#include "core/numbers.h"
#include "core/text.h"
#include "storage/byte_order_mark.h"

namespace lumitrak {
namespace {

bool endsValue(char c) { return isBlank(c) || c == ',' || c == '\r' || c == '\n'; }

}  // namespace

std::string settingsFileText(SourceProgram program) {
    return " " + std::to_string(sourceProgramCode(program)) + " \r\n";
}

std::optional<SourceProgram> parseSettings(std::string_view text) {
    text = withoutByteOrderMark(text);
    std::size_t begin = 0;
    while (begin < text.size() && isBlank(text[begin])) ++begin;
    std::size_t end = begin;
    while (end < text.size() && !endsValue(text[end])) ++end;
    // An empty file or line holds no value at all, which is not the code 0.
    if (end == begin) return std::nullopt;
    const double code = textToNumber(text.substr(begin, end - begin));
    // Compared as a double: a fraction or a huge number is no code, and never reaches an int.
    for (int candidate = 0; candidate <= 2; ++candidate) {
        if (code == candidate) return sourceProgramFromCode(candidate);
    }
    return std::nullopt;
}

}  // namespace lumitrak
