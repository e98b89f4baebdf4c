#include "ui/report/form3.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDateTime>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QVBoxLayout>

#include "core/julian_date.h"
#include "core/messages.h"
#include "storage/report_file.h"
#include "ui/common/qt_text.h"

namespace lumitrak {
namespace {

// Where the report window keeps what an observer types the same way every night.
QSettings reportSettings() {
    return QSettings(QStringLiteral("lumitrak"), QStringLiteral("lumitrak"));
}
constexpr char kObserverCodeKey[] = "report/observerCode";
constexpr char kBandKey[] = "report/band";
constexpr char kUniversalTimeKey[] = "report/universalTime";
constexpr char kChartKey[] = "report/chart";

constexpr std::pair<ReportedResult, const char*> kResults[] = {
    {ReportedResult::LastMeasurement, "最後の測光 (変光星の等級と測光ｴﾗｰ)"},
    {ReportedResult::Mean, "平均値とその測光ｴﾗｰ"},
    {ReportedResult::WeightedMean, "加重平均と加重平均誤差"},
};

QLineEdit* field(QWidget* parent, const char* name, const QString& hint = {}) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setPlaceholderText(hint);
    return edit;
}

QString text(const QLineEdit* edit) { return edit->text(); }

double julianDateNow() {
    const QDateTime now = QDateTime::currentDateTimeUtc();
    const QDate d = now.date();
    const QTime t = now.time();
    return julianDate({d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second()}).value_or(0);
}

// A line shown whole and selectable, with its own copy button.
QWidget* lineWithCopy(QWidget* parent, QLineEdit* line, const char* buttonName) {
    auto* row = new QWidget(parent);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    line->setReadOnly(true);
    layout->addWidget(line, 1);
    auto* copy = new QPushButton(QStringLiteral("コピー"), row);
    copy->setObjectName(QString::fromLatin1(buttonName));
    copy->setAutoDefault(false);
    QObject::connect(copy, &QPushButton::clicked, line,
                     [line] { QApplication::clipboard()->setText(line->text()); });
    layout->addWidget(copy);
    return row;
}

}  // namespace

