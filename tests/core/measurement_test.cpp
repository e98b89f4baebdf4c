#include "core/measurement.h"

#include <gtest/gtest.h>

#include "sheet_test_support.h"

namespace lumitrak {
namespace {

using testing_support::sheetWithRows;

// magnitude = 1.5 x measured + 23.5, error 0 (two stars).
PhotometrySheet twoStarSheet(const char* variable) {
    PhotometrySheet sheet = sheetWithRows({{"-9", "10"}, {"-8", "11.5"}});
    sheet.variableMeasuredText = variable;
    return sheet;
}

TEST(MeasureVariable, ShowsMagnitudeErrorAndFillsTheFirstSlot) {
    PhotometrySheet sheet = twoStarSheet("-8.5");
    EXPECT_EQ(measureVariable(sheet), MeasureOutcome::Measured);
    EXPECT_EQ(sheet.variableMagnitudeCaption, "10.750");
    EXPECT_EQ(sheet.photometricErrorCaption, "0.000");
    EXPECT_EQ(sheet.slopeCaption, "傾き = 1.5");
    EXPECT_EQ(sheet.averagingSlot(1), (AveragingSlot{"10.750", "0.000"}));
    EXPECT_EQ(sheet.averagingSlot(2), AveragingSlot{});
}

TEST(MeasureVariable, ThreePressesFillSlotsInOrder) {
    PhotometrySheet sheet = twoStarSheet("-8.5");
    const char* values[] = {"-8.5", "-9", "-8"};
    for (const char* v : values) {
        sheet.variableMeasuredText = v;
        ASSERT_EQ(measureVariable(sheet), MeasureOutcome::Measured);
    }
    EXPECT_EQ(sheet.averagingSlot(1).magnitudeText, "10.750");
    EXPECT_EQ(sheet.averagingSlot(2).magnitudeText, "10.000");
    EXPECT_EQ(sheet.averagingSlot(3).magnitudeText, "11.500");
}

TEST(MeasureVariable, MagnitudeBelowOneHasNoLeadingDigitAndErrorKeepsIt) {
    // magnitude = measured, residuals 0.012 / -0.012 / ... give an error below 1.
    PhotometrySheet sheet = sheetWithRows({{"0", "0.012"}, {"1", "0.988"}, {"2", "2.012"}, {"3", "2.988"}});
    sheet.variableMeasuredText = "0.25";
    ASSERT_EQ(measureVariable(sheet), MeasureOutcome::Measured);
    EXPECT_EQ(sheet.variableMagnitudeCaption.front(), '.');
    EXPECT_EQ(sheet.photometricErrorCaption.substr(0, 2), "0.");
}

TEST(MeasureVariable, EmptyVariableValueChangesNothing) {
    PhotometrySheet sheet = twoStarSheet("");
    const PhotometrySheet before = sheet;
    EXPECT_EQ(measureVariable(sheet), MeasureOutcome::MissingVariableValue);
    EXPECT_EQ(sheet, before);
}

TEST(MeasureVariable, BlankOrLettersMeasureAsZero) {
    for (const char* v : {" ", "abc"}) {
        PhotometrySheet sheet = twoStarSheet(v);
        EXPECT_EQ(measureVariable(sheet), MeasureOutcome::Measured) << v;
        EXPECT_EQ(sheet.variableMagnitudeCaption, "23.500") << v;  // the constant
    }
}

TEST(MeasureVariable, UndefinedFitChangesNothing) {
    PhotometrySheet sheet = sheetWithRows({{"1", "2"}});
    sheet.variableMeasuredText = "1";
    const PhotometrySheet before = sheet;
    EXPECT_EQ(measureVariable(sheet), MeasureOutcome::FitUndefined);
    EXPECT_EQ(sheet, before);
}

TEST(MeasureVariable, OverflowingVariableValueWritesOnlyTheFit) {
    PhotometrySheet sheet = twoStarSheet("1e999");
    EXPECT_EQ(measureVariable(sheet), MeasureOutcome::MagnitudeUndefined);
    EXPECT_EQ(sheet.slopeCaption, "傾き = 1.5");
    EXPECT_EQ(sheet.variableMagnitudeCaption, "--.--");
    EXPECT_EQ(sheet.photometricErrorCaption, "--.--");
    EXPECT_EQ(sheet.averagingSlot(1), AveragingSlot{});
}

TEST(MeasureVariable, FullAreaStillShowsTheResult) {
    PhotometrySheet sheet = twoStarSheet("-8.5");
    for (AveragingSlot& slot : sheet.averagingSlots) slot = {"1.000", "0.100"};
    const auto slotsBefore = sheet.averagingSlots;
    EXPECT_EQ(measureVariable(sheet), MeasureOutcome::AveragingAreaFull);
    EXPECT_EQ(sheet.variableMagnitudeCaption, "10.750");
    EXPECT_EQ(sheet.slopeCaption, "傾き = 1.5");
    EXPECT_EQ(sheet.averagingSlots, slotsBefore);
}

TEST(PlaceInAveragingArea, OnlyTheMagnitudeTextDecidesAFreeSlot) {
    PhotometrySheet sheet;
    for (int n = 1; n <= 5; ++n) sheet.averagingSlot(n) = {"1.000", "0.010"};
    sheet.averagingSlot(6).errorText = "0.5";
    sheet.averagingSlot(7).magnitudeText = " ";  // a blank is a filled slot
    EXPECT_TRUE(placeInAveragingArea(sheet, "12.000", "0.020"));
    EXPECT_EQ(sheet.averagingSlot(6), (AveragingSlot{"12.000", "0.020"}));
    EXPECT_TRUE(placeInAveragingArea(sheet, "13.000", "0.030"));
    EXPECT_EQ(sheet.averagingSlot(8), (AveragingSlot{"13.000", "0.030"}));
    EXPECT_FALSE(placeInAveragingArea(sheet, "14.000", "0.040"));
    sheet.averagingSlot(1).magnitudeText.clear();
    EXPECT_TRUE(placeInAveragingArea(sheet, "15.000", "0.050"));
    EXPECT_EQ(sheet.averagingSlot(1).magnitudeText, "15.000");
}

}  // namespace
}  // namespace lumitrak
