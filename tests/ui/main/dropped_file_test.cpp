// Dropped files: the import area hands a drop on instead of typing it; the first file is read,
// decoded as UTF-8 or Shift_JIS and joined; a bad drop is refused with a reason and keeps the text.

#include "ui/main/dropped_file.h"

#include <QClipboard>
#include <QDir>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <sys/stat.h>

#include "core/messages.h"
#include "form1_test_support.h"
#include "ui/main/import_area.h"

using lumitrak::readDroppedFile;

namespace {

// "比較星" in Shift_JIS, in an S.Image table of two stars, and the same joined into one line.
const QByteArray kShiftJisSImage =
    "  #  \x94\xe4\x8a\x72\x90\xaf   Count\r\n"
    "  1  \x94\xe4\x8a\x72\x90\xaf 250 SEMICTRD 2.8\r\n"
    "  2  \x94\xe4\x8a\x72\x90\xaf 500 SEMICTRD 2.9\r\n";
const QString kJoinedSImage = QStringLiteral("   #  比較星   Count   1  比較星 250 SEMICTRD 2.8   2  比較星 500 SEMICTRD 2.9");

QList<QUrl> urls(const QStringList& paths) {
    QList<QUrl> list;
    for (const QString& path : paths) list << QUrl::fromLocalFile(path);
    return list;
}

}  // namespace

class DroppedFileTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;

    QString write(const QString& name, const QByteArray& bytes) {
        writeFile(dir_.filePath(name), bytes);
        return dir_.filePath(name);
    }

