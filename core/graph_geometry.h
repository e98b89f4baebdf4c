#pragma once
// The graph's coordinates and lines, worked out without any toolkit: the data values at the
// surface's edges, the conversions between data values and surface units (0..kGraphExtent each
// way, x to the right, y downwards), and the lines about the fitted line cut to the surface.

#include <optional>
#include <string>

#include "core/calibration.h"

namespace lumitrak {

// The width and height of the drawing surface in its own units (twips).
inline constexpr int kGraphExtent = 4500;

struct GraphScale {
    double leftX = 0;    // measured value at x = 0
    double rightX = 0;   // measured value at x = kGraphExtent
    double topY = 0;     // catalog magnitude at y = 0
    double bottomY = 0;  // catalog magnitude at y = kGraphExtent

    bool operator==(const GraphScale&) const = default;
};

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

// The extremes of the used pairs, each widened by a tenth of its span on both sides. With no
// pair it is the inverted start range; with one pair, or equal values, a span is zero.
GraphScale computeGraphScale(const ComparisonPairs& pairs);

// True when both spans are finite and positive, so that a data value has a place on the surface.
bool hasDrawableSpans(const GraphScale& scale);

// The surface coordinate of `value` on an axis running from `low` at 0 to `high` at
// kGraphExtent, rounded towards minus infinity. Not finite when the span is zero.
double surfaceCoordinate(double value, double low, double high);

// The line magnitude = a x measured value + b + offset from x = 0 to x = kGraphExtent, its
// heights at both edges rounded towards minus infinity, cut to the part that lies within
// 0..kGraphExtent vertically. No value when none of it does, or when a height is not a finite
// number. Works in double precision, so far-away ends are harmless.
std::optional<SurfaceLine> visibleOffsetLine(const GraphScale& scale, double a, double b,
                                             double offset);

// The read-out "X=... / Y=..." for the pointer at (x, y) in surface units; no value when the
// scale has no drawable spans, so the window keeps its explanation instead of numbers that
// mean nothing.
std::optional<std::string> pointerReadoutText(const GraphScale& scale, double x, double y);

}  // namespace lumitrak
