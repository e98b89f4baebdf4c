#pragma once
// Paints a laid-out comparison graph into an image: the retained drawing of the graph window.

#include <QColor>
#include <QImage>

#include "core/comparison_graph.h"
#include "ui/graph/window_scale.h"

namespace lumitrak {

// The surface's side in logical pixels.
inline constexpr int kGraphSidePixels = kGraphExtent / kTwipsPerPixel;

// Colours 7 and 1 of the standard 16-colour table, and the default foreground.
inline const QColor kLightGrey{192, 192, 192};
inline const QColor kDarkBlue{0, 0, 128};
inline const QColor kForeground{0, 0, 0};

// Pen widths in logical pixels: a dot is this many pixels across, centred on its point.
inline constexpr int kDotPenWidth = 5;
inline constexpr int kLinePenWidth = 1;

// The logical pixel that holds a surface coordinate.
int pixelOf(double surfaceCoordinate);

// The graph drawn at `devicePixelRatio` device pixels per logical pixel; the image carries that
// ratio, so it paints as kGraphSidePixels logical pixels square.
QImage renderComparisonGraph(const ComparisonGraph& graph, qreal devicePixelRatio);

}  // namespace lumitrak
