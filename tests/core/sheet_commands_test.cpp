#include "core/sheet_commands.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace lumitrak {
namespace {

using Rows = std::initializer_list<ComparisonRow>;
// Row 1 measured only, row 2 both, row 3 catalog only, row 4 measured with a blank catalog.
const Rows kMixed = {{"-9.1", ""}, {"-8.2", "11.3"}, {"", "12.4"}, {"-7.5", " "}};

PhotometrySheet mixedSheet(Rows rows = kMixed, const char* variable = "old",
                           const AveragingSlot& slot1 = {"10.000", "0.010"}) {
    PhotometrySheet sheet;
    std::copy(rows.begin(), rows.end(), sheet.comparisonRows.begin());
    sheet.variableMeasuredText = variable;
    sheet.averagingSlot(1) = slot1;
    sheet.averageCaption = "10.000";
    return sheet;
}

TEST(SheetCommands, ChangeOnlyTheirTexts) {
    // Selecting a row empties every measured text without a catalog text; a blank is a text.
    const Rows selected = {{"", ""}, {"-8.2", "11.3"}, {"", "12.4"}, {"-7.5", " "}};
    const std::pair<std::function<void(PhotometrySheet&)>, PhotometrySheet> cases[] = {
        {[](PhotometrySheet& s) { selectVariableStar(s, 1); }, mixedSheet(selected, "-9.1")},
        {[](PhotometrySheet& s) { selectVariableStar(s, 2); }, mixedSheet(selected, "-8.2")},
        {[](PhotometrySheet& s) { selectVariableStar(s, 20); }, mixedSheet(selected, "")},
        {[](PhotometrySheet& s) { clearComparisonRow(s, 2); },
         mixedSheet({{"-9.1", ""}, {}, {"", "12.4"}, {"-7.5", " "}})},
        {clearMeasuredColumn, mixedSheet({{}, {"", "11.3"}, {"", "12.4"}, {"", " "}})},
        {clearCatalogColumn, mixedSheet({{"-9.1", ""}, {"-8.2", ""}, {}, {"-7.5", ""}})},
        {clearAllComparisonRows, mixedSheet({})},
        // The averages stay shown.
        {[](PhotometrySheet& s) { clearAveragingSlot(s, 1); }, mixedSheet(kMixed, "old", {})},
    };
    for (const auto& [command, expected] : cases) {
        PhotometrySheet sheet = mixedSheet();
        command(sheet);
        EXPECT_EQ(sheet, expected);
    }
}

}  // namespace
}  // namespace lumitrak
