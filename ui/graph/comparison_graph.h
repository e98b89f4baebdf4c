#pragma once
// What the comparison-star graph draws, worked out in surface units without any toolkit: the
// stars' dots, the corner-to-corner diagonal and the lines at 2 and 3 photometric errors about
// the fitted line, plus the scale the pointer read-out needs afterwards.

#include <optional>
#include <string>
#include <vector>

#include "core/sheet.h"
#include "ui/graph/graph_scale.h"

namespace lumitrak {

struct SurfacePoint {
    double x = 0;
    double y = 0;
    bool operator==(const SurfacePoint&) const = default;
};

struct SurfaceLine {
    SurfacePoint from;
    SurfacePoint to;
    bool operator==(const SurfaceLine&) const = default;
};

struct ComparisonGraph {
    GraphScale scale;
    std::vector<SurfacePoint> dots;        // one per plotted star, in sorted order
    SurfaceLine diagonal;                  // (0, 0) to (kGraphExtent, kGraphExtent), always drawn
    std::vector<SurfaceLine> offsetLines;  // +3e, -3e, +2e, -2e; only their parts on the surface
    std::string explanation;               // why something is missing; empty when all is drawn
};

// The heights at the left and right edges of the line magnitude = a x measured value + b + offset,
// rounded towards minus infinity; no value when either is not a finite number.
std::optional<SurfaceLine> offsetLineEnds(const GraphScale& scale, double a, double b,
                                          double offset);

// The part of a line from x = 0 to x = kGraphExtent that lies within 0..kGraphExtent vertically;
// no value when none of it does. Works in double precision, so far-away ends are harmless.
std::optional<SurfaceLine> clipToSurface(const SurfaceLine& line);

// Refreshes the fit captions of `sheet` (the only thing it writes), then lays out the graph from
// the comparison rows and from the slope, constant and error read back from those captions.
ComparisonGraph drawComparisonGraph(PhotometrySheet& sheet);

}  // namespace lumitrak
