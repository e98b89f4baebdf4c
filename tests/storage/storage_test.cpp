#include <gtest/gtest.h>

#include <algorithm>

#include "storage/comparison_data_file.h"
#include "storage/settings_file.h"

namespace lumitrak {

void PrintTo(const ComparisonRow& row, std::ostream* out) {
    *out << '"' << row.measuredText << "\", \"" << row.catalogText << '"';
}

namespace {

using Rows = std::vector<ComparisonRow>;

TEST(SettingsFile, WritesTheCodeAndReadsTheFirstValueAsOne) {
    EXPECT_EQ(settingsFileText(SourceProgram::Iris), " 0 \r\n");
    EXPECT_EQ(settingsFileText(SourceProgram::Makari), " 1 \r\n");
    EXPECT_EQ(settingsFileText(SourceProgram::SImage), " 2 \r\n");
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

TEST(ComparisonDataText, WritesEachNumberPlainWithOneBlankAfterIt) {
    const std::pair<ComparisonRow, std::string> cases[] = {
        {{"12.345", "10.2"}, " 12.345 , 10.2 \r\n"}, {{"-7.25", "9"}, "-7.25 , 9 \r\n"},
        {{"-0.00001", "-1e20"}, "-1E-05 ,-1E+20 \r\n"}, {{"1e999", "-1e999"}, " 1E+999 ,-1E+999 \r\n"},
        {{" ", "8"}, " 0 , 8 \r\n"},  // a blank is not an empty text: the row is kept
        {{"", "10.2"}, ""}};
    for (const auto& [row, line] : cases) {
        PhotometrySheet sheet;
        sheet.comparisonRow(1) = row;
        EXPECT_EQ(comparisonDataText(sheet), line) << ::testing::PrintToString(row);
    }
}

TEST(ParseComparisonData, ReadsValuesAsFarAsTheyGo) {
    const Rows twoRows = {{"1", "2"}, {"3", "4"}};
    const std::pair<std::string, Rows> cases[] = {
        {" 12.345 , 10.2 \r\n-7.25 , 9 \r\n", {{"12.345", "10.2"}, {"-7.25", "9"}}}, {"", {}},
        {"1,2\r\n   \r\n\r\n3,4\r\n \r\n\r\n", twoRows},  // blank lines skipped
        {"1,2\n3,4\n", twoRows}, {"1,2\r3,4\r", twoRows}, {"\xEF\xBB\xBF 1 , 2 \r\n", {{"1", "2"}}},
        {"abc,12.300\r\n7.5mag , \r\n", {{"0", "12.3"}, {"7.5", "0"}}},
        // A value the file ends before is missing, not 0; a line of one value runs on.
        {"1,2\r\n12.3,", {{"1", "2"}, {"12.3", ""}}}, {"12.3\r\n5,6\r\n", {{"12.3", "5"}, {"6", ""}}},
        {std::string("1,2\r\n\0\0\0\0", 9), {{"1", "2"}}}};
    for (const auto& [text, rows] : cases) {
        EXPECT_EQ(parseComparisonData(text), rows) << ::testing::PrintToString(text);
    }
}

TEST(ParseComparisonData, ReadsAtMostTwentyRecords) {
    for (const int records : {19, 20, 21}) {
        std::string text;
        for (int r = 1; r <= records; ++r) text += std::to_string(r) + ",1" + std::to_string(r) + "\r\n";
        const Rows rows = parseComparisonData(text);
        const std::string last = std::to_string(std::min(records, 20));
        ASSERT_EQ(rows.size(), static_cast<std::size_t>(std::min(records, 20))) << records;
        EXPECT_EQ(rows.back(), (ComparisonRow{last, "1" + last})) << records;
    }
}

TEST(FillRowsFromComparisonData, FillsFromTheTopAndKeepsTheRest) {
    PhotometrySheet sheet;
    sheet.comparisonRows.fill({"kept", "kept"});
    fillRowsFromComparisonData(" 12.3 , .5 \r\n 0 , 7.5 \r\n", sheet);
    EXPECT_EQ(Rows(sheet.comparisonRows.begin(), sheet.comparisonRows.begin() + 3),
              (Rows{{"12.3", "0.5"}, {"0", "7.5"}, {"kept", "kept"}}));
}

}  // namespace
}  // namespace lumitrak
