#include "core/calibration.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/averaging.h"
#include "core/measurement.h"
#include "core/sheet_commands.h"

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
    EXPECT_EQ(sheet.slopeCaption + sheet.constantCaption + sheet.correlationCaption +
                  sheet.photometricErrorCaption,
              "傾き =-1定数 = 6.03333333333333相関係数 =.996680.05");
    const ComparisonPairs p =
        sortedComparisonPairs(sheet);  // pairs kept together, the empty row marked
    EXPECT_EQ(std::vector(p.measured.begin(), p.measured.begin() + 4),
              (std::vector<double>{1, 2, 3, 9999}));
    EXPECT_EQ(std::vector(p.catalog.begin(), p.catalog.begin() + 4),
              (std::vector<double>{5, 4.1, 3, 9999}));
}

TEST(SortedComparisonPairs, Counts) {
    PhotometrySheet full;  // all twenty rows filled
    for (int k = 0; k < kComparisonRows; ++k)
        full.comparisonRows[k] = {k == 19 ? "12000" : std::to_string(k + 1), "1"};
    PhotometrySheet marker = full;
    marker.comparisonRow(20).measuredText = "9999";
    const std::tuple<const char*, PhotometrySheet, int> cases[] = {
        {"empty", {}, 0},
        {"zero and zero is empty", sheetWithRows({{"0", "0"}, {"1", "2"}}), 1},
        {"measured without catalog", sheetWithRows({{"10.2", ""}, {"1", "2"}}), 2},
        {"9999 ends the pairs", sheetWithRows({{"1", "2"}, {"9999", "3"}, {"10000", "4"}}), 1},
        {"above 9999 with an empty row is cut", sheetWithRows({{"1", "2"}, {"10000", "4"}}), 1},
        {"full table, above 9999", full, 20},
        {"full table with 9999", marker, 19}};
    for (const auto& [name, sheet, n] : cases)
        EXPECT_EQ(sortedComparisonPairs(sheet).count, n) << name;
}

TEST(CalibrationFit, UndefinedCasesGiveNoFitAndWriteNothing) {
    for (const PhotometrySheet& sheet :
         {PhotometrySheet{}, sheetWithRows({{"1", "2"}}),
          sheetWithRows({{"10.1", "9"}, {"10.1", "10"}, {"10.1", "11"}}),
          sheetWithRows({{"1", "9.3"}, {"2", "9.3"}, {"3", "9.3"}}),
          sheetWithRows({{"1e999", "9"}, {"2", "10"}}),
          sheetWithRows({{"1e200", "9"}, {"2e200", "10"}})}) {
        PhotometrySheet refreshed = sheet;
        EXPECT_FALSE(refreshFitLabels(refreshed)) << sheet.comparisonRow(1).measuredText;
        EXPECT_EQ(refreshed, sheet);
    }
}

TEST(MeasureVariable, ShowsTheResultAndFillsTheFirstFreeSlot) {
    using enum MeasureOutcome;
    // With row 2 magnitude = 1.5 x measured + 23.5, error 0; row 1 alone has no fit.
    const ComparisonRow two{"-8", "11.5"}, none{};
    const std::tuple<const char*, ComparisonRow, MeasureOutcome, const char*, const char*> cases[] =
        {{"-8.5", two, Measured, "10.750", "0.000"},
         {"-15.5", two, Measured, ".250", "0.000"},
         {" ", two, Measured, "23.500", "0.000"},
         {"1e999", two, MagnitudeUndefined, "--.--", "--.--"},
         {"", two, MissingVariableValue, "--.--", "--.--"},
         {"-8.5", none, FitUndefined, "--.--", "--.--"}};
    for (const auto& [variable, row2, outcome, magnitude, error] : cases) {
        PhotometrySheet sheet = sheetWithRows({{"-9", "10"}, row2});
        sheet.variableMeasuredText = variable;
        PhotometrySheet expected = sheet;
        if (outcome == Measured || outcome == MagnitudeUndefined)  // the fit is written
            std::tie(expected.slopeCaption, expected.constantCaption, expected.correlationCaption) =
                std::tuple("傾き = 1.5", "定数 = 23.5", "相関係数 =1.00000");
        std::tie(expected.variableMagnitudeCaption, expected.photometricErrorCaption) =
            std::tuple(magnitude, error);
        if (outcome == Measured) expected.averagingSlot(1) = {magnitude, error};
        EXPECT_EQ(measureVariable(sheet), outcome) << variable;
        EXPECT_EQ(sheet, expected) << variable;
    }
    // Only the magnitude text decides whether a slot is free; a full area still shows the result.
    PhotometrySheet sheet = sheetWithRows({{"-9", "10"}, two});
    sheet.averagingSlots = {
        {{"1", "1"}, {"1", "1"}, {"1", "1"}, {"1", "1"}, {"1", "1"}, {"", "0.5"}, {" ", ""}}};
    const bool placed[] = {placeInAveragingArea(sheet, "12.000", "0.020"),
                           placeInAveragingArea(sheet, "13.000", "0.030"),
                           placeInAveragingArea(sheet, "14.000", "0.040")};
    EXPECT_EQ(std::vector(placed, placed + 3), std::vector({true, true, false}));
    const auto full = sheet.averagingSlots;
    const PhotometrySheet& c = sheet;  // slots 6 and 8 through the read-only accessor
    EXPECT_EQ(c.averagingSlot(6).magnitudeText + c.averagingSlot(8).magnitudeText +
                  c.averagingSlot(8).errorText,
              "12.00013.0000.030");
    sheet.variableMeasuredText = "-8.5";
    EXPECT_EQ(measureVariable(sheet), AveragingAreaFull);
    EXPECT_EQ(sheet.variableMagnitudeCaption, "10.750");
    EXPECT_EQ(sheet.averagingSlots, full);
}

