// What the graph draws, in surface units: the scale, the dots, the offset lines, the read-out.

#include <cmath>
#include <limits>
#include <optional>

#include "core/messages.h"
#include "example_rows.h"
#include "ui/graph/comparison_graph.h"

using namespace lumitrak;

Q_DECLARE_METATYPE(lumitrak::GraphScale)

namespace {

double heightAt(const SurfaceLine& line, double x) {
    return line.from.y + (line.to.y - line.from.y) * (x - line.from.x) / (line.to.x - line.from.x);
}
bool onSurface(const SurfacePoint& p) { return p.x >= 0 && p.x <= kGraphExtent && p.y >= 0 && p.y <= kGraphExtent; }
SurfaceLine across(double left, double right) { return {{0, left}, {kGraphExtent, right}}; }

}  // namespace

class ComparisonGraphTest : public QObject {
    Q_OBJECT
private slots:
    void exampleDotsSitInsideATenthOfMargin() {
        PhotometrySheet sheet = exampleSheet();
        const ComparisonGraph graph = drawComparisonGraph(sheet);
        QCOMPARE(graph.scale.leftX, -10.2);
        QCOMPARE(graph.scale.rightX, -7.8);
        QCOMPARE(graph.scale.topY, 8.79);
        QCOMPARE(graph.scale.bottomY, 11.31);
        // Smallest measured value at the left, brightest star at the top; 1 unit of rounding.
        const SurfacePoint expected[] = {{375, 375}, {2250, 2160}, {4125, 4125}};
        QCOMPARE(graph.dots.size(), std::size_t(3));
        for (int k = 0; k < 3; ++k)
            QVERIFY(std::abs(graph.dots[k].x - expected[k].x) <= 1 && std::abs(graph.dots[k].y - expected[k].y) <= 1);
        QCOMPARE(graph.diagonal, across(0, kGraphExtent));
        QVERIFY(graph.explanation.empty());
    }

    // The fit is magnitude = measured + 10 and the scale 10.73..14.33 down: one magnitude is
    // 1250 units, the fit crosses the middle at 2212.5, the lines 3e and 2e (112.5, 75) off it.
    void offsetLinesLieAtThreeAndTwoErrorsAboutTheFit() {
        PhotometrySheet sheet = sheetWithErrorOf003();
        const ComparisonGraph graph = drawComparisonGraph(sheet);
        QCOMPARE(sheet.photometricErrorCaption, std::string("0.03"));
        QCOMPARE(graph.offsetLines.size(), std::size_t(4));
        const double offsets[] = {+112.5, -112.5, +75, -75};
        for (int k = 0; k < 4; ++k) {
            QVERIFY(std::abs(heightAt(graph.offsetLines[k], kGraphExtent / 2.0) - (2212.5 + offsets[k])) <= 1.5);
            QVERIFY(onSurface(graph.offsetLines[k].from) && onSurface(graph.offsetLines[k].to));
        }
        // The line 3e above the fit leaves through the top edge, so it is cut there.
        QVERIFY(graph.offsetLines[1].from.x > 0);
        QCOMPARE(graph.offsetLines[1].from.y, 0.0);
    }

    void aZeroErrorPutsAllFourLinesOnTheFit() {
        PhotometrySheet sheet = sheetWithRows({{"1", "10"}, {"2", "11"}});
        const ComparisonGraph graph = drawComparisonGraph(sheet);
        QCOMPARE(graph.offsetLines.size(), std::size_t(4));
        for (const SurfaceLine& line : graph.offsetLines) QCOMPARE(line, graph.offsetLines[0]);
        QVERIFY(std::abs(heightAt(graph.offsetLines[0], 375) - 375) <= 1);
    }

    // Captions of an earlier table must not become lines; nothing is written without a fit.
    void undefinedCasesExplainThemselves_data() {
        addUndefinedSheets(std::string(kGraphNeedsTwoStarsMessage), std::string(kGraphFitUndefinedMessage));
    }
    void undefinedCasesExplainThemselves() {
        QFETCH(PhotometrySheet, sheet);
        QFETCH(std::string, explanation);
        QFETCH(int, dots);
        sheet.slopeCaption = "傾き = 1.5";
        sheet.constantCaption = "定数 = 3";
        sheet.photometricErrorCaption = "0.123";
        PhotometrySheet drawn = sheet;
        const ComparisonGraph graph = drawComparisonGraph(drawn);
        QCOMPARE(graph.explanation, explanation);
        QVERIFY(graph.offsetLines.empty());
        QCOMPARE(drawn, sheet);
        QCOMPARE(graph.dots.size(), std::size_t(dots));
        for (const SurfacePoint& dot : graph.dots) QVERIFY(onSurface(dot));
        for (const int x : {0, 2250, 4500}) QCOMPARE(lumitrak::pointerReadoutText(graph.scale, x, x).has_value(), dots > 0);
    }

    void pointerReadoutText_data() {
        QTest::addColumn<GraphScale>("scale");
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("y");
        QTest::addColumn<std::string>("expected");
        const GraphScale example{.leftX = -10.2, .rightX = -7.8, .topY = 8.79, .bottomY = 11.31};
        const GraphScale symmetric{.leftX = -1, .rightX = 1, .topY = -1, .bottomY = 1};
        QTest::newRow("top-left") << example << 0.0 << 0.0 << std::string("X=-10.20 / Y=8.79");
        QTest::newRow("bottom-right") << example << 4500.0 << 4500.0 << std::string("X=-7.80 / Y=11.31");
        QTest::newRow("no digit before the point") << symmetric << 3375.0 << 1125.0 << std::string("X=.50 / Y=-.50");
    }
    void pointerReadoutText() {
        QFETCH(GraphScale, scale);
        QFETCH(double, x);
        QFETCH(double, y);
        QFETCH(std::string, expected);
        QCOMPARE(lumitrak::pointerReadoutText(scale, x, y), std::optional<std::string>(expected));
        const double inf = std::numeric_limits<double>::infinity();
        QVERIFY(!lumitrak::pointerReadoutText(GraphScale{.leftX = 0, .rightX = inf, .topY = 0, .bottomY = 1}, x, y));
        QVERIFY(!lumitrak::pointerReadoutText(GraphScale{.leftX = 0, .rightX = 1, .topY = std::nan(""), .bottomY = 1}, x, y));
    }
};

QTEST_APPLESS_MAIN(ComparisonGraphTest)
#include "comparison_graph_test.moc"
