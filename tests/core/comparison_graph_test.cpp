#include "core/comparison_graph.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "core/calibration.h"
#include "core/messages.h"

using namespace lumitrak;

namespace {

// The rows as given, with the fit captions of the table before them: a line that must not show.
PhotometrySheet refreshedSheet(const std::vector<ComparisonRow>& rows) {
    PhotometrySheet sheet;
    sheet.slopeCaption = "傾き = 1.5";
    sheet.constantCaption = "定数 = 3";
    sheet.photometricErrorCaption = "0.123";
    std::copy(rows.begin(), rows.end(), sheet.comparisonRows.begin());
    refreshFitLabels(sheet);
    return sheet;
}

// Stars 1 to `count` on magnitude = measured value + 10, row `faint` 0.9 too faint.
std::vector<ComparisonRow> lineWithOneFaintStar(int count, int faint) {
    std::vector<ComparisonRow> rows;
    for (int k = 1; k <= count; ++k)
        rows.push_back({std::to_string(k), std::to_string(k + 10 + (k == faint ? 0.9 : 0.0))});
    return rows;
}

std::string describedLine(const char* slope, const char* constant, const char* error,
                          const char* beyondTwo, const char* beyondThree) {
    return std::string("左上から右下への対角線と、近似直線 (傾き ") + slope + "、定数 " + constant +
           ") の上下 2σ と 3σ の線 (σ = " + error + ") があります。2σ と 3σ の間: " + beyondTwo +
           "。3σ より外: " + beyondThree + "。";
}

}  // namespace

TEST(ComparisonGraph, NamesTheFittedRowsBeyondTwoAndThreeErrors) {
    // Rows 7 down to 1 in falling order, row 4 empty: the faint star stands third when sorted.
    std::vector<ComparisonRow> reversed;
    for (int k = 1; k <= 8; ++k) {
        const int measured = 9 - k;
        reversed.push_back({k == 4 ? "" : std::to_string(measured),
                            k == 4 ? "" : std::to_string(measured + 10 + (k == 6 ? 0.9 : 0.0))});
    }
    const std::tuple<const char*, std::vector<ComparisonRow>, std::string> cases[] = {
        // A far-away star that the count leaves out is neither drawn nor named.
        {"row 4 beyond the marker",
         {{"1", "11"}, {"2", "12.1"}, {"3", "12.9"}, {"12000", "5"}},
         "比較星 3 個を表示しています。" +
             describedLine(".950000000000003", "10.1", "0.07", "なし", "なし")},
        {"nine stars", lineWithOneFaintStar(9, 5),
         "比較星 9 個を表示しています。" + describedLine("1", "10.1", "0.28", "比較星 5", "なし")},
        {"nineteen stars", lineWithOneFaintStar(19, 10),
         "比較星 19 個を表示しています。" +
             describedLine("1", "10.0473684210526", "0.20", "なし", "比較星 10")},
        {"out of order", reversed,
         "比較星 7 個を表示しています。" +
             describedLine(".96917808219178", "10.2650684931507", "0.31", "比較星 6", "なし")},
    };
    for (const auto& [label, rows, description] : cases) {
        const PhotometrySheet sheet = refreshedSheet(rows);
        const ComparisonGraph graph = drawComparisonGraph(sheet);
        EXPECT_EQ(graph.offsetLines.size(), 4u) << label;
        EXPECT_EQ(describeComparisonGraph(sheet, graph), description) << label;
    }
}

TEST(ComparisonGraph, WithoutALineExplainsWhyAndDrawsOnlyTheDiagonal) {
    const std::string needsTwo(kGraphNeedsTwoStarsMessage);
    const std::string noFit(kGraphFitUndefinedMessage);
    const std::tuple<const char*, std::vector<ComparisonRow>, std::string> cases[] = {
        {"no row", {}, needsTwo},
        {"one row", {{"5", "10"}}, needsTwo},
        {"equal measured values", {{"5", "10"}, {"5", "11"}}, noFit},
        {"equal catalog values", {{"5", "10"}, {"6", "10"}}, noFit},
        // The stars have places on the surface, but their sums overflow: no fit.
        {"sums overflow",
         {{"-2e200", "9"}, {"-1e200", "10"}},
         "比較星 2 個を表示しています。" + noFit},
    };
    for (const auto& [label, rows, description] : cases) {
        const PhotometrySheet sheet = refreshedSheet(rows);
        const ComparisonGraph graph = drawComparisonGraph(sheet);
        EXPECT_TRUE(graph.offsetLines.empty()) << label;
        EXPECT_TRUE(graph.rowsBeyondThreeErrors.empty()) << label;
        EXPECT_EQ(graph.diagonal, (SurfaceLine{{0, 0}, {kGraphExtent, kGraphExtent}})) << label;
        EXPECT_EQ(describeComparisonGraph(sheet, graph), description) << label;
    }
}
