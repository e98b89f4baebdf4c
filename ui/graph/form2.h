#pragma once
// Form2, the comparison-star graph window: drawn once while it loads, then it only answers
// pointer movement over the plot with the data coordinates under the pointer.

#include <QImage>
#include <QWidget>

#include "core/graph_geometry.h"
#include "core/sheet.h"

class QLabel;

namespace lumitrak {

class GraphPicture;

class Form2 : public QWidget {
    Q_OBJECT
public:
    // Loads the window: draws the graph of `sheet`, whose fit captions the caller has refreshed,
    // into the retained image. The window keeps no reference to the sheet; closing it deletes it.
    explicit Form2(const PhotometrySheet& sheet, QWidget* parent = nullptr);

    QImage graphImage() const;

public slots:
    // Writes the data coordinates under the surface point (x, y) into Label1; leaves the
    // label's explanation when the scale gives them no meaning.
    void showPointerReadout(double x, double y);

private slots:
    void Picture1_MouseMove(float x, float y);

private:
    GraphScale scale_;
    QImage image_;
    GraphPicture* picture_;
    QLabel* label_;
};

}  // namespace lumitrak
