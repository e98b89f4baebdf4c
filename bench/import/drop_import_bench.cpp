// A 100 KB output file dropped onto the import area and imported, timed as a user meets it:
// reading and joining the file, showing (and laying out) the one long line, the import button.
// Run with -tickcounter or the default walltime; every case prints its time per iteration.

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "ui/main/dropped_file.h"
#include "ui/main/form1.h"

namespace {

struct SilentMessageBoxes : lumitrak::MessageBoxes {
    void showMessage(const QString&, const QString&) override {}
    bool askOkCancel(const QString&, const QString&) override { return false; }
    bool askRetryCancel(const QString&, const QString&) override { return false; }
};

QByteArray sImageOutput(qsizetype size) {
    QByteArray file = "  #    X       Y      Count    Type\r\n";
    for (int n = 1; file.size() < size; ++n) {
        file += QByteArray::number(n) + "  512.33  401.78  " + QByteArray::number(20000 + n) +
                ".7 SEMICTRD 2.81\r\n";
    }
    return file;
}

}  // namespace

class DropImportBench : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    QString path_;
    QString otherPath_;  // the same output but one count: each drop shows a new text
    std::unique_ptr<lumitrak::Form1> form_;
    QPlainTextEdit* area_ = nullptr;

    void drop(const QString& path) {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(path)});
        const QPoint at(10, 10);
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(area_->viewport(), &enter);
        QDropEvent dropped(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(area_->viewport(), &dropped);
    }

private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        QVERIFY(QDir::setCurrent(dir_.path()));
        path_ = dir_.filePath("simage.txt");
        otherPath_ = dir_.filePath("other.txt");
        QByteArray output = sImageOutput(100 * 1000);
        for (const QString& path : {path_, otherPath_}) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(output);
            output.replace("20001.7", "20002.7");
        }
        form_ = std::make_unique<lumitrak::Form1>(std::make_unique<SilentMessageBoxes>());
        form_->show();
        QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
        area_ = form_->findChild<QPlainTextEdit*>(QStringLiteral("Text37"));
        QVERIFY(area_);
        form_->findChild<QRadioButton*>(QStringLiteral("Option3"))->click();
    }

    void readAndJoinTheFile() {
        QBENCHMARK {
            QVERIFY(lumitrak::readDroppedFile({QUrl::fromLocalFile(path_)}).loaded);
        }
    }

    // The text widget's share: one paragraph of 100 KB laid out and painted.
    void showTheLongLine() {
        const QString texts[] = {lumitrak::readDroppedFile({QUrl::fromLocalFile(path_)}).text,
                                 lumitrak::readDroppedFile({QUrl::fromLocalFile(otherPath_)}).text};
        int shown = 0;
        QBENCHMARK {
            area_->setPlainText(texts[shown++ % 2]);
            area_->viewport()->repaint();
        }
    }

    void dropAndImport() {
        bool other = false;
        QBENCHMARK {
            drop((other = !other) ? otherPath_ : path_);
            area_->viewport()->repaint();
            form_->findChild<QPushButton*>(QStringLiteral("Command27"))->click();
        }
        QVERIFY(area_->toPlainText().size() > 90 * 1000);
    }

    void cleanupTestCase() { form_.reset(); }
};

QTEST_MAIN(DropImportBench)
#include "drop_import_bench.moc"
