// The main window's commands, driven through its controls as a user would.

#include <QApplication>
#include <QDir>
#include <QPointer>
#include <QFile>
#include <QMimeData>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "core/messages.h"
#include "ui/graph/form2.h"
#include "recording_message_boxes.h"
#include "ui/main/form1.h"

using lumitrak::Form1;

namespace {

QString fromUtf8(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

// Field names of row k and slot n, as the window numbers them.
QString measuredField(int k) { return QStringLiteral("Text%1").arg(k <= 15 ? 2 * k - 1 : 2 * k + 6); }
QString catalogField(int k) { return QStringLiteral("Text%1").arg(k <= 15 ? 2 * k : 2 * k + 7); }
QString selectButton(int k) { return QStringLiteral("Command%1").arg(k + 35); }
QString magnitudeField(int n) { return QStringLiteral("Text%1").arg(n <= 5 ? n + 31 : n + 42); }
QString errorField(int n) { return QStringLiteral("Text%1").arg(n + 50); }

}  // namespace

class Form1Test : public QObject {
    Q_OBJECT

private:
    QTemporaryDir workDir_;
    std::vector<RecordedBox> shown_;
    std::unique_ptr<Form1> form_;

    QLineEdit* field(const QString& name) {
        auto* widget = form_->findChild<QLineEdit*>(name);
        if (!widget) qWarning("no field %s", qPrintable(name));
        return widget;
    }
    QString text(const QString& name) {
        if (auto* label = form_->findChild<QLabel*>(name)) return label->text();
        return field(name)->text();
    }
    void type(const QString& name, const QString& text) {
        QLineEdit* target = field(name);
        target->clear();
        // QTest types Latin-1 only; other characters arrive as an input method would commit them.
        bool latin1 = true;
        for (QChar c : text) latin1 = latin1 && c.unicode() < 0x80;
        if (latin1) QTest::keyClicks(target, text);
        else target->insert(text);
    }
    void click(const QString& name) {
        auto* button = form_->findChild<QPushButton*>(name);
        QVERIFY2(button, qPrintable(name));
        QTest::mouseClick(button, Qt::LeftButton);
    }
    // Three stars on the line magnitude = measured value.
    void typeExactLine() {
        type(measuredField(1), "10");
        type(catalogField(1), "10");
        type(measuredField(2), "11");
        type(catalogField(2), "11");
        type(measuredField(3), "13");
        type(catalogField(3), "13");
    }

private slots:
    void initTestCase() {
        QVERIFY(workDir_.isValid());
        QVERIFY(QDir::setCurrent(workDir_.path()));
    }

    void init() {
        shown_.clear();
        form_ = std::make_unique<Form1>(std::make_unique<RecordingMessageBoxes>(shown_, false));
        form_->show();
        QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
    }

    void cleanup() { form_.reset(); }

    void startShowsEmptyFieldsAndNoResults() {
        for (int k = 1; k <= 20; ++k) {
            QCOMPARE(text(measuredField(k)), QString());
            QCOMPARE(text(catalogField(k)), QString());
        }
        QCOMPARE(text("Text31"), QString());
        for (const char* label : {"Label6", "Label8", "Label14", "Label15", "Label19", "Label20"})
            QCOMPARE(text(label), QStringLiteral("--.--"));
        QCOMPARE(text("Label10"), QStringLiteral("等級 = 傾き x 測光値 + 定数"));
        QCOMPARE(text("Label12"), QString());
        QCOMPARE(text("Label16"), QString());
    }

