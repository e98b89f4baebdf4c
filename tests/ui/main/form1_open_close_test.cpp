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

    // Closing writes the settings, then asks about the table; OK saves it, Cancel keeps the old
    // file. A read-only file is not replaced: the failure names the file and the reason and offers
    // Retry (which writes again once the file is writable) and Cancel (which keeps the old file).
    // A symbolic link stays a link, a replaced file keeps its rights, and the graph window closes.
    void closingSavesTheFiles_data() {
        QTest::addColumn<QString>("file");       // the file made read-only, or linked
        QTest::addColumn<QString>("answers");    // to the questions in turn: O(K), C(ancel), R(etry)
        QTest::addColumn<QByteArray>("saved");   // the file's bytes afterwards
        QTest::newRow("table, OK") << "compdata.txt" << "O" << QByteArray(" 10 , 0 \r\n");
        QTest::newRow("table, Cancel") << "compdata.txt" << "C" << QByteArray("old");
        QTest::newRow("read-only settings, Retry") << "lumitrak.ini" << "RC" << QByteArray(" 2 \r\n");
        QTest::newRow("read-only settings, Cancel") << "lumitrak.ini" << "CC" << QByteArray("old");
        QTest::newRow("read-only table, Retry") << "compdata.txt" << "OR" << QByteArray(" 10 , 0 \r\n");
        QTest::newRow("read-only table, Cancel") << "compdata.txt" << "OC" << QByteArray("old");
        QTest::newRow("table behind a link") << "night.txt" << "O" << QByteArray(" 10 , 0 \r\n");
    }
    void closingSavesTheFiles() {
        QFETCH(QString, file);
        QFETCH(QString, answers);
        QFETCH(QByteArray, saved);
        const bool readOnly = QTest::currentDataTag()[0] == 'r';
        const QFile::Permissions rights = QFile::ReadOwner | QFile::ReadGroup;
        writeFile(file, "old");
        QVERIFY(QFile::setPermissions(file, rights | (readOnly ? QFile::Permissions() : QFile::WriteOwner)));
        if (file == "night.txt") QVERIFY(QFile::link(file, "compdata.txt"));
        QByteArray settingsAtQuestion;
        Window w([&](const RecordedBox& box) {
            if (box.kind == Box::OkCancel) settingsAtQuestion = readFile("lumitrak.ini");
            if (box.kind == Box::RetryCancel) QFile::setPermissions(file, rights | QFile::WriteOwner);
            return answers[qsizetype(w.shown.size() - 1)] != u'C';
        });
        w.type("Text1", "10");
        w.find<QRadioButton>("Option3")->setChecked(true);
        w.click("Command24");
        QPointer<lumitrak::Form2> graph = w.form->graphWindow();
        QVERIFY(w.form->close());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!w.form->isVisible() && !graph);
        QCOMPARE(readFile(file), saved);
        QCOMPARE(modeOf(file) & ~QFile::WriteOwner, rights);
        QCOMPARE(qsizetype(w.shown.size()), answers.size());
        const std::string failed = lumitrak::fileNotSavedMessage(file == "lumitrak.ini" ? "lumitrak.ini" : "compdata.txt");
        for (const RecordedBox& box : w.shown) {
            QCOMPARE(box.title, QStringLiteral("Lumitrak"));
            QCOMPARE(box.text, box.kind == Box::OkCancel ? fromUtf8(lumitrak::kSaveComparisonDataPrompt)
                                                         : twoLines(failed, lumitrak::kReadOnlyFileReason));
        }
        if (!answers.startsWith('C')) QCOMPARE(settingsAtQuestion, QByteArray(" 2 \r\n"));  // before the question
        QVERIFY(file != "night.txt" || QFileInfo("compdata.txt").isSymLink());
        for (const QString& name : QDir::current().entryList(QDir::Files))  // no temporary file left
            QVERIFY(QStringList({"lumitrak.ini", "compdata.txt", "night.txt"}).contains(name));
    }
};

QTEST_MAIN(Form1OpenCloseTest)
#include "form1_open_close_test.moc"
