// Opening and closing the main window in a folder of its own: the settings file, the
// comparison-data file, the question in between and the graph window.

#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QRadioButton>
#include <QTemporaryDir>

#include "core/messages.h"
#include "form1_test_support.h"
#include "ui/graph/form2.h"

namespace {
QByteArray readFile(const QString& name) {
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}
}  // namespace

class Form1OpenCloseTest : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> workDir_;

private slots:
    void init() {
        workDir_ = std::make_unique<QTemporaryDir>();
        QVERIFY(QDir::setCurrent(workDir_->path()));
    }

    // The settings first, then the table cleared and the stored rows read in.
    void openingReadsBothFiles() {
        writeFile("lumitrak.ini", " 1 \r\n");
        writeFile("compdata.txt", " 12.345 , 10.2 \r\n .5 , 11 \r\n");
        Window w;
        QVERIFY(w.find<QRadioButton>("Option2")->isChecked());
        QVERIFY(!w.find<QRadioButton>("Option1")->isChecked());
        QCOMPARE(w.text("Text1"), QStringLiteral("12.345"));
        QCOMPARE(w.text("Text2"), QStringLiteral("10.2"));
        QCOMPARE(w.text("Text3"), QStringLiteral("0.5"));
        QCOMPARE(w.text("Text5"), QString());
        QCOMPARE(w.text("Text31"), QString());
        QVERIFY(w.shown.empty());
    }

    void openingWithoutUsableSettingsKeepsIris_data() {
        QTest::addColumn<QByteArray>("settings");
        QTest::newRow("missing") << QByteArray();
        QTest::newRow("unknown code") << QByteArray(" 5 \r\n");
    }
    void openingWithoutUsableSettingsKeepsIris() {
        QFETCH(QByteArray, settings);
        if (!settings.isNull()) writeFile("lumitrak.ini", settings);
        Window w;
        QVERIFY(w.find<QRadioButton>("Option1")->isChecked());
        QVERIFY(w.shown.empty());
    }

    // The settings are written before the question; OK then saves the table, Cancel keeps the old.
    void closingWritesSettingsThenAsksAboutTheTable_data() {
        QTest::addColumn<bool>("answer");
        QTest::addColumn<QByteArray>("comparisonData");
        QTest::newRow("OK") << true << QByteArray(" 12.345 , 10.2 \r\n");
        QTest::newRow("Cancel") << false << QByteArray("old table\r\n");
    }
    void closingWritesSettingsThenAsksAboutTheTable() {
        QFETCH(bool, answer);
        QFETCH(QByteArray, comparisonData);
        writeFile("compdata.txt", "old table\r\n");
        QByteArray settingsAtQuestion, tableAtQuestion;
        Window w(answer, [&] {
            settingsAtQuestion = readFile("lumitrak.ini");
            tableAtQuestion = readFile("compdata.txt");
        });
        w.type("Text1", "12.345");
        w.type("Text2", "10.2");
        w.find<QRadioButton>("Option3")->setChecked(true);
        QVERIFY(w.form->close());
        QVERIFY(!w.form->isVisible());
        QCOMPARE(settingsAtQuestion, QByteArray(" 2 \r\n"));
        QCOMPARE(tableAtQuestion, QByteArray("old table\r\n"));
        QCOMPARE(readFile("compdata.txt"), comparisonData);
        QCOMPARE(w.shown.size(), std::size_t(1));
        QVERIFY(w.shown[0].question);
        QCOMPARE(w.shown[0].title, QStringLiteral("Lumitrak"));
        QCOMPARE(w.shown[0].text, fromUtf8(lumitrak::kSaveComparisonDataPrompt));
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
        QVERIFY(QDir::current().mkpath(blockedFile + "/inside"));  // a folder is no file to replace
        Window w(answer);
        w.type("Text1", "10");
        QVERIFY(w.form->close());
        QVERIFY(!w.form->isVisible());
        const QString message = QString::fromStdString(lumitrak::fileNotSavedMessage(blockedFile.toStdString()));
        const auto reported = [&](const RecordedBox& box) {
            return !box.question && box.title == QStringLiteral("Lumitrak") && box.text == message;
        };
        QCOMPARE(std::count_if(w.shown.begin(), w.shown.end(), reported), 1);
        QVERIFY(QFileInfo(blockedFile).isDir());
    }

    void openGraphWindowClosesWithTheMainWindow() {
        Window w;
        w.typeExactLine();
        w.click("Command24");
        QPointer<lumitrak::Form2> graph = w.form->graphWindow();
        QVERIFY(graph && graph->isVisible());
        QVERIFY(w.form->close());
        QVERIFY(!graph || !graph->isVisible());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!graph);
    }
};

QTEST_MAIN(Form1OpenCloseTest)
#include "form1_open_close_test.moc"
