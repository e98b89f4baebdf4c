// The main window's controls: names, classes, places, looks and keyboard order.

#include <QApplication>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <limits>
#include <memory>

#include "recording_message_boxes.h"
#include "ui/main/form1.h"

using lumitrak::Form1;

class Form1LayoutTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir workDir_;
    std::vector<RecordedBox> shown_;
    std::unique_ptr<Form1> form_;

    QWidget* control(const QString& name) {
        auto* widget = form_->findChild<QWidget*>(name);
        if (!widget) qWarning("no control %s", qPrintable(name));
        return widget;
    }

private slots:
    void initTestCase() {
        QVERIFY(workDir_.isValid());
        QVERIFY(QDir::setCurrent(workDir_.path()));
        form_ = std::make_unique<Form1>(std::make_unique<RecordingMessageBoxes>(shown_, false));
    }

    void everyControlExistsWithItsClass_data() {
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("className");
        QTest::newRow("text fields") << "Text" << 58 << "QLineEdit";
        QTest::newRow("buttons") << "Command" << 55 << "QPushButton";
        QTest::newRow("labels") << "Label" << 20 << "QLabel";
        QTest::newRow("frames") << "Frame" << 3 << "QGroupBox";
        QTest::newRow("options") << "Option" << 3 << "QRadioButton";
    }
    void everyControlExistsWithItsClass() {
        QFETCH(QString, prefix);
        QFETCH(int, count);
        QFETCH(QString, className);
        for (int i = 1; i <= count; ++i) {
            const QString name = prefix + QString::number(i);
            QWidget* widget = control(name);
            QVERIFY2(widget, qPrintable(name));
            const QString expected = name == QLatin1String("Text37") ? QStringLiteral("QPlainTextEdit") : className;
            QVERIFY2(widget->inherits(expected.toLatin1()), qPrintable(name));
            // Exactly one control carries each name.
            QCOMPARE(form_->findChildren<QWidget*>(name).size(), 1);
        }
        QVERIFY(!form_->findChild<QWidget*>(prefix + QString::number(count + 1)));
    }

    // Positions in pixels, 15 twips to a pixel, relative to the parent frame.
    void controlStandsInItsPlace_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("parentName");
        QTest::addColumn<QRect>("geometry");
        QTest::newRow("Frame1") << "Frame1" << "Form1" << QRect(8, 8, 217, 561);
        QTest::newRow("Frame2") << "Frame2" << "Form1" << QRect(240, 8, 289, 225);
        QTest::newRow("Frame3") << "Frame3" << "Form1" << QRect(240, 240, 289, 289);
        QTest::newRow("Command1") << "Command1" << "Form1" << QRect(240, 536, 169, 33);
        QTest::newRow("Command24") << "Command24" << "Form1" << QRect(416, 536, 113, 33);
        QTest::newRow("Text37") << "Text37" << "Form1" << QRect(536, 16, 361, 513);
        QTest::newRow("Option1") << "Option1" << "Form1" << QRect(544, 536, 73, 33);
        QTest::newRow("Option2") << "Option2" << "Form1" << QRect(608, 536, 73, 33);
        QTest::newRow("Option3") << "Option3" << "Form1" << QRect(680, 536, 73, 33);
        QTest::newRow("Command27") << "Command27" << "Form1" << QRect(760, 536, 137, 33);
        QTest::newRow("Label2") << "Label2" << "Frame1" << QRect(96, 24, 65, 17);
        QTest::newRow("Command25") << "Command25" << "Frame1" << QRect(16, 536, 73, 18);
        QTest::newRow("Command26") << "Command26" << "Frame1" << QRect(96, 536, 73, 18);
        QTest::newRow("Text31") << "Text31" << "Frame2" << QRect(16, 48, 65, 27);
        QTest::newRow("Label8") << "Label8" << "Frame2" << QRect(184, 48, 89, 25);
        QTest::newRow("Command17") << "Command17" << "Frame2" << QRect(184, 88, 89, 25);
        QTest::newRow("Label10") << "Label10" << "Frame2" << QRect(16, 128, 257, 25);
        QTest::newRow("Label16") << "Label16" << "Frame2" << QRect(16, 192, 257, 25);
        QTest::newRow("Command18") << "Command18" << "Frame3" << QRect(192, 24, 81, 33);
        QTest::newRow("Label18") << "Label18" << "Frame3" << QRect(184, 224, 97, 25);
        QTest::newRow("Label20") << "Label20" << "Frame3" << QRect(192, 248, 89, 25);
        // Comparison rows 1, 15, 16 and 20.
        QTest::newRow("row 1 measured") << "Text1" << "Frame1" << QRect(16, 48, 73, 21);
        QTest::newRow("row 1 catalog") << "Text2" << "Frame1" << QRect(96, 48, 73, 21);
        QTest::newRow("row 1 c") << "Command2" << "Frame1" << QRect(176, 48, 17, 25);
        QTest::newRow("row 1 s") << "Command36" << "Frame1" << QRect(192, 48, 17, 25);
        QTest::newRow("row 15 measured") << "Text29" << "Frame1" << QRect(16, 384, 73, 21);
        QTest::newRow("row 15 catalog") << "Text30" << "Frame1" << QRect(96, 384, 73, 21);
        QTest::newRow("row 15 c") << "Command16" << "Frame1" << QRect(176, 384, 17, 25);
        QTest::newRow("row 15 s") << "Command50" << "Frame1" << QRect(192, 384, 17, 25);
        QTest::newRow("row 16 measured") << "Text38" << "Frame1" << QRect(16, 408, 73, 21);
        QTest::newRow("row 16 catalog") << "Text39" << "Frame1" << QRect(96, 408, 73, 21);
        QTest::newRow("row 16 c") << "Command28" << "Frame1" << QRect(176, 408, 17, 25);
        QTest::newRow("row 16 s") << "Command51" << "Frame1" << QRect(192, 408, 17, 25);
        QTest::newRow("row 20 measured") << "Text46" << "Frame1" << QRect(16, 504, 73, 21);
        QTest::newRow("row 20 catalog") << "Text47" << "Frame1" << QRect(96, 504, 73, 21);
        QTest::newRow("row 20 c") << "Command32" << "Frame1" << QRect(176, 504, 17, 25);
        QTest::newRow("row 20 s") << "Command55" << "Frame1" << QRect(192, 504, 17, 25);
        // Averaging slots 1, 5, 6 and 8; slot 1's button is one pixel taller.
        QTest::newRow("slot 1 magnitude") << "Text32" << "Frame3" << QRect(16, 24, 65, 27);
        QTest::newRow("slot 1 error") << "Text51" << "Frame3" << QRect(88, 24, 65, 27);
        QTest::newRow("slot 1 c") << "Command19" << "Frame3" << QRect(160, 24, 17, 26);
        QTest::newRow("slot 5 magnitude") << "Text36" << "Frame3" << QRect(16, 152, 65, 27);
        QTest::newRow("slot 5 error") << "Text55" << "Frame3" << QRect(88, 152, 65, 27);
        QTest::newRow("slot 5 c") << "Command23" << "Frame3" << QRect(160, 152, 17, 25);
        QTest::newRow("slot 6 magnitude") << "Text48" << "Frame3" << QRect(16, 184, 65, 27);
        QTest::newRow("slot 6 error") << "Text56" << "Frame3" << QRect(88, 184, 65, 27);
        QTest::newRow("slot 6 c") << "Command33" << "Frame3" << QRect(160, 184, 17, 25);
        QTest::newRow("slot 8 magnitude") << "Text50" << "Frame3" << QRect(16, 248, 65, 27);
        QTest::newRow("slot 8 error") << "Text58" << "Frame3" << QRect(88, 248, 65, 27);
        QTest::newRow("slot 8 c") << "Command35" << "Frame3" << QRect(160, 248, 17, 25);
    }
    void controlStandsInItsPlace() {
        QFETCH(QString, name);
        QFETCH(QString, parentName);
        QFETCH(QRect, geometry);
        QWidget* widget = control(name);
        QVERIFY(widget);
        QCOMPARE(widget->parentWidget()->objectName(), parentName);
        QCOMPARE(widget->geometry(), geometry);
    }

    void captionsAreTheWindowsOwn_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::newRow("Frame1") << "Frame1" << "比較星";
        QTest::newRow("Frame3") << "Frame3" << "平均の算出";
        QTest::newRow("Label2 half-width katakana") << "Label2" << "ｶﾀﾛｸﾞ値";
        QTest::newRow("Label18") << "Label18" << "加重平均誤差";
        QTest::newRow("Label10 formula") << "Label10" << "等級 = 傾き x 測光値 + 定数";
        QTest::newRow("Label12 empty") << "Label12" << "";
        QTest::newRow("Label6") << "Label6" << "--.--";
        QTest::newRow("Label20") << "Label20" << "--.--";
        QTest::newRow("Command1") << "Command1" << "比較星データ全クリア";
        QTest::newRow("Command17") << "Command17" << "測光";
        QTest::newRow("Command27") << "Command27" << "比較星測光値";
        QTest::newRow("row 16 c") << "Command28" << "c";
        QTest::newRow("row 20 s") << "Command55" << "s";
        QTest::newRow("slot 8 c") << "Command35" << "c";
        QTest::newRow("Command26") << "Command26" << "Clear";
        QTest::newRow("Option3") << "Option3" << "S.Image";
    }
    void captionsAreTheWindowsOwn() {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QWidget* widget = control(name);
        QVERIFY(widget);
        QString shown;
        if (auto* label = qobject_cast<QLabel*>(widget)) shown = label->text();
        else if (auto* button = qobject_cast<QAbstractButton*>(widget)) shown = button->text();
        else if (auto* frame = qobject_cast<QGroupBox*>(widget)) shown = frame->title();
        QCOMPARE(shown, caption);
    }

    void labelsHaveTheirBorderAndAlignment_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("bordered");
        QTest::addColumn<int>("horizontalAlignment");
        for (const char* name : {"Label6", "Label8", "Label14", "Label15", "Label19", "Label20"})
            QTest::newRow(name) << name << true << int(Qt::AlignHCenter);
        for (const char* name : {"Label10", "Label12", "Label16"})
            QTest::newRow(name) << name << true << int(Qt::AlignLeft);
        for (const char* name : {"Label1", "Label4", "Label9", "Label18"})
            QTest::newRow(name) << name << false << -1;
    }
    void labelsHaveTheirBorderAndAlignment() {
        QFETCH(QString, name);
        QFETCH(bool, bordered);
        QFETCH(int, horizontalAlignment);
        auto* label = qobject_cast<QLabel*>(control(name));
        QVERIFY(label);
        QCOMPARE(label->frameShape() == QFrame::Box && label->lineWidth() == 1, bordered);
        QCOMPARE(label->frameShape() == QFrame::NoFrame, !bordered);
        if (horizontalAlignment >= 0)
            QCOMPARE(int(label->alignment() & Qt::AlignHorizontal_Mask), horizontalAlignment);
        QCOMPARE(label->textFormat(), Qt::PlainText);
    }

    void backgroundsAreGreyOrWhite_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QColor>("colour");
        const QColor grey(192, 192, 192);
        const QColor white(255, 255, 255);
        QTest::newRow("window") << "Form1" << grey;
        for (const char* name : {"Frame1", "Frame2", "Frame3", "Option1", "Option3", "Label1", "Label9",
                                 "Label18", "Label10", "Label12", "Label16", "Text37"})
            QTest::newRow(name) << name << grey;
        for (const char* name : {"Text1", "Text31", "Text47", "Text50", "Text58", "Label6", "Label20"})
            QTest::newRow(name) << name << white;
    }
    void backgroundsAreGreyOrWhite() {
        QFETCH(QString, name);
        QFETCH(QColor, colour);
        QWidget* widget = name == QLatin1String("Form1") ? form_.get() : control(name);
        QVERIFY(widget);
        QCOMPARE(widget->palette().color(widget->backgroundRole()), colour);
    }

    void noControlSetsAFont() {
        QVERIFY(!form_->testAttribute(Qt::WA_SetFont));
        for (QWidget* widget : form_->findChildren<QWidget*>())
            QVERIFY2(!widget->testAttribute(Qt::WA_SetFont), qPrintable(widget->objectName()));
    }

    void fieldsTakeAnyTextOfAnyLength() {
        for (QLineEdit* field : form_->findChildren<QLineEdit*>()) {
            QCOMPARE(field->maxLength(), std::numeric_limits<int>::max());
            QVERIFY(!field->validator());
            QVERIFY(field->inputMask().isEmpty());
            QVERIFY(!field->isReadOnly());
        }
        auto* catalog = qobject_cast<QLineEdit*>(control(QStringLiteral("Text47")));
        const QString longText(40000, QLatin1Char('7'));
        catalog->setText(longText);
        QCOMPARE(catalog->text(), longText);
        catalog->clear();
    }

    void importAreaWrapsAndScrollsVertically() {
        auto* area = qobject_cast<QPlainTextEdit*>(control(QStringLiteral("Text37")));
        QVERIFY(area);
        QCOMPARE(area->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QCOMPARE(area->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QCOMPARE(area->lineWrapMode(), QPlainTextEdit::WidgetWidth);
        QVERIFY(area->acceptDrops());
        QVERIFY(!area->isReadOnly());
    }

    void windowIsFixedWithItsCaptionAndIcon() {
        QCOMPARE(form_->objectName(), QStringLiteral("Form1"));
        QCOMPARE(form_->windowTitle(), QStringLiteral("Lumitrak ver4.11"));
        QCOMPARE(form_->size(), QSize(914, 576));
        QCOMPARE(form_->minimumSize(), QSize(914, 576));
        QCOMPARE(form_->maximumSize(), QSize(914, 576));
        QVERIFY(!(form_->windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(form_->windowFlags() & Qt::WindowCloseButtonHint);
        QVERIFY(!form_->windowIcon().isNull());
        QVERIFY(form_->windowIcon().availableSizes().contains(QSize(64, 64)));
    }

    void optionsFormOneExclusiveGroupStartingWithIris() {
        auto* iris = qobject_cast<QRadioButton*>(control(QStringLiteral("Option1")));
        auto* makari = qobject_cast<QRadioButton*>(control(QStringLiteral("Option2")));
        auto* simage = qobject_cast<QRadioButton*>(control(QStringLiteral("Option3")));
        QVERIFY(iris->isChecked());
        QVERIFY(!makari->isChecked() && !simage->isChecked());
        QTest::mouseClick(simage, Qt::LeftButton);
        QVERIFY(simage->isChecked());
        QVERIFY(!iris->isChecked() && !makari->isChecked());
        QTest::mouseClick(iris, Qt::LeftButton);
        QVERIFY(iris->isChecked() && !simage->isChecked());
    }

    void tabOrderRunsTableThenButtonsThenAreas() {
        QStringList expected;
        for (int k = 1; k <= 30; ++k) expected << QStringLiteral("Text%1").arg(k);
        for (int k = 38; k <= 47; ++k) expected << QStringLiteral("Text%1").arg(k);
        expected << "Command1";
        for (int k = 2; k <= 16; ++k) expected << QStringLiteral("Command%1").arg(k);
        for (int k = 28; k <= 32; ++k) expected << QStringLiteral("Command%1").arg(k);
        expected << "Text31" << "Command17";
        for (int k = 32; k <= 36; ++k) expected << QStringLiteral("Text%1").arg(k);
        for (int k = 48; k <= 58; ++k) expected << QStringLiteral("Text%1").arg(k);
        expected << "Command18";
        for (int k = 19; k <= 23; ++k) expected << QStringLiteral("Command%1").arg(k);
        for (int k = 33; k <= 35; ++k) expected << QStringLiteral("Command%1").arg(k);
        expected << "Command24" << "Command25" << "Command26" << "Text37" << "Command27"
                 << "Option1" << "Option2" << "Option3";
        for (int k = 36; k <= 55; ++k) expected << QStringLiteral("Command%1").arg(k);

        QStringList chain;
        QWidget* widget = control(QStringLiteral("Text1"));
        do {
            if (widget->focusPolicy() & Qt::TabFocus) chain << widget->objectName();
            widget = widget->nextInFocusChain();
        } while (widget != control(QStringLiteral("Text1")));
        // The chain is a ring; the window itself takes no focus.
        QCOMPARE(chain, expected);
    }

    void rowOnesMeasuredFieldHasTheFocusAtStart() {
        std::vector<RecordedBox> shown;
        Form1 form(std::make_unique<RecordingMessageBoxes>(shown, false));
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QVERIFY(QApplication::focusWidget());
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Text1"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Text2"));
    }
};

QTEST_MAIN(Form1LayoutTest)
#include "form1_layout_test.moc"
