// The main window's commands, driven through its controls as a user would: each control runs
// its own command, results and messages reach the window. The arithmetic is the core's.

#include <QPlainTextEdit>
#include <QPointer>
#include <QRadioButton>
#include <QTemporaryDir>

#include "core/messages.h"
#include "form1_test_support.h"
#include "ui/graph/form2.h"

class Form1Test : public QObject {
    Q_OBJECT
    QTemporaryDir workDir_;
    std::unique_ptr<Window> w_;

    void expectOneBox(const QString& title, std::string_view text) {
        QCOMPARE(w_->shown.size(), std::size_t(1));
        QCOMPARE(w_->shown[0].title, title);
        QCOMPARE(w_->shown[0].text, fromUtf8(text));
        QVERIFY(w_->shown[0].kind == Box::Message);
    }

private slots:
    void initTestCase() { QVERIFY(QDir::setCurrent(workDir_.path())); }
    void init() {
        w_ = std::make_unique<Window>();
        QVERIFY(QTest::qWaitForWindowExposed(w_->form.get()));
    }
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
        w_->type("Text31", "12.401");
        QTest::keyClick(w_->find<QLineEdit>("Text31"), Qt::Key_Return);
        w_->type("Text31", "12.380");
        w_->click("Command17");
        const char* filled[][3] = {{"Text32", "Text51", "12.345"}, {"Text33", "Text52", "12.401"},
                                  {"Text34", "Text53", "12.380"}};
        for (const auto& slot : filled) {
            QCOMPARE(w_->text(slot[0]), QString::fromLatin1(slot[2]));
            QCOMPARE(w_->text(slot[1]), QStringLiteral("0.000"));
        }
        QCOMPARE(w_->text("Text35"), QString());

