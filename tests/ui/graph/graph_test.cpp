// The graph window: its scale, its retained drawing pixel by pixel, the read-out under the
// pointer, and what it shows when no line can be drawn.

#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QTest>

#include "core/messages.h"
#include "ui/graph/comparison_graph.h"
#include "ui/graph/form2.h"

using namespace lumitrak;
Q_DECLARE_METATYPE(lumitrak::PhotometrySheet)

namespace {

const QColor kGrey(192, 192, 192), kBlue(0, 0, 128), kBlack(0, 0, 0);

PhotometrySheet sheetWithRows(std::initializer_list<std::pair<const char*, const char*>> rows) {
    PhotometrySheet sheet;
    int k = 1;
    for (const auto& [measured, catalog] : rows) sheet.comparisonRow(k++) = {measured, catalog};
    return sheet;
}

QString readoutAt(Form2& form, QPointF at) {
    QWidget* picture = form.findChild<QWidget*>("Picture1");
    QMouseEvent move(QEvent::MouseMove, at, picture->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(picture, &move);
    return form.findChild<QLabel*>("Label1")->text();
}

// The rows of `column` in the foreground colour.
QList<int> blackRows(const QImage& image, int column) {
    QList<int> rows;
    for (int row = 0; row < image.height(); ++row)
        if (image.pixelColor(column, row) == kBlack) rows << row;
    return rows;
}

}  // namespace

class GraphTest : public QObject {
    Q_OBJECT

private slots:
    // Three stars whose scale is -10.2..-7.8 across and 8.79..11.31 down: blue discs 5 pixels
    // across on grey at a tenth of margin, the black diagonal, the read-out at the corners.
    void drawsTheStarsAndReadsOutTheScale() {
        PhotometrySheet sheet = sheetWithRows({{"-10", "9.0"}, {"-9", "10.0"}, {"-8", "11.1"}});
        QWidget owner;
        QPointer<Form2> form = new Form2(sheet, &owner);
        QCOMPARE(form->windowTitle(), QStringLiteral("比較星グラフ"));
        QCOMPARE(form->size(), QSize(302, 331));
        const GraphScale& scale = form->graphScale();
        for (const auto& [edge, value] : {std::pair{scale.leftX, -10.2}, {scale.rightX, -7.8}, {scale.topY, 8.79}, {scale.bottomY, 11.31}})
            QCOMPARE(edge, value);
        QVERIFY(sheet.slopeCaption.starts_with("傾き = 1.0"));  // the fit captions are refreshed

        const QImage image = form->graphImage();
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
        for (int k = 0; k < 3; ++k) QVERIFY(blueNear[k] >= 10);
        for (int i = 0; i < 300; ++i) QCOMPARE(image.pixelColor(i, i), kBlack);

        sheet = PhotometrySheet{};  // the window keeps no reference to the sheet
        QCOMPARE(readoutAt(*form, {0, 0}), QStringLiteral("X=-10.20 / Y=8.79"));
        QCOMPARE(readoutAt(*form, {300, 300}), QStringLiteral("X=-7.80 / Y=11.31"));
        QCOMPARE(form->graphImage(), image);
        form->show();
        form->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(form.isNull());
    }

    void readoutWritesNoDigitBeforeThePointBelowOne() {
        const GraphScale symmetric{-1, 1, -1, 1};
        QCOMPARE(pointerReadoutText(symmetric, 3375, 1125), std::optional<std::string>("X=.50 / Y=-.50"));
    }

    // Four stars about magnitude = measured + 10 with an error of 0.03: the middle column
    // crosses the diagonal at 150 and the lines 3e and 2e (7.5 and 5 pixels) about the fit at 147.5.
    void offsetLinesLieAtThreeAndTwoErrorsAboutTheFit() {
        PhotometrySheet sheet = sheetWithRows({{"1", "11.03"}, {"2", "11.97"}, {"3", "12.97"}, {"4", "14.03"}});
        const QList<int> rows = blackRows(Form2(sheet).graphImage(), 150);
        QCOMPARE(sheet.photometricErrorCaption, std::string("0.03"));
        const QList<int> expected{2100 / 15, 2137 / 15, 150, 2287 / 15, 2325 / 15};
        QCOMPARE(rows.size(), expected.size());
        for (qsizetype k = 0; k < rows.size(); ++k) QVERIFY(std::abs(rows[k] - expected[k]) <= 1);
    }

    // Without a line the window opens with the reason, draws only the diagonal (never the lines
    // of captions left by an earlier table) and never reads out numbers that mean nothing.
    void undefinedCasesOpenWithAnExplanation_data() {
        QTest::addColumn<PhotometrySheet>("sheet");
        QTest::addColumn<QString>("explanation");
        const QString needsTwo = QString::fromUtf8(kGraphNeedsTwoStarsMessage.data());
        const QString noFit = QString::fromUtf8(kGraphFitUndefinedMessage.data());
        QTest::newRow("no row") << PhotometrySheet{} << needsTwo;
        QTest::newRow("one row") << sheetWithRows({{"5", "10"}}) << needsTwo;
        QTest::newRow("equal measured values") << sheetWithRows({{"5", "10"}, {"5", "11"}}) << noFit;
        QTest::newRow("equal catalog values") << sheetWithRows({{"5", "10"}, {"6", "10"}}) << noFit;
        QTest::newRow("sums overflow") << sheetWithRows({{"-3E300", "1"}, {"-2E300", "2"}, {"-1E300", "4"}}) << noFit;
    }
    void undefinedCasesOpenWithAnExplanation() {
        QFETCH(PhotometrySheet, sheet);
        QFETCH(QString, explanation);
        sheet.slopeCaption = "傾き = 1.5";
        sheet.constantCaption = "定数 = 3";
        sheet.photometricErrorCaption = "0.123";
        const PhotometrySheet before = sheet;
        Form2 form(sheet);
        QCOMPARE(sheet, before);
        QCOMPARE(form.findChild<QLabel*>("Label1")->text(), explanation);
        for (const QPointF at : {QPointF(0, 0), QPointF(150, 150), QPointF(299, 299)})
            QVERIFY(!readoutAt(form, at).contains("nan", Qt::CaseInsensitive) && !readoutAt(form, at).contains("inf", Qt::CaseInsensitive));
        for (int column : {20, 150, 280}) QCOMPARE(blackRows(form.graphImage(), column), QList<int>{column});
    }
};

QTEST_MAIN(GraphTest)
#include "graph_test.moc"
