// The import area as a user meets it, on texts from 64 KiB up to the largest it accepts: a file
// dropped (read, joined, laid out and painted), the same text pasted, a click into the area, the
// import button, and the processor time the area uses while idle with the cursor in it. Each case
// runs on an ordinary S.Image output and on a text with no blank and no line end, the hard case
// for the layout. Run under Xvfb or with QT_QPA_PLATFORM=offscreen.

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <ctime>
#include <memory>

#include "ui/main/form1.h"
#include "ui/main/import_area.h"

namespace {

struct SilentMessageBoxes : lumitrak::MessageBoxes {
    void showMessage(const QString&, const QString&) override {}
    bool askOkCancel(const QString&, const QString&) override { return false; }
    bool askRetryCancel(const QString&, const QString&) override { return false; }
    bool askYesNo(const QString&, const QString&, bool) override { return false; }
};

QByteArray sImageOutput(qsizetype size) {
    QByteArray file = "  #    X       Y      Count    Type\r\n";
    for (int n = 1; file.size() < size; ++n) {
        file += QByteArray::number(n) + "  512.33  401.78  " + QByteArray::number(20000 + n) +
                ".7 SEMICTRD 2.81\r\n";
    }
    return file.left(size);
}

QByteArray withoutBlanks(qsizetype size) {
    QByteArray text(size, 'x');
    for (qsizetype i = 0; i < size; i += 7) text[i] = char('0' + i % 10);
    return text;
}

double processorSeconds() { return double(std::clock()) / CLOCKS_PER_SEC; }

}  // namespace

class DropImportBench : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
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
        area_->viewport()->repaint();
    }

    // Two files of the same size that differ in one byte, so each drop shows a new text.
    QStringList writeFiles() {
        QFETCH(QByteArray, content);
        QStringList paths;
        for (const char last : {'1', '2'}) {
            paths << dir_.filePath(QStringLiteral("out%1.txt").arg(last));
            QFile file(paths.back());
            if (file.open(QIODevice::WriteOnly)) file.write(content.chopped(1) + last);
        }
        return paths;
    }

    static void sizes() {
        QTest::addColumn<QByteArray>("content");
        for (const qsizetype kib : {64, 128, 192, 256}) {
            const qsizetype size = kib == 256 ? lumitrak::kImportTextLimit : kib * 1024;
            QTest::addRow("%lld KiB output", qlonglong(kib)) << sImageOutput(size);
            QTest::addRow("%lld KiB without blanks", qlonglong(kib)) << withoutBlanks(size);
        }
    }

private slots:
    void initTestCase() {
        QVERIFY(QDir::setCurrent(dir_.path()));
        form_ = std::make_unique<lumitrak::Form1>(std::make_unique<SilentMessageBoxes>());
        form_->show();
        QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
        area_ = form_->findChild<QPlainTextEdit*>(QStringLiteral("Text37"));
        form_->findChild<QRadioButton*>(QStringLiteral("Option3"))->click();
    }

    void dropFile_data() { sizes(); }
    void dropFile() {
        const QStringList paths = writeFiles();
        int n = 0;
        QBENCHMARK { drop(paths[n++ % 2]); }
        QVERIFY(area_->toPlainText().size() > 60 * 1024);
    }

    void paste_data() { sizes(); }
    void paste() {
        QFETCH(QByteArray, content);
        QBENCHMARK {
            area_->clear();
            QGuiApplication::clipboard()->setText(QString::fromLatin1(content));
            area_->paste();
            area_->viewport()->repaint();
        }
        QVERIFY(area_->toPlainText().size() > content.size() * 9 / 10);  // CR LF becomes one break
    }

    void clickIntoTheArea_data() { sizes(); }
    void clickIntoTheArea() {
        drop(writeFiles().first());
        int n = 0;
        QBENCHMARK {
            QTest::mouseClick(area_->viewport(), Qt::LeftButton, {}, QPoint(40 + n++ % 200, 100));
            area_->viewport()->repaint();
        }
    }

    void importButton_data() { sizes(); }
    void importButton() {
        drop(writeFiles().first());
        auto* import = form_->findChild<QPushButton*>(QStringLiteral("Command27"));
        QBENCHMARK { import->click(); }
    }

    // Not a Qt Test benchmark: the share of one core used over five idle seconds.
    void idleWithTheCursorInTheArea_data() { sizes(); }
    void idleWithTheCursorInTheArea() {
        drop(writeFiles().first());
        form_->activateWindow();
        area_->setFocus();
        QTest::mouseClick(area_->viewport(), Qt::LeftButton, {}, QPoint(40, 100));
        QTest::qWait(500);
        QElapsedTimer wall;
        const double before = processorSeconds();
        wall.start();
        QTest::qWait(5000);
        const double share = (processorSeconds() - before) / (wall.elapsed() / 1000.0);
        qInfo("idle: %.1f %% of a core", 100 * share);
    }

    void cleanupTestCase() { form_.reset(); }
};

QTEST_MAIN(DropImportBench)
#include "drop_import_bench.moc"
