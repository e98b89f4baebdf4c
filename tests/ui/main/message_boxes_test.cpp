// The real message boxes: one OK, or OK and Cancel; no icon; two-line texts shown as two lines.

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "ui/main/message_boxes.h"

using lumitrak::QtMessageBoxes;

namespace {

// Runs `inspect` on the box as soon as it is up, then answers it with `key`.
void whenBoxIsShown(std::function<void(QMessageBox*)> inspect, Qt::Key key) {
    QTimer::singleShot(0, qApp, [inspect, key] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        inspect(box);
        QTest::keyClick(box, key);
    });
}

}  // namespace

class MessageBoxesTest : public QObject {
    Q_OBJECT

private slots:
    void carriageReturnStartsASecondLine_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shown");
        QTest::newRow("one line") << "変光星の測光値を入力して下さい" << "変光星の測光値を入力して下さい";
        QTest::newRow("two lines") << "一杯です\rクリア" << "一杯です\nクリア";
        QTest::newRow("CR LF") << "a\r\nb" << "a\nb";
        QTest::newRow("markup stays text") << "<b>x</b>" << "<b>x</b>";
    }
    void carriageReturnStartsASecondLine() {
        QFETCH(QString, text);
        QFETCH(QString, shown);
        QCOMPARE(lumitrak::messageBoxText(text), shown);
    }

    void messageHasOneOkButtonAndNoIcon() {
        QWidget parent;
        QtMessageBoxes boxes(&parent);
        bool inspected = false;
        whenBoxIsShown(
            [&inspected](QMessageBox* box) {
                QCOMPARE(box->windowTitle(), QStringLiteral("Lumitrak"));
                QCOMPARE(box->text(), QStringLiteral("一行目\n二行目"));
                QCOMPARE(box->icon(), QMessageBox::NoIcon);
                QCOMPARE(box->standardButtons(), QMessageBox::StandardButtons(QMessageBox::Ok));
                QVERIFY(box->isModal());
                inspected = true;
            },
            Qt::Key_Return);
        boxes.showMessage(QStringLiteral("Lumitrak"), QStringLiteral("一行目\r二行目"));
        QVERIFY(inspected);
    }

    void questionAnswersOkOnEnterAndCancelOnEscape_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("answer");
        QTest::newRow("Enter takes the default OK") << int(Qt::Key_Return) << true;
        QTest::newRow("Escape is Cancel") << int(Qt::Key_Escape) << false;
    }
    void questionAnswersOkOnEnterAndCancelOnEscape() {
        QFETCH(int, key);
        QFETCH(bool, answer);
        QWidget parent;
        QtMessageBoxes boxes(&parent);
        bool inspected = false;
        whenBoxIsShown(
            [&inspected](QMessageBox* box) {
                QCOMPARE(box->icon(), QMessageBox::NoIcon);
                QCOMPARE(box->standardButtons(), QMessageBox::Ok | QMessageBox::Cancel);
                QCOMPARE(box->defaultButton(), box->button(QMessageBox::Ok));
                QCOMPARE(box->escapeButton(), static_cast<QAbstractButton*>(box->button(QMessageBox::Cancel)));
                inspected = true;
            },
            Qt::Key(key));
        QCOMPARE(boxes.askOkCancel(QStringLiteral("Lumitrak"), QStringLiteral("比較星データを保存しますか")), answer);
        QVERIFY(inspected);
    }
};

QTEST_MAIN(MessageBoxesTest)
#include "message_boxes_test.moc"
