#include "core/results.h"

#include <gtest/gtest.h>

#include "core/averaging.h"
#include "core/measurement.h"

using namespace lumitrak;

TEST(ResultsLine, CopiesEachResultAsShownAndTheFitLinesByTheirNumber) {
    // Before the first fit the fit lines give nothing.
    EXPECT_EQ(resultsLine(PhotometrySheet{}), "--.--\t--.--\t\t\t\t--.--\t--.--\t--.--\t--.--");
    // magnitude = 1.5 x measured value + 23.5 through two stars.
    PhotometrySheet sheet;
    sheet.comparisonRow(1) = {"-9", "10"};
    sheet.comparisonRow(2) = {"-8", "11.5"};
    sheet.variableMeasuredText = "-8.5";
    ASSERT_EQ(measureVariable(sheet), MeasureOutcome::Measured);
    sheet.averagingSlot(2) = {"10.8", "0.01"};  // outweighed by slot 1, whose error is 0
    computeAverages(sheet);
    EXPECT_EQ(resultsLine(sheet),
              "10.750\t0.000\t1.5\t23.5\t1.00000\t10.775\t0.025\t10.750\t0.000");
}
