// The import area: a dropped file is handed on, never typed in as its name; pastes are plain text.

#include <QApplication>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>

#include "ui/main/import_area.h"

using lumitrak::ImportArea;

class ImportAreaTest : public QObject {
    Q_OBJECT

private:
    static void drop(ImportArea& area, const QMimeData& data) {
        const QPoint at(10, 10);
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(area.viewport(), &enter);
        QDropEvent dropped(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(area.viewport(), &dropped);
    }

private slots:
    void droppedFilesAreHandedOnAndNotTyped() {
        ImportArea area;
        area.setPlainText(QStringLiteral("kept"));
        area.show();
        QVERIFY(QTest::qWaitForWindowExposed(&area));
        QSignalSpy spy(&area, &ImportArea::urlsDropped);
        QMimeData data;
        const QList<QUrl> urls{QUrl::fromLocalFile(QStringLiteral("/tmp/a.txt")),
                               QUrl::fromLocalFile(QStringLiteral("/tmp/b.txt"))};
        data.setUrls(urls);
        drop(area, data);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).value<QList<QUrl>>(), urls);
        QCOMPARE(area.toPlainText(), QStringLiteral("kept"));
    }

    void droppedTextIsNotAFile() {
        ImportArea area;
        area.show();
        QVERIFY(QTest::qWaitForWindowExposed(&area));
        QSignalSpy spy(&area, &ImportArea::urlsDropped);
        QMimeData data;
        data.setText(QStringLiteral("Magnitude -7.123"));
        drop(area, data);
        QCOMPARE(spy.count(), 0);
    }

    void pasteTakesPlainTextOnly() {
        // insertFromMimeData is what a paste runs.
        struct PastingArea : ImportArea {
            using ImportArea::insertFromMimeData;
        };
        PastingArea area;
        QMimeData data;
        data.setHtml(QStringLiteral("<b>bold</b> output"));
        data.setText(QStringLiteral("plain output"));
        area.insertFromMimeData(&data);
        QCOMPARE(area.toPlainText(), QStringLiteral("plain output"));
    }
};

QTEST_MAIN(ImportAreaTest)
#include "import_area_test.moc"
