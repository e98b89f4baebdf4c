#include "core/sheet_commands.h"

#include <gtest/gtest.h>

#include <functional>
#include <tuple>
#include <utility>

using namespace lumitrak;

namespace {

// Rows 1 to 4: both texts, a measured value alone, a catalog of one blank, a catalog alone.
PhotometrySheet fourRows() {
    PhotometrySheet sheet;
    sheet.comparisonRow(1) = {"10.1", "9.5"};
    sheet.comparisonRow(2) = {"10.7", ""};
    sheet.comparisonRow(3) = {"11.2", " "};
    sheet.comparisonRow(4) = {"", "12.0"};
    sheet.variableMeasuredText = "old";
    sheet.averagingSlot(1) = {"12.3", "0.02"};
    sheet.averageCaption = "12.300";
    sheet.importText = " 250 SEMICTRD";
    return sheet;
}

}  // namespace

TEST(SelectVariableStar, CopiesTheRowThenEmptiesEveryRowWithoutCatalog) {
    // Whichever row is selected, only row 2 has no catalog text: a blank is a text.
    const std::pair<int, const char*> cases[] = {
        {2, "10.7"}, {1, "10.1"}, {3, "11.2"}, {4, ""}, {20, ""}};
    for (const auto& [k, variable] : cases) {
        PhotometrySheet sheet = fourRows();
        PhotometrySheet expected = sheet;
        expected.comparisonRow(2).measuredText.clear();
        expected.variableMeasuredText = variable;
        selectVariableStar(sheet, k);
        EXPECT_EQ(sheet, expected) << "row " << k;
    }
}

TEST(SheetCommands, EachClearEmptiesItsOwnTextsOnly) {
    using Command = std::function<void(PhotometrySheet&)>;
    using Edit = std::function<void(PhotometrySheet&)>;
    const std::tuple<const char*, Command, Edit> cases[] = {
        {"row 2", [](PhotometrySheet& s) { clearComparisonRow(s, 2); },
         [](PhotometrySheet& s) { s.comparisonRow(2) = {}; }},
        {"row 20", [](PhotometrySheet& s) { clearComparisonRow(s, 20); },
         [](PhotometrySheet& s) { s.comparisonRow(20) = {}; }},
        {"measured column", clearMeasuredColumn,
         [](PhotometrySheet& s) {
             for (ComparisonRow& row : s.comparisonRows) row.measuredText.clear();
         }},
        {"catalog column", clearCatalogColumn,
         [](PhotometrySheet& s) {
             for (ComparisonRow& row : s.comparisonRows) row.catalogText.clear();
         }},
        {"all rows", clearAllComparisonRows, [](PhotometrySheet& s) { s.comparisonRows = {}; }},
        // The averages stay shown until they are computed again.
        {"slot 1", [](PhotometrySheet& s) { clearAveragingSlot(s, 1); },
         [](PhotometrySheet& s) { s.averagingSlot(1) = {}; }},
        {"slot 8", [](PhotometrySheet& s) { clearAveragingSlot(s, 8); }, [](PhotometrySheet&) {}},
    };
    for (const auto& [label, command, edit] : cases) {
        PhotometrySheet sheet = fourRows();
        sheet.comparisonRow(20) = {"9", "9"};
        PhotometrySheet expected = sheet;
        edit(expected);
        command(sheet);
        EXPECT_EQ(sheet, expected) << label;
    }
}
