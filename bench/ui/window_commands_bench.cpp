// The main window's buttons on a full table of 20 comparison stars and 8 slots, timed as the
// observer meets them: the widgets are read into the sheet, the command runs, the sheet is shown.
// Run with QT_QPA_PLATFORM=offscreen.

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QWidget>
#include <memory>

#include "core/calibration.h"
#include "core/numbers.h"
#include "core/sheet.h"
#include "tests/support/recording_message_boxes.h"
#include "ui/graph/form2.h"
#include "ui/main/form1.h"

namespace {

lumitrak::PhotometrySheet fullSheet() {
    lumitrak::PhotometrySheet sheet;
    for (int k = 1; k <= lumitrak::kComparisonRows; ++k) {
        const double measured = -11.0 + 0.17 * k;
        sheet.comparisonRow(k) = {lumitrak::numberToDecimalText(measured),
                                  lumitrak::numberToDecimalText(21.3 + measured + 0.01 * (k % 3))};
    }
    return sheet;
}

}  // namespace

class WindowCommandsBench : public QObject {
    Q_OBJECT

private slots:
    void init() {
        window_ =
            std::make_unique<lumitrak::Form1>(std::make_unique<lumitrak::RecordingMessageBoxes>());
        const lumitrak::PhotometrySheet sheet = fullSheet();
        for (int k = 1; k <= lumitrak::kComparisonRows; ++k) {
            field(k, true)->setText(QString::fromStdString(sheet.comparisonRow(k).measuredText));
            field(k, false)->setText(QString::fromStdString(sheet.comparisonRow(k).catalogText));
        }
        window_->findChild<QLineEdit*>(QStringLiteral("Text31"))->setText(QStringLiteral("-9.123"));
    }
    void cleanup() { window_.reset(); }

    void measure() {
        auto* lastSlot = window_->findChild<QLineEdit*>(QStringLiteral("Text50"));
        auto* button = window_->findChild<QPushButton*>(QStringLiteral("Command17"));
        QBENCHMARK {
            lastSlot->clear();
            button->click();
        }
    }

    void average() {
        auto* button = window_->findChild<QPushButton*>(QStringLiteral("Command18"));
        QBENCHMARK { button->click(); }
    }

    // The graph window's first drawing: the fit captions refreshed, the retained image drawn.
    void graphFirstDrawing() {
        lumitrak::PhotometrySheet sheet = fullSheet();
        QBENCHMARK {
            lumitrak::refreshFitLabels(sheet);
            lumitrak::Form2 graph(sheet);
        }
    }

private:
    QLineEdit* field(int k, bool measured) const {
        const int number =
            k <= 15 ? (measured ? 2 * k - 1 : 2 * k) : (measured ? 2 * k + 6 : 2 * k + 7);
        return window_->findChild<QLineEdit*>(QStringLiteral("Text%1").arg(number));
    }
    std::unique_ptr<lumitrak::Form1> window_;
};

QTEST_MAIN(WindowCommandsBench)
#include "window_commands_bench.moc"
