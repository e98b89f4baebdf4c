// The main window's controls: places, captions, looks and keyboard order, and the Japanese
// desktop: Qt's own texts, screen-reader names, copyable results and larger fonts.

#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScopeGuard>
#include <QStyle>
#include <QTemporaryDir>
#include <QTimer>

#include "form1_test_support.h"
#include "ui/main/desktop_setup.h"
#include "ui/main/message_boxes.h"

namespace {

// Where a control draws its caption, in its parent's coordinates, and whether the caption fits
// the room the style gives it.
std::pair<QRect, bool> captionOf(QWidget* control) {
    const QStyle* style = control->style();
    QString text;
    QRect room = control->geometry();
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    if (auto* option = qobject_cast<QRadioButton*>(control)) {
        text = option->text();
        room.setLeft(room.left() + style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, control) +
                     style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, control));
    } else if (auto* button = qobject_cast<QPushButton*>(control)) {
        text = button->text();
        const int frame = style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, control);
        const int margin = style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, control) / 2;
        room.adjust(frame + margin, frame, -frame - margin, -frame);
        alignment = Qt::AlignCenter;
    } else if (auto* label = qobject_cast<QLabel*>(control)) {
        text = label->text();
        room = label->contentsRect().translated(label->pos());
        alignment = label->alignment();
    }
    const QSize size(control->fontMetrics().horizontalAdvance(text), text.isEmpty() ? 0 : control->fontMetrics().height());
    const QRect drawn = QStyle::alignedRect(Qt::LeftToRight, alignment, size, room);
    return {drawn, text.isEmpty() || room.contains(drawn)};
}

}  // namespace

class Form1LayoutTest : public QObject {
    Q_OBJECT
    QTemporaryDir workDir_;

private slots:
    void initTestCase() {
        QVERIFY(QDir::setCurrent(workDir_.path()));
        lumitrak::setUpApplication(*qApp);
    }

    // Anchors in pixels at 15 twips each, relative to the parent: each frame, a row of each
    // family (rows 1, 16 and 20, slots 1 and 6), the controls along the bottom. Then the keyboard
    // order: the table row by row, then the buttons and areas, from row 1's measured field on.
    void controlsStandInTheirPlaceAndOrder() {
        const struct { const char* name; const char* parent; QRect geometry; const char* caption; } anchors[] = {
            {"Frame1", "Form1", {8, 8, 217, 561}, "比較星"}, {"Frame2", "Form1", {240, 8, 289, 225}, "変光星"},
            {"Frame3", "Form1", {240, 240, 289, 289}, "平均の算出"}, {"Text37", "Form1", {536, 16, 361, 513}, ""},
            {"Option3", "Form1", {680, 536, 73, 33}, "S.Image"}, {"Command26", "Frame1", {96, 536, 73, 18}, "Clear"},
            {"Label10", "Frame2", {16, 128, 257, 25}, "等級 = 傾き x 測光値 + 定数"}, {"Text1", "Frame1", {16, 48, 73, 21}, ""},
            {"Command28", "Frame1", {176, 408, 17, 25}, "c"}, {"Command55", "Frame1", {192, 504, 17, 25}, "s"},
            {"Command19", "Frame3", {160, 24, 17, 26}, "c"}, {"Text48", "Frame3", {16, 184, 65, 27}, ""}};
        Window w;
        QCOMPARE(w.form->windowTitle(), QStringLiteral("Lumitrak ver4.11"));
        for (const auto& a : anchors) {
            QWidget* widget = w.find(a.name);
            QCOMPARE(widget->parentWidget()->objectName(), QString::fromLatin1(a.parent));
            QCOMPARE(widget->geometry(), a.geometry);
            auto* button = qobject_cast<QAbstractButton*>(widget);
            auto* frame = qobject_cast<QGroupBox*>(widget);
            auto* label = qobject_cast<QLabel*>(widget);
            QCOMPARE(button ? button->text() : frame ? frame->title() : label ? label->text() : QString(), QString::fromUtf8(a.caption));
        }
        QStringList expected;
        const auto add = [&](const char* prefix, int from, int to) {
            for (int i = from; i <= to; ++i) expected << prefix + QString::number(i);
        };
        add("Text", 1, 30), add("Text", 38, 47), expected << "Command1";
        add("Command", 2, 16), add("Command", 28, 32), expected << "Text31" << "Command17";
        add("Text", 32, 36), add("Text", 48, 58), expected << "Command18";
        add("Command", 19, 23), add("Command", 33, 35);
        expected << "Command24" << "Command25" << "Command26" << "Text37" << "Command27" << "Option1" << "Option2" << "Option3";
        add("Command", 36, 55);
        QVERIFY(QTest::qWaitForWindowActive(w.form.get()));
        QStringList chain;
        for (QWidget* widget = QApplication::focusWidget(); chain.size() < expected.size(); widget = widget->nextInFocusChain())
            if (widget->focusPolicy() & Qt::TabFocus) chain << widget->objectName();
        QCOMPARE(chain, expected);
    }

