// The real message boxes: one OK, or OK (the default) and Cancel; no icon; a carriage return
// starts a second line and markup stays text.

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "ui/main/message_boxes.h"

class MessageBoxesTest : public QObject {
    Q_OBJECT
    // Looks at the box as soon as it is up, then answers it with `key`.
    static void answerWith(Qt::Key key, QMessageBox::StandardButtons buttons, bool* looked) {
        QTimer::singleShot(0, qApp, [=] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            QCOMPARE(box->windowTitle(), QStringLiteral("Lumitrak"));
            QCOMPARE(box->text(), QStringLiteral("一行目\n<b>二</b>"));
            QCOMPARE(box->textFormat(), Qt::PlainText);
            QCOMPARE(box->icon(), QMessageBox::NoIcon);
            QCOMPARE(box->standardButtons(), buttons);
            if (buttons & QMessageBox::Cancel) {
                QCOMPARE(box->defaultButton(), box->button(QMessageBox::Ok));
                QCOMPARE(box->escapeButton(), static_cast<QAbstractButton*>(box->button(QMessageBox::Cancel)));
            }
            *looked = true;
            QTest::keyClick(box, key);
        });
    }

private slots:
    void messageHasOneOkButton() {
        QWidget parent;
        bool looked = false;
        answerWith(Qt::Key_Return, QMessageBox::Ok, &looked);
        lumitrak::QtMessageBoxes(&parent).showMessage("Lumitrak", QStringLiteral("一行目\r<b>二</b>"));
        QVERIFY(looked);
        QCOMPARE(lumitrak::messageBoxText("a\r\nb"), QStringLiteral("a\nb"));
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
        bool looked = false;
        answerWith(Qt::Key(key), QMessageBox::Ok | QMessageBox::Cancel, &looked);
        QCOMPARE(lumitrak::QtMessageBoxes(&parent).askOkCancel("Lumitrak", QStringLiteral("一行目\r<b>二</b>")), answer);
        QVERIFY(looked);
    }
};

QTEST_MAIN(MessageBoxesTest)
#include "message_boxes_test.moc"
