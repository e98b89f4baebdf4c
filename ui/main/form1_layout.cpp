#include "ui/main/form1_layout.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QStringList>
#include <QStyle>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>
#include <cmath>
#include <limits>

#include "ui/common/palette.h"
#include "ui/common/qt_text.h"
#include "ui/main/import_area.h"
#include "ui/main/screen_fit.h"

namespace lumitrak {

namespace {

constexpr ControlKind kFrame = ControlKind::Frame;
constexpr ControlKind kField = ControlKind::Field;
constexpr ControlKind kHeading = ControlKind::Heading;
constexpr ControlKind kResult = ControlKind::ResultLabel;
constexpr ControlKind kFit = ControlKind::FitLabel;
constexpr ControlKind kButton = ControlKind::Button;
constexpr ControlKind kOption = ControlKind::Option;

// Frames come first so that the controls inside them find their parent.
constexpr ControlSpec kSingleControls[] = {
    // name        kind      caption                          left   top    width  height  frame
    {"Frame1", kFrame, "比較星", 120, 120, 3255, 8415, nullptr},
    {"Frame2", kFrame, "変光星", 3600, 120, 4335, 3375, nullptr},
    {"Frame3", kFrame, "平均の算出", 3600, 3600, 4335, 4335, nullptr},
    {"Command1", kButton, "比較星データ全クリア", 3600, 8040, 2535, 495, nullptr},
    {"Command24", kButton, "比較星グラフ", 6240, 8040, 1695, 495, nullptr},
    {"Text37", ControlKind::ImportArea, "", 8040, 240, 5415, 7695, nullptr},
    {"Option1", kOption, "IRIS", 8160, 8040, 1095, 495, nullptr},
    {"Option2", kOption, "Makari", 9120, 8040, 1095, 495, nullptr},
    {"Option3", kOption, "S.Image", 10200, 8040, 1095, 495, nullptr},
    {"Command27", kButton, "比較星測光値", 11400, 8040, 2055, 495, nullptr},

    {"Label1", kHeading, "測光値", 360, 360, 735, 255, "Frame1"},
    {"Label2", kHeading, "ｶﾀﾛｸﾞ値", 1440, 360, 975, 255, "Frame1"},
    {"Label3", kHeading, "ｸﾘｱ", 2640, 360, 495, 255, "Frame1"},
    {"Command25", kButton, "Clear", 240, 8040, 1095, 270, "Frame1"},
    {"Command26", kButton, "Clear", 1440, 8040, 1095, 270, "Frame1"},

    {"Label4", kHeading, "測光値", 240, 360, 855, 255, "Frame2"},
    {"Text31", kField, "", 240, 720, 975, 405, "Frame2"},
    {"Label5", kHeading, "変光星の等級", 1320, 360, 1575, 255, "Frame2"},
    {"Label6", kResult, "--.--", 1320, 720, 1335, 375, "Frame2"},
    {"Label7", kHeading, "測光ｴﾗｰ", 3000, 360, 975, 255, "Frame2"},
    {"Label8", kResult, "--.--", 2760, 720, 1335, 375, "Frame2"},
    {"Command17", kButton, "測光", 2760, 1320, 1335, 375, "Frame2"},
    {"Label9", kHeading, "比較星の近似結果", 240, 1560, 3855, 375, "Frame2"},
    {"Label10", kFit, "等級 = 傾き x 測光値 + 定数", 240, 1920, 3855, 375, "Frame2"},
    {"Label12", kFit, "", 240, 2400, 3855, 375, "Frame2"},
    {"Label16", kFit, "", 240, 2880, 3855, 375, "Frame2"},

    {"Command18", kButton, "平均計算", 2880, 360, 1215, 495, "Frame3"},
    {"Label11", kHeading, "平均値", 2760, 960, 855, 375, "Frame3"},
    {"Label14", kResult, "--.--", 2880, 1320, 1335, 375, "Frame3"},
    {"Label13", kHeading, "測光ｴﾗｰ", 2760, 1680, 1335, 375, "Frame3"},
    {"Label15", kResult, "--.--", 2880, 2040, 1335, 375, "Frame3"},
    {"Label17", kHeading, "加重平均", 2760, 2520, 1335, 255, "Frame3"},
    {"Label19", kResult, "--.--", 2880, 2880, 1335, 375, "Frame3"},
    {"Label18", kHeading, "加重平均誤差", 2760, 3360, 1455, 375, "Frame3"},
    {"Label20", kResult, "--.--", 2880, 3720, 1335, 375, "Frame3"},
};

// What a screen reader calls a single control, unlike any other control of the window, and the
// tooltip of a button whose caption alone does not say what it does. Headings are told apart from
// the results and fields below them.
struct SpokenName {
    const char* name;
    const char* accessibleName;  // UTF-8
    const char* toolTip;         // UTF-8 or nullptr
};
constexpr SpokenName kSingleControlNames[] = {
    {"Frame1", "比較星", nullptr},
    {"Frame2", "変光星", nullptr},
    {"Frame3", "平均の算出", nullptr},
    {"Command1", "比較星データ全クリア", nullptr},
    {"Command24", "比較星グラフ", nullptr},
    {"Text37", "取り込みテキスト", nullptr},
    {"Option1", "IRIS", nullptr},
    {"Option2", "Makari", nullptr},
    {"Option3", "S.Image", nullptr},
    {"Command27", "比較星測光値", nullptr},

    {"Label1", "比較星の測光値 見出し", nullptr},
    {"Label2", "ｶﾀﾛｸﾞ値 見出し", nullptr},
    {"Label3", "ｸﾘｱ 見出し", nullptr},
    {"Command25", "測光値の列をクリア", "比較星の測光値をすべて消します"},
    {"Command26", "ｶﾀﾛｸﾞ値の列をクリア", "比較星のｶﾀﾛｸﾞ値をすべて消します"},

    {"Label4", "変光星の測光値 見出し", nullptr},
    {"Text31", "変光星の測光値", nullptr},
    {"Label5", "変光星の等級 見出し", nullptr},
    {"Label6", "変光星の等級", nullptr},
    {"Label7", "測光ｴﾗｰ 見出し", nullptr},
    {"Label8", "測光ｴﾗｰ", nullptr},
    {"Command17", "測光", nullptr},
    {"Label9", "比較星の近似結果 見出し", nullptr},
    {"Label10", "傾き", nullptr},
    {"Label12", "定数", nullptr},
    {"Label16", "相関係数", nullptr},

    {"Command18", "平均計算", nullptr},
    {"Label11", "平均値 見出し", nullptr},
    {"Label14", "平均値", nullptr},
    {"Label13", "平均値の測光ｴﾗｰ 見出し", nullptr},
    {"Label15", "平均値の測光ｴﾗｰ", nullptr},
    {"Label17", "加重平均 見出し", nullptr},
    {"Label19", "加重平均", nullptr},
    {"Label18", "加重平均誤差 見出し", nullptr},
    {"Label20", "加重平均誤差", nullptr},
};

// Comparison rows: one row every 360 twips from 720 down.
constexpr int kRowTop = 720;
constexpr int kRowPitch = 360;
constexpr int kRowFieldWidth = 1095;
constexpr int kRowFieldHeight = 315;
constexpr int kMeasuredLeft = 240;
constexpr int kCatalogLeft = 1440;
constexpr int kRowClearLeft = 2640;
constexpr int kRowSelectLeft = 2880;
constexpr int kRowButtonWidth = 255;
constexpr int kRowButtonHeight = 375;

// Averaging slots: one slot every 480 twips from 360 down.
constexpr int kSlotTop = 360;
constexpr int kSlotPitch = 480;
constexpr int kSlotFieldWidth = 975;
constexpr int kSlotFieldHeight = 405;
constexpr int kSlotMagnitudeLeft = 240;
constexpr int kSlotErrorLeft = 1320;
constexpr int kSlotClearLeft = 2400;
constexpr int kSlotButtonWidth = 255;
constexpr int kSlotButtonHeight = 375;
constexpr int kFirstSlotButtonHeight = 390;

QString numbered(const char* kind, int number) {
    return QString::fromLatin1(kind) + QString::number(number);
}

// "比較星 3 測光値": the family, the number, and what the control is.
QString spoken(const char* family, int number, const char* what) {
    return QString::fromUtf8(family) + QLatin1Char(' ') + QString::number(number) +
           QLatin1Char(' ') + QString::fromUtf8(what);
}

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

// A result can be selected with the mouse or the keyboard and copied, also from its context menu.
// It takes the focus when clicked and never by Tab, so the keyboard order stays as it is.
void makeSelectable(QLabel* label) {
    label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    label->setFocusPolicy(Qt::ClickFocus);
}

QLabel* makeLabel(QWidget* parent, const QString& caption, ControlKind kind) {
    auto* label = new QLabel(caption, parent);
    // Captions are results and texts from the sheet, never markup.
    label->setTextFormat(Qt::PlainText);
    // Labels lie beneath the fields and buttons they touch, as lightweight labels always did.
    label->lower();
    if (kind == ControlKind::Heading) {
        // A heading shows the grey it stands on; it must not paint over a neighbour's border.
        paintBackground(label, kGrey);
        label->setAutoFillBackground(false);
        return label;
    }
    label->setFrameStyle(QFrame::Box | QFrame::Plain);
    label->setLineWidth(1);
    makeSelectable(label);
    label->setToolTip(QStringLiteral("Ctrl+Shift+C で9つの結果をタブ区切りの1行でコピーします"));
    if (kind == ControlKind::ResultLabel) {
        label->setAlignment(Qt::AlignCenter);
        paintBackground(label, kWhite);
    } else {
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        paintBackground(label, kGrey);
    }
    return label;
}

QWidget* makeControl(QWidget* parent, ControlKind kind, const QString& caption) {
    switch (kind) {
        case ControlKind::Frame: {
            auto* frame = new QGroupBox(caption, parent);
            paintBackground(frame, kGrey);
            return frame;
        }
        case ControlKind::Field: {
            auto* field = new QLineEdit(caption, parent);
            // Any text of any length; nothing is checked while typing.
            field->setMaxLength(std::numeric_limits<int>::max());
            setColours(field, QPalette::Base, kWhite);
            return field;
        }
        case ControlKind::ImportArea: {
            auto* area = new ImportArea(parent);
            area->setPlainText(caption);
            setColours(area, QPalette::Base, kGrey);
            return area;
        }
        case ControlKind::Heading:
        case ControlKind::ResultLabel:
        case ControlKind::FitLabel: return makeLabel(parent, caption, kind);
        case ControlKind::Button: {
            auto* button = new QPushButton(caption, parent);
            button->setAutoDefault(false);
            return button;
        }
        case ControlKind::Option: {
            auto* option = new QRadioButton(caption, parent);
            paintBackground(option, kGrey);
            return option;
        }
    }
    return nullptr;
}

// The height one line of text needs in a control that shows a caption or a result, or 0. Fonts
// with a tall line, as Japanese fonts have, may need more than the layout gives.
int oneLineHeight(const QWidget* control, ControlKind kind) {
    const int line = control->fontMetrics().height();
    switch (kind) {
        case ControlKind::Button:
            return line + 2 * control->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr,
                                                            control);
        case ControlKind::ResultLabel:
        case ControlKind::FitLabel:
            return line + 2 * static_cast<const QLabel*>(control)->frameWidth();
        case ControlKind::Heading:
        case ControlKind::Option: return line;
        case ControlKind::Frame:
        case ControlKind::Field:
        case ControlKind::ImportArea: return 0;
    }
    return 0;
}

QWidget* place(QWidget* parent, const QString& name, ControlKind kind, const char* caption,
               const QRect& twips, double scale) {
    QWidget* control = makeControl(parent, kind, QString::fromUtf8(caption));
    control->setObjectName(name);
    QRect pixels = twipsToPixelRect(twips, scale);
    // Never lower than one line of its text; the top stays where it was drawn.
    pixels.setHeight(std::max(pixels.height(), oneLineHeight(control, kind)));
    control->setGeometry(pixels);
    return control;
}

void nameForScreenReaders(QWidget* control, const QString& accessibleName, const QString& toolTip) {
    control->setAccessibleName(accessibleName);
    if (!toolTip.isEmpty()) control->setToolTip(toolTip);
}

}  // namespace

