// Opening and closing the main window in a folder of its own: the settings file, the
// comparison-data file, the question in between and the graph window.

#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QRadioButton>
#include <QTemporaryDir>
#include <sys/stat.h>

#include "core/messages.h"
#include "form1_test_support.h"
#include "ui/graph/form2.h"

namespace {
// Owner, group and others; Qt's "user" bits say what this process may do.
QFile::Permissions modeOf(const QString& name) { return QFileInfo(name).permissions() & QFile::Permissions(0x7077); }

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

    // Without a usable setting IRIS stays selected; a file that exists but cannot be read is
    // reported, and a pipe never blocks the opening.
    void unusableFilesAtOpening_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("reported");
        QTest::newRow("no settings") << "" << "" << false;
        QTest::newRow("unknown code") << "lumitrak.ini" << " 5 \r\n" << false;
        QTest::newRow("settings: a folder") << "lumitrak.ini" << "folder" << true;
        QTest::newRow("comparison data: a pipe") << "compdata.txt" << "pipe" << true;
    }
    void unusableFilesAtOpening() {
        QFETCH(QString, file);
        QFETCH(QString, kind);
        QFETCH(bool, reported);
        if (kind == "pipe") QCOMPARE(mkfifo(QFile::encodeName(file).constData(), 0600), 0);
        else if (kind == "folder") QVERIFY(QDir::current().mkdir(file));
        else if (!file.isEmpty()) writeFile(file, kind.toLatin1());
        Window w;
        QVERIFY(w.find<QRadioButton>("Option1")->isChecked());
        QCOMPARE(w.shown.size(), std::size_t(reported));
        if (!reported) return;
        QCOMPARE(w.shown[0].title, QStringLiteral("Lumitrak"));
        QCOMPARE(w.shown[0].text, fromUtf8(lumitrak::fileNotReadMessage(file.toStdString())) + "\r" +
                                      fromUtf8(lumitrak::kNotRegularFileReason));
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
        QVERIFY(!w.form->isVisible());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!graph);  // the graph window closes with the main window
        QCOMPARE(settingsAtQuestion, QByteArray(" 2 \r\n"));
        QCOMPARE(tableAtQuestion, QByteArray("old table\r\n"));
        QCOMPARE(readFile("compdata.txt"), comparisonData);
        QCOMPARE(w.shown.size(), std::size_t(1));
        QVERIFY(w.shown[0].kind == Box::OkCancel);
        QCOMPARE(w.shown[0].title, QStringLiteral("Lumitrak"));
        QCOMPARE(w.shown[0].text, fromUtf8(lumitrak::kSaveComparisonDataPrompt));
    }

    // A read-only file is not replaced: the failure names the file and the reason and offers Retry
    // (which writes again once the file is writable) and Cancel (which keeps the old file).
    void failedSaveOffersRetryAndCancel_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("retry");
        QTest::addColumn<QByteArray>("saved");
        QTest::newRow("settings, Retry") << "lumitrak.ini" << true << QByteArray(" 0 \r\n");
        QTest::newRow("settings, Cancel") << "lumitrak.ini" << false << QByteArray("old");
        QTest::newRow("comparison data, Retry") << "compdata.txt" << true << QByteArray(" 10 , 0 \r\n");
        QTest::newRow("comparison data, Cancel") << "compdata.txt" << false << QByteArray("old");
    }
    void failedSaveOffersRetryAndCancel() {
        QFETCH(QString, file);
        QFETCH(bool, retry);
        QFETCH(QByteArray, saved);
        writeFile(file, "old");
        const QFile::Permissions readOnly = QFile::ReadOwner | QFile::ReadGroup;
        QVERIFY(QFile::setPermissions(file, readOnly));
        Window w([&](const RecordedBox& box) {
            if (box.kind == Box::RetryCancel && retry) QFile::setPermissions(file, readOnly | QFile::WriteOwner);
            return box.kind == Box::OkCancel || retry;
        });
        w.type("Text1", "10");
        QVERIFY(w.form->close());
        QVERIFY(!w.form->isVisible());
        QCOMPARE(readFile(file), saved);
        const QString message = fromUtf8(lumitrak::fileNotSavedMessage(file.toStdString())) + "\r" +
                                fromUtf8(lumitrak::kReadOnlyFileReason);
        QCOMPARE(std::count_if(w.shown.begin(), w.shown.end(), [&](const RecordedBox& box) {
                     return box.kind == Box::RetryCancel && box.title == "Lumitrak" && box.text == message;
                 }), 1);
        QCOMPARE(modeOf(file) & ~QFile::WriteOwner, readOnly);  // rights kept
    }

    // A symbolic link stays a link: its target is replaced and keeps its rights.
    void savingFollowsASymbolicLink() {
        QVERIFY(QDir::current().mkdir("tables"));
        writeFile("tables/night.txt", "old");
        const QFile::Permissions rights = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup;
        QVERIFY(QFile::setPermissions("tables/night.txt", rights));
        QVERIFY(QFile::link("tables/night.txt", "compdata.txt"));
        Window w(true);
        w.type("Text1", "10");
        QVERIFY(w.form->close());
        QVERIFY(QFileInfo("compdata.txt").isSymLink());
        QCOMPARE(readFile("tables/night.txt"), QByteArray(" 10 , 0 \r\n"));
        QCOMPARE(modeOf("tables/night.txt"), rights);
        QCOMPARE(QDir("tables").entryList(QDir::Files).size(), 1);
    }

};

QTEST_MAIN(Form1OpenCloseTest)
#include "form1_open_close_test.moc"