Form3::Form3(MessageBoxes& boxes, std::function<PhotometrySheet()> currentSheet, QWidget* parent)
    : QWidget(parent, Qt::Window), boxes_(boxes), currentSheet_(std::move(currentSheet)) {
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("観測報告"));
    setAttribute(Qt::WA_DeleteOnClose);

    starName_ = field(this, "starName", QStringLiteral("例: SS CYG"));
    date_ = field(this, "date", QStringLiteral("例: 2024-12-15"));
    time_ = field(this, "time", QStringLiteral("露出の中央 例: 21:30:00"));
    timeZone_ = new QComboBox(this);
    timeZone_->setObjectName(QStringLiteral("timeZone"));
    timeZone_->addItems({QStringLiteral("JST"), QStringLiteral("UT")});
    band_ = new QComboBox(this);
    band_->setObjectName(QStringLiteral("band"));
    for (const std::string_view band : kReportBands) band_->addItem(toQString(band));
    observerCode_ = field(this, "observerCode", QStringLiteral("AAVSO の観測者コード"));
    chart_ = field(this, "chart", QStringLiteral("なくても構いません"));
    checkName_ = field(this, "checkName", QStringLiteral("なくても構いません"));
    checkMeasured_ = field(this, "checkMeasured");
    checkCatalog_ = field(this, "checkCatalog");
    rightAscension_ =
        field(this, "rightAscension", QStringLiteral("HJD にするとき 例: 21 42 42.8"));
    declination_ = field(this, "declination", QStringLiteral("例: +43 35 10"));
    notes_ = field(this, "notes", QStringLiteral("なくても構いません"));
    result_ = new QComboBox(this);
    result_->setObjectName(QStringLiteral("result"));
    for (const auto& [result, caption] : kResults) result_->addItem(toQString(caption));
    checkResult_ = new QLabel(this);
    checkResult_->setObjectName(QStringLiteral("checkResult"));
    checkResult_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    aavsoLine_ = field(this, "aavsoLine");
    vsnetLine_ = field(this, "vsnetLine");

    auto* when = new QWidget(this);
    auto* whenLayout = new QHBoxLayout(when);
    whenLayout->setContentsMargins(0, 0, 0, 0);
    whenLayout->addWidget(date_, 2);
    whenLayout->addWidget(time_, 2);
    whenLayout->addWidget(timeZone_);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("星名"), starName_);
    form->addRow(QStringLiteral("日付・時刻"), when);
    form->addRow(QStringLiteral("バンド"), band_);
    form->addRow(QStringLiteral("観測者コード"), observerCode_);
    form->addRow(QStringLiteral("チャート"), chart_);
    form->addRow(QStringLiteral("報告する結果"), result_);
    form->addRow(QStringLiteral("チェック星"), checkName_);
    form->addRow(QStringLiteral("チェック星の測光値"), checkMeasured_);
    form->addRow(QStringLiteral("チェック星のｶﾀﾛｸﾞ値"), checkCatalog_);
    form->addRow(QString(), checkResult_);
    form->addRow(QStringLiteral("赤経 (J2000)"), rightAscension_);
    form->addRow(QStringLiteral("赤緯 (J2000)"), declination_);
    form->addRow(QStringLiteral("備考"), notes_);

    auto* make = new QPushButton(QStringLiteral("報告を作る"), this);
    make->setObjectName(QStringLiteral("makeReport"));
    connect(make, &QPushButton::clicked, this, &Form3::showReport);
    auto* append = new QPushButton(QStringLiteral("ファイルに追加"), this);
    append->setObjectName(QStringLiteral("appendToFile"));
    append->setAutoDefault(false);
    append->setToolTip(
        QStringLiteral("作業フォルダの %1 に追加します").arg(toQString(kReportFileName)));
    connect(append, &QPushButton::clicked, this, &Form3::appendToFile);
    form->addRow(QString(), make);
    form->addRow(QStringLiteral("AAVSO"), lineWithCopy(this, aavsoLine_, "copyAavso"));
    form->addRow(QStringLiteral("VSNET"), lineWithCopy(this, vsnetLine_, "copyVsnet"));
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("status"));
    form->addRow(append, status_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    // The keyboard walks the fields as they stand, then makes the report and appends it; Enter in
    // any field makes it.
    const QList<QWidget*> order = {
        starName_,    date_,   time_,      timeZone_,      band_,         observerCode_,
        chart_,       result_, checkName_, checkMeasured_, checkCatalog_, rightAscension_,
        declination_, notes_,  make,       append,         aavsoLine_,    vsnetLine_};
    for (qsizetype i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
    for (QLineEdit* edit : findChildren<QLineEdit*>()) {
        if (!edit->isReadOnly()) connect(edit, &QLineEdit::returnPressed, this, &Form3::showReport);
    }
    setMinimumWidth(fontMetrics().horizontalAdvance(QLatin1Char('0')) * 70);

    const QSettings settings = reportSettings();
    observerCode_->setText(settings.value(kObserverCodeKey).toString());
    chart_->setText(settings.value(kChartKey).toString());
    const int band = band_->findText(settings.value(kBandKey).toString());
    if (band >= 0) band_->setCurrentIndex(band);
    timeZone_->setCurrentIndex(settings.value(kUniversalTimeKey, false).toBool() ? 1 : 0);
}

Form3::~Form3() = default;

ReportForm Form3::form() const {
    const auto typed = [](const QLineEdit* edit) { return toUtf8String(text(edit)); };
    ReportForm form;
    form.starName = typed(starName_);
    form.date = typed(date_);
    form.time = typed(time_);
    form.universalTime = timeZone_->currentIndex() == 1;
    form.band = toUtf8String(band_->currentText());
    form.observerCode = typed(observerCode_);
    form.chart = typed(chart_);
    form.checkName = typed(checkName_);
    form.checkMeasured = typed(checkMeasured_);
    form.checkCatalog = typed(checkCatalog_);
    form.rightAscension = typed(rightAscension_);
    form.declination = typed(declination_);
    form.notes = typed(notes_);
    form.result = kResults[std::max(0, result_->currentIndex())].first;
    return form;
}

void Form3::keepSettings() const {
    QSettings settings = reportSettings();
    settings.setValue(kObserverCodeKey, observerCode_->text().trimmed());
    settings.setValue(kBandKey, band_->currentText());
    settings.setValue(kUniversalTimeKey, timeZone_->currentIndex() == 1);
    settings.setValue(kChartKey, chart_->text().trimmed());
}

std::optional<Report> Form3::makeReportNow() {
    const Report report = makeReport(form(), currentSheet_(), julianDateNow());
    if (report.problem != ReportProblem::None) {
        // What was shown belonged to other fields: it goes, so nothing stale is copied.
        aavsoLine_->clear();
        vsnetLine_->clear();
        checkResult_->clear();
        status_->clear();
        boxes_.showMessage(kApplicationTitle, reportProblemMessage(report.problem, report.field));
        return std::nullopt;
    }
    // Shown from their start, where the star's name stands.
    aavsoLine_->setText(toQString(report.aavsoLine));
    aavsoLine_->setCursorPosition(0);
    vsnetLine_->setText(toQString(report.vsnetLine));
    vsnetLine_->setCursorPosition(0);
    QString check;
    if (!report.checkMagnitude.empty()) {
        check = QStringLiteral("チェック星の等級 %1").arg(toQString(report.checkMagnitude));
        if (!report.checkDifference.empty())
            check += QStringLiteral(" (ｶﾀﾛｸﾞ値との差 %1)").arg(toQString(report.checkDifference));
    }
    checkResult_->setText(check);
    keepSettings();
    return report;
}

void Form3::showReport() { makeReportNow(); }

void Form3::appendToFile() {
    const std::optional<Report> report = makeReportNow();
    if (!report) return;
    if (appendToReportFile(boxes_, *report, toUtf8String(observerCode_->text().trimmed())) ==
        ReportAppend::Appended)
        status_->setText(QStringLiteral("%1 に追加しました").arg(toQString(kReportFileName)));
}

}  // namespace lumitrak
