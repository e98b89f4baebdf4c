#include "core/sheet_commands.h"

#include <gtest/gtest.h>

#include "sheet_test_support.h"

namespace lumitrak {
namespace {

using testing_support::sheetWithRows;

// Row 1 measured only, row 2 both, row 3 catalog only, row 4 measured with a blank catalog.
PhotometrySheet mixedSheet() {
    PhotometrySheet sheet = sheetWithRows({{"-9.1", ""}, {"-8.2", "11.3"}, {"", "12.4"}, {"-7.5", " "}});
    sheet.variableMeasuredText = "old";
    sheet.variableMagnitudeCaption = "10.000";
    sheet.averagingSlot(1) = {"10.000", "0.010"};
    sheet.importText = " text";
    sheet.sourceProgram = SourceProgram::Makari;
    return sheet;
}

// Everything but the comparison rows and the variable star's field.
void expectOthersUnchanged(const PhotometrySheet& after, const PhotometrySheet& before) {
    PhotometrySheet a = after, b = before;
    a.comparisonRows = b.comparisonRows = {};
    a.variableMeasuredText = b.variableMeasuredText = "";
    EXPECT_EQ(a, b);
}

TEST(SelectVariableStar, RowWithoutCatalog) {
    const PhotometrySheet before = mixedSheet();
    PhotometrySheet sheet = before;
    selectVariableStar(sheet, 1);
    EXPECT_EQ(sheet.variableMeasuredText, "-9.1");
    EXPECT_EQ(sheet.comparisonRow(1), (ComparisonRow{"", ""}));
    EXPECT_EQ(sheet.comparisonRow(2), before.comparisonRow(2));
    EXPECT_EQ(sheet.comparisonRow(3), before.comparisonRow(3));
    EXPECT_EQ(sheet.comparisonRow(4), before.comparisonRow(4));  // a blank catalog is a text
    expectOthersUnchanged(sheet, before);
}

TEST(SelectVariableStar, RowWithCatalogKeepsItsTexts) {
    PhotometrySheet sheet = mixedSheet();
    selectVariableStar(sheet, 2);
    EXPECT_EQ(sheet.variableMeasuredText, "-8.2");
    EXPECT_EQ(sheet.comparisonRow(2), (ComparisonRow{"-8.2", "11.3"}));
    EXPECT_EQ(sheet.comparisonRow(1).measuredText, "");
}

TEST(SelectVariableStar, EmptyRowEmptiesTheField) {
    PhotometrySheet sheet = mixedSheet();
    selectVariableStar(sheet, 20);
    EXPECT_EQ(sheet.variableMeasuredText, "");
    EXPECT_EQ(sheet.comparisonRow(1).measuredText, "");
    EXPECT_EQ(sheet.comparisonRow(3), (ComparisonRow{"", "12.4"}));
}

TEST(ClearCommands, TouchOnlyTheirTexts) {
    const PhotometrySheet before = mixedSheet();

    PhotometrySheet row = before;
    clearComparisonRow(row, 2);
    EXPECT_EQ(row.comparisonRow(2), ComparisonRow{});
    EXPECT_EQ(row.comparisonRow(1), before.comparisonRow(1));
    EXPECT_EQ(row.variableMeasuredText, "old");

    PhotometrySheet measured = before;
    clearMeasuredColumn(measured);
    PhotometrySheet catalog = before;
    clearCatalogColumn(catalog);
    PhotometrySheet all = before;
    clearAllComparisonRows(all);
    for (int k = 1; k <= kComparisonRows; ++k) {
        EXPECT_EQ(measured.comparisonRow(k), (ComparisonRow{"", before.comparisonRow(k).catalogText}));
        EXPECT_EQ(catalog.comparisonRow(k), (ComparisonRow{before.comparisonRow(k).measuredText, ""}));
        EXPECT_EQ(all.comparisonRow(k), ComparisonRow{});
    }
    for (const PhotometrySheet* sheet : {&row, &measured, &catalog, &all}) {
        EXPECT_EQ(sheet->variableMeasuredText, "old");
        expectOthersUnchanged(*sheet, before);
    }
}

TEST(ClearAveragingSlot, LeavesTheAveragesShown) {
    PhotometrySheet sheet = mixedSheet();
    sheet.averageCaption = "10.000";
    clearAveragingSlot(sheet, 1);
    EXPECT_EQ(sheet.averagingSlot(1), AveragingSlot{});
    EXPECT_EQ(sheet.averageCaption, "10.000");
}

}  // namespace
}  // namespace lumitrak
