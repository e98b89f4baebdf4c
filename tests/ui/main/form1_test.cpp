// The main window's commands, driven through its controls as a user would: every button runs
// its own command, results and messages reach the window. The arithmetic is the core's.

#include <QPlainTextEdit>
#include <QPointer>
#include <QRadioButton>
#include <QTemporaryDir>

#include "core/messages.h"
#include "form1_test_support.h"
#include "ui/graph/form2.h"
#include "ui/main/form1_layout.h"

using namespace lumitrak;

// Rows 1..3 on the line magnitude = measured value.
const QStringList kExactLine{"Text1", "10", "Text2", "10", "Text3", "11", "Text4", "11", "Text5", "13", "Text6", "13"};

class Form1Test : public QObject {
    Q_OBJECT
    QTemporaryDir workDir_;
    std::unique_ptr<Window> w_;

    void type(const QStringList& fieldsAndTexts) {
        for (qsizetype i = 0; i < fieldsAndTexts.size(); i += 2) {
            if (fieldsAndTexts[i] == "Text37") w_->find<QPlainTextEdit>("Text37")->setPlainText(fieldsAndTexts[i + 1]);
            else w_->type(fieldsAndTexts[i], fieldsAndTexts[i + 1]);
        }
    }

private slots:
    void initTestCase() { QVERIFY(QDir::setCurrent(workDir_.path())); }
    void init() { w_ = std::make_unique<Window>(); }
    void cleanup() { w_.reset(); }

    // One observation end to end: "s" on the variable's row, the measure button, Enter, the average.
    void typicalObservation() {
        type(kExactLine + QStringList{"Text7", "12.345"});
        w_->click("Command39");
        QCOMPARE(w_->text("Text31"), QStringLiteral("12.345"));
        QCOMPARE(w_->text("Text7"), QString());
        QCOMPARE(w_->text("Label6"), QStringLiteral("--.--"));  // "s" computes nothing
        w_->click("Command17");
        QCOMPARE(w_->text("Label8"), QStringLiteral("0.000"));
        QCOMPARE(w_->text("Label10"), QStringLiteral("傾き = 1"));
        QCOMPARE(w_->text("Label16"), QStringLiteral("相関係数 =1.00000"));
        w_->type("Text31", "１２．４０１");  // as an input method types it
        QTest::keyClick(w_->find<QLineEdit>("Text31"), Qt::Key_Return);
        w_->type("Text31", "12.380");
        QTest::keyClick(w_->find<QLineEdit>("Text31"), Qt::Key_Enter);  // the keypad's Enter
        for (const auto& [slot, magnitude] : {std::pair{"Text32", "12.345"}, {"Text33", "12.401"}, {"Text34", "12.380"}})
            QCOMPARE(w_->text(slot), QString::fromLatin1(magnitude));
        type({"Text51", "0.020", "Text52", "0.030", "Text53", "0.010"});
        w_->click("Command18");
        const QStringList averages{w_->text("Label14"), w_->text("Label15"), w_->text("Label19"), w_->text("Label20")};
        QCOMPARE(averages, QStringList({"12.375", "0.023", "12.375", "0.009"}));
        QVERIFY(w_->shown.empty());
    }

