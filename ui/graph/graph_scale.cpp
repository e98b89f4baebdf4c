#include "ui/graph/graph_scale.h"

#include <cmath>

#include "core/numbers.h"

namespace lumitrak {

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

std::optional<std::string> pointerReadoutText(const GraphScale& scale, double x, double y) {
    if (!hasDrawableSpans(scale)) return std::nullopt;
    const double valueX = scale.leftX + x * (scale.rightX - scale.leftX) / kGraphExtent;
    const double valueY = scale.topY + y * (scale.bottomY - scale.topY) / kGraphExtent;
    if (!std::isfinite(valueX) || !std::isfinite(valueY)) return std::nullopt;
    return "X=" + formatNumber(valueX, "#####.00") + " / Y=" + formatNumber(valueY, "####.00");
}

}  // namespace lumitrak