TEST(SelectVariableStar, CopiesTheValueAndEmptiesTheRowsWithoutCatalog) {
    PhotometrySheet sheet = sheetWithRows(
                        {{"-9.1", ""}, {"-8.2", "11.3"}, {"", "12.4"}, {"-7.5", " "}}),
                    expected = sheet;
    selectVariableStar(sheet, 1);  // row 4's blank catalog is a text
    std::tie(expected.variableMeasuredText, expected.comparisonRow(1).measuredText) =
        std::tuple("-9.1", "");
    EXPECT_EQ(sheet, expected);
}

TEST(ComputeAverages, MeanScatterWeightedMeanAndItsError) {
    const AveragingSlot a{"12.345", "0.020"}, b{"12.401", "0.030"}, c{"12.380", "0.010"}, e{},
        one{"1", "1"};
    const std::tuple<std::vector<AveragingSlot>, const char*> cases[] = {
        {{a, b, c}, "12.375 0.023 12.375 0.009"},
        {{e, c, e, e, b, e, e, a}, "12.375 0.023 12.375 0.009"},
        {{a, {"12.401", ""}, c}, "12.375 0.023 12.401 0.000"},  // an empty error dominates
        {{{" ", "0.1"}, {"1", "0.1"}}, "0.500 0.500 0.500 0.071"},
        {{{"-.25", "0.1"}}, "-0.250 0.000 -0.250 0.100"},
        {{{"1", "-0.1"}, {"2", "0.1"}}, "1.500 0.500 1.500 0.071"},
        {{{"9999", "0.1"}, {"1", "0.1"}}, "1.000 0.000 1.000 0.100"},
        {{{"10000", "0.1"}, {"1", "0.1"}},
         "1.000 0.000 1.000 0.100"},  // cut behind an empty slot, kept in a full area
        {{one, one, one, one, one, one, one, {"10001", "1"}}, "1251.000 3307.189 1251.000 0.354"},
        {{{"", "1e-6"}, {"2", "0.1"}}, "2.000 0.000 2.000 0.100"},
        {{e}, "--.-- --.-- --.-- --.--"},
        {{{"1e999", "0.1"}}, "--.-- --.-- --.-- --.--"},
        {{{"12.3", "1e-200"}, {"12.5", "0.1"}}, "12.400 0.100 --.-- --.--"}};
    for (const auto& [slots, captions] : cases) {
        PhotometrySheet s;
        std::copy(slots.begin(), slots.end(), s.averagingSlots.begin());
        s.averageCaption = s.averageErrorCaption = s.weightedAverageCaption = "old";
        computeAverages(s);
        EXPECT_EQ(s.averageCaption + " " + s.averageErrorCaption + " " + s.weightedAverageCaption +
                      " " + s.weightedAverageErrorCaption,
                  captions)
            << slots.size();
    }
}