    // Every clear and select button, and Enter elsewhere than in Text31: each touches its own
    // fields only. Every field holds its number, but for `blank`, which is emptied beforehand.
    void everyButtonRunsItsOwnCommand_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("blank");
        QTest::addColumn<QStringList>("emptied");
        QTest::addColumn<QString>("variable");  // Text31 afterwards
        QStringList measured, catalog;
        for (int k = 1; k <= kComparisonRows; ++k) {
            measured << rowMeasuredFieldName(k);
            catalog << rowCatalogFieldName(k);
            const QStringList row{measured.last(), catalog.last()};
            QTest::addRow("c of row %d", k) << rowClearButtonName(k) << "" << row << "31";
            // Only the selected row lacks a catalog text, so only it loses its measured text.
            QTest::addRow("s of row %d", k) << rowSelectButtonName(k) << catalog.last() << row << measured.last().mid(4);
        }
        for (int n = 1; n <= kAveragingSlots; ++n)
            QTest::addRow("c of slot %d", n) << slotClearButtonName(n) << "" << QStringList{slotMagnitudeFieldName(n), slotErrorFieldName(n)} << "31";
        QTest::newRow("measured column") << "Command25" << "" << measured << "31";
        QTest::newRow("catalog column") << "Command26" << "" << catalog << "31";
        QTest::newRow("all rows") << "Command1" << "" << measured + catalog << "31";
        QTest::newRow("Enter in row 1") << "Text1" << "" << QStringList{} << "31";
        QTest::newRow("Enter in slot 1") << "Text32" << "" << QStringList{} << "31";
    }
    void everyButtonRunsItsOwnCommand() {
        QFETCH(QString, control);
        QFETCH(QString, blank);
        QFETCH(QStringList, emptied);
        QFETCH(QString, variable);
        QStringList fields{"Text31"};
        for (int k = 1; k <= kComparisonRows; ++k) fields << rowMeasuredFieldName(k) << rowCatalogFieldName(k);
        for (int n = 1; n <= kAveragingSlots; ++n) fields << slotMagnitudeFieldName(n) << slotErrorFieldName(n);
        for (const QString& name : fields) w_->type(name, name == blank ? QString() : name.mid(4));
        if (control.startsWith("Text")) QTest::keyClick(w_->find<QLineEdit>(control), Qt::Key_Return);
        else w_->click(control);
        for (const QString& name : fields) {
            const QString expected = name == "Text31" ? variable : emptied.contains(name) ? QString() : name.mid(4);
            QVERIFY2(w_->text(name) == expected, qPrintable(name));
        }
        QCOMPARE(w_->text("Label6"), QStringLiteral("--.--"));
        QVERIFY(w_->shown.empty());
    }

    // Each message reaches the window's message box, titled, after what the command showed.
    void commandsReportTheirMessages_data() {
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("magnitude");  // Label6 afterwards
        QStringList full = kExactLine + QStringList{"Text31", "12.25"};
        for (int n = 1; n <= kAveragingSlots; ++n) full << slotMagnitudeFieldName(n) << " ";  // a blank fills a slot
        QTest::newRow("no variable value") << kExactLine << "Lumitrak" << fromUtf8(kMissingVariableValueMessage) << "--.--";
        QTest::newRow("no fit") << QStringList{"Text1", "10", "Text2", "10", "Text31", "12"} << "Lumitrak"
                                << fromUtf8(kFitUndefinedMessage) << "--.--";
        QTest::newRow("area full") << full << "Lumitrak" << fromUtf8(kAveragingAreaFullMessage) << "12.250";
        QTest::newRow("negative count") << QStringList{"Text37", " 1000 SEMICTRD -5 SEMICTRD"} << "data error"
                                        << fromUtf8(kNegativeCountMessage) << "--.--";
    }
    void commandsReportTheirMessages() {
        QFETCH(QStringList, typed);
        QFETCH(QString, title);
        QFETCH(QString, message);
        QFETCH(QString, magnitude);
        type(typed);
        QTest::mouseClick(w_->find<QRadioButton>("Option3"), Qt::LeftButton);
        w_->click(typed.first() == "Text37" ? "Command27" : "Command17");
        QCOMPARE(w_->shown.size(), std::size_t(1));
        QCOMPARE(w_->shown[0].title, title);
        QCOMPARE(w_->shown[0].text, message);
        QCOMPARE(w_->text("Label6"), magnitude);
        QCOMPARE(w_->text("Text1"), typed.first() == "Text37" ? "-7.5" : typed[1]);  // rows read before the stop stay
        QCOMPARE(w_->text("Text32").isEmpty(), magnitude == "--.--");
    }

    // The graph button opens the graph once; a second press only raises it with its first drawing.
    void graphOpensOnceAndDrawsAnewAfterClosing() {
        type(kExactLine);
        w_->click("Command24");
        QPointer<Form2> first = w_->form->graphWindow();
        const QImage drawing = first->graphImage();
        QCOMPARE(w_->text("Label8"), QStringLiteral("0.00"));
        type({"Text7", "14", "Text8", "15"});
        w_->click("Command24");
        QVERIFY(w_->form->graphWindow() == first && first->graphImage() == drawing);
        delete first;
        w_->click("Command24");
        QVERIFY(w_->form->graphWindow()->graphImage() != drawing);
    }
};

QTEST_MAIN(Form1Test)
#include "form1_test.moc"
