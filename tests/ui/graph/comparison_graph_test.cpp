#include <QTest>

#include <limits>
#include <optional>
#include <string>

#include "core/messages.h"
#include "example_rows.h"
#include "ui/graph/comparison_graph.h"

using namespace lumitrak;

Q_DECLARE_METATYPE(lumitrak::PhotometrySheet)
Q_DECLARE_METATYPE(lumitrak::SurfaceLine)
Q_DECLARE_METATYPE(std::string)

namespace {

// The height of a line at surface x, for lines that run across the whole surface or part of it.
double heightAt(const SurfaceLine& line, double x) {
    const double t = (x - line.from.x) / (line.to.x - line.from.x);
    return line.from.y + (line.to.y - line.from.y) * t;
}

bool onSurface(const SurfacePoint& point) {
    return point.x >= 0 && point.x <= kGraphExtent && point.y >= 0 && point.y <= kGraphExtent;
}

// Captions of an earlier table, which an undefined fit must not turn into lines.
PhotometrySheet withEarlierFitCaptions(PhotometrySheet sheet) {
    sheet.slopeCaption = "傾き = 1.5";
    sheet.constantCaption = "定数 = 3";
    sheet.correlationCaption = "相関係数 = .90000";
    sheet.photometricErrorCaption = "0.123";
    return sheet;
}

}  // namespace

class ComparisonGraphTest : public QObject {
    Q_OBJECT
private slots:
    void refreshesTheFitCaptionsWithTwoDecimalsForTheError() {
        PhotometrySheet sheet = exampleSheet();
        sheet.variableMagnitudeCaption = "10.500";
        drawComparisonGraph(sheet);
        QVERIFY(sheet.slopeCaption.starts_with("傾き = 1.05"));
        QVERIFY(sheet.constantCaption.starts_with("定数 = 19.48333"));
        QVERIFY(sheet.correlationCaption.starts_with("相関係数 =.99"));
        QCOMPARE(sheet.photometricErrorCaption, std::string("0.02"));
        QCOMPARE(sheet.variableMagnitudeCaption, std::string("10.500"));
    }

    void placesTheDotsInsideTheMargins() {
        PhotometrySheet sheet = exampleSheet();
        const ComparisonGraph graph = drawComparisonGraph(sheet);
        QCOMPARE(graph.dots.size(), std::size_t(3));
        // Smallest measured value at the left, brightest star at the top; 1 unit of rounding.
        const double expected[3][2] = {{375, 375}, {2250, 2160}, {4125, 4125}};
        for (int k = 0; k < 3; ++k) {
            QVERIFY2(std::abs(graph.dots[k].x - expected[k][0]) <= 1, std::to_string(k).c_str());
            QVERIFY2(std::abs(graph.dots[k].y - expected[k][1]) <= 1, std::to_string(k).c_str());
        }
        QVERIFY(graph.explanation.empty());
    }

    void plotsTheRowsInSortedOrderWhereverTheyStand() {
        PhotometrySheet sheet = sheetWithRows({{"4", "9"}, {"1", "12"}, {"3", "10"}, {"2", "11"}, {"5", "8"}}, 6);
        const ComparisonGraph graph = drawComparisonGraph(sheet);
        QCOMPARE(graph.dots.size(), std::size_t(5));
        for (std::size_t k = 1; k < graph.dots.size(); ++k) {
            QVERIFY(graph.dots[k - 1].x < graph.dots[k].x);
            QVERIFY(graph.dots[k - 1].y > graph.dots[k].y);  // brighter stars higher up
        }
    }

    void plotsARowWithoutCatalogTextAtMagnitudeZero() {
        PhotometrySheet sheet = sheetWithRows({{"-10", "9"}, {"-9", "10"}, {"-8", ""}});
        const ComparisonGraph graph = drawComparisonGraph(sheet);
        QCOMPARE(graph.dots.size(), std::size_t(3));
        QCOMPARE(graph.dots[2].y, 375.0);  // magnitude 0 is now the brightest, at the top
    }

