// The graph window: its controls, its retained drawing pixel by pixel and the pointer read-out.

#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <memory>

#include "core/messages.h"
#include "example_rows.h"
#include "ui/graph/comparison_graph.h"
#include "ui/graph/form2.h"
#include "ui/graph/graph_image.h"

using namespace lumitrak;

namespace {

const QColor kGrey(192, 192, 192), kBlue(0, 0, 128), kBlack(0, 0, 0);

QString label1(Form2& form) { return form.findChild<QLabel*>("Label1")->text(); }

void movePointer(Form2& form, QPointF at) {
    QWidget* picture = form.findChild<QWidget*>("Picture1");
    QMouseEvent move(QEvent::MouseMove, at, picture->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(picture, &move);
}

// The rows of `column` in the foreground colour.
QList<int> blackRows(const QImage& image, int column) {
    QList<int> rows;
    for (int row = 0; row < image.height(); ++row)
        if (image.pixelColor(column, row) == kBlack) rows << row;
    return rows;
}

}  // namespace

class Form2Test : public QObject {
    Q_OBJECT
private slots:
    void isAFixedToolWindowThatDeletesItselfOnClose() {
        PhotometrySheet sheet = exampleSheet();
        QWidget owner;
        QPointer<Form2> form = new Form2(sheet, &owner);
        QCOMPARE(form->objectName(), QStringLiteral("Form2"));
        QCOMPARE(form->windowTitle(), QStringLiteral("比較星グラフ"));
        QCOMPARE(form->windowType(), Qt::Tool);
        QVERIFY(!(form->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QCOMPARE(form->minimumSize(), QSize(302, 331));
        QCOMPARE(form->maximumSize(), QSize(302, 331));
        QCOMPARE(form->findChild<QWidget*>("Picture1")->geometry(), QRect(0, 0, 300, 300));
        QCOMPARE(form->findChild<QLabel*>("Label1")->geometry(), QRect(8, 304, 289, 17));
        QCOMPARE(label1(*form), QString());
        form->show();
        form->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(form.isNull());
    }

    // Dots are blue discs 5 pixels across on grey, under black lines; nothing else is blue.
    void exampleDotsAndDiagonal() {
        PhotometrySheet sheet = exampleSheet();
        const QImage image = Form2(sheet).graphImage();
        QCOMPARE(image.size(), QSize(300, 300));
        const QPoint centres[] = {{24, 25}, {149, 144}, {274, 275}};
        int blueNear[3] = {};
        for (int row = 0; row < 300; ++row) {
            for (int column = 0; column < 300; ++column) {
                const QColor colour = image.pixelColor(column, row);
                QVERIFY(colour == kGrey || colour == kBlue || colour == kBlack);
                if (colour != kBlue) continue;
                int k = 0;
                while (k < 3 && (std::abs(column - centres[k].x()) > 2 || std::abs(row - centres[k].y()) > 2)) ++k;
                QVERIFY2(k < 3, qPrintable(QStringLiteral("%1,%2").arg(column).arg(row)));
                ++blueNear[k];
            }
        }
        for (int k = 0; k < 3; ++k) QVERIFY2(blueNear[k] >= 10, qPrintable(QString::number(k)));
        for (int i = 0; i < 300; ++i) QVERIFY2(image.pixelColor(i, i) == kBlack, qPrintable(QString::number(i)));
        QCOMPARE(image.pixelColor(299, 0), kGrey);
        QCOMPARE(image.pixelColor(0, 299), kGrey);
    }

    // The middle column crosses the diagonal at 150 and the offset lines 7.5 and 5 pixels off
    // the fit, which crosses it at 2212.5 units.
    void offsetLinesCrossTheMiddleAtTheirHeights() {
        PhotometrySheet sheet = sheetWithErrorOf003();
        const QList<int> rows = blackRows(Form2(sheet).graphImage(), 150);
        const QList<int> expected{2100 / 15, 2137 / 15, 150, 2287 / 15, 2325 / 15};
        QCOMPARE(rows.size(), expected.size());
        for (qsizetype k = 0; k < rows.size(); ++k) QVERIFY2(std::abs(rows[k] - expected[k]) <= 1, qPrintable(QString::number(rows[k])));
    }

    // The window keeps the drawing of its load and no reference to the sheet.
    void pointerMovementDrivesTheReadout() {
        auto sheet = std::make_unique<PhotometrySheet>(exampleSheet());
        Form2 form(*sheet);
        const QImage drawn = form.graphImage();
        sheet.reset();
        movePointer(form, {0, 0});
        QCOMPARE(label1(form), QStringLiteral("X=-10.20 / Y=8.79"));
        movePointer(form, {300, 300});
        QCOMPARE(label1(form), QStringLiteral("X=-7.80 / Y=11.31"));
        QCOMPARE(form.graphImage(), drawn);
    }

    void undefinedCasesOpenWithAnExplanation_data() {
        addUndefinedSheets(std::string(kGraphNeedsTwoStarsMessage), std::string(kGraphFitUndefinedMessage));
    }
    void undefinedCasesOpenWithAnExplanation() {
        QFETCH(PhotometrySheet, sheet);
        QFETCH(std::string, explanation);
        QFETCH(int, dots);
        sheet.slopeCaption = "傾き = 1.5";  // an earlier table's fit, which must draw no lines
        sheet.constantCaption = "定数 = 3";
        sheet.photometricErrorCaption = "0.123";
        Form2 form(sheet);
        QCOMPARE(label1(form), QString::fromStdString(explanation));
        for (const QPointF at : {QPointF(0, 0), QPointF(150, 150), QPointF(299, 299)}) {
            movePointer(form, at);
            QVERIFY(!label1(form).contains("nan", Qt::CaseInsensitive) && !label1(form).contains("inf", Qt::CaseInsensitive));
            if (dots == 0) QCOMPARE(label1(form), QString::fromStdString(explanation));
        }
        const QImage image = form.graphImage();
        for (int column : {20, 150, 280}) QCOMPARE(blackRows(image, column), QList<int>{column});
    }
};

QTEST_MAIN(Form2Test)
#include "form2_test.moc"
