#include "core/calibration.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "sheet_test_support.h"

namespace lumitrak {
namespace {

using testing_support::sheetWithRows;

TEST(CalibrationFit, ExactlyFallingLine) {
    PhotometrySheet sheet = sheetWithRows({{"1", "5"}, {"2", "4"}, {"3", "3"}});
    const auto fit = computeCalibrationFit(sheet);
    ASSERT_TRUE(fit);
    EXPECT_EQ(fit->slope, -1);
    EXPECT_EQ(fit->constant, 6);
    EXPECT_EQ(fit->correlation, 1);
    EXPECT_EQ(fit->residualRms, 0);
    EXPECT_EQ(fit->starCount, 3);
    showCalibrationFit(sheet, *fit);
    EXPECT_EQ(sheet.slopeCaption, "傾き =-1");
    EXPECT_EQ(sheet.constantCaption, "定数 = 6");
    EXPECT_EQ(sheet.correlationCaption, "相関係数 =1.00000");
}

// The sums and quotients in the order they are written, for comparison to the last bit.
CalibrationFit referenceFit(const double* x, const double* y, int n) {
    double sx = 0, sy = 0, sxy = 0, sxx = 0, syy = 0;
    for (int k = 0; k < n; ++k) {
        sx += x[k];
        sy += y[k];
        sxy += y[k] * x[k];
        sxx += x[k] * x[k];
        syy += y[k] * y[k];
    }
    const double dn = n;
    const double qxy = sxy - (sx * sy) / dn, qxx = sxx - (sx * sx) / dn, qyy = syy - (sy * sy) / dn;
    CalibrationFit fit{};
    fit.slope = qxy / qxx;
    fit.constant = (sy - fit.slope * sx) / dn;
    fit.correlation = (qxy * qxy) / (qxx * qyy);
    double ssr = 0;
    for (int k = 0; k < n; ++k) ssr += std::pow(y[k] - (fit.constant + fit.slope * x[k]), 2);
    fit.residualRms = std::sqrt(ssr / dn);
    fit.starCount = n;
    return fit;
}

TEST(CalibrationFit, AgreesToTheLastBitWithTheSortedSums) {
    // Rows in table order; the sums run over the pairs sorted by measured value.
    PhotometrySheet sheet = sheetWithRows(
        {{"-8.512", "11.2"}, {"", ""}, {"-10.03", "9.71"}, {"-9.1", "10.55"}, {"-7.77", "12.02"}});
    const double x[] = {-10.03, -9.1, -8.512, -7.77};
    const double y[] = {9.71, 10.55, 11.2, 12.02};
    const CalibrationFit expected = referenceFit(x, y, 4);
    const auto fit = computeCalibrationFit(sheet);
    ASSERT_TRUE(fit);
    EXPECT_EQ(fit->slope, expected.slope);
    EXPECT_EQ(fit->constant, expected.constant);
    EXPECT_EQ(fit->correlation, expected.correlation);
    EXPECT_EQ(fit->residualRms, expected.residualRms);
    EXPECT_EQ(fit->starCount, 4);
}

TEST(SortedComparisonPairs, SortKeepsPairsTogetherAndCountsUpToTheMarker) {
    PhotometrySheet sheet;
    sheet.comparisonRow(2).measuredText = "3";
    sheet.comparisonRow(2).catalogText = "13";
    sheet.comparisonRow(9).measuredText = "1";
    sheet.comparisonRow(9).catalogText = "11";
    sheet.comparisonRow(17).measuredText = "2";
    sheet.comparisonRow(17).catalogText = "12";
    const ComparisonPairs pairs = sortedComparisonPairs(sheet);
    ASSERT_EQ(pairs.count, 3);
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(pairs.measured[k], k + 1);
        EXPECT_EQ(pairs.catalog[k], k + 11);
    }
    EXPECT_EQ(pairs.measured[3], kEmptyRowMarker);
}

struct CountCase {
    const char* name;
    PhotometrySheet sheet;
    int count;
};

PhotometrySheet fullTable(const char* measuredOfRow20) {
    PhotometrySheet sheet;
    for (int k = 1; k <= kComparisonRows; ++k) {
        sheet.comparisonRow(k).measuredText = std::to_string(k);
        sheet.comparisonRow(k).catalogText = std::to_string(10 + k);
    }
    sheet.comparisonRow(20).measuredText = measuredOfRow20;
    return sheet;
}

TEST(SortedComparisonPairs, Counts) {
    const CountCase cases[] = {
        {"empty table", PhotometrySheet{}, 0},
        {"zero and zero is empty", sheetWithRows({{"0", "0"}, {"1", "2"}}), 1},
        {"letters with empty catalog is empty", sheetWithRows({{"abc", ""}, {"1", "2"}}), 1},
        {"a blank measured text with a catalog takes part", sheetWithRows({{" ", "12.3"}, {"1", "2"}}), 2},
        {"measured without catalog takes part", sheetWithRows({{"10.2", ""}, {"1", "2"}}), 2},
        {"9999 ends the used pairs", sheetWithRows({{"1", "2"}, {"9999", "3"}, {"10000", "4"}}), 1},
        {"above 9999 with an empty row is cut", sheetWithRows({{"1", "2"}, {"10000", "4"}}), 1},
        {"full table uses all twenty, also above 9999", fullTable("12000"), 20},
        {"full table with 9999 in it", fullTable("9999"), 19},
    };
    for (const CountCase& c : cases) {
        EXPECT_EQ(sortedComparisonPairs(c.sheet).count, c.count) << c.name;
    }
}

TEST(CalibrationFit, UndefinedCasesGiveNoFitAndWriteNothing) {
    const std::pair<const char*, PhotometrySheet> cases[] = {
        {"no row", PhotometrySheet{}},
        {"one row", sheetWithRows({{"1", "2"}})},
        {"equal measured values", sheetWithRows({{"10.1", "9"}, {"10.1", "10"}, {"10.1", "11"}})},
        {"equal catalog values", sheetWithRows({{"1", "9.3"}, {"2", "9.3"}, {"3", "9.3"}})},
        {"overflowing text", sheetWithRows({{"1e999", "9"}, {"2", "10"}})},
        {"overflowing sums", sheetWithRows({{"1e200", "9"}, {"2e200", "10"}})},
    };
    for (const auto& [name, sheet] : cases) {
        EXPECT_FALSE(computeCalibrationFit(sheet)) << name;
        PhotometrySheet refreshed = sheet;
        EXPECT_FALSE(refreshFitLabels(refreshed)) << name;
        EXPECT_EQ(refreshed, sheet) << name;
    }
}

TEST(RefreshFitLabels, WritesTheErrorWithTwoDecimalsAndLeavesTheRest) {
    PhotometrySheet sheet = sheetWithRows({{"1", "5"}, {"2", "4.1"}, {"3", "3"}});
    sheet.variableMagnitudeCaption = "12.345";
    sheet.averagingSlot(1).magnitudeText = "12.345";
    ASSERT_TRUE(refreshFitLabels(sheet));
    EXPECT_EQ(sheet.photometricErrorCaption, "0.05");  // sqrt(0.00667 / 3) = 0.047
    EXPECT_EQ(sheet.correlationCaption, "相関係数 =.99668");
    EXPECT_EQ(sheet.variableMagnitudeCaption, "12.345");
    EXPECT_EQ(sheet.averagingSlot(1).magnitudeText, "12.345");
}

TEST(ShowCalibrationFit, TwoStarsGiveALineThroughBoth) {
    PhotometrySheet sheet = sheetWithRows({{"-9", "10"}, {"-8", "11.5"}});
    ASSERT_TRUE(refreshFitLabels(sheet));
    EXPECT_EQ(sheet.slopeCaption, "傾き = 1.5");
    EXPECT_EQ(sheet.constantCaption, "定数 = 23.5");
    EXPECT_EQ(sheet.correlationCaption, "相関係数 =1.00000");
    EXPECT_EQ(sheet.photometricErrorCaption, "0.00");
}

}  // namespace
}  // namespace lumitrak
