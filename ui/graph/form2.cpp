#include "ui/graph/form2.h"

#include <QLabel>
#include <QScreen>
#include <optional>
#include <string>

#include "ui/graph/comparison_graph.h"
#include "ui/graph/graph_image.h"
#include "ui/graph/graph_picture.h"

namespace lumitrak {
namespace {

// The client area, 4524 x 4968 twips, and Label1 at (120, 4560), 4335 x 255 twips, in pixels.
constexpr QSize kClientSize(302, 331);
constexpr QRect kLabelGeometry(8, 304, 289, 17);

}  // namespace

Form2::Form2(PhotometrySheet& sheet, QWidget* parent)
    : QWidget(parent,
              Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      picture_(new GraphPicture(this)),
      label_(new QLabel(this)) {
    setObjectName("Form2");
    setWindowTitle(QStringLiteral("比較星グラフ"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(kClientSize);

    picture_->move(0, 0);
    label_->setObjectName("Label1");
    label_->setGeometry(kLabelGeometry);

    const ComparisonGraph graph = drawComparisonGraph(sheet);
    scale_ = graph.scale;
    const QScreen* shownOn = screen();
    image_ = renderComparisonGraph(graph, shownOn ? shownOn->devicePixelRatio() : 1.0);
    picture_->setImage(image_);
    label_->setText(QString::fromStdString(graph.explanation));

    connect(picture_, &GraphPicture::pointerMoved, this, &Form2::Picture1_MouseMove);
}

const GraphScale& Form2::graphScale() const { return scale_; }

QImage Form2::graphImage() const { return image_; }

void Form2::showPointerReadout(double x, double y) {
    if (const std::optional<std::string> text = pointerReadoutText(scale_, x, y)) {
        label_->setText(QString::fromStdString(*text));
    }
}

void Form2::Picture1_MouseMove(float x, float y) { showPointerReadout(x, y); }

}  // namespace lumitrak
