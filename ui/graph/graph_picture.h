#pragma once
// Picture1: the graph window's drawing surface. It shows the retained image and reports the
// pointer position in surface units.

#include <QImage>
#include <QWidget>

namespace lumitrak {

class GraphPicture : public QWidget {
    Q_OBJECT
public:
    explicit GraphPicture(QWidget* parent = nullptr);
    void setImage(const QImage& image);

signals:
    // The pointer position in surface units, single precision; buttons and keys are ignored.
    void pointerMoved(float x, float y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QImage image_;
};

}  // namespace lumitrak
