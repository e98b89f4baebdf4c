#pragma once
// What the comparison-star graph draws, in surface units and without any toolkit: the stars'
// dots, the corner-to-corner diagonal and the lines at 2 and 3 photometric errors about the
// fitted line, plus the scale the pointer read-out needs afterwards; and the same in words.

#include <string>
#include <vector>

#include "core/graph_geometry.h"
#include "core/sheet.h"

namespace lumitrak {

struct ComparisonGraph {
    GraphScale scale;
    std::vector<SurfacePoint> dots;        // one per plotted star, in sorted order
    SurfaceLine diagonal;                  // (0, 0) to (kGraphExtent, kGraphExtent), always drawn
    std::vector<SurfaceLine> offsetLines;  // +3e, -3e, +2e, -2e; only their parts on the surface
    // The rows of the plotted stars that lie beyond two but within three errors of the fitted
    // line, and beyond three; ascending. Both empty without a fit and a scale to draw it on.
    std::vector<int> rowsBeyondTwoErrors;
    std::vector<int> rowsBeyondThreeErrors;
    std::string explanation;  // why something is missing; empty when all is drawn
};

// Lays out the graph from the comparison rows and from the slope, constant and error read back
// from the fit captions, which the caller refreshes first (refreshFitLabels). Writes nothing.
ComparisonGraph drawComparisonGraph(const PhotometrySheet& sheet);

// In words what the graph shows, for a screen reader: the stars plotted, the lines, and which
// rows lie beyond two and three errors; or why something is missing.
std::string describeComparisonGraph(const PhotometrySheet& sheet, const ComparisonGraph& graph);

}  // namespace lumitrak
