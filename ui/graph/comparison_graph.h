#pragma once
// What the comparison-star graph draws, in surface units and without any toolkit: the stars'
// dots, the corner-to-corner diagonal and the lines at 2 and 3 photometric errors about the
// fitted line, plus the scale the pointer read-out needs afterwards.

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
    std::string explanation;               // why something is missing; empty when all is drawn
};

// Refreshes the fit captions of `sheet` (the only thing it writes), then lays out the graph from
// the comparison rows and from the slope, constant and error read back from those captions.
ComparisonGraph drawComparisonGraph(PhotometrySheet& sheet);

}  // namespace lumitrak
