#include "core/graph_geometry.h"

#include <gtest/gtest.h>

#include <optional>

using namespace lumitrak;

TEST(GraphScale, WidensTheExtremesByATenthAndReadsThePointerBack) {
    ComparisonPairs pairs;
    pairs.measured = {1, 3};
    pairs.catalog = {12, 10};
    pairs.count = 2;
    const GraphScale scale = computeGraphScale(pairs);
    EXPECT_DOUBLE_EQ(scale.leftX, 0.8);
    EXPECT_DOUBLE_EQ(scale.rightX, 3.2);
    EXPECT_DOUBLE_EQ(scale.topY, 9.8);
    EXPECT_DOUBLE_EQ(scale.bottomY, 12.2);
    EXPECT_EQ(pointerReadoutText(scale, 2250, 4500), "X=2.00 / Y=12.20");

    // One star gives both spans zero: nothing has a place and the read-out stays away.
    pairs.count = 1;
    const GraphScale flat = computeGraphScale(pairs);
    EXPECT_FALSE(hasDrawableSpans(flat));
    EXPECT_EQ(pointerReadoutText(flat, 2250, 2250), std::nullopt);
    pairs.count = 0;
    EXPECT_FALSE(hasDrawableSpans(computeGraphScale(pairs)));
}

TEST(GraphScale, OffsetLinesAreCutToTheSurface) {
    // On the 0..10 square a data unit is 450 surface units.
    const GraphScale square{.leftX = 0, .rightX = 10, .topY = 0, .bottomY = 10};
    const GraphScale sevenths{.leftX = 0, .rightX = 7, .topY = 0, .bottomY = 7};
    const GraphScale noHeight{.leftX = 0, .rightX = 10, .topY = 5, .bottomY = 5};
    struct Row {
        const char* label;
        GraphScale scale;
        double a;
        double b;
        double offset;
        std::optional<SurfaceLine> expected;
    };
    const Row rows[] = {
        {"inside", square, 0.5, 2, 0, SurfaceLine{{0, 900}, {4500, 3150}}},
        {"offset downwards", square, 0.5, 1, 1, SurfaceLine{{0, 900}, {4500, 3150}}},
        {"leaves at the bottom", square, 1, 0, 1, SurfaceLine{{0, 450}, {4050, 4500}}},
        {"enters from the top", square, 1, 0, -3, SurfaceLine{{1350, 0}, {4500, 3150}}},
        {"leaves at the top", square, -1, 5, 0, SurfaceLine{{0, 2250}, {2250, 0}}},
        {"enters from the bottom", square, -1, 11, 0, SurfaceLine{{450, 4500}, {4500, 450}}},
        {"cut at both ends", square, 2, -5, 0, SurfaceLine{{1125, 0}, {3375, 4500}}},
        {"along the bottom edge", square, 0, 10, 0, SurfaceLine{{0, 4500}, {4500, 4500}}},
        {"heights rounded down", sevenths, 0, 1, 0, SurfaceLine{{0, 642}, {4500, 642}}},
        {"rounded down off the top", square, 0, -0.001, 0, std::nullopt},
        {"above the surface", square, 0.1, -3, 0, std::nullopt},
        {"below the surface", square, 0.1, 11, 0, std::nullopt},
        {"far-away end", square, 1e300, 0, 0, SurfaceLine{{0, 0}, {4.5e-297, 4500}}},
        {"end beyond any double", square, 1e308, 0, 0, std::nullopt},
        {"no height", noHeight, 1, 0, 0, std::nullopt},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        const std::optional<SurfaceLine> line =
            visibleOffsetLine(row.scale, row.a, row.b, row.offset);
        ASSERT_EQ(line.has_value(), row.expected.has_value());
        if (!line) continue;
        EXPECT_DOUBLE_EQ(line->from.x, row.expected->from.x);
        EXPECT_DOUBLE_EQ(line->from.y, row.expected->from.y);
        EXPECT_DOUBLE_EQ(line->to.x, row.expected->to.x);
        EXPECT_DOUBLE_EQ(line->to.y, row.expected->to.y);
    }
}
