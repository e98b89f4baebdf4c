#include "ui/graph/graph_image.h"

#include <QLineF>
#include <QPainter>
#include <QPen>
#include <QRect>
#include <QRectF>
#include <cmath>

namespace lumitrak {
namespace {

QLineF toPixels(const SurfaceLine& line) {
    return QLineF(line.from.x / kTwipsPerPixel, line.from.y / kTwipsPerPixel,
                  line.to.x / kTwipsPerPixel, line.to.y / kTwipsPerPixel);
}

}  // namespace

int pixelOf(double surfaceCoordinate) {
    return static_cast<int>(std::floor(surfaceCoordinate / kTwipsPerPixel));
}

QImage renderComparisonGraph(const ComparisonGraph& graph, qreal devicePixelRatio) {
    const int deviceSide = static_cast<int>(std::lround(kGraphSidePixels * devicePixelRatio));
    QImage image(deviceSide, deviceSide, QImage::Format_RGB32);
    image.setDevicePixelRatio(devicePixelRatio);
    QPainter painter(&image);

    // A filled rectangle over the whole surface: the plot's grey background.
    painter.fillRect(QRectF(0, 0, kGraphSidePixels, kGraphSidePixels), kGrey);

    // Dots: the disc a round pen kDotPenWidth pixels wide leaves on the pixel that holds the
    // star, a 5 x 5 square without its corner pixels.
    const int radius = (kDotPenWidth - 1) / 2;
    for (const SurfacePoint& dot : graph.dots) {
        // Dots lie well inside the surface, so the conversion to a pixel cannot overflow.
        const int column = pixelOf(dot.x);
        const int row = pixelOf(dot.y);
        painter.fillRect(QRect(column - radius, row - radius + 1, kDotPenWidth, kDotPenWidth - 2),
                         kDarkBlue);
        painter.fillRect(QRect(column - radius + 1, row - radius, kDotPenWidth - 2, kDotPenWidth),
                         kDarkBlue);
    }

    painter.setPen(QPen(kBlack, kLinePenWidth));
    painter.drawLine(toPixels(graph.diagonal));
    for (const SurfaceLine& line : graph.offsetLines) painter.drawLine(toPixels(line));
    return image;
}

}  // namespace lumitrak
