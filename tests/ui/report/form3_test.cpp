// The report window as an observer meets it: fields kept between runs, a refusal that names the
// field, the lines shown and copied, and the report file that grows by one line.

#include "ui/report/form3.h"

#include <QTest>
#include <QtWidgets>

#include "core/messages.h"
#include "storage/report_file.h"
#include "tests/support/recording_message_boxes.h"

using namespace lumitrak;

namespace {

// Five comparison stars on magnitude = measured value + 19 and a measurement of 10.763.
PhotometrySheet measuredSheet() {
    PhotometrySheet sheet;
    const ComparisonRow rows[] = {
        {"-8", "11"}, {"-8.5", "10.5"}, {"-9.5", "9.5"}, {"-10", "9"}, {"-11", "8"}};
    std::copy(std::begin(rows), std::end(rows), sheet.comparisonRows.begin());
    sheet.variableMagnitudeCaption = "10.763";
    sheet.photometricErrorCaption = "0.003";
    return sheet;
}

void type(QWidget& form, const char* field, const QString& text) {
    auto* edit = form.findChild<QLineEdit*>(field);
    edit->clear();
    QTest::keyClicks(edit, text);
}

void click(QWidget& form, const char* button) {
    QTest::mouseClick(form.findChild<QPushButton*>(button), Qt::LeftButton);
}

QString shown(QWidget& form, const char* field) {
    return form.findChild<QLineEdit*>(field)->text();
}

}  // namespace

class Form3Test : public QObject {
    Q_OBJECT
    QTemporaryDir config_;
    QTemporaryDir work_;

private slots:
    void initTestCase() {
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config_.path()));
        QVERIFY(QDir::setCurrent(work_.path()));
    }

    void reportsTheObservation() {
        RecordingMessageBoxes boxes;
        {
            Form3 form(boxes, measuredSheet);
            type(form, "starName", "SS CYG");
            type(form, "date", "2024-13-16");
            type(form, "time", "21:30");
            type(form, "observerCode", "ABC");
            form.findChild<QComboBox*>("band")->setCurrentText("V");
            click(form, "makeReport");
            QVERIFY(boxes.texts() ==
                    std::vector{reportProblemMessage(ReportProblem::InvalidDate, "日付")});
            QVERIFY(shown(form, "aavsoLine").isEmpty());
            type(form, "date", "2024-12-16");
            click(form, "appendToFile");
            QCOMPARE(shown(form, "vsnetLine"), QStringLiteral("CYGSS 20241216.521 10.763V ABC"));
            click(form, "copyVsnet");
            QCOMPARE(QGuiApplication::clipboard()->text(), shown(form, "vsnetLine"));
            // The same star, date and band again: No keeps the file as it is.
            click(form, "appendToFile");
            QCOMPARE(boxes.shown.size(), std::size_t(2));
            QCOMPARE(boxes.shown[1].kind, Box::YesNoNoDefault);
        }
        QFile file(QString::fromUtf8(kReportFileName.data(), kReportFileName.size()));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray expected =
            QByteArray::fromStdString(aavsoHeader("ABC", false)) +
            "SS CYG,2460661.02083,10.763,0.003,V,NO,STD,ENSEMBLE,na,na,na,na,na,na,"
            "linear fit of 5 comparison stars; slope 1.000; r2 1.00000\r\n";
        QCOMPARE(file.readAll(), expected);
        // The observer code and the band are there at the next opening.
        Form3 next(boxes, measuredSheet);
        QCOMPARE(shown(next, "observerCode"), QStringLiteral("ABC"));
        QCOMPARE(next.findChild<QComboBox*>("band")->currentText(), QStringLiteral("V"));
        QCOMPARE(next.windowTitle(), QStringLiteral("観測報告"));
    }
};

QTEST_MAIN(Form3Test)
#include "form3_test.moc"