    // Stars typed, the variable star picked with "s", three measurements, the average.
    void typicalObservation() {
        typeExactLine();
        type(measuredField(4), "12.345");  // the variable star, without a catalog magnitude
        type(measuredField(5), "9.9");     // a star nobody typed a catalog magnitude for
        click(selectButton(4));
        QCOMPARE(text("Text31"), QStringLiteral("12.345"));
        QCOMPARE(text(measuredField(4)), QString());
        QCOMPARE(text(measuredField(5)), QString());
        QCOMPARE(text(measuredField(3)), QStringLiteral("13"));
        QCOMPARE(text("Label6"), QStringLiteral("--.--"));  // "s" computes nothing

        click("Command17");
        QCOMPARE(text("Label6"), QStringLiteral("12.345"));
        QCOMPARE(text("Label8"), QStringLiteral("0.000"));
        QCOMPARE(text("Label10"), QStringLiteral("傾き = 1"));
        QCOMPARE(text("Label12"), QStringLiteral("定数 = 0"));
        QCOMPARE(text("Label16"), QStringLiteral("相関係数 =1.00000"));

        type("Text31", "12.401");
        QTest::keyClick(field("Text31"), Qt::Key_Return);
        type("Text31", "12.380");
        click("Command17");
        const QStringList magnitudes{"12.345", "12.401", "12.380"};
        for (int n = 1; n <= 3; ++n) {
            QCOMPARE(text(magnitudeField(n)), magnitudes[n - 1]);
            QCOMPARE(text(errorField(n)), QStringLiteral("0.000"));
        }
        QCOMPARE(text(magnitudeField(4)), QString());
        QVERIFY(shown_.empty());

        // The observer types the errors of the three images, then averages.
        type(errorField(1), "0.020");
        type(errorField(2), "0.030");
        type(errorField(3), "0.010");
        click("Command18");
        QCOMPARE(text("Label14"), QStringLiteral("12.375"));
        QCOMPARE(text("Label15"), QStringLiteral("0.023"));
        QCOMPARE(text("Label19"), QStringLiteral("12.375"));
        QCOMPARE(text("Label20"), QStringLiteral("0.009"));
        QVERIFY(shown_.empty());

        // Clearing a slot leaves the averages on display until the next average.
        click("Command20");
        QCOMPARE(text(magnitudeField(2)), QString());
        QCOMPARE(text(errorField(2)), QString());
        QCOMPARE(text(magnitudeField(1)), QStringLiteral("12.345"));
        QCOMPARE(text("Label14"), QStringLiteral("12.375"));
        QCOMPARE(text("Label20"), QStringLiteral("0.009"));
    }

    // "s" on row 2: only the empty string counts as no catalog magnitude.
    void selectKeepsRowsWithAnyCatalogText_data() {
        QTest::addColumn<QString>("catalogText");
        QTest::addColumn<QString>("measuredAfter");
        QTest::newRow("empty catalog loses its value") << "" << "";
        QTest::newRow("blank catalog keeps its value") << " " << "8.2";
        QTest::newRow("typed catalog keeps its value") << "11.0" << "8.2";
    }
    void selectKeepsRowsWithAnyCatalogText() {
        QFETCH(QString, catalogText);
        QFETCH(QString, measuredAfter);
        type(measuredField(17), "7.5");  // the selected row, no catalog text
        type(measuredField(2), "8.2");
        type(catalogField(2), catalogText);
        type(catalogField(9), "10.4");   // a row with only a catalog text
        click(selectButton(17));
        QCOMPARE(text("Text31"), QStringLiteral("7.5"));
        QCOMPARE(text(measuredField(17)), QString());
        QCOMPARE(text(measuredField(2)), measuredAfter);
        QCOMPARE(text(catalogField(2)), catalogText);
        QCOMPARE(text(catalogField(9)), QStringLiteral("10.4"));
    }

    void selectOnRowWithCatalogKeepsIt() {
        type(measuredField(20), "6.25");
        type(catalogField(20), "12.1");
        click(selectButton(20));
        QCOMPARE(text("Text31"), QStringLiteral("6.25"));
        QCOMPARE(text(measuredField(20)), QStringLiteral("6.25"));
        QCOMPARE(text(catalogField(20)), QStringLiteral("12.1"));
    }

    void selectOnEmptyRowEmptiesVariableField() {
        type("Text31", "5.5");
        type(measuredField(3), "9.1");
        click(selectButton(1));
        QCOMPARE(text("Text31"), QString());
        QCOMPARE(text(measuredField(3)), QString());
    }

