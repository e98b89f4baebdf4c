#pragma once
// Where every control of the main window stands, in twips as the layout was drawn, what a screen
// reader calls it, and how the controls are built from that description.

#include <QRect>
#include <QSize>
#include <QString>
#include <array>

#include "core/sheet.h"
#include "ui/common/window_scale.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace lumitrak {

class ImportArea;

inline constexpr int kClientWidthTwips = 13716;
inline constexpr int kClientHeightTwips = 8640;

enum class ControlKind {
    Frame,        // QGroupBox, grey
    Field,        // single-line QLineEdit, white
    ImportArea,   // the multi-line import area, grey
    Heading,      // QLabel without border, grey
    ResultLabel,  // QLabel with a single-line border, centred, white
    FitLabel,     // QLabel with a single-line border, left-aligned, grey
    Button,       // QPushButton
    Option,       // QRadioButton of the source-program group, grey
};

// One control that is not part of a repeated family. `frame` is the name of the frame it
// stands in, or nullptr for the window's client area; positions are relative to that parent.
struct ControlSpec {
    const char* name;
    ControlKind kind;
    const char* caption;           // UTF-8
    int left, top, width, height;  // twips
    const char* frame;
};

// The repeated families: comparison rows 1..20 and averaging slots 1..8. Each member has a name
// of its own for screen readers, and the buttons a tooltip that says what they do.
struct FamilySpec {
    QString name;
    ControlKind kind;
    const char* caption;
    QRect twips;
    const char* frame;
    QString accessibleName;
    QString toolTip;
};
std::array<FamilySpec, 4> comparisonRowControls(int k);  // measured, catalog, "c", "s"
std::array<FamilySpec, 3> averagingSlotControls(int n);  // magnitude, error, "c"

// Control names of the families (rows 16..20 and slots 6..8 continue after other controls).
QString rowMeasuredFieldName(int k);
QString rowCatalogFieldName(int k);
QString rowClearButtonName(int k);
QString rowSelectButtonName(int k);
QString slotMagnitudeFieldName(int n);
QString slotErrorFieldName(int n);
QString slotClearButtonName(int n);

// Pointers to the controls a command touches, filled by buildForm1Controls.
struct Form1Controls {
    std::array<QLineEdit*, kComparisonRows> measuredFields{};
    std::array<QLineEdit*, kComparisonRows> catalogFields{};
    std::array<QPushButton*, kComparisonRows> rowClearButtons{};
    std::array<QPushButton*, kComparisonRows> rowSelectButtons{};
    std::array<QLineEdit*, kAveragingSlots> slotMagnitudeFields{};
    std::array<QLineEdit*, kAveragingSlots> slotErrorFields{};
    std::array<QPushButton*, kAveragingSlots> slotClearButtons{};
    QLineEdit* variableMeasuredField = nullptr;   // Text31
    QLabel* slopeLabel = nullptr;                 // Label10
    QLabel* constantLabel = nullptr;              // Label12
    QLabel* correlationLabel = nullptr;           // Label16
    QLabel* variableMagnitudeLabel = nullptr;     // Label6
    QLabel* photometricErrorLabel = nullptr;      // Label8
    QLabel* averageLabel = nullptr;               // Label14
    QLabel* averageErrorLabel = nullptr;          // Label15
    QLabel* weightedAverageLabel = nullptr;       // Label19
    QLabel* weightedAverageErrorLabel = nullptr;  // Label20
    std::array<QRadioButton*, 3> options{};       // Option1..Option3 in SourceProgram order
    ImportArea* importArea = nullptr;             // Text37
};

// Creates every control on `form`, named, placed, styled and named for screen readers, and fixes
// the window's size. With an interface font larger than the one the layout was drawn for, every
// position and size grows with the font, so that no caption is cut. The window never reaches past
// its screen's available area: where the layout does not fit, it scrolls.
Form1Controls buildForm1Controls(QWidget* form);

// The window's tab order, first to last.
QStringList form1TabOrder();

}  // namespace lumitrak
