#include <gtest/gtest.h>

#include <algorithm>

#include "storage/comparison_data_file.h"
#include "storage/byte_order_mark.h"
#include "storage/settings_file.h"

namespace lumitrak {
namespace {

TEST(WithoutByteOrderMark, DropsOnlyAWholeMarkAtTheStart) {
    EXPECT_EQ(withoutByteOrderMark("\xEF\xBB\xBF" "1,2"), "1,2");
    EXPECT_EQ(withoutByteOrderMark("\xEF\xBB" "1,2"), "\xEF\xBB" "1,2");
    EXPECT_EQ(withoutByteOrderMark("1\xEF\xBB\xBF"), "1\xEF\xBB\xBF");
}

TEST(SettingsFileText, IsBlankCodeBlankCrLf) {
    EXPECT_EQ(settingsFileText(SourceProgram::Iris), " 0 \r\n");
    EXPECT_EQ(settingsFileText(SourceProgram::Makari), " 1 \r\n");
    EXPECT_EQ(settingsFileText(SourceProgram::SImage), " 2 \r\n");
}

TEST(ParseSettings, ReadsTheFirstValueAsACode) {
    const std::optional<SourceProgram> none, iris = SourceProgram::Iris,
        makari = SourceProgram::Makari, sImage = SourceProgram::SImage;
    const std::pair<std::string, std::optional<SourceProgram>> cases[] = {
        {"0", iris}, {"2", sImage}, {"  2,xyz", sImage}, {"\t1\n", makari}, {"1\r9", makari},
        {" 1 2\r\n", makari},  // the value ends at a blank: not 12
        {"1.0", makari}, {"\xEF\xBB\xBF" "2\r\n", sImage},
        {" 5 \r\n", none}, {"-1", none}, {"3", none}, {"1.5", none}, {"1E+300", none},
        {"", none}, {"   \r\n", none}, {"\r\n1\r\n", none}, {",1", none}};
    for (const auto& [text, program] : cases) {
        EXPECT_EQ(parseSettings(text), program) << ::testing::PrintToString(text);
    }
}

// Rows as (measured, catalog) pairs, which GoogleTest compares and prints.
using Row = std::pair<std::string, std::string>;
using Rows = std::vector<Row>;

template <typename RowRange>
Rows texts(const RowRange& rows) {
    Rows out;
    for (const ComparisonRow& row : rows) out.emplace_back(row.measuredText, row.catalogText);
    return out;
}

// All 20 rows: the given ones from row 1 on, the rest `rest`.
Rows table(Rows rows, const Row& rest = {}) {
    rows.resize(kComparisonRows, rest);
    return rows;
}

TEST(ComparisonDataText, WritesEachNumberPlainWithOneBlankAfterIt) {
    const std::pair<Row, std::string> cases[] = {
        {{"12.345", "10.2"}, " 12.345 , 10.2 \r\n"},
        {{"-7.25", "9"}, "-7.25 , 9 \r\n"},
        {{"0.5", "11"}, " .5 , 11 \r\n"},
        {{"100000000000000000000", "0.00001"}, " 1E+20 , 1E-05 \r\n"},
        {{"-0.00001", "-1e20"}, "-1E-05 ,-1E+20 \r\n"},
        {{"1e999", "-1e999"}, " 1E+999 ,-1E+999 \r\n"},
        {{" ", "8"}, " 0 , 8 \r\n"},  // a blank is not an empty text: the row is kept
        {{"", "10.2"}, ""},
    };
    for (const auto& [row, line] : cases) {
        PhotometrySheet sheet;
        sheet.comparisonRow(1) = {row.first, row.second};
        EXPECT_EQ(comparisonDataText(sheet), line) << row.first << " / " << row.second;
    }
}

TEST(ParseComparisonData, ReadsValuesAsFarAsTheyGo) {
    const std::pair<std::string, Rows> cases[] = {
        {" 12.345 , 10.2 \r\n-7.25 , 9 \r\n .5 , 11 \r\n 1E+20 , 1E-05 \r\n",
         {{"12.345", "10.2"}, {"-7.25", "9"}, {"0.5", "11"}, {"1E+20", "1E-05"}}},
        {"", {}},
        {"1,2\r\n   \r\n\r\n3,4\r\n \r\n\r\n", {{"1", "2"}, {"3", "4"}}},  // blank lines skipped
        {"1,2\n3,4\n", {{"1", "2"}, {"3", "4"}}},
        {"1,2\r3,4\r", {{"1", "2"}, {"3", "4"}}},
        {"abc,12.300\r\n7.5mag , \r\n", {{"0", "12.3"}, {"7.5", "0"}}},
        // A value the file ends before is missing, not 0.
        {"1,2\r\n12.3,", {{"1", "2"}, {"12.3", ""}}},
        {"1,2\r\n12.3", {{"1", "2"}, {"12.3", ""}}},
        // A line of one value runs on into the next line.
        {"12.3\r\n5,6\r\n", {{"12.3", "5"}, {"6", ""}}},
        {"\xEF\xBB\xBF 1 , 2 \r\n", {{"1", "2"}}},
        {std::string("1,2\r\n\0\0\0\0", 9), {{"1", "2"}}},
    };
    for (const auto& [text, rows] : cases) {
        EXPECT_EQ(texts(parseComparisonData(text)), rows) << ::testing::PrintToString(text);
    }
}

TEST(ParseComparisonData, ReadsAtMostTwentyRecords) {
    for (const int records : {19, 20, 21}) {
        std::string text;
        for (int r = 1; r <= records; ++r)
            text += " " + std::to_string(r) + " , 1" + std::to_string(r) + " \r\n";
        const Rows rows = texts(parseComparisonData(text));
        ASSERT_EQ(rows.size(), static_cast<std::size_t>(std::min(records, 20))) << records;
        EXPECT_EQ(rows.back(), Row(std::to_string(rows.size()), "1" + std::to_string(rows.size())));
    }
}

TEST(FillRowsFromComparisonData, FillsRowsFromTheTopAndLeavesTheRest) {
    PhotometrySheet sheet;
    for (ComparisonRow& row : sheet.comparisonRows) row = {"kept", "kept"};
    fillRowsFromComparisonData(" 1 , 11 \r\n 2 , 12 \r\n", sheet);
    EXPECT_EQ(texts(sheet.comparisonRows), table({{"1", "11"}, {"2", "12"}}, {"kept", "kept"}));
}

TEST(ComparisonDataText, ASavedTextReadsBackToTheSameBytes) {
    const std::string bytes = " 12.345 , 10.2 \r\n-7.25 , 9 \r\n .5 , 11 \r\n 1E+20 , 1E-05 \r\n";
    PhotometrySheet sheet;
    fillRowsFromComparisonData(bytes, sheet);
    EXPECT_EQ(comparisonDataText(sheet), bytes);
}

TEST(ComparisonDataText, RoundTripNormalisesTextsAndClosesGaps) {
    PhotometrySheet sheet;
    sheet.comparisonRow(2) = {"12.300", ".5"};
    sheet.comparisonRow(5) = {"abc", "7.5mag"};
    sheet.comparisonRow(9) = {"-.25", ""};
    sheet.comparisonRow(12).catalogText = "10";  // no measured value: not kept
    PhotometrySheet loaded;
    fillRowsFromComparisonData(comparisonDataText(sheet), loaded);
    EXPECT_EQ(texts(loaded.comparisonRows), table({{"12.3", "0.5"}, {"0", "7.5"}, {"-0.25", "0"}}));
    EXPECT_EQ(comparisonDataText(PhotometrySheet{}), "");  // no measured value: an empty file
}

}  // namespace
}  // namespace lumitrak
