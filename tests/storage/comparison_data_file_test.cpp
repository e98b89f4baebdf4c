#include "storage/comparison_data_file.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/measurement.h"
#include "core/sheet_commands.h"

namespace lumitrak {

using Rows = std::vector<ComparisonRow>;

PhotometrySheet sheetWithRows(const Rows& rows) {
    PhotometrySheet sheet;
    std::copy(rows.begin(), rows.end(), sheet.comparisonRows.begin());
    return sheet;
}

// Each row keeps its line, an empty text its empty field; nothing follows the last filled row.
TEST(ComparisonDataText, KeepsEveryRowInItsPlace) {
    const std::pair<Rows, std::string> cases[] = {
        {{{"12.345", "-1e20"}, {" ", "-0.00001"}}, " 12.345 ,-1E+20 \r\n 0 ,-1E-05 \r\n"},
        {{{"", "10.2"}, {"12.3", ""}}, ", 10.2 \r\n 12.3 ,\r\n"},
        {{{"1", "2"}, {"", ""}, {"-3", "4"}, {"", ""}}, " 1 , 2 \r\n,\r\n-3 , 4 \r\n"},
        {{}, ""},
    };
    for (const auto& [rows, text] : cases)
        EXPECT_EQ(comparisonDataText(sheetWithRows(rows)), text) << text;
    PhotometrySheet last;
    last.comparisonRow(20) = {"5", ""};
    std::string nineteenEmpty;
    for (int r = 1; r < 20; ++r) nineteenEmpty += ",\r\n";
    EXPECT_EQ(comparisonDataText(last), nineteenEmpty + " 5 ,\r\n");
}

TEST(ParseComparisonData, ReadsValuesAsFarAsTheyGo) {
    const Rows two = {{"1", "2"}, {"3", "4"}};
    const std::pair<std::string, Rows> cases[] = {
        // As every earlier version wrote it.
        {"\xEF\xBB\xBF 12.345 , 10.2 \r\n-7.25 , 9 \r\n", {{"12.345", "10.2"}, {"-7.25", "9"}}},
        {"1,2\r\n   \r\n\r\n3,4\r\n \r\n", two},
        {"1,2\r3,4\r", two},
        {"abc,12.300\r\n", {{"0", "12.3"}}},
        // An empty field is an empty text, also on a line of its own row.
        {"7.5mag , \r\n,\r\n, 11.4 \r\n", {{"7.5", ""}, {"", ""}, {"", "11.4"}}},
        // A value the file ends before is missing, not 0; a line of one value runs on.
        {"1,2\r\n12.3,", {{"1", "2"}, {"12.3", ""}}},
        {"12.3\r\n5,6\r\n", {{"12.3", "5"}, {"6", ""}}},
        {std::string("1,2\r\n\0\0", 7), {{"1", "2"}}},
    };
    for (const auto& [text, rows] : cases) {
        // In a buffer of its exact size, so that a read past its end is caught.
        const std::vector<char> bytes(text.begin(), text.end());
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

// Stars 1 to 5 imported, the variable star 3 selected and measured, the table saved; the next
// night's import puts star n into row n again, beside the catalog values kept in their rows.
TEST(ComparisonDataFile, TheNextImportMeetsTheSameCatalogValues) {
    const Rows imported = {
        {"-8", "11"}, {"-8.5", "10.5"}, {"-9", ""}, {"-9.5", "9.5"}, {"-10", "9"}};
    PhotometrySheet night = sheetWithRows(imported);
    selectVariableStar(night, 3);
    ASSERT_EQ(measureVariable(night), MeasureOutcome::Measured);
    EXPECT_EQ(night.variableMagnitudeCaption, "10.000");

    PhotometrySheet next;
    fillRowsFromComparisonData(comparisonDataText(night), next);
    EXPECT_EQ(next.comparisonRows, night.comparisonRows);
    for (int star = 1; star <= 5; ++star)
        next.comparisonRow(star).measuredText = imported[star - 1].measuredText;
    selectVariableStar(next, 3);
    ASSERT_EQ(measureVariable(next), MeasureOutcome::Measured);
    EXPECT_EQ(next.variableMagnitudeCaption, "10.000");
    EXPECT_EQ(next.photometricErrorCaption, "0.000");
}

}  // namespace lumitrak
