#include "core/window_size.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace lumitrak;

TEST(FittedWindowSize, TheMainWindowAtEachFontOnEachScreen) {
    // The main window's client area is 13716 x 8640 twips; the scroll bars are 17 pixels wide.
    constexpr int kBar = 17;
    const std::tuple<PixelSize, double, double, PixelSize> cases[] = {
        // screen room, font pixels, the layout's scale, the window
        {{1920, 1050}, 12, 1, {914, 576}},
        {{1920, 1050}, 9, 1, {914, 576}},  // never smaller than drawn
        {{1920, 1050}, 16, 4.0 / 3, {1219, 768}},
        {{1920, 1050}, 18, 1.5, {1372, 864}},
        {{1366, 728}, 16, 4.0 / 3, {1236, 728}},  // a vertical bar beside the layout
        {{800, 600}, 12, 1, {800, 593}},          // a horizontal bar below it
        {{1000, 576}, 12, 1, {914, 576}},         // just tall enough: no bar
        {{914, 600}, 12, 1, {914, 576}},          // just wide enough
        {{920, 570}, 12, 1, {920, 570}},          // both bars
    };
    for (const auto& [room, font, scale, window] : cases) {
        SCOPED_TRACE(testing::Message() << room.width << "x" << room.height << ", " << font);
        EXPECT_DOUBLE_EQ(layoutScale(font), scale);
        const PixelSize layout{scaledPixels(13716, scale), scaledPixels(8640, scale)};
        EXPECT_EQ(fittedWindowSize(layout, room, kBar), window);
    }
}
