#include "ui/graph/form2.h"

#include <QLabel>
#include <QScreen>
#include <algorithm>
#include <optional>
#include <string>

#include "core/comparison_graph.h"
#include "ui/common/qt_text.h"
#include "ui/common/window_scale.h"
#include "ui/graph/graph_image.h"
#include "ui/graph/graph_picture.h"

namespace lumitrak {
namespace {

// The client area, Picture1 and Label1 in twips, as the window was drawn for a 9-point font.
constexpr QRect kClientTwips(0, 0, 4524, 4968);
constexpr QRect kPictureTwips(0, 0, kGraphExtent, kGraphExtent);
constexpr QRect kLabelTwips(120, 4560, 4335, 255);

}  // namespace

Form2::Form2(const PhotometrySheet& sheet, QWidget* parent)
    : QWidget(parent,
              Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      picture_(new GraphPicture(this)),
      label_(new QLabel(this)) {
    setObjectName("Form2");
    setWindowTitle(QStringLiteral("比較星グラフ"));
    setAttribute(Qt::WA_DeleteOnClose);

    const ComparisonGraph graph = drawComparisonGraph(sheet);
    scale_ = graph.scale;
    label_->setObjectName("Label1");
    label_->setText(toQString(graph.explanation));
    picture_->setAccessibleName(QStringLiteral("比較星グラフの図"));
    const QString description = toQString(describeComparisonGraph(sheet, graph));
    picture_->setAccessibleDescription(description);
    setAccessibleDescription(description);

    // The window grows with the interface font as the main window does: the plot as a whole, and
    // the label at least as high as a line of the read-out and as large as the explanation, whose
    // Japanese may come from a taller fallback font.
    const double grown = layoutScale(this);
    QRect label = twipsToPixelRect(kLabelTwips, grown);
    label.setSize(label.size().expandedTo(label_->sizeHint()));
    label.setHeight(std::max(label.height(), label_->fontMetrics().height()));
    label_->setGeometry(label);
    QSize client = twipsToPixelRect(kClientTwips, grown).size();
    client = client.expandedTo(QSize(label.right() + 1, label.bottom() + 1));
    setFixedSize(client);

    const QScreen* shownOn = screen();
    const qreal devicePixelRatio = shownOn ? shownOn->devicePixelRatio() : 1.0;
    image_ = renderComparisonGraph(graph, devicePixelRatio * grown);
    image_.setDevicePixelRatio(devicePixelRatio);
    picture_->setGeometry(twipsToPixelRect(kPictureTwips, grown));
    picture_->setImage(image_);

    connect(picture_, &GraphPicture::pointerMoved, this, &Form2::Picture1_MouseMove);
}

QImage Form2::graphImage() const { return image_; }

void Form2::showPointerReadout(double x, double y) {
    if (const std::optional<std::string> text = pointerReadoutText(scale_, x, y)) {
        label_->setText(toQString(*text));
    }
}

void Form2::Picture1_MouseMove(float x, float y) { showPointerReadout(x, y); }

}  // namespace lumitrak
