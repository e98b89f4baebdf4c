#include <QTest>

#include <cmath>
#include <limits>
#include <optional>
#include <string>

#include "core/calibration.h"
#include "example_rows.h"
#include "ui/graph/graph_scale.h"

using namespace lumitrak;

Q_DECLARE_METATYPE(lumitrak::GraphScale)
Q_DECLARE_METATYPE(lumitrak::PhotometrySheet)
Q_DECLARE_METATYPE(std::string)

namespace {

GraphScale scaleOf(const PhotometrySheet& sheet) {
    return computeGraphScale(sortedComparisonPairs(sheet));
}

constexpr double kInfinity = std::numeric_limits<double>::infinity();

}  // namespace

class GraphScaleTest : public QObject {
    Q_OBJECT
private slots:
    void widensTheExtremesByATenthOfTheSpan() {
        const GraphScale scale = scaleOf(exampleSheet());
        QCOMPARE(scale.leftX, -10.2);
        QCOMPARE(scale.rightX, -7.8);
        QCOMPARE(scale.topY, 8.79);
        QCOMPARE(scale.bottomY, 11.31);
    }

    void stretchesDownToMagnitudeZeroForARowWithoutCatalogText() {
        const GraphScale scale = scaleOf(sheetWithRows({{"-10", "9"}, {"-9", "10"}, {"-8", ""}}));
        QCOMPARE(scale.topY, -1.0);
        QCOMPARE(scale.bottomY, 11.0);
    }

    void plotsTheFilledRowsWhereverTheyStand() {
        const GraphScale scale = scaleOf(sheetWithRows({{"3", "5"}, {"1", "7"}}, 6));
        QCOMPARE(scale.leftX, 0.8);
        QCOMPARE(scale.rightX, 3.2);
    }

    void hasDrawableSpans_data() {
        QTest::addColumn<PhotometrySheet>("sheet");
        QTest::addColumn<bool>("drawable");
        QTest::newRow("no row") << PhotometrySheet{} << false;
        QTest::newRow("one row") << sheetWithRows({{"5", "10"}}) << false;
        QTest::newRow("equal measured values") << sheetWithRows({{"5", "10"}, {"5", "11"}}) << false;
        QTest::newRow("equal catalog values") << sheetWithRows({{"5", "10"}, {"6", "10"}}) << false;
        QTest::newRow("span too large for a double")
            << sheetWithRows({{"-1E308", "1"}, {"1E308", "2"}}) << false;
        QTest::newRow("two different stars") << sheetWithRows({{"5", "10"}, {"6", "11"}}) << true;
        QTest::newRow("example") << exampleSheet() << true;
    }
    void hasDrawableSpans() {
        QFETCH(PhotometrySheet, sheet);
        QFETCH(bool, drawable);
        QCOMPARE(lumitrak::hasDrawableSpans(scaleOf(sheet)), drawable);
    }

    void surfaceCoordinate_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<double>("low");
        QTest::addColumn<double>("high");
        QTest::addColumn<double>("expected");
        QTest::newRow("low edge") << 0.0 << 0.0 << 9.0 << 0.0;
        QTest::newRow("high edge") << 9.0 << 0.0 << 9.0 << 4500.0;
        QTest::newRow("fraction rounds down") << 1.0 << 0.0 << 9.0 << 500.0;
        QTest::newRow("just below the next unit") << 0.0039 << 0.0 << 9.0 << 1.0;
        QTest::newRow("just above the low edge") << 0.0001 << 0.0 << 9.0 << 0.0;
        QTest::newRow("just below the low edge, towards minus infinity") << -0.0001 << 0.0 << 9.0 << -1.0;
        QTest::newRow("beyond the high edge") << 18.0 << 0.0 << 9.0 << 9000.0;
        QTest::newRow("magnitude 10 in the example") << 10.0 << 8.79 << 11.31 << 2160.0;
    }
    void surfaceCoordinate() {
        QFETCH(double, value);
        QFETCH(double, low);
        QFETCH(double, high);
        QFETCH(double, expected);
        QCOMPARE(lumitrak::surfaceCoordinate(value, low, high), expected);
    }

    void surfaceCoordinateOfAZeroSpanIsNotFinite() {
        QVERIFY(!std::isfinite(lumitrak::surfaceCoordinate(5, 5, 5)));
        QVERIFY(!std::isfinite(lumitrak::surfaceCoordinate(6, 5, 5)));
    }

    void pointerReadoutText_data() {
        QTest::addColumn<GraphScale>("scale");
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("y");
        QTest::addColumn<std::string>("expected");
        const GraphScale example = scaleOf(exampleSheet());
        const GraphScale symmetric{.leftX = -1, .rightX = 1, .topY = -1, .bottomY = 1};
        QTest::newRow("top-left corner") << example << 0.0 << 0.0 << std::string("X=-10.20 / Y=8.79");
        QTest::newRow("bottom-right corner")
            << example << 4500.0 << 4500.0 << std::string("X=-7.80 / Y=11.31");
        QTest::newRow("centre") << example << 2250.0 << 2250.0 << std::string("X=-9.00 / Y=10.05");
        QTest::newRow("no digit before the point")
            << symmetric << 3375.0 << 1125.0 << std::string("X=.50 / Y=-.50");
        QTest::newRow("zero") << symmetric << 2250.0 << 2250.0 << std::string("X=.00 / Y=.00");
        QTest::newRow("five integer digits")
            << GraphScale{.leftX = 12345.678, .rightX = 12346, .topY = 0, .bottomY = 1} << 0.0 << 0.0
            << std::string("X=12345.68 / Y=.00");
        QTest::newRow("more integer digits than placeholders")
            << GraphScale{.leftX = -1234567, .rightX = 0, .topY = 10000, .bottomY = 20000} << 0.0
            << 0.0 << std::string("X=-1234567.00 / Y=10000.00");
    }
    void pointerReadoutText() {
        QFETCH(GraphScale, scale);
        QFETCH(double, x);
        QFETCH(double, y);
        QFETCH(std::string, expected);
        QCOMPARE(lumitrak::pointerReadoutText(scale, x, y), std::optional<std::string>(expected));
    }

    void noReadoutWithoutDrawableSpans_data() {
        QTest::addColumn<GraphScale>("scale");
        QTest::newRow("no row") << scaleOf(PhotometrySheet{});
        QTest::newRow("one row") << scaleOf(sheetWithRows({{"5", "10"}}));
        QTest::newRow("equal measured values") << scaleOf(sheetWithRows({{"5", "10"}, {"5", "11"}}));
        QTest::newRow("infinite edge")
            << GraphScale{.leftX = 0, .rightX = kInfinity, .topY = 0, .bottomY = 1};
        QTest::newRow("not a number")
            << GraphScale{.leftX = 0, .rightX = 1, .topY = std::nan(""), .bottomY = 1};
    }
    void noReadoutWithoutDrawableSpans() {
        QFETCH(GraphScale, scale);
        QVERIFY(!lumitrak::pointerReadoutText(scale, 0, 0));
        QVERIFY(!lumitrak::pointerReadoutText(scale, 4500, 4500));
    }
};

QTEST_APPLESS_MAIN(GraphScaleTest)
#include "graph_scale_test.moc"
