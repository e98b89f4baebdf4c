#pragma once
// The comparison-data file: the comparison table's measured values and catalog magnitudes,
// kept between runs, one line per row.

#include <string>
#include <string_view>
#include <vector>

#include "core/sheet.h"

namespace lumitrak {

inline constexpr std::string_view kComparisonDataFileName = "compdata.txt";

// One line per row, rows top to bottom, up to the last row that holds a text: each number as
// numberToPlainText writes it plus one blank, an empty text as an empty field, the comma between
// them, CR LF (" 12.345 , 10.2 \r\n", ", 11.4 \r\n", ",\r\n").
std::string comparisonDataText(const PhotometrySheet& sheet);

// At most 20 records read from the text, each as two values ended by a comma or a line end
// (CR LF, a lone CR or a lone LF), blanks around a value skipped, so a record may run on into
// the next line. Each value becomes the decimal text of its number ("0.5", "12.3"); an empty
// value, or one the text ends before, is "". Blank lines between records are passed over.
std::vector<ComparisonRow> parseComparisonData(std::string_view text);

// Fills the comparison rows from row 1 on with the text's records; rows past the last record
// keep their texts.
void fillRowsFromComparisonData(std::string_view text, PhotometrySheet& sheet);

}  // namespace lumitrak
