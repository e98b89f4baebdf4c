// Files dropped and text pasted onto the import area: the first file is read, decoded as UTF-8
// or Shift_JIS and joined; a bad drop or an oversized paste is refused with a reason, and the
// area keeps its text.

#include <QApplication>
#include <QClipboard>
#include <QDragEnterEvent>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <sys/stat.h>

#include "core/messages.h"
#include "form1_test_support.h"
#include "ui/main/import_area.h"

using lumitrak::kImportTextLimit;

// A drag that enters `target` and drops `urls` on it, as the window system delivers it.
void dropUrls(QWidget* target, const QList<QUrl>& urls) {
    QMimeData data;
    data.setUrls(urls);
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QDropEvent drop(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
}

class DroppedFileTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;

    QUrl write(const QString& name, const QByteArray& bytes) {
        writeFile(dir_.filePath(name), bytes);
        return QUrl::fromLocalFile(dir_.filePath(name));
    }

private slots:
    void initTestCase() { QVERIFY(QDir::setCurrent(dir_.path())); }

    // "比較星" in Shift_JIS or UTF-8 before an S.Image table of two stars: the first file dropped is
    // read and imported. A drop that is no text file is refused with a reason; the area keeps its text.
    void dropsOntoTheImportArea_data() {
        QTest::addColumn<QList<QUrl>>("dropped");
        QTest::addColumn<QString>("shown");  // the area's text, or the message with the file's name
        const QUrl second = write("second.txt", " 9 SEMICTRD");
        const auto loads = [&](const char* name, const QByteArray& bytes, const QString& joined) {
            QTest::newRow(name) << QList<QUrl>{write(name, bytes), second} << joined;
        };
        loads("Shift_JIS", "\x94\xe4\x8a\x72\x90\xaf\r\n 250 SEMICTRD\r\n 500 SEMICTRD", " 比較星  250 SEMICTRD  500 SEMICTRD");
        loads("UTF-8 with byte-order mark", "\xef\xbb\xbf\xe7\xad\x89 250 SEMICTRD\r 500 SEMICTRD", " 等 250 SEMICTRD  500 SEMICTRD");
        loads("at the size limit", QByteArray(" 250 SEMICTRD 500 SEMICTRD").leftJustified(kImportTextLimit, 'x'),
              QString("  250 SEMICTRD 500 SEMICTRD").leftJustified(kImportTextLimit + 1, u'x'));
        const QString pipe = dir_.filePath("pipe");  // nothing ever writes to it: open() would wait
        QCOMPARE(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        const auto refused = [](const char* name, const QUrl& url, std::string_view text) {
            const QString file = url.isLocalFile() ? QDir::toNativeSeparators(url.toLocalFile()) : url.toDisplayString();
            QTest::newRow(name) << QList<QUrl>{url} << fromUtf8(text) + "\r" + file;
        };
        QTest::newRow("nothing") << QList<QUrl>{} << fromUtf8(lumitrak::kDropWithoutFileMessage);
        refused("web address", QUrl("https://example.org/out.txt"), lumitrak::kDropWithoutFileMessage);
        refused("folder", QUrl::fromLocalFile(dir_.path()), lumitrak::kFolderDroppedMessage);
        refused("missing", QUrl::fromLocalFile(dir_.filePath("missing.txt")), lumitrak::kFileUnreadableMessage);
        refused("pipe", QUrl::fromLocalFile(pipe), lumitrak::kFileUnreadableMessage);
        refused("binary", write("image.png", QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16)), lumitrak::kNotTextFileMessage);
        refused("over the size limit", write("over.txt", QByteArray(kImportTextLimit + 1, 'x')), lumitrak::kFileTooLargeMessage);
    }
    void dropsOntoTheImportArea() {
        QFETCH(QList<QUrl>, dropped);
        QFETCH(QString, shown);
        Window w;
        auto* area = w.find<QPlainTextEdit>("Text37");
        area->setPlainText("kept");
        dropUrls(area->viewport(), dropped);
        const bool loaded = dropped.size() == 2;
        QCOMPARE(area->toPlainText(), loaded ? shown : QStringLiteral("kept"));
        QCOMPARE(w.shown.size(), std::size_t(loaded ? 0 : 1));
        if (!loaded) {
            QCOMPARE(w.shown[0].text, shown);
            return;
        }
        w.find<QRadioButton>("Option3")->click();
        w.click("Command27");
        QCOMPARE(w.text("Text1") + " " + w.text("Text3"), QStringLiteral("-5.995 -6.747"));
    }

    // A paste is taken as plain text up to the limit (a selection it replaces does not count);
    // one beyond it is refused whole.
    void pastesPlainTextUpToTheLimit() {
        Window w;
        auto* area = w.find<QPlainTextEdit>("Text37");
        auto* clipboard = QGuiApplication::clipboard();
        auto* rich = new QMimeData;
        rich->setHtml("<b>bold</b> output");
        rich->setText("plain output");
        clipboard->setMimeData(rich);
        area->paste();
        QCOMPARE(area->toPlainText(), QStringLiteral("plain output"));
        area->selectAll();
        clipboard->setText(QString(kImportTextLimit - 1, u'x'));
        area->paste();
        clipboard->setText(QStringLiteral("yz"));
        area->paste();
        QCOMPARE(w.shown.size(), std::size_t(1));
        QCOMPARE(w.shown[0].text, fromUtf8(lumitrak::kPasteTooLargeMessage));
        clipboard->setText(QStringLiteral("y"));
        area->paste();
        QCOMPARE(area->toPlainText(), QString(kImportTextLimit - 1, u'x') + "y");
        QCOMPARE(w.shown.size(), std::size_t(1));
    }
};

QTEST_MAIN(DroppedFileTest)
#include "dropped_file_test.moc"
