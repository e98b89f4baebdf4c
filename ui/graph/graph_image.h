#pragma once
// Paints a laid-out comparison graph into an image: the retained drawing of the graph window.

#include <QColor>
#include <QImage>

#include "core/comparison_graph.h"
#include "ui/common/palette.h"
#include "ui/common/window_scale.h"

namespace lumitrak {

// The surface's side in logical pixels.
inline constexpr int kGraphSidePixels = kGraphExtent / kTwipsPerPixel;

// The stars' dots: colour 1 of the standard 16-colour table. The plot stands on the windows' grey
// and its lines are drawn in their black.
inline const QColor kDarkBlue{0, 0, 128};

// Pen widths in logical pixels: a dot is this many pixels across, centred on its point.
inline constexpr int kDotPenWidth = 5;
inline constexpr int kLinePenWidth = 1;

// The logical pixel that holds a surface coordinate.
int pixelOf(double surfaceCoordinate);

// The graph drawn at `devicePixelRatio` device pixels per logical pixel; the image carries that
// ratio, so it paints as kGraphSidePixels logical pixels square.
QImage renderComparisonGraph(const ComparisonGraph& graph, qreal devicePixelRatio);

}  // namespace lumitrak
