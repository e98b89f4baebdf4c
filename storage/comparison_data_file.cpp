#include "storage/comparison_data_file.h"

#include <algorithm>
#include <optional>

#include "core/numbers.h"
#include "core/text.h"
#include "storage/byte_order_mark.h"

namespace lumitrak {
namespace {

// NUL counts as a blank: a file padded with zero bytes then reads like one padded with blanks.
bool isPadding(char c) { return isBlank(c) || c == '\0'; }
bool isLineEnd(char c) { return c == '\r' || c == '\n'; }

std::string_view trimmed(std::string_view value) {
    while (!value.empty() && isPadding(value.front())) value.remove_prefix(1);
    while (!value.empty() && isPadding(value.back())) value.remove_suffix(1);
    return value;
}

// Walks the text value by value; each value ends at a comma or a line end, which is consumed.
class ValueReader {
public:
    explicit ValueReader(std::string_view text) : text_(text) {}

    bool atEnd() const { return pos_ >= text_.size(); }

    // Lines holding only blanks, before a record, hold no record.
    void skipBlankLines() {
        while (!atEnd() && (isPadding(text_[pos_]) || isLineEnd(text_[pos_]))) ++pos_;
    }

    // No value when the text has ended before it: such a value is missing, not empty.
    std::optional<std::string_view> next() {
        if (atEnd()) return std::nullopt;
        const std::size_t begin = pos_;
        while (!atEnd() && text_[pos_] != ',' && !isLineEnd(text_[pos_])) ++pos_;
        const std::string_view value = text_.substr(begin, pos_ - begin);
        if (!atEnd()) {
            const bool carriageReturn = text_[pos_] == '\r';
            ++pos_;
            if (carriageReturn && !atEnd() && text_[pos_] == '\n') ++pos_;
        }
        return trimmed(value);
    }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

// An empty field, or one the text ends before, is an empty text; any other field is a number.
std::string shownText(const std::optional<std::string_view>& value) {
    return value && !value->empty() ? numberToDecimalText(textToNumber(*value)) : std::string{};
}

std::string storedText(const std::string& shown) {
    return shown.empty() ? std::string() : numberToPlainText(textToNumber(shown)) + " ";
}

bool holdsAnything(const ComparisonRow& row) {
    return !row.measuredText.empty() || !row.catalogText.empty();
}

}  // namespace

std::string comparisonDataText(const PhotometrySheet& sheet) {
    // Every row keeps its place, so that the next import's star n meets row n's catalog value.
    const auto& rows = sheet.comparisonRows;
    const auto last = std::find_if(rows.rbegin(), rows.rend(), holdsAnything).base();
    std::string text;
    for (auto row = rows.begin(); row != last; ++row)
        text += storedText(row->measuredText) + "," + storedText(row->catalogText) + "\r\n";
    return text;
}

std::vector<ComparisonRow> parseComparisonData(std::string_view text) {
    ValueReader reader(withoutByteOrderMark(text));
    std::vector<ComparisonRow> rows;
    while (rows.size() < static_cast<std::size_t>(kComparisonRows)) {
        reader.skipBlankLines();
        if (reader.atEnd()) break;
        const std::optional<std::string_view> measured = reader.next();
        const std::optional<std::string_view> catalog = reader.next();
        rows.push_back({shownText(measured), shownText(catalog)});
    }
    return rows;
}

void fillRowsFromComparisonData(std::string_view text, PhotometrySheet& sheet) {
    const std::vector<ComparisonRow> rows = parseComparisonData(text);
    for (std::size_t r = 0; r < rows.size(); ++r) sheet.comparisonRows[r] = rows[r];
}

}  // namespace lumitrak