    void theDiagonalRunsCornerToCornerWhateverTheData() {
        PhotometrySheet falling = sheetWithRows({{"1", "12"}, {"2", "11"}, {"3", "10"}});
        const SurfaceLine corners{{0, 0}, {kGraphExtent, kGraphExtent}};
        QCOMPARE(drawComparisonGraph(falling).diagonal, corners);
        PhotometrySheet empty;
        QCOMPARE(drawComparisonGraph(empty).diagonal, corners);
    }

    void offsetLinesLieAtTwoAndThreeErrorsAboutTheFit() {
        PhotometrySheet sheet = sheetWithErrorOf003();
        const ComparisonGraph graph = drawComparisonGraph(sheet);
        QCOMPARE(sheet.photometricErrorCaption, std::string("0.03"));
        QCOMPARE(graph.offsetLines.size(), std::size_t(4));
        // The fit is magnitude = measured + 10; the scale runs 10.73..14.33 down, so one
        // magnitude is 1250 units and the fitted line crosses the middle at 2212.5.
        const double middle = kGraphExtent / 2.0;
        const double fitted = 2212.5;
        const double offsets[4] = {+112.5, -112.5, +75, -75};
        for (int k = 0; k < 4; ++k) {
            const double height = heightAt(graph.offsetLines[k], middle);
            QVERIFY2(std::abs(height - (fitted + offsets[k])) <= 1.5,
                     (std::to_string(k) + ": " + std::to_string(height)).c_str());
        }
    }

    void offsetLinesStayOnTheSurface() {
        PhotometrySheet sheet = sheetWithErrorOf003();
        const ComparisonGraph graph = drawComparisonGraph(sheet);
        // The fitted line leaves the top edge at the left, so the lines above it are cut there.
        for (const SurfaceLine& line : graph.offsetLines) {
            QVERIFY(onSurface(line.from));
            QVERIFY(onSurface(line.to));
        }
        QVERIFY(graph.offsetLines[1].from.x > 0);
        QCOMPARE(graph.offsetLines[1].from.y, 0.0);
        QCOMPARE(graph.offsetLines[0].from.x, 0.0);
    }

    void aZeroErrorPutsAllFourLinesOnTheFit() {
        PhotometrySheet sheet = sheetWithRows({{"1", "10"}, {"2", "11"}});
        const ComparisonGraph graph = drawComparisonGraph(sheet);
        QCOMPARE(sheet.photometricErrorCaption, std::string("0.00"));
        QCOMPARE(graph.offsetLines.size(), std::size_t(4));
        for (const SurfaceLine& line : graph.offsetLines) QCOMPARE(line, graph.offsetLines[0]);
        // Two stars span the scale's inner box corner to corner, and so does their line.
        QVERIFY(std::abs(heightAt(graph.offsetLines[0], 375) - 375) <= 1);
        QVERIFY(std::abs(heightAt(graph.offsetLines[0], 4125) - 4125) <= 1);
    }

    void undefinedCasesExplainThemselvesAndDrawNoLinesFromOldCaptions_data() {
        QTest::addColumn<PhotometrySheet>("sheet");
        QTest::addColumn<std::size_t>("dots");
        QTest::addColumn<std::string>("explanation");
        const std::string needsTwo(kGraphNeedsTwoStarsMessage);
        const std::string undefinedFit(kGraphFitUndefinedMessage);
        QTest::newRow("no row") << PhotometrySheet{} << std::size_t(0) << needsTwo;
        QTest::newRow("rows of zeros") << sheetWithRows({{"0", "0"}, {"abc", ""}}) << std::size_t(0) << needsTwo;
        QTest::newRow("one row") << sheetWithRows({{"5", "10"}}) << std::size_t(0) << needsTwo;
        QTest::newRow("equal measured values")
            << sheetWithRows({{"5", "10"}, {"5", "11"}, {"5", "12"}}) << std::size_t(0) << undefinedFit;
        QTest::newRow("equal catalog values")
            << sheetWithRows({{"5", "10"}, {"6", "10"}}) << std::size_t(0) << undefinedFit;
        // The sums overflow, so there is no fit, but every star has its place.
        QTest::newRow("values too large for the sums")
            << sheetWithRows({{"-3E300", "1"}, {"-2E300", "2"}, {"-1E300", "4"}}) << std::size_t(3)
            << undefinedFit;
    }
    void undefinedCasesExplainThemselvesAndDrawNoLinesFromOldCaptions() {
        QFETCH(PhotometrySheet, sheet);
        QFETCH(std::size_t, dots);
        QFETCH(std::string, explanation);
        PhotometrySheet drawn = withEarlierFitCaptions(sheet);
        const ComparisonGraph graph = drawComparisonGraph(drawn);
        QCOMPARE(graph.dots.size(), dots);
        QVERIFY(graph.offsetLines.empty());
        QCOMPARE(graph.explanation, explanation);
        QCOMPARE(drawn, withEarlierFitCaptions(sheet));  // nothing written without a fit
    }

