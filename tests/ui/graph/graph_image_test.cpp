#include <QTest>

#include <QColor>
#include <QImage>

#include <cmath>
#include <vector>

#include "example_rows.h"
#include "ui/graph/comparison_graph.h"
#include "ui/graph/graph_image.h"

using namespace lumitrak;

namespace {

QColor pixel(const QImage& image, int column, int row) { return image.pixelColor(column, row); }

bool isBlack(const QImage& image, int column, int row) {
    return pixel(image, column, row) == kForeground;
}

// The rows of column `column` that hold the foreground colour.
std::vector<int> blackRowsOf(const QImage& image, int column) {
    std::vector<int> rows;
    for (int row = 0; row < image.height(); ++row) {
        if (isBlack(image, column, row)) rows.push_back(row);
    }
    return rows;
}

// A graph of one dot well away from the diagonal.
ComparisonGraph graphWithOneDot(SurfacePoint dot) {
    ComparisonGraph graph;
    graph.dots = {dot};
    graph.diagonal = {{0, 0}, {kGraphExtent, kGraphExtent}};
    return graph;
}

ComparisonGraph exampleGraph() {
    PhotometrySheet sheet = exampleSheet();
    return drawComparisonGraph(sheet);
}

}  // namespace

class GraphImageTest : public QObject {
    Q_OBJECT
private slots:
    void isTheSurfaceSizeAtTheGivenRatio() {
        const QImage normal = renderComparisonGraph(exampleGraph(), 1.0);
        QCOMPARE(normal.size(), QSize(300, 300));
        QCOMPARE(normal.devicePixelRatio(), 1.0);
        const QImage sharp = renderComparisonGraph(exampleGraph(), 2.0);
        QCOMPARE(sharp.size(), QSize(600, 600));
        QCOMPARE(sharp.devicePixelRatio(), 2.0);
    }

    void aDotIsADiscFivePixelsAcrossOnItsPoint() {
        const ComparisonGraph graph = graphWithOneDot({3000, 1000});  // pixel 200, 66
        const QImage image = renderComparisonGraph(graph, 1.0);
        for (int dy = -3; dy <= 3; ++dy) {
            for (int dx = -3; dx <= 3; ++dx) {
                const bool inside = std::abs(dx) <= 2 && std::abs(dy) <= 2 &&
                                    !(std::abs(dx) == 2 && std::abs(dy) == 2);
                QCOMPARE(pixel(image, 200 + dx, 66 + dy), inside ? kDarkBlue : kLightGrey);
            }
        }
    }

    void theExampleDotsSitInsideTheMargins() {
        const ComparisonGraph graph = exampleGraph();
        const QImage image = renderComparisonGraph(graph, 1.0);
        // The stars lie at 375, 2250 and 4125 units across, up to rounding: pixels 25, 150, 275.
        const int expected[3][2] = {{25, 25}, {150, 144}, {275, 275}};
        for (int k = 0; k < 3; ++k) {
            const int c = pixelOf(graph.dots[k].x), r = pixelOf(graph.dots[k].y);
            QVERIFY(std::abs(c - expected[k][0]) <= 1);
            QVERIFY(std::abs(r - expected[k][1]) <= 1);
            // Lines run over the dots, so a dot shows blue and black only, and mostly blue.
            int blue = 0;
            for (int dy = -1; dy <= 1; ++dy) {
                for (int dx = -1; dx <= 1; ++dx) {
                    const QColor colour = pixel(image, c + dx, r + dy);
                    QVERIFY(colour == kDarkBlue || colour == kForeground);
                    blue += colour == kDarkBlue;
                }
            }
            QVERIFY(blue >= 4);
        }
    }

    void everythingElseIsGreyOrLine() {
        const ComparisonGraph graph = exampleGraph();
        const QImage image = renderComparisonGraph(graph, 1.0);
        int blue = 0;
        for (int row = 0; row < image.height(); ++row) {
            for (int column = 0; column < image.width(); ++column) {
                const QColor colour = pixel(image, column, row);
                QVERIFY(colour == kLightGrey || colour == kDarkBlue || colour == kForeground);
                if (colour != kDarkBlue) continue;
                ++blue;
                bool nearADot = false;
                for (const SurfacePoint& dot : graph.dots) {
                    nearADot = nearADot || (std::abs(column - pixelOf(dot.x)) <= 2 &&
                                            std::abs(row - pixelOf(dot.y)) <= 2);
                }
                QVERIFY2(nearADot, qPrintable(QStringLiteral("%1,%2").arg(column).arg(row)));
            }
        }
        QVERIFY(blue >= 3 * 12);
        QCOMPARE(pixel(image, 290, 10), kLightGrey);
        QCOMPARE(pixel(image, 10, 290), kLightGrey);
    }

    void theDiagonalIsBlackCornerToCorner() {
        const QImage image = renderComparisonGraph(exampleGraph(), 1.0);
        for (int i = 0; i < 300; ++i) QVERIFY2(isBlack(image, i, i), qPrintable(QString::number(i)));
        QVERIFY(!isBlack(image, 299, 0));
        QVERIFY(!isBlack(image, 0, 299));
    }

    void offsetLinesCrossAColumnAtTheirHeights() {
        PhotometrySheet sheet = sheetWithErrorOf003();
        const ComparisonGraph graph = drawComparisonGraph(sheet);
        const QImage image = renderComparisonGraph(graph, 1.0);
        // Column 150 is the middle: the fit crosses it at 2212.5 units, the lines 112.5 and 75
        // units (7.5 and 5 pixels) above and below; the diagonal at pixel 150.
        const std::vector<int> rows = blackRowsOf(image, 150);
        const std::vector<int> expected = {2100 / 15, 2137 / 15, 150, 2287 / 15, 2325 / 15};
        QCOMPARE(rows.size(), expected.size());
        for (std::size_t k = 0; k < rows.size(); ++k) {
            QVERIFY2(std::abs(rows[k] - expected[k]) <= 1, qPrintable(QString::number(rows[k])));
        }
    }

    void farLinesAreDrawnOnlyWhereTheyCrossTheSurface() {
        ComparisonGraph graph = exampleGraph();
        graph.offsetLines = {*clipToSurface({{0, -1E300}, {kGraphExtent, 1E300}})};
        const QImage image = renderComparisonGraph(graph, 1.0);
        // A nearly vertical line through the middle.
        QVERIFY(isBlack(image, 150, 10) || isBlack(image, 149, 10));
        QVERIFY(isBlack(image, 150, 290) || isBlack(image, 149, 290));
        QCOMPARE(pixel(image, 160, 60), kLightGrey);
    }

    void aSharpImageDrawsTheSameAtTwiceTheDetail() {
        const QImage image = renderComparisonGraph(graphWithOneDot({3000, 1000}), 2.0);
        QCOMPARE(pixel(image, 401, 133), kDarkBlue);   // the centre pixel 200, 66
        QCOMPARE(pixel(image, 405, 133), kDarkBlue);   // 2 pixels right: 4 device pixels
        QCOMPARE(pixel(image, 407, 133), kLightGrey);  // 3 pixels right
        QCOMPARE(pixel(image, 405, 137), kLightGrey);  // the disc's corner
        QVERIFY(isBlack(image, 300, 300) && isBlack(image, 301, 301));
        QVERIFY(isBlack(image, 0, 0) && isBlack(image, 598, 598));
    }
};

QTEST_MAIN(GraphImageTest)
#include "graph_image_test.moc"