    // Each clear touches its own texts and nothing else.
    void clearsTouchOnlyTheirTexts_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("measuredCleared");
        QTest::addColumn<bool>("catalogCleared");
        QTest::newRow("measured column") << "Command25" << true << false;
        QTest::newRow("catalog column") << "Command26" << false << true;
        QTest::newRow("whole table") << "Command1" << true << true;
    }
    void clearsTouchOnlyTheirTexts() {
        QFETCH(QString, button);
        QFETCH(bool, measuredCleared);
        QFETCH(bool, catalogCleared);
        typeExactLine();
        type(measuredField(16), "4.4");
        type(catalogField(16), "14.4");
        type("Text31", "12");
        click("Command17");
        form_->findChild<QPlainTextEdit*>("Text37")->setPlainText("pasted output");
        form_->findChild<QRadioButton*>("Option2")->setChecked(true);
        const QString magnitude = text("Label6");
        click(button);
        QCOMPARE(text(measuredField(1)).isEmpty(), measuredCleared);
        QCOMPARE(text(measuredField(16)).isEmpty(), measuredCleared);
        QCOMPARE(text(catalogField(1)).isEmpty(), catalogCleared);
        QCOMPARE(text(catalogField(16)).isEmpty(), catalogCleared);
        QCOMPARE(text("Text31"), QStringLiteral("12"));
        QCOMPARE(text("Label6"), magnitude);
        QCOMPARE(text(magnitudeField(1)), magnitude);
        QCOMPARE(form_->findChild<QPlainTextEdit*>("Text37")->toPlainText(), QStringLiteral("pasted output"));
        QVERIFY(form_->findChild<QRadioButton*>("Option2")->isChecked());
    }

