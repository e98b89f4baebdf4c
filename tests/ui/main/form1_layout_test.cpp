// The main window's controls: names, classes, places, captions, looks, keyboard order, and the
// Japanese desktop: Qt's own texts, screen-reader names, copyable results and larger fonts.

#include <QClipboard>
#include <QGroupBox>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSet>
#include <QStyle>
#include <QTemporaryDir>
#include <limits>

#include "form1_test_support.h"
#include "ui/main/desktop_setup.h"

namespace {

// The window's own controls, by their names.
QList<QWidget*> namedControls(QWidget* form) {
    static const QRegularExpression name(QStringLiteral("^(Text|Command|Label|Frame|Option)\\d+$"));
    return form->findChildren<QWidget*>(name);
}

// Where a control draws its caption and the room it has for it, both in its parent's
// coordinates, measured as the style lays the caption out.
struct Caption {
    QRect drawn;
    QRect room;
};
Caption captionOf(QWidget* control) {
    const QStyle* style = control->style();
    QString text;
    QRect room = control->geometry();
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    if (auto* option = qobject_cast<QRadioButton*>(control)) {
        text = option->text();
        room.setLeft(room.left() +
                     style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, control) +
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
    } else if (auto* frame = qobject_cast<QGroupBox*>(control)) {
        text = frame->title();
        alignment = Qt::AlignLeft | Qt::AlignTop;
    }
    const QFontMetrics metrics = control->fontMetrics();
    const QSize size(metrics.horizontalAdvance(text), text.isEmpty() ? 0 : metrics.height());
    return {QStyle::alignedRect(Qt::LeftToRight, alignment, size, room), room};
}

// What of a control can be seen: of a heading its caption, of any other control its rectangle.
QRect footprintOf(QWidget* control) {
    auto* label = qobject_cast<QLabel*>(control);
    const bool heading = label && label->frameShape() == QFrame::NoFrame;
    return heading ? captionOf(control).drawn : control->geometry();
}

// "Label7|Label8" for every two controls of one parent whose rectangles overlap.
QSet<QString> overlappingSiblings(QWidget* form) {
    QSet<QString> pairs;
    const QList<QWidget*> controls = namedControls(form);
    for (QWidget* a : controls) {
        for (QWidget* b : controls) {
            if (a->parentWidget() == b->parentWidget() && a->objectName() < b->objectName() &&
                a->geometry().intersects(b->geometry()))
                pairs << a->objectName() + QLatin1Char('|') + b->objectName();
        }
    }
    return pairs;
}

}  // namespace

class Form1LayoutTest : public QObject {
    Q_OBJECT
    QTemporaryDir workDir_;
    std::unique_ptr<Window> w_;

private slots:
    void initTestCase() {
        QVERIFY(QDir::setCurrent(workDir_.path()));
        lumitrak::setUpApplication(*qApp);
        w_ = std::make_unique<Window>();
    }

    void familiesAreCompleteAndNamedOnce() {
        const struct { const char* prefix; int count; const char* className; } families[] = {
            {"Text", 58, "QLineEdit"}, {"Command", 55, "QPushButton"}, {"Label", 20, "QLabel"},
            {"Frame", 3, "QGroupBox"}, {"Option", 3, "QRadioButton"}};
        for (const auto& f : families) {
            for (int i = 1; i <= f.count + 1; ++i) {
                const QString name = f.prefix + QString::number(i);
                const QList<QWidget*> found = w_->form->findChildren<QWidget*>(name);
                QVERIFY2(found.size() == (i <= f.count ? 1 : 0), qPrintable(name));
                if (i <= f.count && name != QLatin1String("Text37"))
                    QVERIFY2(found[0]->inherits(f.className), qPrintable(name));
            }
        }
        QVERIFY(w_->find<QPlainTextEdit>("Text37"));
    }

