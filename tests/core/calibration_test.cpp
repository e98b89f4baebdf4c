#include "core/calibration.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

#include "core/averaging.h"
#include "core/measurement.h"

using namespace lumitrak;

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
    EXPECT_EQ(sheet.photometricErrorCaption, "0.05");
    EXPECT_EQ(computeCalibrationFit(sheet)->starCount, 3);
    EXPECT_EQ(captionNumberText(sheet.slopeCaption), "-1");
    EXPECT_EQ(captionNumberText(sheet.constantCaption), "6.03333333333333");
    EXPECT_EQ(captionNumberText(sheet.correlationCaption), ".99668");
    // Before the first fit the slope's line shows the formula, the others nothing.
    EXPECT_EQ(captionNumberText(PhotometrySheet{}.slopeCaption), "");
    EXPECT_EQ(captionNumberText(""), "");
}

TEST(SortedComparisonPairs, CountsThePairsBeforeTheFirstEmptyOne) {
    PhotometrySheet full;
    for (int k = 1; k <= kComparisonRows; ++k) full.comparisonRow(k) = {std::to_string(k), "1"};
    full.comparisonRow(20).measuredText = "12000";
    PhotometrySheet marker = full;
    marker.comparisonRow(20).measuredText = "9999";
    const std::tuple<const char*, PhotometrySheet, int> cases[] = {
        {"empty", {}, 0},
        {"zero and zero is empty", sheetWithRows({{"0", "0"}, {"1", "2"}}), 1},
        {"9999 ends the pairs", sheetWithRows({{"1", "2"}, {"9999", "3"}, {"10000", "4"}}), 1},
        {"full table, above 9999", full, 20},
        {"full table with 9999", marker, 19},
    };
    for (const auto& [label, sheet, count] : cases)
        EXPECT_EQ(sortedComparisonPairs(sheet).count, count) << label;
}

TEST(CalibrationFit, UndefinedCasesGiveNoFitAndWriteNothing) {
    const std::pair<const char*, PhotometrySheet> cases[] = {
        {"one star", sheetWithRows({{"1", "2"}})},
        {"equal measured", sheetWithRows({{"10.1", "9"}, {"10.1", "10"}, {"10.1", "11"}})},
        // Sums of equal values that leave a rounding residue in Qxx or Qyy.
        {"equal measured, 0.1", sheetWithRows({{"0.1", "9"}, {"0.1", "10"}, {"0.1", "11"}})},
        {"equal catalog, 0.3", sheetWithRows({{"9", "0.3"}, {"10", "0.3"}, {"11", "0.3"}})},
        {"sums overflow", sheetWithRows({{"1e200", "9"}, {"2e200", "10"}})},
    };
    for (const auto& [label, sheet] : cases) {
        PhotometrySheet refreshed = sheet;
        EXPECT_FALSE(refreshFitLabels(refreshed)) << label;
        EXPECT_EQ(refreshed, sheet) << label;
    }
}

TEST(MeasureVariable, ShowsTheResultAndFillsTheFirstFreeSlot) {
    using enum MeasureOutcome;
    // magnitude = 1.5 x measured value + 23.5, with error 0.
    const std::tuple<const char*, MeasureOutcome, const char*, AveragingSlot, bool> cases[] = {
        {"-8.5", Measured, "傾き = 1.5", {"10.750", "0.000"}, true},
        {"1e999", MagnitudeUndefined, "傾き = 1.5", {"--.--", "--.--"}, false},
        {"", MissingVariableValue, "等級 = 傾き x 測光値 + 定数", {"--.--", "--.--"}, false},
    };
    for (const auto& [variable, outcome, slope, result, placed] : cases) {
        SCOPED_TRACE(variable);
        PhotometrySheet sheet = sheetWithRows({{"-9", "10"}, {"-8", "11.5"}});
        sheet.variableMeasuredText = variable;
        EXPECT_EQ(measureVariable(sheet), outcome);
        EXPECT_EQ(sheet.slopeCaption, slope);
        EXPECT_EQ(sheet.variableMagnitudeCaption, result.magnitudeText);
        EXPECT_EQ(sheet.photometricErrorCaption, result.errorText);
        EXPECT_EQ(std::as_const(sheet).averagingSlot(1), placed ? result : AveragingSlot{});
    }
}

TEST(MeasureVariable, OnlyTheMagnitudeTextDecidesWhetherASlotIsFree) {
    PhotometrySheet sheet = sheetWithRows({{"-9", "10"}, {"-8", "11.5"}});
    sheet.averagingSlots.fill({"1", "1"});
    sheet.averagingSlot(6) = {"", "0.5"};
    sheet.averagingSlot(7) = {" ", ""};
    sheet.variableMeasuredText = "-8.5";
    EXPECT_EQ(measureVariable(sheet), MeasureOutcome::Measured);
    EXPECT_EQ(sheet.averagingSlot(6), (AveragingSlot{"10.750", "0.000"}));
    // A full area still shows the result, and keeps its slots.
    const auto slots = sheet.averagingSlots;
    sheet.variableMeasuredText = "-15.5";
    EXPECT_EQ(measureVariable(sheet), MeasureOutcome::AveragingAreaFull);
    EXPECT_EQ(sheet.variableMagnitudeCaption, ".250");
    EXPECT_EQ(sheet.averagingSlots, slots);
}

TEST(ComputeAverages, MeanScatterWeightedMeanAndItsError) {
    const AveragingSlot a{"12.345", "0.020"};
    const AveragingSlot b{"12.401", "0.030"};
    const AveragingSlot c{"12.380", "0.010"};
    const AveragingSlot e{};
    const AveragingSlot one{"1", "1"};
    using Captions = std::array<std::string, 4>;  // mean, scatter, weighted mean, its error
    const std::tuple<const char*, std::vector<AveragingSlot>, Captions> cases[] = {
        {"gaps", {e, c, e, e, b, e, e, a}, {"12.375", "0.023", "12.375", "0.009"}},
        {"an empty error dominates",
         {a, {"12.401", ""}, c},
         {"12.375", "0.023", "12.401", "0.000"}},
        {"one slot", {{"-.25", "0.1"}}, {"-0.250", "0.000", "-0.250", "0.100"}},
        {"above 9999 in a full area",
         {one, one, one, one, one, one, one, {"10001", "1"}},
         {"1251.000", "3307.189", "1251.000", "0.354"}},
        {"no slot", {e}, {"--.--", "--.--", "--.--", "--.--"}},
        {"weights overflow",
         {{"12.3", "1e-200"}, {"12.5", "0.1"}},
         {"12.400", "0.100", "--.--", "--.--"}},
    };
    for (const auto& [label, slots, captions] : cases) {
        PhotometrySheet sheet;
        std::copy(slots.begin(), slots.end(), sheet.averagingSlots.begin());
        sheet.averageCaption = "old";
        computeAverages(sheet);
        const Captions shown{sheet.averageCaption, sheet.averageErrorCaption,
                             sheet.weightedAverageCaption, sheet.weightedAverageErrorCaption};
        EXPECT_EQ(shown, captions) << label;
    }
}
