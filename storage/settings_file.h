#pragma once
// The settings file: the chosen source program, kept between runs.

#include <optional>
#include <string>
#include <string_view>

#include "core/sheet.h"

namespace lumitrak {

inline constexpr std::string_view kSettingsFileName = "lumitrak.ini";

// The file's whole text: a blank, the program's code, a blank, CR LF (" 1 \r\n").
std::string settingsFileText(SourceProgram program);

// The program whose code is the text's first value (leading blanks skipped; the value ends at a
// blank, a comma or the end of the line). No value when the text holds no first value or the
// value is not one of the codes 0, 1 and 2.
std::optional<SourceProgram> parseSettings(std::string_view text);

}  // namespace lumitrak
