// Dropped files: read, decoded (UTF-8 or CP932) and joined; bad drops refused with a reason;
// a real drop onto the import area followed by the import.

#include "ui/main/dropped_file.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "core/messages.h"
#include "recording_message_boxes.h"
#include "ui/main/form1.h"

using lumitrak::DroppedFileText;
using lumitrak::readDroppedFile;

namespace {

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// "比較星 1" and "比較星 2" as Shift_JIS bytes, with S.Image counts behind them.
const QByteArray kShiftJisSImage =
    "  #  \x94\xe4\x8a\x72\x90\xaf   Count\r\n"
    "  1  \x94\xe4\x8a\x72\x90\xaf 250 SEMICTRD 2.8\r\n"
    "  2  \x94\xe4\x8a\x72\x90\xaf 500 SEMICTRD 2.9\r\n";

// The same as one line: a blank in front of every line.
const QString kJoinedSImage = QStringLiteral(
    "   #  比較星   Count   1  比較星 250 SEMICTRD 2.8   2  比較星 500 SEMICTRD 2.9");

}  // namespace

class DroppedFileTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;

    QString write(const QString& name, const QByteArray& bytes) {
        const QString path = dir_.filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qWarning("cannot write %s", qPrintable(path));
        return path;
    }
    static QList<QUrl> urls(std::initializer_list<QString> paths) {
        QList<QUrl> list;
        for (const QString& path : paths) list << QUrl::fromLocalFile(path);
        return list;
    }
    static void expectRefused(const DroppedFileText& read, std::string_view message,
                              const QString& path) {
        QVERIFY(!read.loaded);
        QCOMPARE(read.errorMessage,
                 fromUtf8(message) + QChar(u'\r') + QDir::toNativeSeparators(path));
    }
    static void drop(QWidget* target, const QList<QUrl>& files) {
        QMimeData data;
        data.setUrls(files);
        const QPoint at(10, 10);
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        QDropEvent dropped(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &dropped);
    }

private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        QVERIFY(QDir::setCurrent(dir_.path()));  // the window's data files go there
    }

    void joinsTheLinesOfTheFirstFile() {
        const QString first = write("first.txt", "Star 1\r\nMagnitude = -9.8765\r\n");
        const QString second = write("second.txt", "Magnitude = -1.1111\r\n");
        const DroppedFileText read = readDroppedFile(urls({first, second}));
        QVERIFY(read.loaded);
        QCOMPARE(read.text, QStringLiteral(" Star 1 Magnitude = -9.8765"));
    }

    void decodesUtf8AndDropsItsByteOrderMark() {
        const QString path =
            write("utf8.txt", "\xef\xbb\xbf\xe7\xad\x89\xe7\xb4\x9a\r\n\xef\xbd\xb6\xef\xbe\x80");
        QCOMPARE(readDroppedFile(urls({path})).text, QStringLiteral(" 等級 ｶﾀ"));
    }

    void decodesOtherBytesAsCp932() {
        QCOMPARE(readDroppedFile(urls({write("sjis.txt", kShiftJisSImage)})).text, kJoinedSImage);
        // A UTF-8 sequence cut off by the file's end is no UTF-8 either: "ｶ" is 0xB6 in CP932.
        QCOMPARE(readDroppedFile(urls({write("cut.txt", "\xb6 \xe7\xad")})).text.left(3),
                 QStringLiteral(" ｶ "));
    }

    void emptyFileGivesEmptyText() {
        const DroppedFileText read = readDroppedFile(urls({write("empty.txt", "")}));
        QVERIFY(read.loaded);
        QCOMPARE(read.text, QString());
    }

    void refusesWhatIsNoTextFile() {
        QVERIFY(!readDroppedFile({}).loaded);
        QCOMPARE(readDroppedFile({}).errorMessage, fromUtf8(lumitrak::kDropWithoutFileMessage));
        QCOMPARE(
            readDroppedFile({QUrl(QStringLiteral("https://example.org/out.txt"))}).errorMessage,
            fromUtf8(lumitrak::kDropWithoutFileMessage) +
                QStringLiteral("\rhttps://example.org/out.txt"));

        expectRefused(readDroppedFile(urls({dir_.path()})), lumitrak::kFolderDroppedMessage,
                      dir_.path());
        const QString missing = dir_.filePath("missing.txt");
        expectRefused(readDroppedFile(urls({missing})), lumitrak::kFileUnreadableMessage, missing);
        const QString image = write("image.png", QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16));
        expectRefused(readDroppedFile(urls({image})), lumitrak::kNotTextFileMessage, image);
    }

    void refusesFilesOverSixteenMebibytes() {
        const QString limit = write("limit.txt", "");
        const QString over = write("over.txt", "");
        QVERIFY(QFile::resize(limit, 16 * 1024 * 1024));  // sparse, all blanks would do as well
        QVERIFY(QFile::resize(over, 16 * 1024 * 1024 + 1));
        expectRefused(readDroppedFile(urls({over})), lumitrak::kFileTooLargeMessage, over);
        // The largest file allowed is read (and refused only for its NUL bytes).
        expectRefused(readDroppedFile(urls({limit})), lumitrak::kNotTextFileMessage, limit);
    }

    void dropOntoTheImportAreaThenImport() {
        std::vector<RecordedBox> shown;
        lumitrak::Form1 form(std::make_unique<RecordingMessageBoxes>(shown, false));
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        auto* area = form.findChild<QPlainTextEdit*>(QStringLiteral("Text37"));
        QVERIFY(area);

        const QString sjis = write("simage.txt", kShiftJisSImage);
        drop(area->viewport(), urls({sjis, write("other.txt", "  9 SEMICTRD\r\n")}));
        QCOMPARE(area->toPlainText(), kJoinedSImage);

        form.findChild<QRadioButton*>(QStringLiteral("Option3"))->click();
        form.findChild<QPushButton*>(QStringLiteral("Command27"))->click();
        QCOMPARE(form.findChild<QLineEdit*>(QStringLiteral("Text1"))->text(),
                 QStringLiteral("-5.995"));
        QCOMPARE(form.findChild<QLineEdit*>(QStringLiteral("Text3"))->text(),
                 QStringLiteral("-6.747"));
        QVERIFY(shown.empty());

        // A bad drop says why and leaves the import area as it was.
        drop(area->viewport(), urls({dir_.path()}));
        QCOMPARE(shown.size(), std::size_t(1));
        QCOMPARE(shown[0].title, fromUtf8(lumitrak::kApplicationTitle));
        QVERIFY(shown[0].text.startsWith(fromUtf8(lumitrak::kFolderDroppedMessage)));
        QVERIFY(area->toPlainText().contains(QStringLiteral("500 SEMICTRD")));

        // A UTF-8 file replaces the text; a negative count stops the import after the first row.
        drop(area->viewport(), urls({write("negative.txt", "x 100 SEMICTRD\r\n-40 SEMICTRD\r\n")}));
        form.findChild<QPushButton*>(QStringLiteral("Command27"))->click();
        QCOMPARE(form.findChild<QLineEdit*>(QStringLiteral("Text1"))->text(),
                 QStringLiteral("-5."));
        QCOMPARE(form.findChild<QLineEdit*>(QStringLiteral("Text3"))->text(),
                 QStringLiteral("-6.747"));
        QCOMPARE(shown.size(), std::size_t(2));
        QCOMPARE(shown[1].title, QStringLiteral("data error"));
        QCOMPARE(shown[1].text, fromUtf8(lumitrak::kNegativeCountMessage));
    }
};

QTEST_MAIN(DroppedFileTest)
#include "dropped_file_test.moc"
