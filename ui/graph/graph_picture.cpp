#include "ui/graph/graph_picture.h"

#include <QMouseEvent>
#include <QPainter>

#include "ui/graph/graph_image.h"

namespace lumitrak {

GraphPicture::GraphPicture(QWidget* parent) : QWidget(parent) {
    setObjectName("Picture1");
    setMouseTracking(true);  // movement without a pressed button must reach the read-out
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void GraphPicture::setImage(const QImage& image) {
    image_ = image;
    update();
}

void GraphPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(QPointF(0, 0), image_);
}

void GraphPicture::mouseMoveEvent(QMouseEvent* event) {
    // The surface may be drawn larger than its 4500 units at 15 to the pixel.
    const QPointF position = event->position() * kGraphExtent / width();
    emit pointerMoved(static_cast<float>(position.x()), static_cast<float>(position.y()));
}

}  // namespace lumitrak
