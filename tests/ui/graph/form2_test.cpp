#include <QTest>

#include <QCoreApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>

#include <memory>
#include <string>

#include "core/messages.h"
#include "example_rows.h"
#include "ui/graph/comparison_graph.h"
#include "ui/graph/form2.h"
#include "ui/graph/graph_image.h"

using namespace lumitrak;

Q_DECLARE_METATYPE(lumitrak::PhotometrySheet)

namespace {

QLabel* label1(Form2& form) { return form.findChild<QLabel*>("Label1"); }
QWidget* picture1(Form2& form) { return form.findChild<QWidget*>("Picture1"); }

void movePointerOver(QWidget* picture, QPointF position) {
    QMouseEvent move(QEvent::MouseMove, position, picture->mapToGlobal(position), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(picture, &move);
}

}  // namespace

class Form2Test : public QObject {
    Q_OBJECT
private slots:
    void isAFixedToolWindowWithTheNamedControls() {
        PhotometrySheet sheet = exampleSheet();
        QWidget owner;
        Form2* form = new Form2(sheet, &owner);
        QCOMPARE(form->objectName(), QString("Form2"));
        QCOMPARE(form->windowTitle(), QString("比較星グラフ"));
        QVERIFY(form->isWindow());
        QCOMPARE(form->windowType(), Qt::Tool);
        QVERIFY(!(form->windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(form->windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(form->windowFlags() & Qt::WindowCloseButtonHint);
        QCOMPARE(form->windowModality(), Qt::NonModal);
        QCOMPARE(form->minimumSize(), QSize(302, 331));
        QCOMPARE(form->maximumSize(), QSize(302, 331));
        QVERIFY(form->testAttribute(Qt::WA_DeleteOnClose));
        QVERIFY(picture1(*form));
        QCOMPARE(picture1(*form)->geometry(), QRect(0, 0, 300, 300));
        QVERIFY(picture1(*form)->hasMouseTracking());
        QVERIFY(label1(*form));
        QCOMPARE(label1(*form)->geometry(), QRect(8, 304, 289, 17));
        QCOMPARE(label1(*form)->text(), QString());
    }

    void closingDeletesTheWindow() {
        PhotometrySheet sheet = exampleSheet();
        QWidget owner;
        QPointer<Form2> form = new Form2(sheet, &owner);
        form->show();
        form->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(form.isNull());
    }

    void loadingWritesTheFitCaptionsAndKeepsTheScale() {
        PhotometrySheet sheet = exampleSheet();
        Form2 form(sheet);
        QVERIFY(sheet.slopeCaption.starts_with("傾き = 1.05"));
        QCOMPARE(sheet.photometricErrorCaption, std::string("0.02"));
        QCOMPARE(form.graphScale().leftX, -10.2);
        QCOMPARE(form.graphScale().rightX, -7.8);
        QCOMPARE(form.graphScale().topY, 8.79);
        QCOMPARE(form.graphScale().bottomY, 11.31);
    }

    void keepsTheDrawingOfItsLoad() {
        auto sheet = std::make_unique<PhotometrySheet>(exampleSheet());
        Form2 form(*sheet);
        const QImage drawn = form.graphImage();
        *sheet = sheetWithErrorOf003();
        sheet.reset();  // the window holds no reference to the sheet
        form.showPointerReadout(2250, 2250);
        QCOMPARE(form.graphImage(), drawn);
        QCOMPARE(label1(form)->text(), QString("X=-9.00 / Y=10.05"));
    }

    void retainsTheRenderingOfItsGraph() {
        PhotometrySheet sheet = exampleSheet();
        PhotometrySheet copy = sheet;
        Form2 form(sheet);
        const QImage image = form.graphImage();
        QCOMPARE(image.deviceIndependentSize(), QSizeF(300, 300));
        QCOMPARE(image, renderComparisonGraph(drawComparisonGraph(copy), image.devicePixelRatio()));
    }

    void pointerMovementOverThePictureDrivesTheReadout() {
        PhotometrySheet sheet = exampleSheet();
        Form2 form(sheet);
        movePointerOver(picture1(form), QPointF(150, 150));
        QCOMPARE(label1(form)->text(), QString("X=-9.00 / Y=10.05"));
        movePointerOver(picture1(form), QPointF(0, 0));
        QCOMPARE(label1(form)->text(), QString("X=-10.20 / Y=8.79"));
    }

    void undefinedCasesOpenWithAnExplanation_data() {
        QTest::addColumn<PhotometrySheet>("sheet");
        QTest::addColumn<QString>("explanation");
        const QString needsTwo = QString::fromUtf8(kGraphNeedsTwoStarsMessage);
        const QString undefinedFit = QString::fromUtf8(kGraphFitUndefinedMessage);
        QTest::newRow("no row") << PhotometrySheet{} << needsTwo;
        QTest::newRow("one row") << sheetWithRows({{"5", "10"}}) << needsTwo;
        QTest::newRow("equal measured values") << sheetWithRows({{"5", "10"}, {"5", "11"}}) << undefinedFit;
        QTest::newRow("equal catalog values") << sheetWithRows({{"5", "10"}, {"6", "10"}}) << undefinedFit;
    }
    void undefinedCasesOpenWithAnExplanation() {
        QFETCH(PhotometrySheet, sheet);
        QFETCH(QString, explanation);
        Form2 form(sheet);
        form.show();
        QCOMPARE(label1(form)->text(), explanation);
        for (const QPointF position : {QPointF(0, 0), QPointF(150, 150), QPointF(299, 299)}) {
            movePointerOver(picture1(form), position);
            QCOMPARE(label1(form)->text(), explanation);
        }
        const QImage image = form.graphImage();
        const qreal ratio = image.devicePixelRatio();
        QCOMPARE(image.pixelColor(int(290 * ratio), int(10 * ratio)), kLightGrey);
        QCOMPARE(image.pixelColor(int(100 * ratio), int(100 * ratio)), kForeground);
    }
};

QTEST_MAIN(Form2Test)
#include "form2_test.moc"