private slots:
    void initTestCase() { QVERIFY(QDir::setCurrent(dir_.path())); }

    void importAreaHandsOnFilesAndPastesPlainText() {
        struct Area : lumitrak::ImportArea {
            using ImportArea::insertFromMimeData;
        } area;
        area.setPlainText("kept");
        QSignalSpy spy(&area, &lumitrak::ImportArea::urlsDropped);
        const QList<QUrl> files = urls({"/tmp/a.txt", "/tmp/b.txt"});
        dropUrls(area.viewport(), files);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).value<QList<QUrl>>(), files);
        QCOMPARE(area.toPlainText(), QStringLiteral("kept"));
        QMimeData pasted;
        pasted.setHtml("<b>bold</b> output");
        pasted.setText("plain output");
        area.clear();
        area.insertFromMimeData(&pasted);
        QCOMPARE(area.toPlainText(), QStringLiteral("plain output"));

        // A paste that would make the text longer than the limit is refused whole; up to it is taken.
        QSignalSpy refused(&area, &lumitrak::ImportArea::pasteRefused);
        area.selectAll();  // the selection it replaces does not count
        pasted.setText(QString(lumitrak::kImportTextLimit - 1, u'x'));
        area.insertFromMimeData(&pasted);
        pasted.setText(QStringLiteral("yz"));
        area.insertFromMimeData(&pasted);
        QCOMPARE(refused.count(), 1);
        QCOMPARE(area.toPlainText().size(), lumitrak::kImportTextLimit - 1);
        pasted.setText(QStringLiteral("y"));
        area.insertFromMimeData(&pasted);
        QCOMPARE(refused.count(), 1);
        QCOMPARE(area.toPlainText().size(), lumitrak::kImportTextLimit);
    }

    void readsTheFirstFileAsUtf8OrShiftJis_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("joined");
        QTest::newRow("UTF-8 with byte-order mark") << QByteArray("\xef\xbb\xbf\xe7\xad\x89\xe7\xb4\x9a\r\n\xef\xbd\xb6")
                                                    << QStringLiteral(" 等級 ｶ");
        QTest::newRow("Shift_JIS") << kShiftJisSImage << kJoinedSImage;
        QTest::newRow("UTF-8 cut off at the end") << QByteArray("\xb6 \xe7\xad") << QStringLiteral(" ｶ \u9072");
        QTest::newRow("empty") << QByteArray("") << QString();
        QTest::newRow("at the size limit") << QByteArray(lumitrak::kImportTextLimit, 'x')
                                           << " " + QString(lumitrak::kImportTextLimit, u'x');
    }
    void readsTheFirstFileAsUtf8OrShiftJis() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, joined);
        const lumitrak::DroppedFileText read = readDroppedFile(urls({write("first.txt", bytes), write("second.txt", "x")}));
        QVERIFY(read.loaded);
        QCOMPARE(read.text, joined);
    }

    void refusesWhatIsNoTextFile_data() {
        QTest::addColumn<QList<QUrl>>("dropped");
        QTest::addColumn<QString>("message");
        const QString folder = QDir::toNativeSeparators(dir_.path());
        const QString image = write("image.png", QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16));
        const QString over = write("over.txt", "");
        QFile::resize(over, lumitrak::kImportTextLimit + 1);
        const auto row = [](const char* name, QList<QUrl> dropped, std::string_view text, const QString& file) {
            QTest::newRow(name) << dropped << fromUtf8(text) + (file.isEmpty() ? QString() : "\r" + file);
        };
        row("nothing", {}, lumitrak::kDropWithoutFileMessage, {});
        row("web address", {QUrl("https://example.org/out.txt")}, lumitrak::kDropWithoutFileMessage,
            "https://example.org/out.txt");
        row("folder", urls({dir_.path()}), lumitrak::kFolderDroppedMessage, folder);
        row("missing", urls({dir_.filePath("missing.txt")}), lumitrak::kFileUnreadableMessage,
            QDir::toNativeSeparators(dir_.filePath("missing.txt")));
        row("binary", urls({image}), lumitrak::kNotTextFileMessage, QDir::toNativeSeparators(image));
        const QString pipe = dir_.filePath("pipe");  // nothing ever writes to it: open() would wait
        QCOMPARE(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        row("pipe", urls({pipe}), lumitrak::kFileUnreadableMessage, QDir::toNativeSeparators(pipe));
        row("over the size limit", urls({over}), lumitrak::kFileTooLargeMessage, QDir::toNativeSeparators(over));
    }
    void refusesWhatIsNoTextFile() {
        QFETCH(QList<QUrl>, dropped);
        QFETCH(QString, message);
        const lumitrak::DroppedFileText read = readDroppedFile(dropped);
        QVERIFY(!read.loaded);
        QCOMPARE(read.errorMessage, message);
    }

    // Two Shift_JIS and UTF-8 files dropped on the window: the first loads and imports.
    void dropOntoTheWindowThenImport() {
        Window w;
        auto* area = w.find<QPlainTextEdit>("Text37");
        dropUrls(area->viewport(), urls({write("simage.txt", kShiftJisSImage), write("other.txt", "  9 SEMICTRD\r\n")}));
        QCOMPARE(area->toPlainText(), kJoinedSImage);
        QCOMPARE(w.form->sheet().importText, kJoinedSImage.toStdString());
        w.find<QRadioButton>("Option3")->click();
        w.click("Command27");
        QCOMPARE(w.text("Text1"), QStringLiteral("-5.995"));
        QCOMPARE(w.text("Text3"), QStringLiteral("-6.747"));
        QVERIFY(w.shown.empty());

        dropUrls(area->viewport(), urls({dir_.path()}));
        QCOMPARE(w.shown.size(), std::size_t(1));
        QCOMPARE(w.shown[0].title, QStringLiteral("Lumitrak"));
        QVERIFY(w.shown[0].text.startsWith(fromUtf8(lumitrak::kFolderDroppedMessage)));
        QCOMPARE(area->toPlainText(), kJoinedSImage);

        dropUrls(area->viewport(), urls({write("utf8.txt", "\xe7\xad\x89 100 SEMICTRD\r\n")}));
        QCOMPARE(area->toPlainText(), QStringLiteral(" 等 100 SEMICTRD"));

        QGuiApplication::clipboard()->setText(QString(lumitrak::kImportTextLimit, u'x'));
        area->paste();
        QCOMPARE(w.shown.back().text, fromUtf8(lumitrak::kPasteTooLargeMessage));
        QCOMPARE(area->toPlainText(), QStringLiteral(" 等 100 SEMICTRD"));
    }
};

QTEST_MAIN(DroppedFileTest)
#include "dropped_file_test.moc"