    void rowClearButtonEmptiesItsRowOnly_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("button");
        QTest::newRow("row 1") << 1 << "Command2";
        QTest::newRow("row 15") << 15 << "Command16";
        QTest::newRow("row 16") << 16 << "Command28";
        QTest::newRow("row 20") << 20 << "Command32";
    }
    void rowClearButtonEmptiesItsRowOnly() {
        QFETCH(int, row);
        QFETCH(QString, button);
        for (int k : {1, 15, 16, 20}) {
            type(measuredField(k), QString::number(k));
            type(catalogField(k), QString::number(k + 100));
        }
        click(button);
        for (int k : {1, 15, 16, 20}) {
            QCOMPARE(text(measuredField(k)).isEmpty(), k == row);
            QCOMPARE(text(catalogField(k)).isEmpty(), k == row);
        }
    }

    void slotClearButtonsEmptyTheirSlot_data() {
        QTest::addColumn<int>("slot");
        QTest::addColumn<QString>("button");
        QTest::newRow("slot 1") << 1 << "Command19";
        QTest::newRow("slot 5") << 5 << "Command23";
        QTest::newRow("slot 6") << 6 << "Command33";
        QTest::newRow("slot 8") << 8 << "Command35";
    }
    void slotClearButtonsEmptyTheirSlot() {
        QFETCH(int, slot);
        QFETCH(QString, button);
        for (int n = 1; n <= 8; ++n) {
            type(magnitudeField(n), QString::number(10 + n));
            type(errorField(n), "0.01");
        }
        click(button);
        for (int n = 1; n <= 8; ++n) {
            QCOMPARE(text(magnitudeField(n)).isEmpty(), n == slot);
            QCOMPARE(text(errorField(n)).isEmpty(), n == slot);
        }
    }

    void measureGoesIntoTheFirstFreeSlot() {
        typeExactLine();
        for (int n = 1; n <= 5; ++n) type(magnitudeField(n), "11");
        type(errorField(6), "old");
        type("Text31", "12.5");
        click("Command17");
        QCOMPARE(text(magnitudeField(6)), QStringLiteral("12.500"));
        QCOMPARE(text(errorField(6)), QStringLiteral("0.000"));
        QCOMPARE(text(magnitudeField(7)), QString());
    }

    void missingVariableValueIsReported() {
        typeExactLine();
        click("Command17");
        QCOMPARE(shown_.size(), std::size_t(1));
        QCOMPARE(shown_[0].title, QStringLiteral("Lumitrak"));
        QCOMPARE(shown_[0].text, fromUtf8(lumitrak::kMissingVariableValueMessage));
        QVERIFY(!shown_[0].question);
        QCOMPARE(text("Label10"), QStringLiteral("等級 = 傾き x 測光値 + 定数"));
        QCOMPARE(text(magnitudeField(1)), QString());
    }

    void undefinedFitIsReportedAndChangesNothing() {
        type(measuredField(1), "10");
        type(catalogField(1), "10");
        type("Text31", "12");
        QTest::keyClick(field("Text31"), Qt::Key_Enter);  // the keypad's Enter
        QCOMPARE(shown_.size(), std::size_t(1));
        QCOMPARE(shown_[0].title, QStringLiteral("Lumitrak"));
        QCOMPARE(shown_[0].text, fromUtf8(lumitrak::kFitUndefinedMessage));
        QCOMPARE(text("Label6"), QStringLiteral("--.--"));
        QCOMPARE(text("Label10"), QStringLiteral("等級 = 傾き x 測光値 + 定数"));
        QCOMPARE(text(magnitudeField(1)), QString());
    }

    void fullAveragingAreaIsReportedAfterTheResultIsShown() {
        typeExactLine();
        for (int n = 1; n <= 8; ++n) type(magnitudeField(n), " ");  // a blank fills a slot
        type("Text31", "12.25");
        click("Command17");
        QCOMPARE(shown_.size(), std::size_t(1));
        QCOMPARE(shown_[0].title, QStringLiteral("Lumitrak"));
        QCOMPARE(shown_[0].text, fromUtf8(lumitrak::kAveragingAreaFullMessage));
        QVERIFY(shown_[0].text.contains(QLatin1Char('\r')));
        QCOMPARE(text("Label6"), QStringLiteral("12.250"));
        for (int n = 1; n <= 8; ++n) QCOMPARE(text(magnitudeField(n)), QStringLiteral(" "));
    }

    // Enter measures only in the variable star's field.
    void enterMeasuresOnlyInTheVariableField_data() {
        QTest::addColumn<QString>("fieldName");
        QTest::addColumn<bool>("measures");
        QTest::newRow("Text31") << "Text31" << true;
        QTest::newRow("row 1 measured") << "Text1" << false;
        QTest::newRow("row 16 catalog") << "Text39" << false;
        QTest::newRow("slot 1") << "Text32" << false;
    }
    void enterMeasuresOnlyInTheVariableField() {
        QFETCH(QString, fieldName);
        QFETCH(bool, measures);
        typeExactLine();
        type("Text31", "12");
        QTest::keyClick(field(fieldName), Qt::Key_Return);
        QCOMPARE(text("Label6") == QStringLiteral("12.000"), measures);
        QCOMPARE(text(magnitudeField(1)).isEmpty(), !measures);
        QVERIFY(shown_.empty());
    }

    void otherKeysInTheVariableFieldAreTyping() {
        QTest::keyClicks(field("Text31"), "1a x");
        QTest::keyClick(field("Text31"), Qt::Key_Backspace);
        QCOMPARE(text("Text31"), QStringLiteral("1a "));
        QCOMPARE(text("Label6"), QStringLiteral("--.--"));
        QVERIFY(shown_.empty());
    }

    void averageWithNoFilledSlotShowsNoMessage() {
        click("Command18");
        QVERIFY(shown_.empty());
        QCOMPARE(text("Label14"), QStringLiteral("--.--"));
    }

    // A typed text reaches the core exactly as typed, Japanese included.
    void textsPassThroughUnchanged() {
        type(measuredField(1), "ｶﾀﾛｸﾞ 12,5");
        click(selectButton(1));
        QCOMPARE(text("Text31"), QStringLiteral("ｶﾀﾛｸﾞ 12,5"));

        QCOMPARE(form_->sheet().variableMeasuredText, std::string("ｶﾀﾛｸﾞ 12,5"));
    }
    // The graph window opens once; while it is open the button only brings it to the front.
    void graphOpensOnceAndDrawsAnewAfterClosing() {
        typeExactLine();
        click("Command24");
        QPointer<lumitrak::Form2> first = form_->graphWindow();
        QVERIFY(first);
        QVERIFY(first->isVisible());
        QCOMPARE(text("Label10"), QStringLiteral("傾き = 1"));
        QCOMPARE(text("Label8"), QStringLiteral("0.00"));  // two decimals when the graph loads
        QCOMPARE(text("Label6"), QStringLiteral("--.--"));
        const QImage drawing = first->graphImage();

        type(measuredField(4), "14");
        type(catalogField(4), "15");
        click("Command24");
        QCOMPARE(form_->graphWindow(), first.data());
        QCOMPARE(first->graphImage(), drawing);
        QCOMPARE(text("Label10"), QStringLiteral("傾き = 1"));
        QCOMPARE(form_->findChildren<lumitrak::Form2*>().size(), 1);

        first->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!first);
        QVERIFY(!form_->graphWindow());
        click("Command24");
        QVERIFY(form_->graphWindow());
        QVERIFY(form_->graphWindow()->graphImage() != drawing);
        QVERIFY(text("Label10") != QStringLiteral("傾き = 1"));
        QVERIFY(shown_.empty());
    }

    // Each reader fills the measured column from the text in the import area.
    void importFillsMeasuredValues_data() {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("importText");
        QTest::addColumn<QStringList>("measured");
        QTest::newRow("IRIS") << "Option1" << " Magnitude = -7.1234 x Magnitude = -6.5432"
                              << QStringList{"-7.1234", "-6.5432"};
        const QString heading = QStringList(18, QStringLiteral("h")).join(',');
        QStringList line(18, QStringLiteral("9"));
        line[16] = QStringLiteral("1000");
        const QString first = line.join(',');
        line[16] = QStringLiteral("100");
        const QString second = line.join(',');
        QTest::newRow("Makari") << "Option2" << " " + heading + " " + first + " " + second
                                << QStringList{"-7.5", "-5."};
        QTest::newRow("S.Image") << "Option3" << " 1000 SEMICTRD 100 SEMICTRD"
                                 << QStringList{"-7.5", "-5."};
    }
    void importFillsMeasuredValues() {
        QFETCH(QString, option);
        QFETCH(QString, importText);
        QFETCH(QStringList, measured);
        type(catalogField(1), "10.5");
        type(measuredField(3), "kept");
        form_->findChild<QPlainTextEdit*>("Text37")->setPlainText(importText);
        QTest::mouseClick(form_->findChild<QRadioButton*>(option), Qt::LeftButton);
        click("Command27");
        QVERIFY(shown_.empty());
        for (int k = 1; k <= measured.size(); ++k) QCOMPARE(text(measuredField(k)), measured[k - 1]);
        QCOMPARE(text(measuredField(3)), QStringLiteral("kept"));
        QCOMPARE(text(catalogField(1)), QStringLiteral("10.5"));
    }

    void importAbortsWithItsMessage_data() {
        QTest::addColumn<QString>("importText");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("firstRow");
        QTest::newRow("negative count") << " 1000 SEMICTRD -5 SEMICTRD"
                                        << fromUtf8(lumitrak::kNegativeCountMessage) << "-7.5";
        QTest::newRow("zero count") << " 1000 SEMICTRD 0 SEMICTRD"
                                    << QString::fromStdString(lumitrak::invalidCountMessage(2)) << "-7.5";
    }
    void importAbortsWithItsMessage() {
        QFETCH(QString, importText);
        QFETCH(QString, message);
        QFETCH(QString, firstRow);
        form_->findChild<QPlainTextEdit*>("Text37")->setPlainText(importText);
        form_->findChild<QRadioButton*>("Option3")->setChecked(true);
        click("Command27");
        QCOMPARE(shown_.size(), std::size_t(1));
        QCOMPARE(shown_[0].title, QStringLiteral("data error"));
        QCOMPARE(shown_[0].text, message);
        QCOMPARE(text(measuredField(1)), firstRow);
    }

    // A dropped file's lines land in the import area as one line, each after a blank.
    void droppedFileFillsTheImportArea() {
        QFile file(QDir::current().filePath("iris.txt"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("Magnitude -7.1234\r\nsecond line\r\n");
        file.close();
        auto* area = form_->findChild<QPlainTextEdit*>("Text37");
        area->setPlainText("old");
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(file.fileName())});
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(area->viewport(), &enter);
        QDropEvent drop(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(area->viewport(), &drop);
        QCOMPARE(area->toPlainText(), QStringLiteral(" Magnitude -7.1234 second line"));
        QCOMPARE(form_->sheet().importText, std::string(" Magnitude -7.1234 second line"));
        QVERIFY(shown_.empty());
    }

    void unreadableDropKeepsTheImportArea() {
        auto* area = form_->findChild<QPlainTextEdit*>("Text37");
        area->setPlainText("pasted");
        form_->Text37_OLEDragDrop({QUrl::fromLocalFile(QDir::current().filePath("missing.txt"))});
        QCOMPARE(shown_.size(), std::size_t(1));
        QCOMPARE(shown_[0].title, QStringLiteral("Lumitrak"));
        QVERIFY(!shown_[0].text.isEmpty());
        QCOMPARE(area->toPlainText(), QStringLiteral("pasted"));
    }
};

QTEST_MAIN(Form1Test)
#include "form1_test.moc"
