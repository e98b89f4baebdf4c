#include "core/graph_geometry.h"

#include <cmath>

#include "core/numbers.h"

namespace lumitrak {
namespace {

// The part of a line from x = 0 to x = kGraphExtent that lies within 0..kGraphExtent vertically.
std::optional<SurfaceLine> clipToSurface(const SurfaceLine& line) {
    constexpr double top = 0;
    constexpr double bottom = kGraphExtent;
    const SurfacePoint& from = line.from;
    const SurfacePoint& to = line.to;
    if ((from.y < top && to.y < top) || (from.y > bottom && to.y > bottom)) return std::nullopt;
    // An end off the surface moves along the line onto the edge it lies beyond. The height is
    // set to that edge rather than recomputed, which far-away ends would round off.
    const auto ontoSurface = [&](const SurfacePoint& end) {
        if (end.y >= top && end.y <= bottom) return end;
        const double edge = end.y < top ? top : bottom;
        const double t = (edge - from.y) / (to.y - from.y);
        return SurfacePoint{from.x + (to.x - from.x) * t, edge};
    };
    return SurfaceLine{ontoSurface(from), ontoSurface(to)};
}

}  // namespace

GraphScale computeGraphScale(const ComparisonPairs& pairs) {
    GraphScale scale{.leftX = 9999, .rightX = -9999, .topY = 9999, .bottomY = -9999};
    for (int k = 0; k < pairs.count; ++k) {
        const double x = pairs.measured[k];
        const double y = pairs.catalog[k];
        if (scale.rightX < x) scale.rightX = x;
        if (scale.leftX > x) scale.leftX = x;
        if (scale.bottomY < y) scale.bottomY = y;
        if (scale.topY > y) scale.topY = y;
    }
    const double dx = scale.rightX - scale.leftX;
    scale.rightX = scale.rightX + dx / 10;
    scale.leftX = scale.leftX - dx / 10;
    const double dy = scale.bottomY - scale.topY;
    scale.bottomY = scale.bottomY + dy / 10;
    scale.topY = scale.topY - dy / 10;
    return scale;
}

bool hasDrawableSpans(const GraphScale& scale) {
    const double dx = scale.rightX - scale.leftX;
    const double dy = scale.bottomY - scale.topY;
    return std::isfinite(dx) && std::isfinite(dy) && dx > 0 && dy > 0;
}

double surfaceCoordinate(double value, double low, double high) {
    return std::floor(((value - low) / (high - low)) * kGraphExtent);
}

std::optional<SurfaceLine> visibleOffsetLine(const GraphScale& scale, double a, double b,
                                             double offset) {
    const double yLeft = a * scale.leftX + b + offset;
    const double yRight = a * scale.rightX + b + offset;
    const double pyLeft = surfaceCoordinate(yLeft, scale.topY, scale.bottomY);
    const double pyRight = surfaceCoordinate(yRight, scale.topY, scale.bottomY);
    if (!std::isfinite(pyLeft) || !std::isfinite(pyRight)) return std::nullopt;
    return clipToSurface(SurfaceLine{{0, pyLeft}, {kGraphExtent, pyRight}});
}

std::optional<std::string> pointerReadoutText(const GraphScale& scale, double x, double y) {
    if (!hasDrawableSpans(scale)) return std::nullopt;
    const double valueX = scale.leftX + x * (scale.rightX - scale.leftX) / kGraphExtent;
    const double valueY = scale.topY + y * (scale.bottomY - scale.topY) / kGraphExtent;
    if (!std::isfinite(valueX) || !std::isfinite(valueY)) return std::nullopt;
    return "X=" + formatNumber(valueX, "#####.00") + " / Y=" + formatNumber(valueY, "####.00");
}

}  // namespace lumitrak
