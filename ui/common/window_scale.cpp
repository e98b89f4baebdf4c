#include "ui/common/window_scale.h"

#include <QWidget>

namespace lumitrak {
namespace {

// The font's size in pixels, from points where it was given in points.
double fontPixels(const QWidget* window) {
    const QFont font = window->font();
    if (font.pixelSize() > 0) return font.pixelSize();
    return font.pointSizeF() * window->logicalDpiY() / 72.0;
}

}  // namespace

QRect twipsToPixelRect(const QRect& twips, double scale) {
    const int left = scaledPixels(twips.x(), scale);
    const int top = scaledPixels(twips.y(), scale);
    return QRect(left, top, scaledPixels(twips.x() + twips.width(), scale) - left,
                 scaledPixels(twips.y() + twips.height(), scale) - top);
}

double layoutScale(const QWidget* window) { return layoutScale(fontPixels(window)); }

}  // namespace lumitrak
