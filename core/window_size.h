#pragma once
// Both windows were drawn in twips for a 9-point interface font. These work out, without any
// toolkit, how large a window is built for the font the desktop uses, and how much of it the
// screen has room for.

namespace lumitrak {

// At 96 dots per inch a pixel is 15 twips; Qt's high-DPI scaling takes it from there.
inline constexpr int kTwipsPerPixel = 15;
// The layouts were drawn for a 9-point interface font, 12 pixels at 96 dots per inch.
inline constexpr double kDrawnFontPixels = 12.0;

struct PixelSize {
    int width = 0;
    int height = 0;
    bool operator==(const PixelSize&) const = default;
};

// How much larger than drawn a window is built for an interface font of `fontPixels` pixels:
// 1 up to the font the layout was drawn for, in proportion to the font's size above it.
double layoutScale(double fontPixels);

// A position or length drawn in twips, in pixels at `scale` times the drawn size, rounded.
int scaledPixels(int twips, double scale);

// The window's size for a layout of `layout` pixels in `room` pixels of screen: the whole layout
// where it fits, otherwise the room there is, with space for a scroll bar of `scrollBarExtent`
// pixels wherever one is needed.
PixelSize fittedWindowSize(PixelSize layout, PixelSize room, int scrollBarExtent);

}  // namespace lumitrak
