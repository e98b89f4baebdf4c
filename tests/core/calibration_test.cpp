// The commands that read the comparison table: the fit, measuring the variable star with it,
// and taking a row's value as the variable star's.
#include "core/calibration.h"
#include "core/measurement.h"
#include "core/sheet_commands.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace lumitrak {
namespace {

// Rows 1, 2, ... filled with the given (measured, catalog) texts.
PhotometrySheet sheetWithRows(std::initializer_list<ComparisonRow> rows) {
    PhotometrySheet sheet;
    std::copy(rows.begin(), rows.end(), sheet.comparisonRows.begin());
    return sheet;
}

TEST(CalibrationFit, FitsTheSortedPairsAndWritesTheCaptions) {
    // Rows out of order with an empty one between; residuals -1/30, 2/30, -1/30.
    PhotometrySheet sheet = sheetWithRows({{"3", "3"}, {"", ""}, {"1", "5"}, {"2", "4.1"}});
    ASSERT_TRUE(refreshFitLabels(sheet));
    EXPECT_EQ(sheet.slopeCaption, "傾き =-1");
    EXPECT_EQ(sheet.constantCaption, "定数 = 6.03333333333333");
    EXPECT_EQ(sheet.correlationCaption, "相関係数 =.99668");
    EXPECT_EQ(sheet.photometricErrorCaption, "0.05");  // sqrt(1 / 450) with two decimals
    // Sorted by measured value, pairs kept together, the empty row marked.
    const ComparisonPairs p = sortedComparisonPairs(sheet);
    EXPECT_EQ(std::vector(p.measured.begin(), p.measured.begin() + 4), (std::vector<double>{1, 2, 3, 9999}));
    EXPECT_EQ(std::vector(p.catalog.begin(), p.catalog.begin() + 4), (std::vector<double>{5, 4.1, 3, 9999}));
}

// All twenty rows filled, row 20's measured text the given one.
PhotometrySheet fullTable(const char* measuredOfRow20) {
    PhotometrySheet sheet;
    for (int k = 0; k < kComparisonRows; ++k) sheet.comparisonRows[k] = {std::to_string(k + 1), "1"};
    sheet.comparisonRow(20).measuredText = measuredOfRow20;
    return sheet;
}

TEST(SortedComparisonPairs, Counts) {
    const std::tuple<const char*, PhotometrySheet, int> cases[] = {
        {"empty table", PhotometrySheet{}, 0},
        {"zero and zero is empty", sheetWithRows({{"0", "0"}, {"1", "2"}}), 1},
        {"measured without catalog takes part", sheetWithRows({{"10.2", ""}, {"1", "2"}}), 2},
        {"9999 ends the used pairs", sheetWithRows({{"1", "2"}, {"9999", "3"}, {"10000", "4"}}), 1},
        {"above 9999 with an empty row is cut", sheetWithRows({{"1", "2"}, {"10000", "4"}}), 1},
        {"full table uses all twenty, also above 9999", fullTable("12000"), 20},
        {"full table with 9999 in it", fullTable("9999"), 19},
    };
    for (const auto& [name, sheet, n] : cases) EXPECT_EQ(sortedComparisonPairs(sheet).count, n) << name;
}

TEST(CalibrationFit, UndefinedCasesGiveNoFitAndWriteNothing) {
    const std::pair<const char*, PhotometrySheet> cases[] = {
        {"no row", PhotometrySheet{}}, {"one row", sheetWithRows({{"1", "2"}})},
        {"equal measured", sheetWithRows({{"10.1", "9"}, {"10.1", "10"}, {"10.1", "11"}})},
        {"equal catalog", sheetWithRows({{"1", "9.3"}, {"2", "9.3"}, {"3", "9.3"}})},
        {"overflowing text", sheetWithRows({{"1e999", "9"}, {"2", "10"}})},
        {"overflowing sums", sheetWithRows({{"1e200", "9"}, {"2e200", "10"}})}};
    for (const auto& [name, sheet] : cases) {
        PhotometrySheet refreshed = sheet;
        EXPECT_FALSE(refreshFitLabels(refreshed)) << name;
        EXPECT_EQ(refreshed, sheet) << name;
    }
}

TEST(MeasureVariable, ShowsTheResultAndFillsTheFirstFreeSlot) {
    using enum MeasureOutcome;
    // With row 2 magnitude = 1.5 x measured + 23.5, error 0; row 1 alone has no fit.
    const ComparisonRow two{"-8", "11.5"}, none{};
    const std::tuple<const char*, ComparisonRow, MeasureOutcome, const char*, const char*> cases[] = {
        {"-8.5", two, Measured, "10.750", "0.000"},
        {"-15.5", two, Measured, ".250", "0.000"},  // no digit before the magnitude's point
        {" ", two, Measured, "23.500", "0.000"},    // a blank measures as 0
        {"1e999", two, MagnitudeUndefined, "--.--", "--.--"},  // only the fit is written
        {"", two, MissingVariableValue, "--.--", "--.--"},      // nothing changes
        {"-8.5", none, FitUndefined, "--.--", "--.--"}};
    for (const auto& [variable, row2, outcome, magnitude, error] : cases) {
        PhotometrySheet sheet = sheetWithRows({{"-9", "10"}, row2});
        sheet.variableMeasuredText = variable;
        PhotometrySheet expected = sheet;
        if (outcome == Measured || outcome == MagnitudeUndefined) {
            std::tie(expected.slopeCaption, expected.constantCaption, expected.correlationCaption) =
                std::tuple("傾き = 1.5", "定数 = 23.5", "相関係数 =1.00000");
        }
        expected.variableMagnitudeCaption = magnitude;
        expected.photometricErrorCaption = error;
        if (outcome == Measured) expected.averagingSlot(1) = {magnitude, error};
        EXPECT_EQ(measureVariable(sheet), outcome) << variable;
        EXPECT_EQ(sheet, expected) << variable;
    }
}

// Only the magnitude text decides whether a slot is free; a full area still shows the result.
TEST(PlaceInAveragingArea, FillsTheFreeSlotsInOrder) {
    PhotometrySheet sheet = sheetWithRows({{"-9", "10"}, {"-8", "11.5"}});
    const AveragingSlot f{"1", "1"};
    sheet.averagingSlots = {{f, f, f, f, f, {"", "0.5"}, {" ", ""}}};  // an error alone, a blank
    EXPECT_TRUE(placeInAveragingArea(sheet, "12.000", "0.020"));
    EXPECT_TRUE(placeInAveragingArea(sheet, "13.000", "0.030"));
    EXPECT_FALSE(placeInAveragingArea(sheet, "14.000", "0.040"));
    EXPECT_EQ(std::as_const(sheet).averagingSlot(6), (AveragingSlot{"12.000", "0.020"}));
    EXPECT_EQ(std::as_const(sheet).averagingSlot(8), (AveragingSlot{"13.000", "0.030"}));
    const auto full = sheet.averagingSlots;
    sheet.variableMeasuredText = "-8.5";
    EXPECT_EQ(measureVariable(sheet), MeasureOutcome::AveragingAreaFull);
    EXPECT_EQ(sheet.variableMagnitudeCaption, "10.750");
    EXPECT_EQ(sheet.averagingSlots, full);
}

TEST(SelectVariableStar, CopiesTheValueAndEmptiesTheRowsWithoutCatalog) {
    PhotometrySheet sheet = sheetWithRows({{"-9.1", ""}, {"-8.2", "11.3"}, {"", "12.4"}, {"-7.5", " "}});
    PhotometrySheet expected = sheet;
    selectVariableStar(sheet, 1);
    expected.variableMeasuredText = "-9.1";
    expected.comparisonRow(1).measuredText = "";  // no catalog text; row 4's blank one is a text
    EXPECT_EQ(sheet, expected);
}

}  // namespace
}  // namespace lumitrak
