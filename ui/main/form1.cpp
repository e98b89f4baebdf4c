#include "ui/main/form1.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPalette>
#include <QPushButton>
#include <QShortcut>

#include "core/averaging.h"
#include "core/calibration.h"
#include "core/measurement.h"
#include "core/messages.h"
#include "core/results.h"
#include "core/sheet_commands.h"
#include "core/version.h"
#include "import/import.h"
#include "ui/common/palette.h"
#include "ui/common/qt_text.h"
#include "ui/graph/form2.h"
#include "ui/main/dropped_file.h"
#include "ui/main/import_area.h"
#include "ui/main/message_boxes.h"
#include "ui/report/form3.h"

// The window's icon lives in the library's resources; a static library must load them itself.
static void loadForm1Resources() { Q_INIT_RESOURCE(form1_resources); }

namespace lumitrak {

namespace {

// The message a measurement ends with, if any.
std::string_view messageOf(MeasureOutcome outcome) {
    switch (outcome) {
        case MeasureOutcome::Measured: return {};
        case MeasureOutcome::MissingVariableValue: return kMissingVariableValueMessage;
        case MeasureOutcome::AveragingAreaFull: return kAveragingAreaFullMessage;
        case MeasureOutcome::FitUndefined: return kFitUndefinedMessage;
        case MeasureOutcome::MagnitudeUndefined: return kMagnitudeUndefinedMessage;
    }
    return {};
}

}  // namespace

Form1::Form1(std::unique_ptr<MessageBoxes> messageBoxes, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      messageBoxes_(messageBoxes ? std::move(messageBoxes)
                                 : std::make_unique<QtMessageBoxes>(this)) {
    loadForm1Resources();

    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(toQString(kWindowTitle));
    setWindowIcon(QIcon(QStringLiteral(":/lumitrak/lumitrak.png")));
    QPalette grey = palette();
    grey.setColor(QPalette::Window, kGrey);
    setPalette(grey);
    setAutoFillBackground(true);

    controls_ = buildForm1Controls(this);
    connectControls();
    writeSheet();
    controls_.measuredFields[0]->setFocus();
}

Form1::~Form1() = default;

void Form1::connectControls() {
    const auto onClick = [this](QPushButton* button, void (Form1::*handler)()) {
        connect(button, &QPushButton::clicked, this, handler);
    };
    onClick(controls_.clearAllButton, &Form1::command1_click);
    onClick(controls_.measureButton, &Form1::Command17_Click);
    onClick(controls_.averageButton, &Form1::Command18_Click);
    onClick(controls_.graphButton, &Form1::Command24_Click);
    onClick(controls_.reportButton, &Form1::Command56_Click);
    onClick(controls_.clearMeasuredButton, &Form1::Command25_Click);
    onClick(controls_.clearCatalogButton, &Form1::Command26_Click);
    onClick(controls_.importButton, &Form1::Command27_Click);
    for (int k = 1; k <= kComparisonRows; ++k) {
        connect(controls_.rowClearButtons[k - 1], &QPushButton::clicked, this,
                [this, k] { clearComparisonRow(k); });
        connect(controls_.rowSelectButtons[k - 1], &QPushButton::clicked, this,
                [this, k] { selectVariableStar(k); });
    }
    for (int n = 1; n <= kAveragingSlots; ++n) {
        connect(controls_.slotClearButtons[n - 1], &QPushButton::clicked, this,
                [this, n] { clearAveragingSlot(n); });
    }
    auto* reportShortcut = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_R), this);
    reportShortcut->setContext(Qt::WindowShortcut);
    connect(reportShortcut, &QShortcut::activated, this, &Form1::Command56_Click);
    auto* copyShortcut = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), this);
    copyShortcut->setContext(Qt::WindowShortcut);
    connect(copyShortcut, &QShortcut::activated, this, &Form1::copyResults);
    controls_.variableMeasuredField->installEventFilter(this);
    for (QLabel* label : controls_.resultLabels) {
        label->installEventFilter(this);
        // Qt's own menu does not open on these labels; this one offers the same two entries.
        label->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(label, &QLabel::customContextMenuRequested, this,
                [this, label](const QPoint& at) { showResultMenu(label, at); });
    }
    connect(controls_.importArea, &ImportArea::urlsDropped, this,
            [this](const QList<QUrl>& urls) { Text37_OLEDragDrop(urls); });
    connect(controls_.importArea, &ImportArea::pasteRefused, this,
            [this] { showMessage(kApplicationTitle, kPasteTooLargeMessage); });
}

void Form1::showMessage(std::string_view title, std::string_view text) {
    messageBoxes_->showMessage(title, text);
}

QString Form1::resultsLine() const { return toQString(lumitrak::resultsLine(sheet_)); }

void Form1::copyResults() const { QApplication::clipboard()->setText(resultsLine()); }

