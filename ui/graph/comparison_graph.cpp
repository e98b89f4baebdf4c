#include "ui/graph/comparison_graph.h"

#include <cmath>

#include "core/calibration.h"
#include "core/messages.h"
#include "core/numbers.h"

namespace lumitrak {

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
        const double a = textToNumber(captionNumberText(sheet.slopeCaption));
        const double b = textToNumber(captionNumberText(sheet.constantCaption));
        const double e = textToNumber(sheet.photometricErrorCaption);
        for (const double offset : {3 * e, -3 * e, 2 * e, -2 * e}) {
            if (const std::optional<SurfaceLine> line = visibleOffsetLine(scale, a, b, offset)) {
                graph.offsetLines.push_back(*line);
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
