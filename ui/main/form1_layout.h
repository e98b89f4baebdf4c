#pragma once
// The main window's controls, built from one table that gives each control its name, kind, place
// in twips as the layout was drawn, caption, spoken name, tooltip and the member that keeps it.

#include <array>

#include "core/results.h"
#include "core/sheet.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace lumitrak {

class ImportArea;

// The controls the window reads, writes and connects, filled by buildForm1Controls.
struct Form1Controls {
    std::array<QGroupBox*, 3> frames{};  // Frame1..Frame3
    std::array<QLineEdit*, kComparisonRows> measuredFields{};
    std::array<QLineEdit*, kComparisonRows> catalogFields{};
    std::array<QPushButton*, kComparisonRows> rowClearButtons{};
    std::array<QPushButton*, kComparisonRows> rowSelectButtons{};
    std::array<QLineEdit*, kAveragingSlots> slotMagnitudeFields{};
    std::array<QLineEdit*, kAveragingSlots> slotErrorFields{};
    std::array<QPushButton*, kAveragingSlots> slotClearButtons{};
    QLineEdit* variableMeasuredField = nullptr;  // Text31
    // Label6, Label8, Label10, Label12, Label16, Label14, Label15, Label19, Label20: the results
    // in the order of kResultCaptions.
    std::array<QLabel*, kResultCaptions.size()> resultLabels{};
    QPushButton* clearAllButton = nullptr;       // Command1
    QPushButton* measureButton = nullptr;        // Command17
    QPushButton* reportButton = nullptr;         // Command56
    QPushButton* averageButton = nullptr;        // Command18
    QPushButton* graphButton = nullptr;          // Command24
    QPushButton* clearMeasuredButton = nullptr;  // Command25
    QPushButton* clearCatalogButton = nullptr;   // Command26
    QPushButton* importButton = nullptr;         // Command27
    std::array<QRadioButton*, 3> options{};      // Option1..Option3 in SourceProgram order
    ImportArea* importArea = nullptr;            // Text37
};

// Creates every control on `form`, named, placed, styled and named for screen readers, in the
// keyboard order, and fixes the window's size. With an interface font larger than the one the
// layout was drawn for, every position and size grows with the font, so that no caption is cut.
// The window never reaches past its screen's available area: where the layout does not fit, it
// scrolls.
Form1Controls buildForm1Controls(QWidget* form);

}  // namespace lumitrak
