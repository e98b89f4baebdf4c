// Opening and closing the main window in a folder of its own: the settings file, the
// comparison-data file, the question in between, failed saves and the graph window.

#include <QFileInfo>
#include <QPointer>
#include <QRadioButton>
#include <QTemporaryDir>
#include <sys/stat.h>

#include "core/messages.h"
#include "form1_test_support.h"
#include "ui/graph/form2.h"

namespace {

QByteArray readFile(const QString& name) {
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// Owner, group and others; Qt's "user" bits say what this process may do.
QFile::Permissions modeOf(const QString& name) { return QFileInfo(name).permissions() & QFile::Permissions(0x7077); }

QString twoLines(const std::string& first, std::string_view second) { return fromUtf8(first) + "\r" + fromUtf8(second); }

}  // namespace

class Form1OpenCloseTest : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> workDir_;

private slots:
    void init() {
        workDir_ = std::make_unique<QTemporaryDir>();
        QVERIFY(QDir::setCurrent(workDir_->path()));
    }

    // The settings first, then the table cleared and the stored rows read in as numbers. Without
    // a usable setting IRIS stays selected; a file that exists but cannot be read is reported,
    // and a pipe never blocks the opening.
    void openingReadsBothFiles_data() {
        QTest::addColumn<QString>("settings");  // the file's bytes, or "folder"
        QTest::addColumn<QString>("table");     // the file's bytes, or "pipe"
        QTest::addColumn<int>("option");
        QTest::addColumn<QString>("message");
        QTest::newRow("both files") << " 1 \r\n" << " 12.345 , 10.2 \r\n .5 , 11 \r\n" << 2 << "";
        QTest::newRow("unknown code") << " 5 \r\n" << "" << 1 << "";
        QTest::newRow("settings: a folder") << "folder" << "" << 1
                                            << twoLines(lumitrak::fileNotReadMessage("lumitrak.ini"), lumitrak::kNotRegularFileReason);
        QTest::newRow("table: a pipe") << "" << "pipe" << 1
                                       << twoLines(lumitrak::fileNotReadMessage("compdata.txt"), lumitrak::kNotRegularFileReason);
    }
    void openingReadsBothFiles() {
        QFETCH(QString, settings);
        QFETCH(QString, table);
        QFETCH(int, option);
        QFETCH(QString, message);
        if (settings == "folder") QVERIFY(QDir::current().mkdir("lumitrak.ini"));
        else writeFile("lumitrak.ini", settings.toLatin1());
        if (table == "pipe") QCOMPARE(mkfifo("compdata.txt", 0600), 0);
        else writeFile("compdata.txt", table.toLatin1());
        Window w;
        QVERIFY(w.find<QRadioButton>(QStringLiteral("Option%1").arg(option))->isChecked());
        const bool rows = !table.isEmpty() && table != "pipe";
        QCOMPARE(QStringList({w.text("Text1"), w.text("Text2"), w.text("Text3"), w.text("Text5")}),
                 rows ? QStringList({"12.345", "10.2", "0.5", ""}) : QStringList({"", "", "", ""}));
        QCOMPARE(w.shown.size(), std::size_t(message.isEmpty() ? 0 : 1));
        if (!message.isEmpty()) QCOMPARE(w.shown[0].text, message);
    }

    // The settings are written before the question; OK then saves the table, Cancel keeps the old.
    // The graph window closes with the main window.
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
        Window w([&](const RecordedBox&) {
            settingsAtQuestion = readFile("lumitrak.ini");
            tableAtQuestion = readFile("compdata.txt");
            return answer;
        });
        w.type("Text1", "12.345");
        w.type("Text2", "10.2");
        w.find<QRadioButton>("Option3")->setChecked(true);
        w.click("Command24");
        QPointer<lumitrak::Form2> graph = w.form->graphWindow();
        QVERIFY(w.form->close());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!w.form->isVisible() && !graph);
        QCOMPARE(settingsAtQuestion, QByteArray(" 2 \r\n"));
        QCOMPARE(tableAtQuestion, QByteArray("old table\r\n"));
        QCOMPARE(readFile("compdata.txt"), comparisonData);
        QCOMPARE(w.shown.size(), std::size_t(1));
        QVERIFY(w.shown[0].kind == Box::OkCancel);
        QCOMPARE(w.shown[0].title, QStringLiteral("Lumitrak"));
        QCOMPARE(w.shown[0].text, fromUtf8(lumitrak::kSaveComparisonDataPrompt));
    }

    // A read-only file is not replaced: the failure names the file and the reason and offers Retry
    // (which writes again once the file is writable) and Cancel (which keeps the old file). A
    // symbolic link stays a link, and a replaced file keeps its rights.
    void savingFailsOnReadOnlyFilesAndFollowsLinks_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("retry");
        QTest::addColumn<QByteArray>("saved");
        QTest::newRow("settings, Retry") << "lumitrak.ini" << true << QByteArray(" 0 \r\n");
        QTest::newRow("settings, Cancel") << "lumitrak.ini" << false << QByteArray("old");
        QTest::newRow("table, Retry") << "compdata.txt" << true << QByteArray(" 10 , 0 \r\n");
        QTest::newRow("table, Cancel") << "compdata.txt" << false << QByteArray("old");
        QTest::newRow("table behind a link") << "night.txt" << false << QByteArray(" 10 , 0 \r\n");
    }
    void savingFailsOnReadOnlyFilesAndFollowsLinks() {
        QFETCH(QString, file);
        QFETCH(bool, retry);
        QFETCH(QByteArray, saved);
        const bool link = file == "night.txt";
        const QFile::Permissions readOnly = QFile::ReadOwner | QFile::ReadGroup;
        writeFile(file, "old");
        QVERIFY(QFile::setPermissions(file, readOnly | (link ? QFile::WriteOwner : QFile::Permissions())));
        if (link) QVERIFY(QFile::link(file, "compdata.txt"));
        Window w([&](const RecordedBox& box) {
            if (box.kind == Box::RetryCancel && retry) QFile::setPermissions(file, readOnly | QFile::WriteOwner);
            return box.kind == Box::OkCancel || retry;
        });
        w.type("Text1", "10");
        QVERIFY(w.form->close());
        QCOMPARE(readFile(file), saved);
        QCOMPARE(modeOf(file) & ~QFile::WriteOwner, readOnly);
        const QString message = twoLines(lumitrak::fileNotSavedMessage(file.toStdString()), lumitrak::kReadOnlyFileReason);
        QCOMPARE(std::count_if(w.shown.begin(), w.shown.end(), [&](const RecordedBox& box) {
                     return box.kind == Box::RetryCancel && box.title == "Lumitrak" && box.text == message;
                 }), link ? 0 : 1);
        QVERIFY(!link || QFileInfo("compdata.txt").isSymLink());
        QCOMPARE(QDir::current().entryList(QDir::Files).size(), link ? 3 : 2);  // no temporary file left
    }
};

QTEST_MAIN(Form1OpenCloseTest)
#include "form1_open_close_test.moc"
