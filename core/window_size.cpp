#include "core/window_size.h"

#include <algorithm>
#include <cmath>

namespace lumitrak {

double layoutScale(double fontPixels) { return std::max(1.0, fontPixels / kDrawnFontPixels); }

int scaledPixels(int twips, double scale) {
    return static_cast<int>(std::lround(twips * scale / kTwipsPerPixel));
}

PixelSize fittedWindowSize(PixelSize layout, PixelSize room, int scrollBarExtent) {
    // The vertical bar's width may call for the horizontal bar. The other way round changes no
    // size: a horizontal bar is there only when the window is as wide as the room already.
    const bool vertical = layout.height > room.height;
    const bool horizontal = layout.width + (vertical ? scrollBarExtent : 0) > room.width;
    return {std::min(room.width, layout.width + (vertical ? scrollBarExtent : 0)),
            std::min(room.height, layout.height + (horizontal ? scrollBarExtent : 0))};
}

}  // namespace lumitrak
