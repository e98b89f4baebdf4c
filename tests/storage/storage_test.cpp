#include <gtest/gtest.h>

#include <vector>

#include "storage/comparison_data_file.h"
#include "storage/recovery_file.h"
#include "storage/settings_file.h"

namespace lumitrak {

using Rows = std::vector<ComparisonRow>;
using enum SourceProgram;

// The text in a buffer of its exact size, so that a read past its end is caught.
std::vector<char> exactBytes(std::string_view text) { return {text.begin(), text.end()}; }

TEST(SettingsFile, WritesTheCodeAndReadsTheFirstValueAsOne) {
    EXPECT_EQ(settingsFileText(SImage), " 2 \r\n");
    const std::pair<std::string, std::optional<SourceProgram>> cases[] = {
        // the file's text, the program it names
        {"0", Iris},         {"\xEF\xBB\xBF  2,xyz", SImage},
        {"\t1\n", Makari},   {" 1 2\r\n", Makari},
        {"3", std::nullopt}, {"1.5", std::nullopt},
        {"", std::nullopt},  {",1", std::nullopt},
    };
    for (const auto& [text, program] : cases) {
        const std::vector<char> bytes = exactBytes(text);
        EXPECT_EQ(parseSettings({bytes.data(), bytes.size()}), program) << text;
    }
}

TEST(ComparisonDataText, WritesEachNumberPlainWithOneBlankAfterIt) {
    PhotometrySheet sheet;
    sheet.comparisonRow(1) = {"12.345", "-1e20"};
    sheet.comparisonRow(2) = {"", "10.2"};  // an empty measured text drops the row
    sheet.comparisonRow(3) = {" ", "-0.00001"};
    EXPECT_EQ(comparisonDataText(sheet), " 12.345 ,-1E+20 \r\n 0 ,-1E-05 \r\n");
}

TEST(ParseComparisonData, ReadsValuesAsFarAsTheyGo) {
    const Rows two = {{"1", "2"}, {"3", "4"}};
    const std::pair<std::string, Rows> cases[] = {
        {"\xEF\xBB\xBF 12.345 , 10.2 \r\n-7.25 , 9 \r\n", {{"12.345", "10.2"}, {"-7.25", "9"}}},
        {"1,2\r\n   \r\n\r\n3,4\r\n \r\n", two},
        {"1,2\r3,4\r", two},
        {"abc,12.300\r\n7.5mag , \r\n", {{"0", "12.3"}, {"7.5", "0"}}},
        // A value the file ends before is missing, not 0; a line of one value runs on.
        {"1,2\r\n12.3,", {{"1", "2"}, {"12.3", ""}}},
        {"12.3\r\n5,6\r\n", {{"12.3", "5"}, {"6", ""}}},
        {std::string("1,2\r\n\0\0", 7), {{"1", "2"}}},
    };
    for (const auto& [text, rows] : cases) {
        const std::vector<char> bytes = exactBytes(text);
        EXPECT_EQ(parseComparisonData({bytes.data(), bytes.size()}), rows)
            << testing::PrintToString(text);
    }
    std::string records;
    for (int r = 1; r <= 21; ++r) records += std::to_string(r) + ",1\r\n";
    EXPECT_EQ(parseComparisonData(records).size(), 20u);
    // The rows are filled from the top; the others keep their texts.
    PhotometrySheet sheet;
    sheet.comparisonRows.fill({"kept", "kept"});
    fillRowsFromComparisonData(" 12.3 , .5 \r\n", sheet);
    EXPECT_EQ(sheet.comparisonRow(1), (ComparisonRow{"12.3", "0.5"}));
    EXPECT_EQ(sheet.comparisonRow(2), (ComparisonRow{"kept", "kept"}));
}

// Whatever a field holds comes back as it was typed; a copy cut short is none.
TEST(RecoveryFile, KeepsEveryTextAsTyped) {
    TypedTable table{.program = SImage};
    table.rows[0] = {"12.3", ""};
    table.rows[1] = {"a\\nb\\", "\r\n,\t"};
    table.rows[19] = {"日本 ｶﾀﾛｸﾞ", std::string("x\0y", 3)};
    const std::string text = recoveryFileText(table);
    EXPECT_EQ(parseRecoveryFile(text), table);
    EXPECT_EQ(parseRecoveryFile(text.substr(0, text.size() - 1)), std::nullopt);  // cut off
}

}  // namespace lumitrak
