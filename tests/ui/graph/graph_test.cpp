// The graph window: its drawing pixel by pixel, the pointer read-out, and the cases without a line.

#include <QTest>
#include <QtWidgets>

#include "core/calibration.h"
#include "core/messages.h"
#include "ui/graph/form2.h"

using namespace lumitrak;
Q_DECLARE_METATYPE(PhotometrySheet)

namespace {

// The rows with their fit captions refreshed, as the main window opens the graph.
PhotometrySheet sheetWithRows(std::initializer_list<ComparisonRow> rows) {
    PhotometrySheet sheet;
    std::copy(rows.begin(), rows.end(), sheet.comparisonRows.begin());
    refreshFitLabels(sheet);
    return sheet;
}

QString readoutAt(Form2& form, QPointF at) {
    QWidget* picture = form.findChild<QWidget*>("Picture1");
    QMouseEvent move(QEvent::MouseMove, at, picture->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(picture, &move);
    return form.findChild<QLabel*>("Label1")->text();
}

// How many pixels of `area` are of `colour`.
int pixelsIn(const QImage& image, const QRect& area, const QColor& colour) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) count += image.pixelColor(x, y) == colour;
    return count;
}
const QColor kBlue(0, 0, 128);
const QColor kBlack(Qt::black);

}  // namespace

class GraphTest : public QObject {
    Q_OBJECT

private slots:
    // Three stars on a scale of -10.2..-7.8 across, 8.79..11.31 down; a window of fixed size.
    void drawsTheStarsAndReadsOutTheScale() {
        PhotometrySheet sheet = sheetWithRows({{"-10", "9.0"}, {"-9", "10.0"}, {"-8", "11.1"}});
        Form2 form(sheet);
        sheet = PhotometrySheet{};  // the window keeps no reference to the sheet
        const QImage image = form.graphImage();
        QCOMPARE(form.minimumSize(), form.size());
        QCOMPARE(form.maximumSize(), form.size());
        const QRect plot = form.findChild<QWidget*>("Picture1")->geometry();
        const QRect readout = form.findChild<QWidget*>("Label1")->geometry();
        QCOMPARE(plot.size(), image.size());
        QVERIFY(form.rect().contains(plot.united(readout)));
        QVERIFY(readout.top() > plot.bottom());
        // Discs 5 pixels across, partly under the lines, at a twelfth of the way in from the edges.
        int nearStars = 0;
        for (const QRect star :
             {QRect(22, 23, 5, 5), QRect(147, 142, 5, 5), QRect(272, 273, 5, 5)}) {
            const int blue = pixelsIn(image, star, kBlue);
            QVERIFY2(blue >= 10, qPrintable(QString::number(star.x())));
            nearStars += blue;
        }
        QCOMPARE(pixelsIn(image, image.rect(), kBlue), nearStars);
        for (int i = 0; i < 300; ++i) QCOMPARE(image.pixelColor(i, i), kBlack);  // the diagonal
        QCOMPARE(readoutAt(form, {0, 0}), QStringLiteral("X=-10.20 / Y=8.79"));
        QCOMPARE(readoutAt(form, {300, 300}), QStringLiteral("X=-7.80 / Y=11.31"));
    }

    // Error 0.03 about magnitude = measured + 10: lines 7.5 and 5 px about the fit at 147.5.
    void offsetLinesLieAtThreeAndTwoErrorsAboutTheFit() {
        PhotometrySheet sheet =
            sheetWithRows({{"1", "11.03"}, {"2", "11.97"}, {"3", "12.97"}, {"4", "14.03"}});
        QCOMPARE(sheet.photometricErrorCaption, std::string("0.03"));
        const QImage image = Form2(sheet).graphImage();
        QCOMPARE(pixelsIn(image, {150, 0, 1, 300}, kBlack), 5);
        for (const int y : {140, 142, 150, 152, 155})
            QVERIFY2(pixelsIn(image, {150, y - 1, 1, 3}, kBlack), qPrintable(QString::number(y)));
    }

    // At 10 to 12 pt the window grows with the font; the explanation and the read-out stay whole.
    void growsWithTheFont_data() {
        QTest::addColumn<int>("points");
        for (const int points : {10, 11, 12}) QTest::addRow("%d pt", points) << points;
    }
    void growsWithTheFont() {
        QFETCH(int, points);
        PhotometrySheet sheet = sheetWithRows({{"-10", "9.0"}, {"-9", "10.0"}, {"-8", "11.1"}});
        PhotometrySheet undefined = sheetWithRows({{"5", "10"}, {"5", "11"}});
        const int widthAt9 = Form2(sheet).width();
        const auto restoreFont =
            qScopeGuard([font = QApplication::font()] { QApplication::setFont(font); });
        QApplication::setFont(QFont(QApplication::font().family(), points));
        Form2 plotting(sheet);
        const qreal side = plotting.findChild<QWidget*>("Picture1")->width();
        QCOMPARE(readoutAt(plotting, {side, side}), QStringLiteral("X=-7.80 / Y=11.31"));
        QVERIFY(plotting.width() >= widthAt9 * points / 9 - 1);
        Form2 explaining(undefined);
        const auto* label = explaining.findChild<QLabel*>("Label1");
        const QSize text = label->fontMetrics().size(0, label->text());
        QCOMPARE(label->contentsRect().size().expandedTo(text), label->contentsRect().size());
        QVERIFY(explaining.rect().contains(label->geometry()));
    }

    // Without a line: the reason, only the diagonal, and the reason stays under the pointer.
    void undefinedCasesOpenWithAnExplanation_data() {
        QTest::addColumn<PhotometrySheet>("sheet");
        QTest::addColumn<QString>("explanation");
        const QString needsTwo = kGraphNeedsTwoStarsMessage.data();
        const QString noFit = kGraphFitUndefinedMessage.data();
        QTest::newRow("no row") << PhotometrySheet{} << needsTwo;
        QTest::newRow("equal measured values")
            << sheetWithRows({{"5", "10"}, {"5", "11"}}) << noFit;
    }
    void undefinedCasesOpenWithAnExplanation() {
        QFETCH(PhotometrySheet, sheet);
        QFETCH(QString, explanation);
        sheet.slopeCaption = "傾き = 1.5";  // the line of an earlier table
        sheet.constantCaption = "定数 = 3";
        sheet.photometricErrorCaption = "0.123";
        Form2 form(sheet);
        QCOMPARE(form.findChild<QLabel*>("Label1")->text(), explanation);
        QCOMPARE(form.accessibleDescription(), explanation);
        for (const QPointF at : {QPointF(0, 0), QPointF(150, 150)})
            QCOMPARE(readoutAt(form, at), explanation);
        for (const int x : {20, 150, 280})
            QCOMPARE(pixelsIn(form.graphImage(), {x, 0, 1, 300}, kBlack), 1);
    }
};

QTEST_MAIN(GraphTest)
#include "graph_test.moc"
