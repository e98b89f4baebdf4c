#pragma once
// The recovery copy: the comparison table as typed and the chosen program, kept outside the two
// data files while the window is open, so that a program that is killed loses nothing typed.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/sheet.h"

namespace lumitrak {

struct TypedTable {
    std::array<ComparisonRow, kComparisonRows> rows{};
    SourceProgram program = SourceProgram::Iris;
    bool operator==(const TypedTable&) const = default;
};

TypedTable typedTableOf(const PhotometrySheet& sheet);

// A first line naming the format, the program's code, then the 40 texts one a line, rows top to
// bottom, measured before catalog. A backslash, CR and LF in a text are written as \\, \r, \n.
std::string recoveryFileText(const TypedTable& table);

// The table the text holds; none when the text is not a whole recovery copy.
std::optional<TypedTable> parseRecoveryFile(std::string_view text);

}  // namespace lumitrak
