#include "core/sheet_commands.h"

#include <gtest/gtest.h>

namespace lumitrak {
namespace {

TEST(SelectVariableStar, CopiesTheValueAndEmptiesTheRowsWithoutCatalog) {
    PhotometrySheet sheet;
    sheet.comparisonRows = {{{"-9.1", ""}, {"-8.2", "11.3"}, {"", "12.4"}, {"-7.5", " "}}};
    PhotometrySheet expected = sheet;
    selectVariableStar(sheet, 1);
    expected.variableMeasuredText = "-9.1";
    expected.comparisonRow(1).measuredText = "";  // no catalog text; row 4's blank one is a text
    EXPECT_EQ(sheet, expected);
    selectVariableStar(sheet, 20);  // an empty row empties the field
    expected.variableMeasuredText = "";
    EXPECT_EQ(sheet, expected);
}

}  // namespace
}  // namespace lumitrak
