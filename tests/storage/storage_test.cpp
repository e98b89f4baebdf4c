#include <gtest/gtest.h>

#include <algorithm>

#include "storage/comparison_data_file.h"
#include "storage/settings_file.h"

namespace lumitrak {
namespace {

TEST(SettingsFile, WritesTheCodeAndReadsTheFirstValueAsOne) {
    EXPECT_EQ(settingsFileText(SourceProgram::Iris) + settingsFileText(SourceProgram::Makari) +
                  settingsFileText(SourceProgram::SImage),
              " 0 \r\n 1 \r\n 2 \r\n");
    const std::optional<SourceProgram> none, iris = SourceProgram::Iris,
        makari = SourceProgram::Makari, sImage = SourceProgram::SImage;
    const std::pair<std::string, std::optional<SourceProgram>> cases[] = {
        {"0", iris}, {"2", sImage}, {"  2,xyz", sImage}, {"\t1\n", makari}, {"1\r9", makari},
        {" 1 2\r\n", makari},  // the value ends at a blank: not 12
        {"1.0", makari}, {"\xEF\xBB\xBF" "2\r\n", sImage}, {" 5 \r\n", none}, {"-1", none}, {"3", none},
        {"1.5", none}, {"1E+300", none}, {"", none}, {"   \r\n", none}, {"\r\n1\r\n", none}, {",1", none}};
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

TEST(ComparisonDataText, WritesEachNumberPlainWithOneBlankAfterIt) {
    const std::pair<Row, std::string> cases[] = {
        {{"12.345", "10.2"}, " 12.345 , 10.2 \r\n"}, {{"-7.25", "9"}, "-7.25 , 9 \r\n"},
        {{"0.5", "11"}, " .5 , 11 \r\n"}, {{"100000000000000000000", "0.00001"}, " 1E+20 , 1E-05 \r\n"},
        {{"-0.00001", "-1e20"}, "-1E-05 ,-1E+20 \r\n"}, {{"1e999", "-1e999"}, " 1E+999 ,-1E+999 \r\n"},
        {{" ", "8"}, " 0 , 8 \r\n"},  // a blank is not an empty text: the row is kept
        {{"", "10.2"}, ""}};
    for (const auto& [row, line] : cases) {
        PhotometrySheet sheet;
        sheet.comparisonRow(1) = {row.first, row.second};
        EXPECT_EQ(comparisonDataText(sheet), line) << row.first << " / " << row.second;
    }
}

TEST(ParseComparisonData, ReadsValuesAsFarAsTheyGo) {
    const Rows twoRows = {{"1", "2"}, {"3", "4"}};
    const std::pair<std::string, Rows> cases[] = {
        {" 12.345 , 10.2 \r\n-7.25 , 9 \r\n .5 , 11 \r\n 1E+20 , 1E-05 \r\n",
         {{"12.345", "10.2"}, {"-7.25", "9"}, {"0.5", "11"}, {"1E+20", "1E-05"}}},
        {"", {}}, {"1,2\r\n   \r\n\r\n3,4\r\n \r\n\r\n", twoRows},  // blank lines skipped
        {"1,2\n3,4\n", twoRows}, {"1,2\r3,4\r", twoRows}, {"\xEF\xBB\xBF 1 , 2 \r\n", {{"1", "2"}}},
        {"abc,12.300\r\n7.5mag , \r\n", {{"0", "12.3"}, {"7.5", "0"}}},
        // A value the file ends before is missing, not 0; a line of one value runs on.
        {"1,2\r\n12.3,", {{"1", "2"}, {"12.3", ""}}}, {"12.3\r\n5,6\r\n", {{"12.3", "5"}, {"6", ""}}},
        {std::string("1,2\r\n\0\0\0\0", 9), {{"1", "2"}}}};
    for (const auto& [text, rows] : cases) {
        EXPECT_EQ(texts(parseComparisonData(text)), rows) << ::testing::PrintToString(text);
    }
}

TEST(ParseComparisonData, ReadsAtMostTwentyRecords) {
    for (const int records : {19, 20, 21}) {
        std::string text;
        for (int r = 1; r <= records; ++r) text += " " + std::to_string(r) + " , 1" + std::to_string(r) + "\r\n";
        const Rows rows = texts(parseComparisonData(text));
        ASSERT_EQ(rows.size(), static_cast<std::size_t>(std::min(records, 20))) << records;
        EXPECT_EQ(rows.back(), Row(std::to_string(rows.size()), "1" + std::to_string(rows.size())));
    }
}

TEST(ComparisonDataFile, RoundTripNormalisesTextsAndClosesGaps) {
    PhotometrySheet sheet, loaded;
    sheet.comparisonRow(2) = {"12.300", ".5"};
    sheet.comparisonRow(5) = {"abc", "7.5mag"};
    sheet.comparisonRow(12).catalogText = "10";  // no measured value: not kept
    const std::string text = comparisonDataText(sheet);
    EXPECT_EQ(text, " 12.3 , .5 \r\n 0 , 7.5 \r\n");
    for (ComparisonRow& row : loaded.comparisonRows) row = {"kept", "kept"};
    fillRowsFromComparisonData(text, loaded);
    Rows expected = {{"12.3", "0.5"}, {"0", "7.5"}};
    expected.resize(kComparisonRows, {"kept", "kept"});  // rows past the last record keep their texts
    EXPECT_EQ(texts(loaded.comparisonRows), expected);
}

}  // namespace
}  // namespace lumitrak
