// The main window's controls: names, classes, places, captions, looks and keyboard order.

#include <QGroupBox>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <limits>

#include "form1_test_support.h"

class Form1LayoutTest : public QObject {
    Q_OBJECT
    QTemporaryDir workDir_;
    std::unique_ptr<Window> w_;

private slots:
    void initTestCase() {
        QVERIFY(QDir::setCurrent(workDir_.path()));
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