void Form1::command1_click() {
    runOnSheet([](PhotometrySheet& s) { clearAllComparisonRows(s); });
}

void Form1::Command17_Click() {
    MeasureOutcome outcome = MeasureOutcome::Measured;
    runOnSheet([&outcome](PhotometrySheet& s) { outcome = measureVariable(s); });
    const std::string_view message = messageOf(outcome);
    if (!message.empty()) showMessage(kApplicationTitle, message);
}

void Form1::Command18_Click() {
    runOnSheet([](PhotometrySheet& s) { computeAverages(s); });
}

void Form1::Command24_Click() {
    // An open graph keeps its drawing: it is only brought to the front.
    if (graph_) {
        graph_->raise();
        graph_->activateWindow();
        return;
    }
    // The graph draws the line the fit captions show, so they are brought up to date first.
    runOnSheet([](PhotometrySheet& s) { refreshFitLabels(s); });
    graph_ = new Form2(sheet_, this);
    graph_->show();
}

void Form1::Command56_Click() {
    // One report window, like the graph; it reads the main window's sheet whenever it reports.
    if (!report_) {
        report_ = new Form3(
            *messageBoxes_,
            [this] {
                readSheet();
                return sheet_;
            },
            this);
    }
    report_->show();
    report_->raise();
    report_->activateWindow();
}

void Form1::Command25_Click() {
    runOnSheet([](PhotometrySheet& s) { clearMeasuredColumn(s); });
}

void Form1::Command26_Click() {
    runOnSheet([](PhotometrySheet& s) { clearCatalogColumn(s); });
}

void Form1::Command27_Click() {
    readSheet();
    const ImportReport report = importMeasuredValues(sheet_);
    // The rows read before a star stopped the import stay written.
    writeSheet();
    if (report.outcome != ImportOutcome::Imported)
        showMessage(kImportAbortTitle, importAbortMessage(report));
}

bool Form1::Text31_KeyPress(int key) {
    if (key != Qt::Key_Return && key != Qt::Key_Enter) return false;
    Command17_Click();
    return true;
}

void Form1::Text37_OLEDragDrop(const QList<QUrl>& urls) { loadDroppedFile(urls); }

void Form1::loadDroppedFile(const QList<QUrl>& urls) {
    const DroppedFileText dropped = readDroppedFile(urls);
    if (!dropped.loaded) {
        // The import area keeps what it held.
        showMessage(kApplicationTitle, dropped.errorMessage);
        return;
    }
    runOnSheet([&dropped](PhotometrySheet& s) { s.importText = dropped.text; });
}

void Form1::clearComparisonRow(int k) {
    runOnSheet([k](PhotometrySheet& s) { lumitrak::clearComparisonRow(s, k); });
}

void Form1::selectVariableStar(int k) {
    runOnSheet([k](PhotometrySheet& s) { lumitrak::selectVariableStar(s, k); });
}

void Form1::clearAveragingSlot(int n) {
    runOnSheet([n](PhotometrySheet& s) { lumitrak::clearAveragingSlot(s, n); });
}

void Form1::closeEvent(QCloseEvent* event) {
    // A signal that arrives while the closing question is open leaves the closing to finish; a
    // close while the opening still asks comes once the opening is done.
    if (closingInProgress_ || openingInProgress_) {
        closeAfterOpening_ = openingInProgress_;
        event->ignore();
        return;
    }
    Form_Unload();
    // Closing is never refused.
    event->accept();
}

void Form1::showResultMenu(QLabel* label, const QPoint& at) {
    auto* menu = new QMenu(label);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    // Qt's texts, so that the menu reads as every other one does in the desktop's language.
    const auto entry = [](const char* text, QKeySequence::StandardKey key) {
        return QCoreApplication::translate("QWidgetTextControl", text) + QLatin1Char('\t') +
               QKeySequence(key).toString(QKeySequence::NativeText);
    };
    // With nothing selected the whole result is copied.
    menu->addAction(entry("&Copy", QKeySequence::Copy), label, [label] {
        QApplication::clipboard()->setText(label->hasSelectedText() ? label->selectedText()
                                                                    : label->text());
    });
    menu->addAction(entry("Select All", QKeySequence::SelectAll), label,
                    [label] { label->setSelection(0, int(label->text().size())); });
    menu->popup(label->mapToGlobal(at));
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return QWidget::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (watched == controls_.variableMeasuredField && Text31_KeyPress(key->key())) return true;
    // Shift+F10 opens a result's menu, as the Menu key does.
    auto* label = qobject_cast<QLabel*>(watched);
    if (label && key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier) {
        const QPoint centre = label->rect().center();
        QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, centre, label->mapToGlobal(centre));
        QApplication::sendEvent(label, &menuKey);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace lumitrak