QString rowMeasuredFieldName(int k) { return numbered("Text", k <= 15 ? 2 * k - 1 : 2 * k + 6); }
QString rowCatalogFieldName(int k) { return numbered("Text", k <= 15 ? 2 * k : 2 * k + 7); }
QString rowClearButtonName(int k) { return numbered("Command", k <= 15 ? k + 1 : k + 12); }
QString rowSelectButtonName(int k) { return numbered("Command", k + 35); }
QString slotMagnitudeFieldName(int n) { return numbered("Text", n <= 5 ? n + 31 : n + 42); }
QString slotErrorFieldName(int n) { return numbered("Text", n + 50); }
QString slotClearButtonName(int n) { return numbered("Command", n <= 5 ? n + 18 : n + 27); }

std::array<FamilySpec, 4> comparisonRowControls(int k) {
    const int top = kRowTop + kRowPitch * (k - 1);
    const auto name = [k](const char* what) { return spoken("比較星", k, what); };
    return {{
        {rowMeasuredFieldName(k),
         kField,
         "",
         QRect(kMeasuredLeft, top, kRowFieldWidth, kRowFieldHeight),
         "Frame1",
         name("測光値"),
         {}},
        {rowCatalogFieldName(k),
         kField,
         "",
         QRect(kCatalogLeft, top, kRowFieldWidth, kRowFieldHeight),
         "Frame1",
         name("ｶﾀﾛｸﾞ値"),
         {}},
        {rowClearButtonName(k), kButton, "c",
         QRect(kRowClearLeft, top, kRowButtonWidth, kRowButtonHeight), "Frame1", name("クリア"),
         QStringLiteral("この行の測光値とｶﾀﾛｸﾞ値を消します")},
        {rowSelectButtonName(k), kButton, "s",
         QRect(kRowSelectLeft, top, kRowButtonWidth, kRowButtonHeight), "Frame1",
         name("を変光星に選ぶ"),
         QStringLiteral("この行の測光値を変光星の測光値にして、ｶﾀﾛｸﾞ値のない行の測光値を消します")},
    }};
}

