#include "ui/main/form1_layout.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>
#include <initializer_list>
#include <limits>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "core/results.h"
#include "ui/common/palette.h"
#include "ui/common/qt_text.h"
#include "ui/common/window_scale.h"
#include "ui/main/import_area.h"
#include "ui/main/screen_fit.h"

namespace lumitrak {

namespace {

using C = Form1Controls;

// The client area as the layout was drawn, in twips.
constexpr int kClientWidthTwips = 13716;
constexpr int kClientHeightTwips = 8640;

// How a control looks and behaves. Its widget class follows from the member that keeps it.
enum class Kind {
    Frame,    // QGroupBox, grey
    Field,    // single-line QLineEdit, white
    Area,     // the multi-line import area, grey
    Heading,  // QLabel without border, grey
    Result,   // QLabel with a single-line border, centred, white
    Fit,      // QLabel with a single-line border, left-aligned, grey
    Button,   // QPushButton
    Option,   // QRadioButton of the source-program group, grey
};
constexpr Kind kFrame = Kind::Frame;
constexpr Kind kField = Kind::Field;
constexpr Kind kArea = Kind::Area;
constexpr Kind kHeading = Kind::Heading;
constexpr Kind kResult = Kind::Result;
constexpr Kind kFit = Kind::Fit;
constexpr Kind kButton = Kind::Button;
constexpr Kind kOption = Kind::Option;

// What a control stands in: the window's client area or one of the three frames.
enum class In { Client, Frame1, Frame2, Frame3 };
constexpr In kClient = In::Client;
constexpr In kFrame1 = In::Frame1;
constexpr In kFrame2 = In::Frame2;
constexpr In kFrame3 = In::Frame3;

struct ControlRow;

// Where the builder keeps a control: a member of Form1Controls, or for an array member its
// element `index`. The member's type is the widget class the builder makes.
struct Binding {
    QWidget* (*build)(Form1Controls& controls, const ControlRow& row, QWidget* parent,
                      double scale);
    std::size_t index = 0;
};

// One control of the window. Its place and size are in twips as drawn, within its parent.
struct ControlRow {
    std::string name;  // the object name
    Kind kind;
    In in;
    int left, top, width, height;
    std::string_view caption;
    std::string spokenName;    // what a screen reader calls it, unlike any other control
    std::string_view toolTip;  // for a control whose caption alone does not say what it does
    Binding member;
};

// A field's background and text, or a label's, an option's or a frame's (whose title Fusion
// draws in the Text colour).
void setColours(QWidget* widget, QPalette::ColorRole background, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(background, colour);
    for (const QPalette::ColorRole text : {QPalette::WindowText, QPalette::Text})
        palette.setColor(text, kBlack);
    palette.setColor(QPalette::PlaceholderText, kHintGrey);
    widget->setPalette(palette);
}

void paintBackground(QWidget* widget, const QColor& colour) {
    setColours(widget, widget->backgroundRole(), colour);
    widget->setAutoFillBackground(true);
}

// Each widget class takes its row's caption and look, and tells the height one line of its text
// needs, or 0. Fonts with a tall line, as Japanese fonts have, may need more than the layout
// gives.
int dress(QGroupBox* frame, const ControlRow& row) {
    Q_ASSERT(row.kind == kFrame);
    frame->setTitle(toQString(row.caption));
    paintBackground(frame, kGrey);
    return 0;
}

int dress(QLineEdit* field, const ControlRow& row) {
    Q_ASSERT(row.kind == kField);
    field->setText(toQString(row.caption));
    // Any text of any length; nothing is checked while typing.
    field->setMaxLength(std::numeric_limits<int>::max());
    setColours(field, QPalette::Base, kWhite);
    return 0;
}

int dress(ImportArea* area, const ControlRow& row) {
    Q_ASSERT(row.kind == kArea);
    area->setPlainText(toQString(row.caption));
    setColours(area, QPalette::Base, kGrey);
    return 0;
}

int dress(QLabel* label, const ControlRow& row) {
    // Captions are results and texts from the sheet, never markup.
    label->setTextFormat(Qt::PlainText);
    label->setText(toQString(row.caption));
    // Labels lie beneath the fields and buttons they touch, as lightweight labels always did.
    label->lower();
    const int line = label->fontMetrics().height();
    if (row.kind == kHeading) {
        // A heading shows the grey it stands on; it must not paint over a neighbour's border.
        paintBackground(label, kGrey);
        label->setAutoFillBackground(false);
        return line;
    }
    Q_ASSERT(row.kind == kResult || row.kind == kFit);
    label->setFrameStyle(QFrame::Box | QFrame::Plain);
    label->setLineWidth(1);
    // A result can be selected with the mouse or the keyboard and copied, also from its context
    // menu. It takes the focus when clicked and never by Tab, so the keyboard order stays.
    label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    label->setFocusPolicy(Qt::ClickFocus);
    if (row.kind == kResult) {
        label->setAlignment(Qt::AlignCenter);
        paintBackground(label, kWhite);
    } else {
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        paintBackground(label, kGrey);
    }
    return line + 2 * label->frameWidth();
}

int dress(QPushButton* button, const ControlRow& row) {
    Q_ASSERT(row.kind == kButton);
    button->setText(toQString(row.caption));
    button->setAutoDefault(false);
    const int frame = button->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
    return button->fontMetrics().height() + 2 * frame;
}

int dress(QRadioButton* option, const ControlRow& row) {
    Q_ASSERT(row.kind == kOption);
    option->setText(toQString(row.caption));
    paintBackground(option, kGrey);
    return option->fontMetrics().height();
}

template <typename Widget>
Widget* build(const ControlRow& row, QWidget* parent, double scale) {
    auto* widget = new Widget(parent);
    widget->setObjectName(toQString(row.name));
    QRect pixels = twipsToPixelRect(QRect(row.left, row.top, row.width, row.height), scale);
    // Never lower than one line of its text; the top stays where it was drawn.
    pixels.setHeight(std::max(pixels.height(), dress(widget, row)));
    widget->setGeometry(pixels);
    widget->setAccessibleName(toQString(row.spokenName));
    if (!row.toolTip.empty()) widget->setToolTip(toQString(row.toolTip));
    return widget;
}

template <typename Widget>
Widget*& slotOf(Widget*& member, std::size_t) {
    return member;
}

template <typename Widget, std::size_t size>
Widget*& slotOf(std::array<Widget*, size>& member, std::size_t index) {
    Q_ASSERT(index < size);
    return member[index];
}

template <auto member>
QWidget* buildInto(Form1Controls& controls, const ControlRow& row, QWidget* parent, double scale) {
    auto*& slot = slotOf(controls.*member, row.member.index);
    slot =
        build<std::remove_pointer_t<std::remove_reference_t<decltype(slot)>>>(row, parent, scale);
    return slot;
}

template <auto member>
constexpr Binding keep(std::size_t index = 0) {
    return {&buildInto<member>, index};
}

// Headings are kept nowhere: nothing reads them once they stand.
QWidget* buildHeading(Form1Controls&, const ControlRow& row, QWidget* parent, double scale) {
    return build<QLabel>(row, parent, scale);
}
constexpr Binding kNotKept{&buildHeading};

// The families' names: rows 16 to 20 and slots 6 to 8 are numbered after other controls.
std::string numbered(const char* kind, int number) { return kind + std::to_string(number); }
std::string rowMeasured(int k) { return numbered("Text", k <= 15 ? 2 * k - 1 : 2 * k + 6); }
std::string rowCatalog(int k) { return numbered("Text", k <= 15 ? 2 * k : 2 * k + 7); }
std::string rowClear(int k) { return numbered("Command", k <= 15 ? k + 1 : k + 12); }
std::string rowSelect(int k) { return numbered("Command", k + 35); }
std::string slotMagnitude(int n) { return numbered("Text", n <= 5 ? n + 31 : n + 42); }
std::string slotError(int n) { return numbered("Text", n + 50); }
std::string slotClear(int n) { return numbered("Command", n <= 5 ? n + 18 : n + 27); }

// "比較星 3 測光値", "平均 2 等級": the family, the number, and what the control is.
std::string spokenRow(int k, const char* what) {
    return "比較星 " + std::to_string(k) + " " + what;
}
std::string spokenSlot(int n, const char* what) { return "平均 " + std::to_string(n) + " " + what; }

// A result's label, kept where the result stands in kResultCaptions, and its spoken name.
Binding keepResult(Result result) { return keep<&C::resultLabels>(resultIndex(result)); }
std::string spokenResult(Result result) {
    return std::string(kResultCaptions[resultIndex(result)].spokenName);
}

// The caption of option button i.
std::string_view programName(std::size_t i) { return sourceProgramName(kSourcePrograms[i]); }

// A comparison row every 360 twips from 720 down, an averaging slot every 480 from 360 down.
int rowTop(int k) { return 720 + 360 * (k - 1); }
int slotTop(int n) { return 360 + 480 * (n - 1); }

constexpr std::string_view kRowClearTip = "この行の測光値とｶﾀﾛｸﾞ値を消します";
constexpr std::string_view kRowSelectTip =
    "この行の測光値を変光星の測光値にして、ｶﾀﾛｸﾞ値のない行の測光値を消します";
constexpr std::string_view kSlotClearTip = "この欄の等級と測光ｴﾗｰを消します";
constexpr std::string_view kClearMeasuredTip = "比較星の測光値をすべて消します";
constexpr std::string_view kClearCatalogTip = "比較星のｶﾀﾛｸﾞ値をすべて消します";
constexpr std::string_view kReportTip = "AAVSO と VSNET への報告を作ります (Ctrl+R)";
constexpr std::string_view kCopyTip = "Ctrl+Shift+C で9つの結果をタブ区切りの1行でコピーします";

// Every control of the window, in the keyboard order: Tab walks the rows from the top and passes
// over the frames, headings and results. A frame comes before the controls it holds.
std::vector<ControlRow> form1Table() {
    std::vector<ControlRow> rows;
    const auto add = [&rows](std::initializer_list<ControlRow> more) {
        rows.insert(rows.end(), more);
    };
    // clang-format off
    using enum Result;
    add({
        // name            kind      in        left         top  width  height  caption                 spoken name                      tooltip            member
        {"Frame1",         kFrame,   kClient,   120,        120,  3255,   8415, "比較星",               "比較星",                        {},                keep<&C::frames>(0)},
        {"Frame2",         kFrame,   kClient,  3600,        120,  4335,   3375, "変光星",               "変光星",                        {},                keep<&C::frames>(1)},
        {"Frame3",         kFrame,   kClient,  3600,       3600,  4335,   4335, "平均の算出",           "平均の算出",                    {},                keep<&C::frames>(2)},
        {"Label1",         kHeading, kFrame1,   360,        360,   735,    255, "測光値",               "比較星の測光値 見出し",         {},                kNotKept},
        {"Label2",         kHeading, kFrame1,  1440,        360,   975,    255, "ｶﾀﾛｸﾞ値",              "ｶﾀﾛｸﾞ値 見出し",                {},                kNotKept},
        {"Label3",         kHeading, kFrame1,  2640,        360,   495,    255, "ｸﾘｱ",                  "ｸﾘｱ 見出し",                    {},                kNotKept},
    });
    for (int k = 1; k <= kComparisonRows; ++k) add({
        {rowMeasured(k),   kField,   kFrame1,   240,  rowTop(k),  1095,    315, "",                     spokenRow(k, "測光値"),          {},                keep<&C::measuredFields>(k - 1)},
        {rowCatalog(k),    kField,   kFrame1,  1440,  rowTop(k),  1095,    315, "",                     spokenRow(k, "ｶﾀﾛｸﾞ値"),         {},                keep<&C::catalogFields>(k - 1)},
    });
    add({
        {"Command1",       kButton,  kClient,  3600,       8040,  2535,    495, "比較星データ全クリア", "比較星データ全クリア",          {},                keep<&C::clearAllButton>()},
    });
    for (int k = 1; k <= kComparisonRows; ++k) add({
        {rowClear(k),      kButton,  kFrame1,  2640,  rowTop(k),   255,    375, "c",                    spokenRow(k, "クリア"),          kRowClearTip,      keep<&C::rowClearButtons>(k - 1)},
    });
    add({
        {"Label4",         kHeading, kFrame2,   240,        360,   855,    255, "測光値",               "変光星の測光値 見出し",         {},                kNotKept},
        {"Text31",         kField,   kFrame2,   240,        720,   975,    405, "",                     "変光星の測光値",                {},                keep<&C::variableMeasuredField>()},
        {"Label5",         kHeading, kFrame2,  1320,        360,  1575,    255, "変光星の等級",         "変光星の等級 見出し",           {},                kNotKept},
        {"Label6",         kResult,  kFrame2,  1320,        720,  1335,    375, "--.--",                spokenResult(Magnitude),         kCopyTip,          keepResult(Magnitude)},
        {"Label7",         kHeading, kFrame2,  3000,        360,   975,    255, "測光ｴﾗｰ",              "測光ｴﾗｰ 見出し",                {},                kNotKept},
        {"Label8",         kResult,  kFrame2,  2760,        720,  1335,    375, "--.--",                spokenResult(Error),             kCopyTip,          keepResult(Error)},
        {"Command17",      kButton,  kFrame2,  2760,       1320,  1335,    375, "測光",                 "測光",                          {},                keep<&C::measureButton>()},
        // Beside the measure button, clear of the drawn controls and of Label9's caption.
        {"Command56",      kButton,  kFrame2,  1800,       1320,   855,    375, "報告",                 "観測報告",                      kReportTip,        keep<&C::reportButton>()},
        {"Label9",         kHeading, kFrame2,   240,       1560,  3855,    375, "比較星の近似結果",     "比較星の近似結果 見出し",       {},                kNotKept},
        {"Label10",        kFit,     kFrame2,   240,       1920,  3855,    375, kFormulaHintCaption,    spokenResult(Slope),             kCopyTip,          keepResult(Slope)},
        {"Label12",        kFit,     kFrame2,   240,       2400,  3855,    375, "",                     spokenResult(Constant),          kCopyTip,          keepResult(Constant)},
        {"Label16",        kFit,     kFrame2,   240,       2880,  3855,    375, "",                     spokenResult(Correlation),       kCopyTip,          keepResult(Correlation)},
    });
    for (int n = 1; n <= kAveragingSlots; ++n) add({
        {slotMagnitude(n), kField,   kFrame3,   240, slotTop(n),   975,    405, "",                     spokenSlot(n, "等級"),           {},                keep<&C::slotMagnitudeFields>(n - 1)},
    });
    for (int n = 1; n <= kAveragingSlots; ++n) add({
        {slotError(n),     kField,   kFrame3,  1320, slotTop(n),   975,    405, "",                     spokenSlot(n, "測光ｴﾗｰ"),        {},                keep<&C::slotErrorFields>(n - 1)},
    });
    add({
        {"Command18",      kButton,  kFrame3,  2880,        360,  1215,    495, "平均計算",             "平均計算",                      {},                keep<&C::averageButton>()},
        {"Label11",        kHeading, kFrame3,  2760,        960,   855,    375, "平均値",               "平均値 見出し",                 {},                kNotKept},
        {"Label14",        kResult,  kFrame3,  2880,       1320,  1335,    375, "--.--",                spokenResult(Mean),              kCopyTip,          keepResult(Mean)},
        {"Label13",        kHeading, kFrame3,  2760,       1680,  1335,    375, "測光ｴﾗｰ",              "平均値の測光ｴﾗｰ 見出し",        {},                kNotKept},
        {"Label15",        kResult,  kFrame3,  2880,       2040,  1335,    375, "--.--",                spokenResult(MeanError),         kCopyTip,          keepResult(MeanError)},
        {"Label17",        kHeading, kFrame3,  2760,       2520,  1335,    255, "加重平均",             "加重平均 見出し",               {},                kNotKept},
        {"Label19",        kResult,  kFrame3,  2880,       2880,  1335,    375, "--.--",                spokenResult(WeightedMean),      kCopyTip,          keepResult(WeightedMean)},
        {"Label18",        kHeading, kFrame3,  2760,       3360,  1455,    375, "加重平均誤差",         "加重平均誤差 見出し",           {},                kNotKept},
        {"Label20",        kResult,  kFrame3,  2880,       3720,  1335,    375, "--.--",                spokenResult(WeightedMeanError), kCopyTip,          keepResult(WeightedMeanError)},
    });
    add({
        {slotClear(1),     kButton,  kFrame3,  2400, slotTop(1),   255,    390, "c",                    spokenSlot(1, "クリア"),         kSlotClearTip,     keep<&C::slotClearButtons>(0)},
    });
    for (int n = 2; n <= kAveragingSlots; ++n) add({
        {slotClear(n),     kButton,  kFrame3,  2400, slotTop(n),   255,    375, "c",                    spokenSlot(n, "クリア"),         kSlotClearTip,     keep<&C::slotClearButtons>(n - 1)},
    });
    add({
        {"Command24",      kButton,  kClient,  6240,       8040,  1695,    495, "比較星グラフ",         "比較星グラフ",                  {},                keep<&C::graphButton>()},
        {"Command25",      kButton,  kFrame1,   240,       8040,  1095,    270, "Clear",                "測光値の列をクリア",            kClearMeasuredTip, keep<&C::clearMeasuredButton>()},
        {"Command26",      kButton,  kFrame1,  1440,       8040,  1095,    270, "Clear",                "ｶﾀﾛｸﾞ値の列をクリア",           kClearCatalogTip,  keep<&C::clearCatalogButton>()},
        {"Text37",         kArea,    kClient,  8040,        240,  5415,   7695, "",                     "取り込みテキスト",              {},                keep<&C::importArea>()},
        {"Command27",      kButton,  kClient, 11400,       8040,  2055,    495, "比較星測光値",         "比較星測光値",                  {},                keep<&C::importButton>()},
        {"Option1",        kOption,  kClient,  8160,       8040,  1095,    495, programName(0),         std::string(programName(0)),     {},                keep<&C::options>(0)},
        {"Option2",        kOption,  kClient,  9120,       8040,  1095,    495, programName(1),         std::string(programName(1)),     {},                keep<&C::options>(1)},
        {"Option3",        kOption,  kClient, 10200,       8040,  1095,    495, programName(2),         std::string(programName(2)),     {},                keep<&C::options>(2)},
    });
    for (int k = 1; k <= kComparisonRows; ++k) add({
        {rowSelect(k),     kButton,  kFrame1,  2880,  rowTop(k),   255,    375, "s",                    spokenRow(k, "を変光星に選ぶ"),  kRowSelectTip,     keep<&C::rowSelectButtons>(k - 1)},
    });
    // clang-format on
    return rows;
}

}  // namespace

Form1Controls buildForm1Controls(QWidget* form) {
    const double scale = layoutScale(form);
    // The controls stand on a client of the drawn size, which the window scrolls when the screen
    // is too small for it.
    auto* client = new QWidget(form);
    client->setObjectName(QStringLiteral("Form1Client"));
    paintBackground(client, kGrey);
    client->setFixedSize(
        twipsToPixelRect(QRect(0, 0, kClientWidthTwips, kClientHeightTwips), scale).size());

    Form1Controls controls;
    QWidget* previous = nullptr;  // the last control so far that Tab stops at
    for (const ControlRow& row : form1Table()) {
        QWidget* parent =
            row.in == kClient ? client : controls.frames[static_cast<std::size_t>(row.in) - 1];
        Q_ASSERT(parent);
        QWidget* control = row.member.build(controls, row, parent, scale);
        if (!(control->focusPolicy() & Qt::TabFocus)) continue;
        if (previous) QWidget::setTabOrder(previous, control);
        previous = control;
    }

    // The three source programs form one group in which exactly one is selected.
    auto* group = new QButtonGroup(form);
    group->setExclusive(true);
    for (std::size_t i = 0; i < controls.options.size(); ++i)
        group->addButton(controls.options[i], static_cast<int>(i));
    controls.options[0]->setChecked(true);

    auto* scroller = new QScrollArea(form);
    scroller->setFrameShape(QFrame::NoFrame);
    // Tab moves along the controls; the area only follows the focus.
    scroller->setFocusPolicy(Qt::NoFocus);
    scroller->setWidget(client);
    auto* layout = new QVBoxLayout(form);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroller);
    keepOnScreen(form, client, scroller);
    return controls;
}

}  // namespace lumitrak
