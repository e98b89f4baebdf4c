#pragma once
// Form3, the report window: the night's result as an AAVSO extended line and a VSNET line, made
// from what the observer types here and the main window's results, shown, copied, or appended to
// the report file. It is not modal; the observer code, band, time zone and last chart are kept
// between runs.

#include <QWidget>
#include <functional>
#include <optional>

#include "core/message_boxes.h"
#include "core/observation_report.h"
#include "core/sheet.h"

class QComboBox;
class QLabel;
class QLineEdit;

namespace lumitrak {

class Form3 : public QWidget {
    Q_OBJECT
public:
    // `currentSheet` gives the main window's sheet as it stands; the questions and messages go
    // through `boxes`, which outlive the window.
    Form3(MessageBoxes& boxes, std::function<PhotometrySheet()> currentSheet,
          QWidget* parent = nullptr);
    ~Form3() override;

private:
    // The report of the fields as they stand; a problem is told, and none is returned.
    std::optional<Report> makeReportNow();
    void showReport();
    void appendToFile();
    ReportForm form() const;
    void keepSettings() const;

    MessageBoxes& boxes_;
    std::function<PhotometrySheet()> currentSheet_;
    QLineEdit* starName_;
    QLineEdit* date_;
    QLineEdit* time_;
    QComboBox* timeZone_;
    QComboBox* band_;
    QLineEdit* observerCode_;
    QLineEdit* chart_;
    QLineEdit* checkName_;
    QLineEdit* checkMeasured_;
    QLineEdit* checkCatalog_;
    QLineEdit* rightAscension_;
    QLineEdit* declination_;
    QLineEdit* notes_;
    QComboBox* result_;
    QLabel* checkResult_;
    QLineEdit* aavsoLine_;
    QLineEdit* vsnetLine_;
    QLabel* status_;  // what became of the last append
};

}  // namespace lumitrak