std::array<FamilySpec, 3> averagingSlotControls(int n) {
    const int top = kSlotTop + kSlotPitch * (n - 1);
    const int buttonHeight = n == 1 ? kFirstSlotButtonHeight : kSlotButtonHeight;
    const auto name = [n](const char* what) { return spoken("平均", n, what); };
    return {{
        {slotMagnitudeFieldName(n),
         kField,
         "",
         QRect(kSlotMagnitudeLeft, top, kSlotFieldWidth, kSlotFieldHeight),
         "Frame3",
         name("等級"),
         {}},
        {slotErrorFieldName(n),
         kField,
         "",
         QRect(kSlotErrorLeft, top, kSlotFieldWidth, kSlotFieldHeight),
         "Frame3",
         name("測光ｴﾗｰ"),
         {}},
        {slotClearButtonName(n), kButton, "c",
         QRect(kSlotClearLeft, top, kSlotButtonWidth, buttonHeight), "Frame3", name("クリア"),
         QStringLiteral("この欄の等級と測光ｴﾗｰを消します")},
    }};
}

Form1Controls buildForm1Controls(QWidget* form) {
    const double scale = layoutScale(form);
    // The controls stand on a client of the drawn size, which the window scrolls when the screen
    // is too small for it.
    auto* client = new QWidget(form);
    client->setObjectName(QStringLiteral("Form1Client"));
    paintBackground(client, kGrey);
    client->setFixedSize(
        twipsToPixelRect(QRect(0, 0, kClientWidthTwips, kClientHeightTwips), scale).size());

    QHash<QString, QWidget*> byName;
    const auto parentOf = [&](const char* frame) {
        return frame ? byName.value(QString::fromLatin1(frame)) : client;
    };
    const auto placeFamilyMember = [&](const FamilySpec& spec) {
        QWidget* control =
            place(parentOf(spec.frame), spec.name, spec.kind, spec.caption, spec.twips, scale);
        nameForScreenReaders(control, spec.accessibleName, spec.toolTip);
        byName.insert(spec.name, control);
        return control;
    };

    for (const ControlSpec& spec : kSingleControls) {
        const QString name = QString::fromLatin1(spec.name);
        byName.insert(name, place(parentOf(spec.frame), name, spec.kind, spec.caption,
                                  QRect(spec.left, spec.top, spec.width, spec.height), scale));
    }
    for (const SpokenName& entry : kSingleControlNames) {
        nameForScreenReaders(byName.value(QString::fromLatin1(entry.name)),
                             QString::fromUtf8(entry.accessibleName),
                             entry.toolTip ? QString::fromUtf8(entry.toolTip) : QString());
    }
    Form1Controls controls;
    for (int k = 1; k <= kComparisonRows; ++k) {
        std::array<QWidget*, 4> row{};
        const auto specs = comparisonRowControls(k);
        for (std::size_t i = 0; i < specs.size(); ++i) row[i] = placeFamilyMember(specs[i]);
        controls.measuredFields[k - 1] = static_cast<QLineEdit*>(row[0]);
        controls.catalogFields[k - 1] = static_cast<QLineEdit*>(row[1]);
        controls.rowClearButtons[k - 1] = static_cast<QPushButton*>(row[2]);
        controls.rowSelectButtons[k - 1] = static_cast<QPushButton*>(row[3]);
    }
    for (int n = 1; n <= kAveragingSlots; ++n) {
        std::array<QWidget*, 3> slot{};
        const auto specs = averagingSlotControls(n);
        for (std::size_t i = 0; i < specs.size(); ++i) slot[i] = placeFamilyMember(specs[i]);
        controls.slotMagnitudeFields[n - 1] = static_cast<QLineEdit*>(slot[0]);
        controls.slotErrorFields[n - 1] = static_cast<QLineEdit*>(slot[1]);
        controls.slotClearButtons[n - 1] = static_cast<QPushButton*>(slot[2]);
    }

    const auto label = [&](const char* name) {
        return static_cast<QLabel*>(byName.value(QString::fromLatin1(name)));
    };
    controls.variableMeasuredField =
        static_cast<QLineEdit*>(byName.value(QStringLiteral("Text31")));
    controls.slopeLabel = label("Label10");
    controls.constantLabel = label("Label12");
    controls.correlationLabel = label("Label16");
    controls.variableMagnitudeLabel = label("Label6");
    controls.photometricErrorLabel = label("Label8");
    controls.averageLabel = label("Label14");
    controls.averageErrorLabel = label("Label15");
    controls.weightedAverageLabel = label("Label19");
    controls.weightedAverageErrorLabel = label("Label20");
    controls.importArea = static_cast<ImportArea*>(byName.value(QStringLiteral("Text37")));

    // The three source programs form one group in which exactly one is selected.
    auto* group = new QButtonGroup(form);
    group->setExclusive(true);
    for (int i = 0; i < 3; ++i) {
        controls.options[i] = static_cast<QRadioButton*>(byName.value(numbered("Option", i + 1)));
        group->addButton(controls.options[i], i);
    }
    controls.options[0]->setChecked(true);

    const QStringList order = form1TabOrder();
    for (qsizetype i = 1; i < order.size(); ++i) {
        QWidget::setTabOrder(byName.value(order[i - 1]), byName.value(order[i]));
    }

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

QStringList form1TabOrder() {
    QStringList order;
    for (int k = 1; k <= kComparisonRows; ++k)
        order << rowMeasuredFieldName(k) << rowCatalogFieldName(k);
    order << QStringLiteral("Command1");
    for (int k = 1; k <= kComparisonRows; ++k) order << rowClearButtonName(k);
    order << QStringLiteral("Text31") << QStringLiteral("Command17");
    for (int n = 1; n <= kAveragingSlots; ++n) order << slotMagnitudeFieldName(n);
    for (int n = 1; n <= kAveragingSlots; ++n) order << slotErrorFieldName(n);
    order << QStringLiteral("Command18");
    for (int n = 1; n <= kAveragingSlots; ++n) order << slotClearButtonName(n);
    order << QStringLiteral("Command24") << QStringLiteral("Command25")
          << QStringLiteral("Command26") << QStringLiteral("Text37") << QStringLiteral("Command27")
          << QStringLiteral("Option1") << QStringLiteral("Option2") << QStringLiteral("Option3");
    for (int k = 1; k <= kComparisonRows; ++k) order << rowSelectButtonName(k);
    return order;
}

}  // namespace lumitrak