    // Pixels at 15 twips each, relative to the parent; rows 1, 15, 16, 20 and slots 1, 5, 6, 8.
    void controlsStandInTheirPlaceWithTheirCaption_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("parent");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<QString>("caption");
        const auto row = [](const char* n, const char* p, QRect g, const char* c) { QTest::newRow(n) << n << p << g << c; };
        row("Frame1", "Form1", {8, 8, 217, 561}, "比較星");
        row("Command1", "Form1", {240, 536, 169, 33}, "比較星データ全クリア");
        row("Text37", "Form1", {536, 16, 361, 513}, "");
        row("Option3", "Form1", {680, 536, 73, 33}, "S.Image");
        row("Label2", "Frame1", {96, 24, 65, 17}, "ｶﾀﾛｸﾞ値");
        row("Command26", "Frame1", {96, 536, 73, 18}, "Clear");
        row("Text31", "Frame2", {16, 48, 65, 27}, "");
        row("Label8", "Frame2", {184, 48, 89, 25}, "--.--");
        row("Label10", "Frame2", {16, 128, 257, 25}, "等級 = 傾き x 測光値 + 定数");
        row("Label20", "Frame3", {192, 248, 89, 25}, "--.--");
        row("Text1", "Frame1", {16, 48, 73, 21}, "");          // row 1
        row("Command36", "Frame1", {192, 48, 17, 25}, "s");
        row("Command16", "Frame1", {176, 384, 17, 25}, "c");  // row 15
        row("Command28", "Frame1", {176, 408, 17, 25}, "c");  // row 16
        row("Text47", "Frame1", {96, 504, 73, 21}, "");        // row 20
        row("Command55", "Frame1", {192, 504, 17, 25}, "s");
        row("Command19", "Frame3", {160, 24, 17, 26}, "c");    // slot 1: one pixel taller
        row("Text36", "Frame3", {16, 152, 65, 27}, "");        // slot 5
        row("Text48", "Frame3", {16, 184, 65, 27}, "");        // slot 6
        row("Command33", "Frame3", {160, 184, 17, 25}, "c");
        row("Text58", "Frame3", {88, 248, 65, 27}, "");        // slot 8
    }
    void controlsStandInTheirPlaceWithTheirCaption() {
        QFETCH(QString, name);
        QFETCH(QString, parent);
        QFETCH(QRect, geometry);
        QFETCH(QString, caption);
        QWidget* widget = w_->find(name);
        QVERIFY(widget);
        QCOMPARE(widget->parentWidget()->objectName(), parent);
        QCOMPARE(widget->geometry(), geometry);
        QString shown;
        if (auto* label = qobject_cast<QLabel*>(widget)) shown = label->text();
        else if (auto* button = qobject_cast<QAbstractButton*>(widget)) shown = button->text();
        else if (auto* frame = qobject_cast<QGroupBox*>(widget)) shown = frame->title();
        else if (auto* field = qobject_cast<QLineEdit*>(widget)) shown = field->text();
        QCOMPARE(shown, caption);
    }

    // Results: bordered, centred, white. Fit lines: bordered, left, grey. Headings: plain grey.
    void looks_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("frame");
        QTest::addColumn<int>("alignment");
        QTest::addColumn<QColor>("background");
        const QColor grey(192, 192, 192), white(255, 255, 255);
        for (const char* n : {"Label6", "Label8", "Label14", "Label15", "Label19", "Label20"})
            QTest::newRow(n) << n << int(QFrame::Box) << int(Qt::AlignHCenter) << white;
        for (const char* n : {"Label10", "Label12", "Label16"})
            QTest::newRow(n) << n << int(QFrame::Box) << int(Qt::AlignLeft) << grey;
        for (const char* n : {"Label1", "Label9"}) QTest::newRow(n) << n << int(QFrame::NoFrame) << -1 << grey;
        for (const char* n : {"Form1", "Frame2", "Option1", "Text37"}) QTest::newRow(n) << n << -1 << -1 << grey;
        for (const char* n : {"Text1", "Text31", "Text47", "Text50", "Text58"}) QTest::newRow(n) << n << -1 << -1 << white;
    }
    void looks() {
        QFETCH(QString, name);
        QFETCH(int, frame);
        QFETCH(int, alignment);
        QFETCH(QColor, background);
        QWidget* widget = name == QLatin1String("Form1") ? w_->form.get() : w_->find(name);
        QCOMPARE(widget->palette().color(widget->backgroundRole()), background);
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            QCOMPARE(int(label->frameShape()), frame);
            if (frame == QFrame::Box) QCOMPARE(label->lineWidth(), 1);
            if (alignment >= 0) QCOMPARE(int(label->alignment() & Qt::AlignHorizontal_Mask), alignment);
            QCOMPARE(label->textFormat(), Qt::PlainText);
        }
    }

    void fieldsTakeAnyTextOfAnyLength() {
        for (QLineEdit* field : w_->form->findChildren<QLineEdit*>()) {
            QVERIFY2(field->maxLength() == std::numeric_limits<int>::max() && !field->validator() &&
                         field->inputMask().isEmpty() && !field->isReadOnly(), qPrintable(field->objectName()));
        }
        const QString longText(40000, QLatin1Char('7'));
        w_->find<QLineEdit>("Text47")->setText(longText);
        QCOMPARE(w_->text("Text47"), longText);
        w_->find<QLineEdit>("Text47")->clear();
    }

    void windowAndImportArea() {
        QCOMPARE(w_->form->windowTitle(), QStringLiteral("Lumitrak ver4.11"));
        QCOMPARE(w_->form->minimumSize(), QSize(914, 576));
        QCOMPARE(w_->form->maximumSize(), QSize(914, 576));
        QVERIFY(!(w_->form->windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(w_->form->windowIcon().availableSizes().contains(QSize(64, 64)));
        QVERIFY(!w_->form->testAttribute(Qt::WA_SetFont));
        auto* area = w_->find<QPlainTextEdit>("Text37");
        QCOMPARE(area->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QCOMPARE(area->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QCOMPARE(area->lineWrapMode(), QPlainTextEdit::WidgetWidth);
        QVERIFY(area->acceptDrops() && !area->isReadOnly());
    }

    void optionsFormOneExclusiveGroupStartingWithIris() {
        QRadioButton* options[] = {w_->find<QRadioButton>("Option1"), w_->find<QRadioButton>("Option2"),
                                   w_->find<QRadioButton>("Option3")};
        for (int clicked : {-1, 2, 1, 0}) {
            if (clicked >= 0) QTest::mouseClick(options[clicked], Qt::LeftButton);
            for (int i = 0; i < 3; ++i) QCOMPARE(options[i]->isChecked(), i == std::max(clicked, 0));
        }
    }

    void tabOrderRunsTableThenButtonsThenAreas() {
        QStringList expected;
        const auto add = [&](const char* prefix, int from, int to) {
            for (int i = from; i <= to; ++i) expected << prefix + QString::number(i);
        };
        add("Text", 1, 30), add("Text", 38, 47), expected << "Command1";
        add("Command", 2, 16), add("Command", 28, 32), expected << "Text31" << "Command17";
        add("Text", 32, 36), add("Text", 48, 58), expected << "Command18";
        add("Command", 19, 23), add("Command", 33, 35);
        expected << "Command24" << "Command25" << "Command26" << "Text37" << "Command27" << "Option1" << "Option2"
                 << "Option3";
        add("Command", 36, 55);
        QStringList chain;
        QWidget* first = w_->find("Text1");
        QWidget* widget = first;
        do {
            if (widget->focusPolicy() & Qt::TabFocus) chain << widget->objectName();
        } while ((widget = widget->nextInFocusChain()) != first);
        QCOMPARE(chain, expected);
    }

    // A Japanese observer's desktop, at the toolkit's font and at larger interface fonts: Qt's own
    // texts in Japanese, a name of its own for every control, copyable results, and captions that
    // fit their controls without running into a neighbour.
    void atHomeOnAJapaneseDesktop_data() {
        QTest::addColumn<int>("points");
        QTest::newRow("toolkit font") << 0;
        QTest::newRow("10 pt") << 10;
        QTest::newRow("11 pt") << 11;
        QTest::newRow("12 pt") << 12;
    }
    void atHomeOnAJapaneseDesktop() {
        QFETCH(int, points);
        QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral("org.lumitrak.Lumitrak"));
        QMessageBox box(QMessageBox::NoIcon, {}, {},
                        QMessageBox::Ok | QMessageBox::Cancel | QMessageBox::Retry);
        QCOMPARE(box.button(QMessageBox::Ok)->text(), QStringLiteral("OK"));
        QCOMPARE(box.button(QMessageBox::Cancel)->text(), QStringLiteral("キャンセル"));
        QCOMPARE(box.button(QMessageBox::Retry)->text(), QStringLiteral("再試行"));
        const std::unique_ptr<QMenu> menu(w_->find<QLineEdit>("Text1")->createStandardContextMenu());
        QVERIFY(menu->actions().at(4)->text().startsWith(QStringLiteral("コピー")));

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
        for (QWidget* control : namedControls(w.form.get())) {
            const QString name = control->accessibleName();
            QVERIFY2(!name.isEmpty() && !names.contains(name), qPrintable(control->objectName() + ": " + name));
            names << name;
            auto* button = qobject_cast<QPushButton*>(control);
            if (button && (button->text().size() == 1 || button->text() == QLatin1String("Clear")))
                QVERIFY2(!button->toolTip().isEmpty(), qPrintable(control->objectName()));

            const Caption caption = captionOf(control);
            QVERIFY2(caption.room.contains(caption.drawn, false) || caption.drawn.isEmpty(),
                     qPrintable(control->objectName() + " cuts its caption"));
            for (QWidget* sibling : control->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                QVERIFY2(sibling == control || !footprintOf(sibling).intersects(caption.drawn),
                         qPrintable(control->objectName() + " runs into " + sibling->objectName()));
            }
        }
        QCOMPARE(names.size(), 139);
        const std::pair<const char*, const char*> anchors[] = {
            {"Text5", "比較星 3 測光値"}, {"Text6", "比較星 3 ｶﾀﾛｸﾞ値"}, {"Command4", "比較星 3 クリア"},
            {"Command38", "比較星 3 を変光星に選ぶ"}, {"Text33", "平均 2 等級"}, {"Text52", "平均 2 測光ｴﾗｰ"},
            {"Text37", "取り込みテキスト"}, {"Label6", "変光星の等級"}};
        for (const auto& [control, name] : anchors)
            QCOMPARE(w.find(control)->accessibleName(), QString::fromUtf8(name));
        QVERIFY(overlappingSiblings(w.form.get()).subtract(overlappingSiblings(w_->form.get())).isEmpty());

        for (const char* name : {"Label6", "Label8", "Label10", "Label12", "Label16", "Label14", "Label15", "Label19",
                                 "Label20"}) {
            auto* label = w.find<QLabel>(name);
            label->setText(QStringLiteral("-12.345 %1").arg(name));
            QTest::keySequence(label, QKeySequence::SelectAll);
            QTest::keySequence(label, QKeySequence::Copy);
            QCOMPARE(QGuiApplication::clipboard()->text(), label->text());
            QCOMPARE(label->focusPolicy(), Qt::ClickFocus);
        }
    }

    void rowOnesMeasuredFieldHasTheFocusAtStart() {
        Window fresh;
        QVERIFY(QTest::qWaitForWindowActive(fresh.form.get()));
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Text1"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Text2"));
    }
};

QTEST_MAIN(Form1LayoutTest)
#include "form1_layout_test.moc"
