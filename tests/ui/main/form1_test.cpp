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

class Form1Test : public QObject {
    Q_OBJECT
    QTemporaryDir workDir_;
    std::unique_ptr<Window> w_;

private slots:
    void initTestCase() { QVERIFY(QDir::setCurrent(workDir_.path())); }
    void init() { w_ = std::make_unique<Window>(); }
    void cleanup() { w_.reset(); }

    // One observation end to end: "s", the measure button, Enter, the average, a slot's "c".
    void typicalObservation() {
        w_->typeExactLine();
        w_->type("Text7", "12.345");  // row 4, the variable star without a catalog magnitude
        w_->click("Command39");
        QCOMPARE(w_->text("Text31"), QStringLiteral("12.345"));
        QCOMPARE(w_->text("Text7"), QString());
        QCOMPARE(w_->text("Label6"), QStringLiteral("--.--"));  // "s" computes nothing

        w_->click("Command17");
        QCOMPARE(w_->text("Label6"), QStringLiteral("12.345"));
        QCOMPARE(w_->text("Label8"), QStringLiteral("0.000"));
        QCOMPARE(w_->text("Label10"), QStringLiteral("傾き = 1"));
        QCOMPARE(w_->text("Label16"), QStringLiteral("相関係数 =1.00000"));
        w_->type("Text31", "１２．４０１");  // as an input method types it
        QTest::keyClick(w_->find<QLineEdit>("Text31"), Qt::Key_Return);
        w_->type("Text31", "12.380");
        QTest::keyClick(w_->find<QLineEdit>("Text31"), Qt::Key_Enter);  // the keypad's Enter
        const char* filled[][2] = {{"Text32", "12.345"}, {"Text33", "12.401"}, {"Text34", "12.380"}};
        for (const auto& [slot, magnitude] : filled) QCOMPARE(w_->text(slot), QString::fromLatin1(magnitude));
        QCOMPARE(w_->text("Text51"), QStringLiteral("0.000"));

        for (const auto& [field, error] : {std::pair{"Text51", "0.020"}, {"Text52", "0.030"}, {"Text53", "0.010"}})
            w_->type(field, error);
        w_->click("Command18");
        QCOMPARE(w_->text("Label14"), QStringLiteral("12.375"));
        QCOMPARE(w_->text("Label15"), QStringLiteral("0.023"));
        QCOMPARE(w_->text("Label19"), QStringLiteral("12.375"));
        QCOMPARE(w_->text("Label20"), QStringLiteral("0.009"));
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
            QTest::addRow("c of row %d", k) << rowClearButtonName(k) << "" << QStringList{measured[k - 1], catalog[k - 1]} << "31";
            // Only the selected row lacks a catalog text, so only it loses its measured text.
            QTest::addRow("s of row %d", k) << rowSelectButtonName(k) << catalog[k - 1]
                                            << QStringList{measured[k - 1], catalog[k - 1]} << measured[k - 1].mid(4);
        }
        for (int n = 1; n <= kAveragingSlots; ++n) {
            QTest::addRow("c of slot %d", n) << slotClearButtonName(n) << ""
                                             << QStringList{slotMagnitudeFieldName(n), slotErrorFieldName(n)} << "31";
        }
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
        w_->find<QPlainTextEdit>("Text37")->setPlainText("pasted output");
        if (control.startsWith("Text")) QTest::keyClick(w_->find<QLineEdit>(control), Qt::Key_Return);
        else w_->click(control);
        for (const QString& name : fields) {
            const QString expected = name == "Text31" ? variable : emptied.contains(name) ? QString() : name.mid(4);
            QVERIFY2(w_->text(name) == expected, qPrintable(name));
        }
        QCOMPARE(w_->find<QPlainTextEdit>("Text37")->toPlainText(), QStringLiteral("pasted output"));
        QCOMPARE(w_->text("Label6"), QStringLiteral("--.--"));
        QVERIFY(w_->shown.empty());
    }

    // Each message reaches the window's message box, titled, after what the command showed.
    void commandsReportTheirMessages_data() {
        QTest::addColumn<QStringList>("typed");  // field, text, field, text, ...
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("magnitude");  // Label6 afterwards
        const QStringList line{"Text1", "10", "Text2", "10", "Text3", "11", "Text4", "11"};
        QStringList full = line + QStringList{"Text31", "12.25"};
        for (int n = 1; n <= kAveragingSlots; ++n) full << slotMagnitudeFieldName(n) << " ";  // a blank fills a slot
        QTest::newRow("no variable value") << line << "Command17" << "Lumitrak" << fromUtf8(kMissingVariableValueMessage) << "--.--";
        QTest::newRow("no fit") << QStringList{"Text1", "10", "Text2", "10", "Text31", "12"} << "Command17" << "Lumitrak"
                                << fromUtf8(kFitUndefinedMessage) << "--.--";
        QTest::newRow("area full") << full << "Command17" << "Lumitrak" << fromUtf8(kAveragingAreaFullMessage) << "12.250";
        QTest::newRow("negative count") << QStringList{"Text37", " 1000 SEMICTRD -5 SEMICTRD"} << "Command27" << "data error"
                                        << fromUtf8(kNegativeCountMessage) << "--.--";
    }
    void commandsReportTheirMessages() {
        QFETCH(QStringList, typed);
        QFETCH(QString, control);
        QFETCH(QString, title);
        QFETCH(QString, message);
        QFETCH(QString, magnitude);
        for (qsizetype i = 0; i < typed.size(); i += 2) {
            if (typed[i] == "Text37") w_->find<QPlainTextEdit>("Text37")->setPlainText(typed[i + 1]);
            else w_->type(typed[i], typed[i + 1]);
        }
        QTest::mouseClick(w_->find<QRadioButton>("Option3"), Qt::LeftButton);
        w_->click(control);
        QCOMPARE(w_->shown.size(), std::size_t(1));
        QCOMPARE(w_->shown[0].title, title);
        QCOMPARE(w_->shown[0].text, message);
        QCOMPARE(w_->text("Label6"), magnitude);
        if (control == "Command27") QCOMPARE(w_->text("Text1"), QStringLiteral("-7.5"));  // rows read before stay
        else QCOMPARE(w_->text("Text32").isEmpty(), magnitude == "--.--");
    }

    // Each option stands for its program whenever a command reads the window.
    void optionsMapToTheirProgram() {
        const std::pair<const char*, SourceProgram> options[] = {
            {"Option2", SourceProgram::Makari}, {"Option3", SourceProgram::SImage}, {"Option1", SourceProgram::Iris}};
        for (const auto& [option, program] : options) {
            QTest::mouseClick(w_->find<QRadioButton>(option), Qt::LeftButton);
            w_->click("Command18");
            QVERIFY(w_->form->sheet().sourceProgram == program);
        }
    }

    // The graph window opens once; a second press only raises it with its first drawing.
    void graphOpensOnceAndDrawsAnewAfterClosing() {
        w_->typeExactLine();
        w_->click("Command24");
        QPointer<Form2> first = w_->form->graphWindow();
        QVERIFY(first && first->isVisible());
        QCOMPARE(w_->text("Label10"), QStringLiteral("傾き = 1"));
        QCOMPARE(w_->text("Label8"), QStringLiteral("0.00"));
        const QImage drawing = first->graphImage();
        w_->type("Text7", "14");
        w_->type("Text8", "15");
        w_->click("Command24");
        QCOMPARE(w_->form->graphWindow(), first.data());
        QCOMPARE(first->graphImage(), drawing);
        first->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!first && !w_->form->graphWindow());
        w_->click("Command24");
        QVERIFY(w_->form->graphWindow()->graphImage() != drawing);
        QVERIFY(w_->text("Label10") != QStringLiteral("傾き = 1"));
    }
};

QTEST_MAIN(Form1Test)
#include "form1_test.moc"
