// Opening and closing the main window in a working folder of its own: the two data files.

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPointer>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "core/messages.h"
#include "recording_message_boxes.h"
#include "ui/graph/form2.h"
#include "ui/main/form1.h"

using lumitrak::Form1;

class Form1OpenCloseTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> workDir_;
    std::vector<RecordedBox> shown_;

    static void writeFile(const QString& name, const QByteArray& bytes) {
        QFile file(name);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    static QByteArray readFile(const QString& name) {
        QFile file(name);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    std::unique_ptr<Form1> openForm(bool answer) {
        auto form = std::make_unique<Form1>(std::make_unique<RecordingMessageBoxes>(shown_, answer));
        form->show();
        return form;
    }
    static QString text(Form1& form, const char* name) { return form.findChild<QLineEdit*>(name)->text(); }
    static void type(Form1& form, const char* name, const QString& text) {
        QLineEdit* field = form.findChild<QLineEdit*>(name);
        field->clear();
        QTest::keyClicks(field, text);
    }
    static bool checked(Form1& form, const char* name) { return form.findChild<QRadioButton*>(name)->isChecked(); }

private slots:
    void init() {
        shown_.clear();
        workDir_ = std::make_unique<QTemporaryDir>();
        QVERIFY(workDir_->isValid());
        QVERIFY(QDir::setCurrent(workDir_->path()));
    }

    void openingReadsBothFiles() {
        writeFile("lumitrak.ini", " 1 \r\n");
        writeFile("compdata.txt", " 12.345 , 10.2 \r\n-7.25 , 9 \r\n .5 , 11 \r\n");
        auto form = openForm(false);
        QVERIFY(checked(*form, "Option2"));
        QVERIFY(!checked(*form, "Option1"));
        QCOMPARE(text(*form, "Text1"), QStringLiteral("12.345"));
        QCOMPARE(text(*form, "Text2"), QStringLiteral("10.2"));
        QCOMPARE(text(*form, "Text3"), QStringLiteral("-7.25"));
        QCOMPARE(text(*form, "Text4"), QStringLiteral("9"));
        QCOMPARE(text(*form, "Text5"), QStringLiteral("0.5"));
        QCOMPARE(text(*form, "Text7"), QString());
        QCOMPARE(text(*form, "Text31"), QString());
        QVERIFY(shown_.empty());
    }

    void openingWithoutUsableSettingsKeepsIris_data() {
        QTest::addColumn<QByteArray>("settings");
        QTest::newRow("missing") << QByteArray();
        QTest::newRow("unknown code") << QByteArray(" 5 \r\n");
        QTest::newRow("empty") << QByteArray("");
    }
    void openingWithoutUsableSettingsKeepsIris() {
        QFETCH(QByteArray, settings);
        if (!settings.isNull()) writeFile("lumitrak.ini", settings);
        auto form = openForm(false);
        QVERIFY(checked(*form, "Option1"));
        QCOMPARE(text(*form, "Text1"), QString());
        QVERIFY(shown_.empty());
    }

    // OK saves the table, Cancel leaves it; the settings are written either way.
    void closingWritesSettingsAndAsksAboutTheTable_data() {
        QTest::addColumn<bool>("answer");
        QTest::addColumn<QByteArray>("comparisonData");
        QTest::newRow("OK") << true << QByteArray(" 12.345 , 10.2 \r\n-7.25 , 0 \r\n");
        QTest::newRow("Cancel") << false << QByteArray("old table\r\n");
    }
    void closingWritesSettingsAndAsksAboutTheTable() {
        QFETCH(bool, answer);
        QFETCH(QByteArray, comparisonData);
        writeFile("compdata.txt", "old table\r\n");
        auto form = openForm(answer);
        type(*form, "Text1", "12.345");
        type(*form, "Text2", "10.2");
        type(*form, "Text5", "-7.25");  // row 3, saved without a catalog magnitude
        type(*form, "Text8", "11.1");   // row 4 has no measured value: not saved
        form->findChild<QRadioButton*>("Option3")->setChecked(true);
        QVERIFY(form->close());
        QVERIFY(!form->isVisible());
        QCOMPARE(readFile("lumitrak.ini"), QByteArray(" 2 \r\n"));
        QCOMPARE(readFile("compdata.txt"), comparisonData);
        QCOMPARE(shown_.size(), std::size_t(1));
        QVERIFY(shown_[0].question);
        QCOMPARE(shown_[0].title, QStringLiteral("Lumitrak"));
        QCOMPARE(shown_[0].text, QString::fromUtf8(lumitrak::kSaveComparisonDataPrompt.data()));
    }

    void savedTableComesBackWithoutGaps() {
        {
            auto form = openForm(true);
            type(*form, "Text3", "8.5");    // row 2
            type(*form, "Text4", "12");
            type(*form, "Text39", "13.5");  // row 16, catalog only
            type(*form, "Text40", "9");     // row 17
            QVERIFY(form->close());
        }
        auto form = openForm(false);
        QCOMPARE(text(*form, "Text1"), QStringLiteral("8.5"));
        QCOMPARE(text(*form, "Text2"), QStringLiteral("12"));
        QCOMPARE(text(*form, "Text3"), QStringLiteral("9"));
        QCOMPARE(text(*form, "Text4"), QStringLiteral("0"));
        QCOMPARE(text(*form, "Text39"), QString());
        QCOMPARE(text(*form, "Text40"), QString());
    }

    void openGraphWindowClosesWithTheMainWindow() {
        auto form = openForm(false);
        type(*form, "Text1", "10");
        type(*form, "Text2", "10");
        type(*form, "Text3", "11");
        type(*form, "Text4", "12");
        form->Command24_Click();
        QPointer<lumitrak::Form2> graph = form->graphWindow();
        QVERIFY(graph && graph->isVisible());
        QVERIFY(form->close());
        QVERIFY(!graph || !graph->isVisible());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!graph);
    }

    // A file that cannot be written is reported; the window closes all the same.
    void failedSaveIsReportedAndTheWindowCloses_data() {
        QTest::addColumn<QString>("blockedFile");
        QTest::addColumn<bool>("answer");
        QTest::newRow("settings") << "lumitrak.ini" << false;
        QTest::newRow("comparison data") << "compdata.txt" << true;
    }
    void failedSaveIsReportedAndTheWindowCloses() {
        QFETCH(QString, blockedFile);
        QFETCH(bool, answer);
        // A folder of the file's name cannot be replaced by a file.
        QVERIFY(QDir::current().mkpath(blockedFile + "/inside"));
        auto form = openForm(answer);
        type(*form, "Text1", "10");
        QVERIFY(form->close());
        QVERIFY(!form->isVisible());
        const QString message = QString::fromStdString(lumitrak::fileNotSavedMessage(blockedFile.toStdString()));
        bool reported = false;
        for (const RecordedBox& box : shown_)
            reported = reported || (!box.question && box.title == QStringLiteral("Lumitrak") && box.text == message);
        QVERIFY(reported);
        QVERIFY(QFileInfo(blockedFile).isDir());
    }
};

QTEST_MAIN(Form1OpenCloseTest)
#include "form1_open_close_test.moc"
