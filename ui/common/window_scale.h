#pragma once
// Both windows were drawn in twips for a 9-point interface font; these turn that drawing into
// pixels for the font the desktop actually uses.

#include <QRect>

class QWidget;

namespace lumitrak {

// At 96 dots per inch a pixel is 15 twips; Qt's high-DPI scaling takes it from there.
inline constexpr int kTwipsPerPixel = 15;
// The layouts were drawn for a 9-point interface font, 12 pixels at 96 dots per inch.
inline constexpr double kDrawnFontPixels = 12.0;

// The rectangle in pixels, `scale` times as large as drawn. Edges are rounded rather than sizes,
// so controls that meet or stand apart in twips still do in pixels.
QRect twipsToPixelRect(const QRect& twips, double scale = 1.0);

// How much larger than drawn a window is built for an interface font of `fontPixels` pixels:
// 1 up to the font the layout was drawn for, in proportion to the font's size above it.
double layoutScale(double fontPixels);

// The scale for the font `window` shows its texts in.
double layoutScale(const QWidget* window);

}  // namespace lumitrak
