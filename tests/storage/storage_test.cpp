#include <gtest/gtest.h>

#include "storage/comparison_data_file.h"
#include "storage/recovery_file.h"
#include "storage/settings_file.h"

namespace lumitrak {
using enum SourceProgram;

void PrintTo(const ComparisonRow& r, std::ostream* out) {
    *out << '"' << r.measuredText << "\", \"" << r.catalogText << '"';
}
using Rows = std::vector<ComparisonRow>;

TEST(SettingsFile, WritesTheCodeAndReadsTheFirstValueAsOne) {
    EXPECT_EQ(settingsFileText(Iris) + settingsFileText(Makari) + settingsFileText(SImage),
              " 0 \r\n 1 \r\n 2 \r\n");
    const std::optional<SourceProgram> no, iris = Iris, makari = Makari, sImage = SImage;
    const std::pair<std::string, std::optional<SourceProgram>> cases[] = {{"0", iris},
                                                                          {"2", sImage},
                                                                          {"  2,xyz", sImage},
                                                                          {"\t1\n", makari},
                                                                          {"1\r9", makari},
                                                                          {" 1 2\r\n", makari},
                                                                          {"1.0", makari},
                                                                          {"\xEF\xBB\xBF"
                                                                           "2\r\n",
                                                                           sImage},
                                                                          {"-1", no},
                                                                          {"3", no},
                                                                          {"1.5", no},
                                                                          {"1E+300", no},
                                                                          {"", no},
                                                                          {"   \r\n", no},
                                                                          {"\r\n1\r\n", no},
                                                                          {",1", no}};
    for (const auto& [text, program] : cases)
        EXPECT_EQ(parseSettings(text), program) << testing::PrintToString(text);
}

TEST(ComparisonDataText, WritesEachNumberPlainWithOneBlankAfterIt) {
    const std::pair<ComparisonRow, std::string> cases[] = {
        {{"12.345", "10.2"}, " 12.345 , 10.2 \r\n"},
        {{"-7.25", "9"}, "-7.25 , 9 \r\n"},
        {{"-0.00001", "-1e20"}, "-1E-05 ,-1E+20 \r\n"},
        {{"1e999", "-1e999"}, " 1E+999 ,-1E+999 \r\n"},
        {{" ", "8"}, " 0 , 8 \r\n"},
        {{"", "10.2"}, ""}};  // a blank is a text, an empty one drops the row
    for (const auto& [row, line] : cases) {
        PhotometrySheet sheet;
        sheet.comparisonRow(1) = row;
        EXPECT_EQ(comparisonDataText(sheet), line) << testing::PrintToString(row);
    }
}

TEST(ParseComparisonData, ReadsValuesAsFarAsTheyGo) {
    const Rows two = {{"1", "2"}, {"3", "4"}};
    const std::pair<std::string, Rows> cases[] = {
        {" 12.345 , 10.2 \r\n-7.25 , 9 \r\n", {{"12.345", "10.2"}, {"-7.25", "9"}}},
        {"", {}},
        {"1,2\r\n   \r\n\r\n3,4\r\n \r\n\r\n", two},
        {"1,2\n3,4\n", two},
        {"1,2\r3,4\r", two},
        {"\xEF\xBB\xBF 1 , 2 \r\n", {{"1", "2"}}},
        {"abc,12.300\r\n7.5mag , \r\n", {{"0", "12.3"}, {"7.5", "0"}}},
        // A value the file ends before is missing, not 0; a line of one value runs on.
        {"1,2\r\n12.3,", {{"1", "2"}, {"12.3", ""}}},
        {"12.3\r\n5,6\r\n", {{"12.3", "5"}, {"6", ""}}},
        {std::string("1,2\r\n\0\0\0\0", 9), {{"1", "2"}}}};
    for (const auto& [text, rows] : cases)
        EXPECT_EQ(parseComparisonData(text), rows) << testing::PrintToString(text);
    std::string text;
    for (int r = 1; r <= 21; ++r) {  // at most twenty records
        const std::string n = std::to_string(std::min(r, 20));
        text += std::to_string(r) + ",1" + std::to_string(r) + "\r\n";
        const Rows rows = parseComparisonData(text);
        EXPECT_EQ(std::tuple(rows.size(), rows.back()),
                  std::tuple(std::size_t(std::min(r, 20)), ComparisonRow{n, "1" + n}));
    }
    PhotometrySheet sheet;  // filled from the top, the rest kept
    sheet.comparisonRows.fill({"kept", "kept"});
    fillRowsFromComparisonData(" 12.3 , .5 \r\n 0 , 7.5 \r\n", sheet);
    EXPECT_EQ(Rows(sheet.comparisonRows.begin(), sheet.comparisonRows.begin() + 3),
              (Rows{{"12.3", "0.5"}, {"0", "7.5"}, {"kept", "kept"}}));
}

// Whatever a field holds comes back as it was typed; a copy cut short is none.
TEST(RecoveryFile, KeepsEveryTextAsTyped) {
    TypedTable table{.program = SImage};
    table.rows[1] = {"a\\nb\\", "\r\n,\t"};
    table.rows[19] = {"日本 ｶﾀﾛｸﾞ", std::string("x\0y", 3)};
    const std::string text = recoveryFileText(table);
    EXPECT_EQ(parseRecoveryFile(text), table);
    EXPECT_EQ(parseRecoveryFile(text.substr(0, text.size() - 1)), std::nullopt);  // cut off
}

}  // namespace lumitrak