        for (const auto& [field, error] : {std::pair{"Text51", "0.020"}, {"Text52", "0.030"}, {"Text53", "0.010"}})
            w_->type(field, error);
        w_->click("Command18");
        QCOMPARE(w_->text("Label14"), QStringLiteral("12.375"));
        QCOMPARE(w_->text("Label15"), QStringLiteral("0.023"));
        QCOMPARE(w_->text("Label20"), QStringLiteral("0.009"));
        w_->click("Command20");  // slot 2's "c" leaves the averages on display
        QCOMPARE(w_->text("Text33"), QString());
        QCOMPARE(w_->text("Label14"), QStringLiteral("12.375"));
        QVERIFY(w_->shown.empty());
    }

    // Each clear button empties its own fields and no others.
    void clearButtonsEmptyTheirFields_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QStringList>("emptied");
        QTest::newRow("all rows") << "Command1"
                                  << QStringList{"Text1", "Text2", "Text29", "Text30", "Text38", "Text39", "Text46", "Text47"};
        QTest::newRow("measured column") << "Command25" << QStringList{"Text1", "Text29", "Text38", "Text46"};
        QTest::newRow("catalog column") << "Command26" << QStringList{"Text2", "Text30", "Text39", "Text47"};
        QTest::newRow("row 1") << "Command2" << QStringList{"Text1", "Text2"};
        QTest::newRow("row 15") << "Command16" << QStringList{"Text29", "Text30"};
        QTest::newRow("row 16") << "Command28" << QStringList{"Text38", "Text39"};
        QTest::newRow("row 20") << "Command32" << QStringList{"Text46", "Text47"};
        QTest::newRow("slot 1") << "Command19" << QStringList{"Text32", "Text51"};
        QTest::newRow("slot 5") << "Command23" << QStringList{"Text36", "Text55"};
        QTest::newRow("slot 6") << "Command33" << QStringList{"Text48", "Text56"};
        QTest::newRow("slot 8") << "Command35" << QStringList{"Text50", "Text58"};
    }
    void clearButtonsEmptyTheirFields() {
        QFETCH(QString, button);
        QFETCH(QStringList, emptied);
        const QStringList fields{"Text1", "Text2", "Text29", "Text30", "Text38", "Text39", "Text46", "Text47",
                                 "Text31", "Text32", "Text51", "Text36", "Text55", "Text48", "Text56", "Text50", "Text58"};
        for (const QString& name : fields) w_->type(name, name.mid(4));
        w_->find<QPlainTextEdit>("Text37")->setPlainText("pasted output");
        w_->click(button);
        for (const QString& name : fields)
            QVERIFY2(w_->text(name) == (emptied.contains(name) ? QString() : name.mid(4)), qPrintable(name));
        QCOMPARE(w_->find<QPlainTextEdit>("Text37")->toPlainText(), QStringLiteral("pasted output"));
        QVERIFY(w_->shown.empty());
    }

    // Each "s" copies its own row's measured text, exactly as typed, into the variable's field.
    void selectButtonsTakeTheirRow_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("row");
        QTest::newRow("row 1") << "Command36" << "Text1";
        QTest::newRow("row 15") << "Command50" << "Text29";
        QTest::newRow("row 16") << "Command51" << "Text38";
        QTest::newRow("row 20") << "Command55" << "Text46";
    }
    void selectButtonsTakeTheirRow() {
        QFETCH(QString, button);
        QFETCH(QString, row);
        for (const char* name : {"Text1", "Text29", "Text38", "Text46"}) w_->type(name, QStringLiteral("ｶﾀﾛｸﾞ 12,5 ") + name);
        w_->click(button);
        QCOMPARE(w_->text("Text31"), QStringLiteral("ｶﾀﾛｸﾞ 12,5 ") + row);
        QCOMPARE(w_->form->sheet().variableMeasuredText, (QStringLiteral("ｶﾀﾛｸﾞ 12,5 ") + row).toStdString());
    }

    void missingVariableValueIsReported() {
        w_->typeExactLine();
        w_->click("Command17");
        expectOneBox("Lumitrak", lumitrak::kMissingVariableValueMessage);
        QCOMPARE(w_->text("Text32"), QString());
    }

    void undefinedFitIsReportedAndChangesNothing() {
        w_->type("Text1", "10");
        w_->type("Text2", "10");
        w_->type("Text31", "12");
        QTest::keyClick(w_->find<QLineEdit>("Text31"), Qt::Key_Enter);  // the keypad's Enter
        expectOneBox("Lumitrak", lumitrak::kFitUndefinedMessage);
        QCOMPARE(w_->text("Label6"), QStringLiteral("--.--"));
        QCOMPARE(w_->text("Label10"), QStringLiteral("等級 = 傾き x 測光値 + 定数"));
    }

    void fullAveragingAreaIsReportedAfterTheResultIsShown() {
        w_->typeExactLine();
        for (const char* slot : {"Text32", "Text33", "Text34", "Text35", "Text36", "Text48", "Text49", "Text50"})
            w_->type(slot, " ");  // a blank fills a slot
        w_->type("Text31", "12.25");
        w_->click("Command17");
        expectOneBox("Lumitrak", lumitrak::kAveragingAreaFullMessage);
        QCOMPARE(w_->text("Label6"), QStringLiteral("12.250"));
    }

    // Enter measures only in the variable star's field; other keys there are typing.
    void enterMeasuresOnlyInTheVariableField_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<bool>("measures");
        QTest::newRow("Text31") << "Text31" << true;
        QTest::newRow("row 1 measured") << "Text1" << false;
        QTest::newRow("row 16 catalog") << "Text39" << false;
        QTest::newRow("slot 1") << "Text32" << false;
    }
    void enterMeasuresOnlyInTheVariableField() {
        QFETCH(QString, field);
        QFETCH(bool, measures);
        w_->typeExactLine();
        QTest::keyClicks(w_->find<QLineEdit>("Text31"), "12x");
        QTest::keyClick(w_->find<QLineEdit>("Text31"), Qt::Key_Backspace);
        QCOMPARE(w_->text("Label6"), QStringLiteral("--.--"));
        QTest::keyClick(w_->find<QLineEdit>(field), Qt::Key_Return);
        QCOMPARE(w_->text("Label6"), measures ? QStringLiteral("12.000") : QStringLiteral("--.--"));
        QCOMPARE(w_->text("Text32").isEmpty(), !measures);
        QVERIFY(w_->shown.empty());
    }

    // Each option stands for its program whenever a command reads the window.
    void optionsMapToTheirProgram() {
        const std::pair<const char*, lumitrak::SourceProgram> options[] = {
            {"Option2", lumitrak::SourceProgram::Makari}, {"Option3", lumitrak::SourceProgram::SImage},
            {"Option1", lumitrak::SourceProgram::Iris}};
        for (const auto& [option, program] : options) {
            QTest::mouseClick(w_->find<QRadioButton>(option), Qt::LeftButton);
            w_->click("Command18");
            QVERIFY(w_->form->sheet().sourceProgram == program);
        }
    }

    // The import fills the measured column up to the star that stops it, then says why.
    void importAbortIsReportedAndKeepsTheRowsRead() {
        w_->type("Text2", "10.5");
        w_->find<QPlainTextEdit>("Text37")->setPlainText(" 1000 SEMICTRD -5 SEMICTRD");
        QTest::mouseClick(w_->find<QRadioButton>("Option3"), Qt::LeftButton);
        w_->click("Command27");
        expectOneBox("data error", lumitrak::kNegativeCountMessage);
        QCOMPARE(w_->text("Text1"), QStringLiteral("-7.5"));
        QCOMPARE(w_->text("Text2"), QStringLiteral("10.5"));
    }

    // The graph window opens once; a second press only raises it with its first drawing.
    void graphOpensOnceAndDrawsAnewAfterClosing() {
        w_->typeExactLine();
        w_->click("Command24");
        QPointer<lumitrak::Form2> first = w_->form->graphWindow();
        QVERIFY(first && first->isVisible());
        QCOMPARE(w_->text("Label10"), QStringLiteral("傾き = 1"));
        QCOMPARE(w_->text("Label8"), QStringLiteral("0.00"));
        const QImage drawing = first->graphImage();

        w_->type("Text7", "14");
        w_->type("Text8", "15");
        w_->click("Command24");
        QCOMPARE(w_->form->graphWindow(), first.data());
        QCOMPARE(first->graphImage(), drawing);
        QCOMPARE(w_->text("Label10"), QStringLiteral("傾き = 1"));
        QCOMPARE(w_->form->findChildren<lumitrak::Form2*>().size(), 1);

        first->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!first && !w_->form->graphWindow());
        w_->click("Command24");
        QVERIFY(w_->form->graphWindow());
        QVERIFY(w_->form->graphWindow()->graphImage() != drawing);
        QVERIFY(w_->text("Label10") != QStringLiteral("傾き = 1"));
        QVERIFY(w_->shown.empty());
    }
};

QTEST_MAIN(Form1Test)
#include "form1_test.moc"