    // Qt's own texts are Japanese: a failed save asks with 再試行 (the default) and キャンセル
    // (Escape), a field's menu copies with コピー. The program carries its menu entry's name.
    void qtSpeaksJapanese() {
        QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral("org.lumitrak.Lumitrak"));
        QLineEdit field;
        const std::unique_ptr<QMenu> menu(field.createStandardContextMenu());
        QVERIFY(menu->actions().at(4)->text().startsWith(QStringLiteral("コピー")));
        bool looked = false;
        QTimer::singleShot(0, qApp, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QCOMPARE(box->windowTitle(), QStringLiteral("Lumitrak"));
            QCOMPARE(box->text(), QStringLiteral("一行目\n<b>二</b>"));
            QCOMPARE(box->textFormat(), Qt::PlainText);
            QCOMPARE(box->icon(), QMessageBox::NoIcon);
            QCOMPARE(box->defaultButton()->text(), QStringLiteral("再試行"));
            QCOMPARE(box->button(QMessageBox::Cancel)->text(), QStringLiteral("キャンセル"));
            looked = true;
            QTest::keyClick(box, Qt::Key_Escape);
        });
        QVERIFY(!lumitrak::QtMessageBoxes(&field).askRetryCancel("Lumitrak", QStringLiteral("一行目\r<b>二</b>")));
        QVERIFY(looked);
    }

    // At the toolkit's font and at larger interface fonts: a name of its own for every control,
    // tooltips on the terse buttons, copyable results, and captions that fit their controls
    // without running into a neighbour, in a window that fits the screen.
    void atHomeOnAJapaneseDesktop_data() {
        QTest::addColumn<int>("points");
        for (const int points : {0, 10, 11, 12}) QTest::addRow("%d pt", points) << points;
    }
    void atHomeOnAJapaneseDesktop() {
        QFETCH(int, points);
        const QFont toolkitFont = QApplication::font();
        const auto restoreFont = qScopeGuard([&] { QApplication::setFont(toolkitFont); });
        QFont font = toolkitFont;
        if (points > 0) font.setPointSize(points);
        QApplication::setFont(font);
        Window w;
        const QSize size = w.form->size();
        if (points == 0) QCOMPARE(size, QSize(914, 576));
        if (points <= 11) QVERIFY(size.width() <= 1366 && size.height() + 40 <= 768);  // with a title bar

        QSet<QString> names;
        for (QWidget* control : w.form->findChildren<QWidget*>(QRegularExpression("^(Text|Command|Label|Frame|Option)\\d+$"))) {
            const QString name = control->accessibleName();
            QVERIFY2(!name.isEmpty() && !names.contains(name), qPrintable(control->objectName() + ": " + name));
            names << name;
            auto* button = qobject_cast<QPushButton*>(control);
            if (button && (button->text().size() == 1 || button->text() == "Clear")) QVERIFY(!button->toolTip().isEmpty());
            const auto [drawn, fits] = captionOf(control);
            QVERIFY2(fits, qPrintable(control->objectName() + " cuts its caption"));
            for (QWidget* sibling : control->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                auto* heading = qobject_cast<QLabel*>(sibling);
                const QRect footprint = heading && heading->frameShape() == QFrame::NoFrame ? captionOf(sibling).first : sibling->geometry();
                QVERIFY2(sibling == control || !footprint.intersects(drawn), qPrintable(control->objectName() + " runs into " + sibling->objectName()));
            }
        }
        QCOMPARE(names.size(), 139);
        for (const auto& [control, name] : {std::pair{"Text5", "比較星 3 測光値"}, {"Text6", "比較星 3 ｶﾀﾛｸﾞ値"},
                                            {"Command4", "比較星 3 クリア"}, {"Command38", "比較星 3 を変光星に選ぶ"},
                                            {"Text33", "平均 2 等級"}, {"Text52", "平均 2 測光ｴﾗｰ"}, {"Text37", "取り込みテキスト"}})
            QCOMPARE(w.find(control)->accessibleName(), QString::fromUtf8(name));

        for (const char* name : {"Label6", "Label8", "Label10", "Label12", "Label16", "Label14", "Label15", "Label19", "Label20"}) {
            auto* label = w.find<QLabel>(name);
            label->setText(QStringLiteral("-12.345 %1").arg(name));
            QTest::keySequence(label, QKeySequence::SelectAll);
            QTest::keySequence(label, QKeySequence::Copy);
            QCOMPARE(QGuiApplication::clipboard()->text(), label->text());
            QCOMPARE(label->focusPolicy(), Qt::ClickFocus);  // never reached by Tab
        }
    }
};

QTEST_MAIN(Form1LayoutTest)
#include "form1_layout_test.moc"