    void offsetLineEndsAreRoundedDown() {
        const GraphScale scale{.leftX = 0, .rightX = 9, .topY = 0, .bottomY = 9};
        const std::optional<SurfaceLine> ends = offsetLineEnds(scale, 1, 0.001, 0.0009);
        QVERIFY(ends);
        QCOMPARE(*ends, (SurfaceLine{{0, 0}, {kGraphExtent, 4500}}));
        const std::optional<SurfaceLine> below = offsetLineEnds(scale, 1, 0, -0.0009);
        QCOMPARE(*below, (SurfaceLine{{0, -1}, {kGraphExtent, 4499}}));
    }

    void offsetLineEndsThatAreNotNumbersAreLeftOut() {
        const GraphScale scale{.leftX = -1, .rightX = 1, .topY = 0, .bottomY = 9};
        const double infinity = std::numeric_limits<double>::infinity();
        QVERIFY(!offsetLineEnds(scale, infinity, 0, 0));  // inf at one edge, -inf at the other
        QVERIFY(!offsetLineEnds(scale, 0, std::nan(""), 0));
        QVERIFY(!offsetLineEnds(GraphScale{.leftX = 0, .rightX = 1, .topY = 5, .bottomY = 5}, 1, 0, 0));
        QVERIFY(offsetLineEnds(scale, 1E200, 0, 0));  // huge but finite: for the clipping
    }

    void clipToSurface_data() {
        QTest::addColumn<SurfaceLine>("line");
        QTest::addColumn<std::optional<SurfaceLine>>("expected");
        const double e = kGraphExtent;
        auto line = [](double y0, double y1) { return SurfaceLine{{0, y0}, {kGraphExtent, y1}}; };
        QTest::newRow("inside") << line(100, 4400) << std::optional(line(100, 4400));
        QTest::newRow("on the edges") << line(0, 4500) << std::optional(line(0, 4500));
        QTest::newRow("level on the top edge") << line(0, 0) << std::optional(line(0, 0));
        QTest::newRow("entirely above") << line(-1, -4000) << std::optional<SurfaceLine>();
        QTest::newRow("entirely below") << line(4501, 9000) << std::optional<SurfaceLine>();
        QTest::newRow("through both edges") << line(-4500, 9000)
            << std::optional(SurfaceLine{{1500, 0}, {3000, e}});
        QTest::newRow("rising through both edges") << line(9000, -4500)
            << std::optional(SurfaceLine{{1500, e}, {3000, 0}});
        QTest::newRow("huge ends") << line(-1E300, 1E300)
            << std::optional(SurfaceLine{{e / 2, 0}, {e / 2, e}});
    }
    void clipToSurface() {
        QFETCH(SurfaceLine, line);
        QFETCH(std::optional<SurfaceLine>, expected);
        const std::optional<SurfaceLine> clipped = lumitrak::clipToSurface(line);
        QCOMPARE(clipped.has_value(), expected.has_value());
        if (!expected) return;
        QCOMPARE(clipped->from.y, expected->from.y);
        QCOMPARE(clipped->to.y, expected->to.y);
        QVERIFY(std::abs(clipped->from.x - expected->from.x) < 1E-6);
        QVERIFY(std::abs(clipped->to.x - expected->to.x) < 1E-6);
    }
};

QTEST_APPLESS_MAIN(ComparisonGraphTest)
#include "comparison_graph_test.moc"
