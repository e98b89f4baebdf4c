#include "storage/settings_file.h"

#include "core/numbers.h"
#include "storage/file_bytes.h"

namespace lumitrak {
namespace {

// The settings file holds one short line; nothing past this is ever needed.
constexpr std::size_t kSettingsReadLimit = 4096;

bool isBlank(char c) { return c == ' ' || c == '\t'; }
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

std::optional<SourceProgram> loadSettings(const std::filesystem::path& file) {
    const std::optional<std::string> text = readFilePrefix(file, kSettingsReadLimit);
    if (!text) return std::nullopt;
    return parseSettings(*text);
}

bool saveSettings(const std::filesystem::path& file, SourceProgram program) {
    return replaceFileAtomically(file, settingsFileText(program));
}

}  // namespace lumitrak
