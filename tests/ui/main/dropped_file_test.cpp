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

    // "比較星" in Shift_JIS in an S.Image table of two stars; a second file is ignored.
    void dropsTheFirstFileAndImportsIt_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("joined");
        QTest::newRow("Shift_JIS") << QByteArray("\x94\xe4\x8a\x72\x90\xaf\r\n 250 SEMICTRD\r\n 500 SEMICTRD 2.9")
                                   << QStringLiteral(" 比較星  250 SEMICTRD  500 SEMICTRD 2.9");
        QTest::newRow("UTF-8 with byte-order mark") << QByteArray("\xef\xbb\xbf\xe7\xad\x89 250 SEMICTRD\r 500 SEMICTRD")
                                                    << QStringLiteral(" 等 250 SEMICTRD  500 SEMICTRD");
        QTest::newRow("at the size limit") << QByteArray(" 250 SEMICTRD 500 SEMICTRD").leftJustified(kImportTextLimit, 'x')
                                           << QString("  250 SEMICTRD 500 SEMICTRD").leftJustified(kImportTextLimit + 1, u'x');
    }
    void dropsTheFirstFileAndImportsIt() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, joined);
        Window w;
        auto* area = w.find<QPlainTextEdit>("Text37");
        dropUrls(area->viewport(), {write("first.txt", bytes), write("second.txt", " 9 SEMICTRD")});
        QCOMPARE(area->toPlainText(), joined);
        w.find<QRadioButton>("Option3")->click();
        w.click("Command27");
        QCOMPARE(w.text("Text1"), QStringLiteral("-5.995"));
        QCOMPARE(w.text("Text3"), QStringLiteral("-6.747"));
        QVERIFY(w.shown.empty());
    }

    void refusesWhatIsNoTextFile_data() {
        QTest::addColumn<QList<QUrl>>("dropped");
        QTest::addColumn<QString>("message");
        const QUrl over = write("over.txt", QByteArray(kImportTextLimit + 1, 'x'));
        const QString pipe = dir_.filePath("pipe");  // nothing ever writes to it: open() would wait
        QCOMPARE(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        const auto row = [](const char* name, const QUrl& url, std::string_view text) {
            const QString file = url.isLocalFile() ? QDir::toNativeSeparators(url.toLocalFile()) : url.toDisplayString();
            QTest::newRow(name) << QList<QUrl>{url} << fromUtf8(text) + "\r" + file;
        };
        QTest::newRow("nothing") << QList<QUrl>{} << fromUtf8(lumitrak::kDropWithoutFileMessage);
        row("web address", QUrl("https://example.org/out.txt"), lumitrak::kDropWithoutFileMessage);
        row("folder", QUrl::fromLocalFile(dir_.path()), lumitrak::kFolderDroppedMessage);
        row("missing", QUrl::fromLocalFile(dir_.filePath("missing.txt")), lumitrak::kFileUnreadableMessage);
        row("pipe", QUrl::fromLocalFile(pipe), lumitrak::kFileUnreadableMessage);
        row("binary", write("image.png", QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16)), lumitrak::kNotTextFileMessage);
        row("over the size limit", over, lumitrak::kFileTooLargeMessage);
    }
    void refusesWhatIsNoTextFile() {
        QFETCH(QList<QUrl>, dropped);
        QFETCH(QString, message);
        Window w;
        auto* area = w.find<QPlainTextEdit>("Text37");
        area->setPlainText("kept");
        dropUrls(area->viewport(), dropped);
        QCOMPARE(w.shown.size(), std::size_t(1));
        QCOMPARE(w.shown[0].title, QStringLiteral("Lumitrak"));
        QCOMPARE(w.shown[0].text, message);
        QCOMPARE(area->toPlainText(), QStringLiteral("kept"));
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
