#pragma once
// Both windows were drawn in twips for a 9-point interface font; these turn that drawing into
// pixels for the font the desktop actually uses.

#include <QRect>

#include "core/window_size.h"

class QWidget;

namespace lumitrak {

// The rectangle in pixels, `scale` times as large as drawn. Edges are rounded rather than sizes,
// so controls that meet or stand apart in twips still do in pixels.
QRect twipsToPixelRect(const QRect& twips, double scale = 1.0);

// The scale for the font `window` shows its texts in.
double layoutScale(const QWidget* window);

}  // namespace lumitrak
