#include "core/comparison_graph.h"

#include <algorithm>
#include <cmath>

#include "core/calibration.h"
#include "core/messages.h"
#include "core/numbers.h"

namespace lumitrak {
namespace {

// "比較星 3、12", or "なし" when no row is named.
std::string rowList(const std::vector<int>& rows) {
    if (rows.empty()) return "なし";
    std::string list = "比較星 ";
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (i > 0) list += "、";
        list += std::to_string(rows[i]);
    }
    return list;
}

}  // namespace

ComparisonGraph drawComparisonGraph(const PhotometrySheet& sheet) {
    ComparisonGraph graph;
    const bool fitDefined = computeCalibrationFit(sheet).has_value();

    const ComparisonPairs pairs = sortedComparisonPairs(sheet);
    graph.scale = computeGraphScale(pairs);
    const GraphScale& scale = graph.scale;
    const bool scaleDefined = hasDrawableSpans(scale);

    // The grey rectangle over the whole surface is the renderer's background. On drawable spans
    // every star lies within the margins the scale leaves.
    if (scaleDefined) {
        for (int k = 0; k < pairs.count; ++k) {
            graph.dots.push_back({surfaceCoordinate(pairs.measured[k], scale.leftX, scale.rightX),
                                  surfaceCoordinate(pairs.catalog[k], scale.topY, scale.bottomY)});
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
        for (int k = 0; k < pairs.count; ++k) {
            const double x = pairs.measured[k];
            const double y = pairs.catalog[k];
            // A star on a line is not beyond it, whatever the last digit of the captions.
            const double distance = std::fabs(y - (a * x + b)) - 1e-9 * (1 + std::fabs(y));
            if (distance > 3 * e) {
                graph.rowsBeyondThreeErrors.push_back(pairs.rows[k]);
            } else if (distance > 2 * e) {
                graph.rowsBeyondTwoErrors.push_back(pairs.rows[k]);
            }
        }
        std::sort(graph.rowsBeyondTwoErrors.begin(), graph.rowsBeyondTwoErrors.end());
        std::sort(graph.rowsBeyondThreeErrors.begin(), graph.rowsBeyondThreeErrors.end());
    }

    if (pairs.count < 2) {
        graph.explanation = kGraphNeedsTwoStarsMessage;
    } else if (!fitDefined || !scaleDefined) {
        graph.explanation = kGraphFitUndefinedMessage;
    }
    return graph;
}

std::string describeComparisonGraph(const PhotometrySheet& sheet, const ComparisonGraph& graph) {
    const std::string count =
        "比較星 " + std::to_string(graph.dots.size()) + " 個を表示しています。";
    if (!graph.explanation.empty()) {
        return graph.dots.empty() ? graph.explanation : count + graph.explanation;
    }
    return count + "左上から右下への対角線と、近似直線 (傾き " +
           std::string(captionNumberText(sheet.slopeCaption)) + "、定数 " +
           std::string(captionNumberText(sheet.constantCaption)) +
           ") の上下 2σ と 3σ の線 (σ = " + sheet.photometricErrorCaption +
           ") があります。2σ と 3σ の間: " + rowList(graph.rowsBeyondTwoErrors) +
           "。3σ より外: " + rowList(graph.rowsBeyondThreeErrors) + "。";
}

}  // namespace lumitrak
