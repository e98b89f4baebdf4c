#include "core/comparison_graph.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>
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

}  // namespace

TEST(ComparisonGraph, NamesTheFittedRowsBeyondTwoAndThreeErrors) {
    // Rows 7 down to 1 in falling order, row 4 empty: the faint star stands third when sorted.
    std::vector<ComparisonRow> reversed;
    for (int k = 1; k <= 8; ++k) {
        const int measured = 9 - k;
        reversed.push_back({k == 4 ? "" : std::to_string(measured),
                            k == 4 ? "" : std::to_string(measured + 10 + (k == 6 ? 0.9 : 0.0))});
    }
    // A far-away star that the count leaves out is neither drawn nor named.
    const PhotometrySheet farAway =
        refreshedSheet({{"1", "11"}, {"2", "12.1"}, {"3", "12.9"}, {"12000", "5"}});
    EXPECT_EQ(describeComparisonGraph(farAway, drawComparisonGraph(farAway)),
              "比較星 3 個を表示しています。左上から右下への対角線と、近似直線 (傾き "
              ".950000000000003、定数 10.1) の上下 2σ と 3σ の線 (σ = 0.07) があります。"
              "2σ と 3σ の間: なし。3σ より外: なし。");
    const std::pair<std::vector<ComparisonRow>, std::string> cases[] = {
        {lineWithOneFaintStar(9, 5), "2σ と 3σ の間: 比較星 5。3σ より外: なし。"},
        {lineWithOneFaintStar(9, 1), "2σ と 3σ の間: 比較星 1。3σ より外: なし。"},
        {lineWithOneFaintStar(19, 10), "2σ と 3σ の間: なし。3σ より外: 比較星 10。"},
        {reversed, "(σ = 0.31) があります。2σ と 3σ の間: 比較星 6。3σ より外: なし。"},
    };
    for (const auto& [rows, named] : cases) {
        const PhotometrySheet sheet = refreshedSheet(rows);
        const ComparisonGraph graph = drawComparisonGraph(sheet);
        // +3e, -3e, +2e, -2e: fainter magnitudes lie lower on the surface. A line cut at an edge
        // is extended back to the left edge.
        ASSERT_EQ(graph.offsetLines.size(), 4u);
        double left[4];
        for (int i = 0; i < 4; ++i) {
            const SurfaceLine& line = graph.offsetLines[i];
            const double slope = (line.to.y - line.from.y) / (line.to.x - line.from.x);
            left[i] = line.from.y - slope * line.from.x;
        }
        EXPECT_GT(left[0], left[2]);
        EXPECT_GT(left[2], left[3]);
        EXPECT_GT(left[3], left[1]);
        const std::string description = describeComparisonGraph(sheet, graph);
        EXPECT_TRUE(description.ends_with(named)) << description;
    }
    // Two stars lie on their line, whatever the last digits of the captions.
    const PhotometrySheet two = refreshedSheet({{"1", "11"}, {"3", "12"}});
    EXPECT_TRUE(describeComparisonGraph(two, drawComparisonGraph(two))
                    .ends_with("(σ = 0.00) があります。2σ と 3σ の間: なし。3σ より外: なし。"));
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
