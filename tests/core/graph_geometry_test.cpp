#include "core/graph_geometry.h"

#include <gtest/gtest.h>

#include <optional>

using namespace lumitrak;

TEST(GraphScale, WidensTheExtremesByATenthAndReadsThePointerBack) {
    ComparisonPairs pairs;
    pairs.measured = {1, 1.5};
    pairs.catalog = {12, 10};
    pairs.count = 2;
    // Measured values 0.95..1.55 and catalog magnitudes 9.8..12.2 span the surface.
    const GraphScale scale = computeGraphScale(pairs);
    EXPECT_EQ(pointerReadoutText(scale, 0, 0), "X=.95 / Y=9.80");
    EXPECT_EQ(pointerReadoutText(scale, 2250, 4500), "X=1.25 / Y=12.20");
    // No read-out where one star leaves both spans zero.
    pairs.count = 1;
    EXPECT_EQ(pointerReadoutText(computeGraphScale(pairs), 2250, 2250), std::nullopt);
}

TEST(GraphScale, OffsetLinesAreCutToTheSurface) {
    // On the 0..10 square a data unit is 450 surface units; heights are rounded down.
    const GraphScale square{.leftX = 0, .rightX = 10, .topY = 0, .bottomY = 10};
    using Line = std::optional<SurfaceLine>;
    const std::tuple<const char*, double, double, double, Line> cases[] = {
        // label, slope, constant, offset, the line's visible part
        {"inside", 0.5, 2, 0, SurfaceLine{{0, 900}, {4500, 3150}}},
        {"enters from the top", 1, 0, -3, SurfaceLine{{1350, 0}, {4500, 3150}}},
        {"leaves at the top", -1, 5, 0, SurfaceLine{{0, 2250}, {2250, 0}}},
        {"cut at both ends", 2, -5, 0, SurfaceLine{{1125, 0}, {3375, 4500}}},
        {"rounded down off the top", 0, -0.001, 0, std::nullopt},
        {"below the surface", 0.1, 11, 0, std::nullopt},
        {"far-away end", 1e300, 0, 0, SurfaceLine{{0, 0}, {4.5e-297, 4500}}},
        {"end beyond any double", 1e308, 0, 0, std::nullopt},
    };
    for (const auto& [label, a, b, offset, expected] : cases) {
        SCOPED_TRACE(label);
        const Line line = visibleOffsetLine(square, a, b, offset);
        ASSERT_EQ(line.has_value(), expected.has_value());
        if (!line) continue;
        EXPECT_DOUBLE_EQ(line->from.x, expected->from.x);
        EXPECT_DOUBLE_EQ(line->from.y, expected->from.y);
        EXPECT_DOUBLE_EQ(line->to.x, expected->to.x);
        EXPECT_DOUBLE_EQ(line->to.y, expected->to.y);
    }
}
