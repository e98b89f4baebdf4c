#include "storage/recovery_file.h"

#include <vector>

namespace lumitrak {
namespace {

constexpr std::string_view kFirstLine = "lumitrak recovery 1";

std::string escaped(const std::string& text) {
    std::string out;
    for (const char c : text) {
        if (c == '\\')
            out += "\\\\";
        else if (c == '\r')
            out += "\\r";
        else if (c == '\n')
            out += "\\n";
        else
            out += c;
    }
    return out;
}

std::optional<std::string> unescaped(std::string_view line) {
    std::string out;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] != '\\') {
            out += line[i];
            continue;
        }
        if (++i == line.size()) return std::nullopt;
        switch (line[i]) {
            case '\\': out += '\\'; break;
            case 'r': out += '\r'; break;
            case 'n': out += '\n'; break;
            default: return std::nullopt;
        }
    }
    return out;
}

// The lines of a text that ends with a line feed; a cut-off last line makes it no whole copy.
std::optional<std::vector<std::string_view>> linesOf(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        if (end == std::string_view::npos) return std::nullopt;
        lines.push_back(text.substr(0, end));
        text.remove_prefix(end + 1);
    }
    return lines;
}

}  // namespace

TypedTable typedTableOf(const PhotometrySheet& sheet) {
    return {sheet.comparisonRows, sheet.sourceProgram};
}

std::string recoveryFileText(const TypedTable& table) {
    std::string text = std::string(kFirstLine) + "\n";
    text += std::to_string(sourceProgramCode(table.program)) + "\n";
    for (const ComparisonRow& row : table.rows)
        text += escaped(row.measuredText) + "\n" + escaped(row.catalogText) + "\n";
    return text;
}

std::optional<TypedTable> parseRecoveryFile(std::string_view text) {
    const auto lines = linesOf(text);
    if (!lines || lines->size() != 2 + 2 * kComparisonRows || (*lines)[0] != kFirstLine)
        return std::nullopt;
    const std::string_view code = (*lines)[1];
    if (code.size() != 1) return std::nullopt;
    const std::optional<SourceProgram> program = sourceProgramFromCode(code[0] - '0');
    if (!program) return std::nullopt;
    TypedTable table;
    table.program = *program;
    for (std::size_t r = 0; r < table.rows.size(); ++r) {
        const auto measured = unescaped((*lines)[2 + 2 * r]);
        const auto catalog = unescaped((*lines)[3 + 2 * r]);
        if (!measured || !catalog) return std::nullopt;
        table.rows[r] = {*measured, *catalog};
    }
    return table;
}

}  // namespace lumitrak
