#include "ui/graph/comparison_graph.h"

#include <algorithm>
#include <cmath>

#include "core/calibration.h"
#include "core/messages.h"
#include "core/numbers.h"

namespace lumitrak {
namespace {

// The fit captions start with four characters, "傾き =" and "定数 =", before the number.
constexpr std::size_t kCaptionNumberStart = 5;

}  // namespace

std::optional<SurfaceLine> offsetLineEnds(const GraphScale& scale, double a, double b,
                                          double offset) {
    const double yLeft = a * scale.leftX + b + offset;
    const double yRight = a * scale.rightX + b + offset;
    const double pyLeft = surfaceCoordinate(yLeft, scale.topY, scale.bottomY);
    const double pyRight = surfaceCoordinate(yRight, scale.topY, scale.bottomY);
    if (!std::isfinite(pyLeft) || !std::isfinite(pyRight)) return std::nullopt;
    return SurfaceLine{{0, pyLeft}, {kGraphExtent, pyRight}};
}

std::optional<SurfaceLine> clipToSurface(const SurfaceLine& line) {
    const double x0 = line.from.x, y0 = line.from.y;
    const double x1 = line.to.x, y1 = line.to.y;
    const double top = 0, bottom = kGraphExtent;
    if ((y0 < top && y1 < top) || (y0 > bottom && y1 > bottom)) return std::nullopt;
    // The parameter range t in 0..1 over which the line stays between top and bottom.
    double tStart = 0, tEnd = 1;
    if (y0 != y1) {
        const double tTop = (top - y0) / (y1 - y0);
        const double tBottom = (bottom - y0) / (y1 - y0);
        tStart = std::max(tStart, std::min(tTop, tBottom));
        tEnd = std::min(tEnd, std::max(tTop, tBottom));
        if (tStart > tEnd) return std::nullopt;
    }
    const auto at = [&](double t) {
        return SurfacePoint{x0 + (x1 - x0) * t, std::clamp(y0 + (y1 - y0) * t, top, bottom)};
    };
    return SurfaceLine{tStart == 0 ? line.from : at(tStart), tEnd == 1 ? line.to : at(tEnd)};
}

ComparisonGraph drawComparisonGraph(PhotometrySheet& sheet) {
    ComparisonGraph graph;
    const bool fitDefined = refreshFitLabels(sheet);

    const ComparisonPairs pairs = sortedComparisonPairs(sheet);
    graph.scale = computeGraphScale(pairs);
    const GraphScale& scale = graph.scale;
    const bool scaleDefined = hasDrawableSpans(scale);

    // The grey rectangle over the whole surface is the renderer's background.
    if (scaleDefined) {
        for (int k = 0; k < pairs.count; ++k) {
            const double px = surfaceCoordinate(pairs.measured[k], scale.leftX, scale.rightX);
            const double py = surfaceCoordinate(pairs.catalog[k], scale.topY, scale.bottomY);
            if (std::isfinite(px) && std::isfinite(py)) graph.dots.push_back({px, py});
        }
    }

    graph.diagonal = {{0, 0}, {kGraphExtent, kGraphExtent}};

    // Without a fit the captions still hold the previous table's line, so no offset lines.
    if (fitDefined && scaleDefined) {
        const double a = textToNumber(textFromCharacter(sheet.slopeCaption, kCaptionNumberStart));
        const double b = textToNumber(textFromCharacter(sheet.constantCaption, kCaptionNumberStart));
        const double e = textToNumber(sheet.photometricErrorCaption);
        for (const double offset : {3 * e, -3 * e, 2 * e, -2 * e}) {
            const std::optional<SurfaceLine> ends = offsetLineEnds(scale, a, b, offset);
            if (!ends) continue;
            if (const std::optional<SurfaceLine> visible = clipToSurface(*ends)) {
                graph.offsetLines.push_back(*visible);
            }
        }
    }

    if (pairs.count < 2) {
        graph.explanation = kGraphNeedsTwoStarsMessage;
    } else if (!fitDefined || !scaleDefined) {
        graph.explanation = kGraphFitUndefinedMessage;
    }
    return graph;
}

}  // namespace lumitrak
