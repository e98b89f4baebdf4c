#include "ui/graph/comparison_graph.h"

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
    constexpr double top = 0, bottom = kGraphExtent;
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
        const double b =
            textToNumber(textFromCharacter(sheet.constantCaption, kCaptionNumberStart));
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
