// The real message boxes: one OK, OK and Cancel, or Retry and Cancel; the first button is the
// default and Escape is Cancel; no icon; a carriage return starts a second line, markup stays text.

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "ui/main/message_boxes.h"

class MessageBoxesTest : public QObject {
    Q_OBJECT

private slots:
    void boxesShowTheirButtonsAndAnswer_data() {
        QTest::addColumn<int>("kind");  // 0 message, 1 OK/Cancel, 2 Retry/Cancel
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("answer");
        QTest::newRow("message") << 0 << int(Qt::Key_Return) << false;
        QTest::newRow("OK by Enter") << 1 << int(Qt::Key_Return) << true;
        QTest::newRow("Cancel by Escape") << 1 << int(Qt::Key_Escape) << false;
        QTest::newRow("Retry by Enter") << 2 << int(Qt::Key_Return) << true;
        QTest::newRow("Cancel of Retry by Escape") << 2 << int(Qt::Key_Escape) << false;
    }
    void boxesShowTheirButtonsAndAnswer() {
        QFETCH(int, kind);
        QFETCH(int, key);
        QFETCH(bool, answer);
        const QMessageBox::StandardButton first[] = {QMessageBox::Ok, QMessageBox::Ok, QMessageBox::Retry};
        const QMessageBox::StandardButtons buttons = kind == 0 ? first[0] : first[kind] | QMessageBox::Cancel;
        bool looked = false;
        QTimer::singleShot(0, qApp, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            QCOMPARE(box->windowTitle(), QStringLiteral("Lumitrak"));
            QCOMPARE(box->text(), QStringLiteral("一行目\n<b>二</b>"));
            QCOMPARE(box->textFormat(), Qt::PlainText);
            QCOMPARE(box->icon(), QMessageBox::NoIcon);
            QCOMPARE(box->standardButtons(), buttons);
            if (kind != 0) QCOMPARE(box->defaultButton(), box->button(first[kind]));
            looked = true;
            QTest::keyClick(box, Qt::Key(key));
        });
        QWidget parent;
        lumitrak::QtMessageBoxes boxes(&parent);
        const QString text = QStringLiteral("一行目\r<b>二</b>");
        bool answered = false;
        if (kind == 0) boxes.showMessage("Lumitrak", text);
        else if (kind == 1) answered = boxes.askOkCancel("Lumitrak", text);
        else answered = boxes.askRetryCancel("Lumitrak", text);
        QVERIFY(looked);
        QCOMPARE(answered, answer);
    }
};

QTEST_MAIN(MessageBoxesTest)
#include "message_boxes_test.moc"
